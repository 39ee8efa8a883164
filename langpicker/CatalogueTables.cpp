// The catalogue's constant tables.
#include "LanguageCatalogue.h"

// Accented letters are written as escapes so that no source encoding can
// change them; a literal is split after each escape so that the next letter
// cannot be taken for a hex digit.
const LPCTSTR CountryNames[COUNTRY_COUNT] = {
    _T("Zaire"),  // 0
    _T("Yugoslavia"),  // 1
    _T("Wales"),  // 2
    _T("Viet Nam"),  // 3
    _T("Venezuela"),  // 4
    _T("Uzbekistan"),  // 5
    _T("United States"),  // 6
    _T("Uruguay"),  // 7
    _T("United Arab Emirates"),  // 8
    _T("Hungary"),  // 9
    _T("Ukraine"),  // 10
    _T("United Kingdom"),  // 11
    _T("Uganda"),  // 12
    _T("Turkmenistan"),  // 13
    _T("Turkey"),  // 14
    _T("Tunisia"),  // 15
    _T("Czechien"),  // 16
    _T("Chad"),  // 17
    _T("Togo"),  // 18
    _T("Thailand"),  // 19
    _T("Tanzania"),  // 20
    _T("Taiwan"),  // 21
    _T("Tajikistan"),  // 22
    _T("Syria"),  // 23
    _T("Suriname"),  // 24
    _T("Sudan"),  // 25
    _T("Sri Lanka"),  // 26
    _T("Spain"),  // 27
    _T("South Africa"),  // 28
    _T("Somalia"),  // 29
    _T("Slovenia"),  // 30
    _T("Slovakia"),  // 31
    _T("Singapore"),  // 32
    _T("Zimbabwe"),  // 33
    _T("Sierra Leone"),  // 34
    _T("Senegal"),  // 35
    _T("Switzerland"),  // 36
    _T("Sweden"),  // 37
    _T("Scotland"),  // 38
    _T("Saudi Arabia"),  // 39
    _T("San Marino"),  // 40
    _T("Zambia"),  // 41
    _T("Russian Federation"),  // 42
    _T("Rwanda"),  // 43
    _T("Romania"),  // 44
    _T("Puerto Rico"),  // 45
    _T("Portugal"),  // 46
    _T("Poland"),  // 47
    _T("Philippines"),  // 48
    _T("Per\xFA"),  // 49
    _T("Paraguay"),  // 50
    _T("Panam\xE1"),  // 51
    _T("Pakistan"),  // 52
    _T("Oman"),  // 53
    _T("Norway"),  // 54
    _T("Nigeria"),  // 55
    _T("Niger"),  // 56
    _T("Nicaragua"),  // 57
    _T("The Netherlands"),  // 58
    _T("Nepal"),  // 59
    _T("Namibia"),  // 60
    _T("Myanmar"),  // 61
    _T("Mozambique"),  // 62
    _T("Mongolia"),  // 63
    _T("Monaco"),  // 64
    _T("Moldova"),  // 65
    _T("M\xE9") _T("xico"),  // 66
    _T("Macedonia"),  // 67
    _T("Mauritania"),  // 68
    _T("Morocco"),  // 69
    _T("Malta"),  // 70
    _T("Mali"),  // 71
    _T("Maldives"),  // 72
    _T("Malaysia"),  // 73
    _T("Madagascar"),  // 74
    _T("Luxembourg"),  // 75
    _T("Lithuania"),  // 76
    _T("Liechtenstein"),  // 77
    _T("Libya"),  // 78
    _T("Liberia"),  // 79
    _T("Lebanon"),  // 80
    _T("Latvia"),  // 81
    _T("Lesotho"),  // 82
    _T("Laos"),  // 83
    _T("Kuwait"),  // 84
    _T("Kuba"),  // 85
    _T("Korea (South)"),  // 86
    _T("Korea (North)"),  // 87
    _T("Congo"),  // 88
    _T("Colombia"),  // 89
    _T("New Zealand"),  // 90
    _T("Kyrgyzstan"),  // 91
    _T("Kenya"),  // 92
    _T("Qatar"),  // 93
    _T("Kazakhstan"),  // 94
    _T("Canada"),  // 95
    _T("Cameroon"),  // 96
    _T("Cambodia"),  // 97
    _T("Iraq"),  // 98
    _T("Croatia"),  // 99
    _T("Hong Kong"),  // 100
    _T("Honduras"),  // 101
    _T("Haiti"),  // 102
    _T("Guyana"),  // 103
    _T("Guinea"),  // 104
    _T("Guatemala"),  // 105
    _T("Greenland"),  // 106
    _T("Greece"),  // 107
    _T("Grenada"),  // 108
    _T("Ghana"),  // 109
    _T("Georgia"),  // 110
    _T("Gambia"),  // 111
    _T("Gabon"),  // 112
    _T("France"),  // 113
    _T("Finland"),  // 114
    _T("Ethiopia"),  // 115
    _T("Estonia"),  // 116
    _T("Eritrea"),  // 117
    _T("Ecuador"),  // 118
    _T("England"),  // 119
    _T("Egypt"),  // 120
    _T("Djibouti"),  // 121
    _T("Germany"),  // 122
    _T("Denmark"),  // 123
    _T("China"),  // 124
    _T("Chile"),  // 125
    _T("Central African Republic"),  // 126
    _T("Burundi"),  // 127
    _T("Burkina Faso"),  // 128
    _T("Bulgaria"),  // 129
    _T("Brunei"),  // 130
    _T("Brasil"),  // 131
    _T("Botswana"),  // 132
    _T("Bosnia and Herzegovina"),  // 133
    _T("Bolivia"),  // 134
    _T("Bhut\xE1") _T("n"),  // 135
    _T("Benin"),  // 136
    _T("Belgium"),  // 137
    _T("Belarus"),  // 138
    _T("Bangladesh"),  // 139
    _T("Bahrain"),  // 140
    _T("Bahamas"),  // 141
    _T("Austria"),  // 142
    _T("Australia"),  // 143
    _T("Azerbaijan"),  // 144
    _T("Armenia"),  // 145
    _T("Argentina"),  // 146
    _T("Angola"),  // 147
    _T("Andorra"),  // 148
    _T("Algeria"),  // 149
    _T("Albania"),  // 150
    _T("Afghanistan"),  // 151
    _T("Iceland"),  // 152
    _T("India"),  // 153
    _T("Indonesia"),  // 154
    _T("Ir\xE2") _T("n"),  // 155
    _T("Ireland"),  // 156
    _T("Israel"),  // 157
    _T("Italy"),  // 158
    _T("Ivory Coast"),  // 159
    _T("Jamaica"),  // 160
    _T("Japan"),  // 161
    _T("Jordan"),  // 162
    _T("Catalania"),  // 163
};

const LPCTSTR CountryLanguages[COUNTRY_COUNT] = {
    _T("FRENCH:"),  // 0
    _T("SERBIAN:LATIN,CYRILLIC"),  // 1
    _T("ENGLISH:UK"),  // 2
    _T("VIETNAMESE:"),  // 3
    _T("SPANISH:VENEZUELA"),  // 4
    _T("UZBEK:LATIN,CYRILLIC"),  // 5
    _T("ENGLISH:US"),  // 6
    _T("SPANISH:URUGUAY"),  // 7
    _T("ARABIC:UAE"),  // 8
    _T("HUNGARIAN:"),  // 9
    _T("UKRAINIAN:"),  // 10
    _T("ENGLISH:UK"),  // 11
    _T("SWAHILI:|ENGLISH:"),  // 12
    _T(":"),  // 13
    _T("TURKISH:"),  // 14
    _T("ARABIC:TUNISIA"),  // 15
    _T("CZECH:"),  // 16
    _T("FRENCH:"),  // 17
    _T("FRENCH:"),  // 18
    _T("THAI:"),  // 19
    _T("SWAHILI:|ENGLISH:"),  // 20
    _T("CHINESE:"),  // 21
    _T(":"),  // 22
    _T("ARABIC:SYRIA"),  // 23
    _T("DUTCH:"),  // 24
    _T("ARABIC:"),  // 25
    _T("TAMIL:"),  // 26
    _T("SPANISH:_"),  // 27
    _T("AFRIKAANS:|ENGLISH:"),  // 28
    _T(":"),  // 29
    _T("SLOVENIAN:"),  // 30
    _T("SLOVAK:"),  // 31
    _T("MALAY:|CHINESE:SINGAPORE|TAMIL:|ENGLISH:"),  // 32
    _T("ENGLISH:ZIMBABWE"),  // 33
    _T("ENGLISH:"),  // 34
    _T("FRENCH:"),  // 35
    _T("GERMAN:SWISS|FRENCH:SWISS|ITALIAN:SWISS"),  // 36
    _T("SWEDISH:"),  // 37
    _T("ENGLISH:UK"),  // 38
    _T("ARABIC:SAUDI_ARABIA"),  // 39
    _T("ITALIAN:"),  // 40
    _T("ENGLISH:"),  // 41
    _T("RUSSIAN:"),  // 42
    _T("FRENCH:|ENGLISH:"),  // 43
    _T("ROMANIAN:"),  // 44
    _T("SPANISH:PUERTO_RICO"),  // 45
    _T("PORTUGUESE:_"),  // 46
    _T("POLISH:"),  // 47
    _T("ENGLISH:PHILIPPINES"),  // 48
    _T("SPANISH:PERU"),  // 49
    _T("SPANISH:PARAGUAY"),  // 50
    _T("SPANISH:PANAMA"),  // 51
    _T("URDU:PAKISTAN"),  // 52
    _T("ARABIC:OMAN"),  // 53
    _T("NORWEGIAN:BOKMAL,NYNORSK"),  // 54
    _T("ENGLISH:"),  // 55
    _T("FRENCH:"),  // 56
    _T("SPANISH:NICARAGUA"),  // 57
    _T("DUTCH:_"),  // 58
    _T("NEPALI:"),  // 59
    _T("ENGLISH:"),  // 60
    _T(":"),  // 61
    _T("PORTUGUESE:"),  // 62
    _T(":"),  // 63
    _T("FRENCH:MONACO"),  // 64
    _T(":"),  // 65
    _T("SPANISH:MEXICAN"),  // 66
    _T("MACEDONIAN:"),  // 67
    _T("ARABIC:"),  // 68
    _T("ARABIC:MOROCCO"),  // 69
    _T("ENGLISH:"),  // 70
    _T("FRENCH:"),  // 71
    _T(":"),  // 72
    _T("MALAY:MALAYSIA"),  // 73
    _T("FRENCH:"),  // 74
    _T("FRENCH:LUXEMBOURG|GERMAN:LUXEMBOURG"),  // 75
    _T("LITHUANIAN:_,CLASSIC"),  // 76
    _T("GERMAN:LIECHTENSTEIN"),  // 77
    _T("ARABIC:LIBYA"),  // 78
    _T("ENGLISH:"),  // 79
    _T("ARABIC:LEBANON"),  // 80
    _T("LATVIAN:"),  // 81
    _T("ENGLISH:"),  // 82
    _T(":"),  // 83
    _T("ARABIC:KUWAIT"),  // 84
    _T("SPANISH:"),  // 85
    _T("KOREAN:_"),  // 86
    _T("KOREAN:_"),  // 87
    _T("FRENCH:"),  // 88
    _T("SPANISH:COLOMBIA"),  // 89
    _T("ENGLISH:NZ"),  // 90
    _T(":"),  // 91
    _T("SWAHILI:"),  // 92
    _T("ARABIC:QATAR"),  // 93
    _T("KAZAK:"),  // 94
    _T("ENGLISH:CAN|FRENCH:CANADIAN"),  // 95
    _T("FRENCH:|ENGLISH:"),  // 96
    _T(":"),  // 97
    _T("ARABIC:IRAQ"),  // 98
    _T("CROATIAN:"),  // 99
    _T("CHINESE:HONGKONG"),  // 100
    _T("SPANISH:HONDURAS"),  // 101
    _T("FRENCH:"),  // 102
    _T("FRENCH:"),  // 103
    _T("FRENCH:"),  // 104
    _T("SPANISH:GUATEMALA"),  // 105
    _T("DANISH:"),  // 106
    _T("GREEK:"),  // 107
    _T("ENGLISH:"),  // 108
    _T("ENGLISH:"),  // 109
    _T("GEORGIAN:"),  // 110
    _T("ENGLISH:"),  // 111
    _T("FRENCH:"),  // 112
    _T("FRENCH:_"),  // 113
    _T("FINNISH:|SWEDISH:FINLAND"),  // 114
    _T(":"),  // 115
    _T("ESTONIAN:"),  // 116
    _T(":"),  // 117
    _T("SPANISH:ECUADOR"),  // 118
    _T("ENGLISH:UK"),  // 119
    _T("ARABIC:EGYPT"),  // 120
    _T(":"),  // 121
    _T("GERMAN:_"),  // 122
    _T("DANISH:"),  // 123
    _T("CHINESE:TRADITIONAL,SIMPLIFIED"),  // 124
    _T("SPANISH:CHILE"),  // 125
    _T("FRENCH:"),  // 126
    _T("FRENCH:"),  // 127
    _T("FRENCH:"),  // 128
    _T("BULGARIAN:"),  // 129
    _T("MALAY:BRUNEI_DARUSSALAM"),  // 130
    _T("PORTUGUESE:BRAZILIAN"),  // 131
    _T("ENGLISH:"),  // 132
    _T("CROATIAN:|SERBIAN:LATIN,CYRILLIC"),  // 133
    _T("SPANISH:BOLIVIA"),  // 134
    _T(":"),  // 135
    _T("FRENCH:"),  // 136
    _T("FRENCH:BELGIAN|DUTCH:BELGIAN"),  // 137
    _T("BELARUSIAN:"),  // 138
    _T("BENGALI:"),  // 139
    _T("ARABIC:BAHRAIN"),  // 140
    _T("ENGLISH:"),  // 141
    _T("GERMAN:AUSTRIAN"),  // 142
    _T("ENGLISH:AUS"),  // 143
    _T("AZERI:LATIN,CYRILLIC"),  // 144
    _T("ARMENIAN:"),  // 145
    _T("SPANISH:ARGENTINA"),  // 146
    _T("PORTUGUESE:"),  // 147
    _T("CATALAN:"),  // 148
    _T("ARABIC:ALGERIA"),  // 149
    _T("ALBANIAN:"),  // 150
    _T(":"),  // 151
    _T("ICELANDIC:"),  // 152
    _T("HINDI:|ENGLISH:|ORIYA:|ASSAMESE:|MARATHI:|PUNJABI:|NEPALI:INDIA|KASHMIRI:INDIA|URDU:INDIA"),  // 153
    _T("INDONESIAN:"),  // 154
    _T("FARSI:"),  // 155
    _T("ENGLISH:EIRE"),  // 156
    _T("HEBREW:"),  // 157
    _T("ITALIAN:_"),  // 158
    _T("FRENCH:"),  // 159
    _T("ENGLISH:JAMAICA"),  // 160
    _T("JAPANESE:"),  // 161
    _T("ARABIC:JORDAN"),  // 162
    _T("CATALAN:"),  // 163
};

// Name and value of each primary language, in the order the picker lists them.
#define LW_PRIMARY_LANGUAGES(X) \
  X(AFRIKAANS, 0x36)            \
  X(ALBANIAN, 0x1C)             \
  X(ARABIC, 0x01)               \
  X(ARMENIAN, 0x2B)             \
  X(ASSAMESE, 0x4D)             \
  X(AZERI, 0x2C)                \
  X(BASQUE, 0x2D)               \
  X(BELARUSIAN, 0x23)           \
  X(BENGALI, 0x45)              \
  X(BULGARIAN, 0x02)            \
  X(CATALAN, 0x03)              \
  X(CHINESE, 0x04)              \
  X(CROATIAN, 0x1A)             \
  X(CZECH, 0x05)                \
  X(DANISH, 0x06)               \
  X(DUTCH, 0x13)                \
  X(ENGLISH, 0x09)              \
  X(ESTONIAN, 0x25)             \
  X(FAEROESE, 0x38)             \
  X(FARSI, 0x29)                \
  X(FINNISH, 0x0B)              \
  X(FRENCH, 0x0C)               \
  X(GEORGIAN, 0x37)             \
  X(GERMAN, 0x07)               \
  X(GREEK, 0x08)                \
  X(GUJARATI, 0x47)             \
  X(HEBREW, 0x0D)               \
  X(HINDI, 0x39)                \
  X(HUNGARIAN, 0x0E)            \
  X(ICELANDIC, 0x0F)            \
  X(INDONESIAN, 0x21)           \
  X(ITALIAN, 0x10)              \
  X(JAPANESE, 0x11)             \
  X(KANNADA, 0x4B)              \
  X(KASHMIRI, 0x60)             \
  X(KAZAK, 0x3F)                \
  X(KONKANI, 0x57)              \
  X(KOREAN, 0x12)               \
  X(LATVIAN, 0x26)              \
  X(LITHUANIAN, 0x27)           \
  X(MACEDONIAN, 0x2F)           \
  X(MALAY, 0x3E)                \
  X(MALAYALAM, 0x4C)            \
  X(MANIPURI, 0x58)             \
  X(MARATHI, 0x4E)              \
  X(NEPALI, 0x61)               \
  X(NEUTRAL, 0x00)              \
  X(NORWEGIAN, 0x14)            \
  X(ORIYA, 0x48)                \
  X(POLISH, 0x15)               \
  X(PORTUGUESE, 0x16)           \
  X(PUNJABI, 0x46)              \
  X(ROMANIAN, 0x18)             \
  X(RUSSIAN, 0x19)              \
  X(SANSKRIT, 0x4F)             \
  X(SERBIAN, 0x1A)              \
  X(SINDHI, 0x59)               \
  X(SLOVAK, 0x1B)               \
  X(SLOVENIAN, 0x24)            \
  X(SPANISH, 0x0A)              \
  X(SWAHILI, 0x41)              \
  X(SWEDISH, 0x1D)              \
  X(TAMIL, 0x49)                \
  X(TATAR, 0x44)                \
  X(TELUGU, 0x4A)               \
  X(THAI, 0x1E)                 \
  X(TURKISH, 0x1F)              \
  X(UKRAINIAN, 0x22)            \
  X(URDU, 0x20)                 \
  X(UZBEK, 0x43)                \
  X(VIETNAMESE, 0x2A)

// Name and value of each sub-language, grouped by language.
#define LW_SUB_LANGUAGES(X)       \
  X(ARABIC_SAUDI_ARABIA, 0x01)    \
  X(ARABIC_IRAQ, 0x02)            \
  X(ARABIC_EGYPT, 0x03)           \
  X(ARABIC_LIBYA, 0x04)           \
  X(ARABIC_ALGERIA, 0x05)         \
  X(ARABIC_MOROCCO, 0x06)         \
  X(ARABIC_TUNISIA, 0x07)         \
  X(ARABIC_OMAN, 0x08)            \
  X(ARABIC_YEMEN, 0x09)           \
  X(ARABIC_SYRIA, 0x0A)           \
  X(ARABIC_JORDAN, 0x0B)          \
  X(ARABIC_LEBANON, 0x0C)         \
  X(ARABIC_KUWAIT, 0x0D)          \
  X(ARABIC_UAE, 0x0E)             \
  X(ARABIC_BAHRAIN, 0x0F)         \
  X(ARABIC_QATAR, 0x10)           \
  X(AZERI_CYRILLIC, 0x02)         \
  X(AZERI_LATIN, 0x01)            \
  X(CHINESE_TRADITIONAL, 0x01)    \
  X(CHINESE_SIMPLIFIED, 0x02)     \
  X(CHINESE_HONGKONG, 0x03)       \
  X(CHINESE_SINGAPORE, 0x04)      \
  X(CHINESE_MACAU, 0x05)          \
  X(DEFAULT, 0x01)                \
  X(DUTCH, 0x01)                  \
  X(DUTCH_BELGIAN, 0x02)          \
  X(ENGLISH_US, 0x01)             \
  X(ENGLISH_UK, 0x02)             \
  X(ENGLISH_AUS, 0x03)            \
  X(ENGLISH_CAN, 0x04)            \
  X(ENGLISH_NZ, 0x05)             \
  X(ENGLISH_EIRE, 0x06)           \
  X(ENGLISH_SOUTH_AFRICA, 0x07)   \
  X(ENGLISH_JAMAICA, 0x08)        \
  X(ENGLISH_CARIBBEAN, 0x09)      \
  X(ENGLISH_BELIZE, 0x0A)         \
  X(ENGLISH_TRINIDAD, 0x0B)       \
  X(ENGLISH_PHILIPPINES, 0x0D)    \
  X(ENGLISH_ZIMBABWE, 0x0C)       \
  X(FRENCH, 0x01)                 \
  X(FRENCH_BELGIAN, 0x02)         \
  X(FRENCH_CANADIAN, 0x03)        \
  X(FRENCH_SWISS, 0x04)           \
  X(FRENCH_LUXEMBOURG, 0x05)      \
  X(FRENCH_MONACO, 0x06)          \
  X(GERMAN, 0x01)                 \
  X(GERMAN_SWISS, 0x02)           \
  X(GERMAN_AUSTRIAN, 0x03)        \
  X(GERMAN_LUXEMBOURG, 0x04)      \
  X(GERMAN_LIECHTENSTEIN, 0x05)   \
  X(ITALIAN, 0x01)                \
  X(ITALIAN_SWISS, 0x02)          \
  X(KASHMIRI_INDIA, 0x02)         \
  X(KOREAN, 0x01)                 \
  X(LITHUANIAN, 0x01)             \
  X(LITHUANIAN_CLASSIC, 0x02)     \
  X(MALAY_BRUNEI_DARUSSALAM, 0x02) \
  X(MALAY_MALAYSIA, 0x01)         \
  X(NEPALI_INDIA, 0x02)           \
  X(NEUTRAL, 0x00)                \
  X(NORWEGIAN_BOKMAL, 0x01)       \
  X(NORWEGIAN_NYNORSK, 0x02)      \
  X(PORTUGUESE, 0x02)             \
  X(PORTUGUESE_BRAZILIAN, 0x01)   \
  X(SERBIAN_LATIN, 0x02)          \
  X(SERBIAN_CYRILLIC, 0x03)       \
  X(SPANISH, 0x01)                \
  X(SPANISH_MEXICAN, 0x02)        \
  X(SPANISH_MODERN, 0x03)         \
  X(SPANISH_GUATEMALA, 0x04)      \
  X(SPANISH_COSTA_RICA, 0x05)     \
  X(SPANISH_PANAMA, 0x06)         \
  X(SPANISH_DOMINICAN_REPUBLIC, 0x07) \
  X(SPANISH_VENEZUELA, 0x08)      \
  X(SPANISH_COLOMBIA, 0x09)       \
  X(SPANISH_PERU, 0x0A)           \
  X(SPANISH_ARGENTINA, 0x0B)      \
  X(SPANISH_ECUADOR, 0x0C)        \
  X(SPANISH_CHILE, 0x0D)          \
  X(SPANISH_URUGUAY, 0x0E)        \
  X(SPANISH_PARAGUAY, 0x0F)       \
  X(SPANISH_BOLIVIA, 0x10)        \
  X(SPANISH_EL_SALVADOR, 0x11)    \
  X(SPANISH_HONDURAS, 0x12)       \
  X(SPANISH_NICARAGUA, 0x13)      \
  X(SPANISH_PUERTO_RICO, 0x14)    \
  X(SWEDISH, 0x01)                \
  X(SWEDISH_FINLAND, 0x02)        \
  X(SYS_DEFAULT, 0x02)            \
  X(URDU_INDIA, 0x02)             \
  X(URDU_PAKISTAN, 0x01)          \
  X(UZBEK_CYRILLIC, 0x02)         \
  X(UZBEK_LATIN, 0x01)

#define LW_LANG_NAME(name, value) _T("LANG_" #name),
#define LW_SUBLANG_NAME(name, value) _T("SUBLANG_" #name),
#define LW_VALUE(name, value) WORD(value),

const LPCTSTR LangNames[LANG_NAME_COUNT] = {LW_PRIMARY_LANGUAGES(LW_LANG_NAME)};
const WORD LangValues[LANG_NAME_COUNT] = {LW_PRIMARY_LANGUAGES(LW_VALUE)};
const LPCTSTR SubLangNames[SUBLANG_NAME_COUNT] = {LW_SUB_LANGUAGES(LW_SUBLANG_NAME)};
const WORD SubLangValues[SUBLANG_NAME_COUNT] = {LW_SUB_LANGUAGES(LW_VALUE)};

// The lists above must fill their tables exactly.
#define LW_ONE(name, value) +1
static_assert(0 LW_PRIMARY_LANGUAGES(LW_ONE) == LANG_NAME_COUNT, "primary-language rows");
static_assert(0 LW_SUB_LANGUAGES(LW_ONE) == SUBLANG_NAME_COUNT, "sub-language rows");
