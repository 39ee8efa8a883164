// The catalogue's tables against a reference copy of the rows, and the scans
// and conversions on them.
#include "LanguageCatalogue.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <vector>

namespace {

// Every character as its code unit: unsigned bytes in the 8-bit build, so
// that Latin-1 letters compare with the code points of the reference file.
lw::WString CodeUnits(LPCTSTR s) {
  lw::WString out;
  for (; *s; ++s) out.push_back(static_cast<WCHAR>(static_cast<std::make_unsigned_t<TCHAR>>(*s)));
  return out;
}

std::string Narrow(const CString& s) { return lw::ToNarrow(s, s.GetLength(), CP_UTF8); }

std::vector<std::string> Strings(const CStringArray& a) {
  std::vector<std::string> out;
  for (const CString& s : a) out.push_back(Narrow(s));
  return out;
}

// Rows of the reference file: kind, then its tab-separated fields (UTF-16).
std::map<std::string, std::vector<std::vector<lw::WString>>> ReadReference() {
  std::map<std::string, std::vector<std::vector<lw::WString>>> rows;
  CFile file;
  const CString path = CString(LW_SOURCE_DIR) + _T("\\langpicker\\tests\\data\\catalogue.tsv");
  if (!file.Open(path, CFile::modeRead | CFile::shareDenyWrite)) return rows;
  std::string bytes(static_cast<size_t>(file.GetLength()), '\0');
  file.Read(&bytes[0], static_cast<UINT>(bytes.size()));
  size_t start = 0;
  while (start < bytes.size()) {
    size_t end = bytes.find('\n', start);
    if (end == std::string::npos) end = bytes.size();
    std::vector<lw::WString> fields;
    size_t f = start;
    while (true) {
      size_t tab = bytes.find('\t', f);
      if (tab == std::string::npos || tab > end) tab = end;
      fields.push_back(lw::Widen(bytes.data() + f, tab - f, CP_UTF8));
      if (tab == end) break;
      f = tab + 1;
    }
    const std::string kind = lw::Narrow(fields[0], CP_UTF8);
    fields.erase(fields.begin());
    rows[kind].push_back(fields);
    start = end + 1;
  }
  return rows;
}

lw::WString W(const char* ascii) { return lw::Widen(ascii, strlen(ascii), CP_UTF8); }

TEST(CatalogueTables, MatchTheReferenceRowByRow) {
  auto rows = ReadReference();
  ASSERT_EQ(164u, rows["country"].size());
  ASSERT_EQ(71u, rows["lang"].size());
  ASSERT_EQ(93u, rows["sublang"].size());
  ASSERT_EQ(164, COUNTRY_COUNT);
  ASSERT_EQ(71, LANG_NAME_COUNT);
  ASSERT_EQ(93, SUBLANG_NAME_COUNT);
  for (int i = 0; i < COUNTRY_COUNT; ++i) {
    const auto& r = rows["country"][i];
    ASSERT_EQ(3u, r.size());
    EXPECT_EQ(W(std::to_string(i).c_str()), r[0]);
    ASSERT_NE(nullptr, CountryNames[i]) << i;
    ASSERT_NE(nullptr, CountryLanguages[i]) << i;
    EXPECT_EQ(r[1], CodeUnits(CountryNames[i])) << "country row " << i;
    EXPECT_EQ(r[2], CodeUnits(CountryLanguages[i])) << "country row " << i;
  }
  for (int i = 0; i < LANG_NAME_COUNT; ++i) {
    EXPECT_EQ(rows["lang"][i][1], CodeUnits(LangNames[i])) << "language row " << i;
  }
  for (int i = 0; i < SUBLANG_NAME_COUNT; ++i) {
    EXPECT_EQ(rows["sublang"][i][1], CodeUnits(SubLangNames[i])) << "sub-language row " << i;
  }
}

TEST(CatalogueTables, AccentedNamesAreLatin1InEveryWidth) {
  struct Case {
    int row;
    int position;
    unsigned codeUnit;
  } cases[] = {{49, 3, 0xFA}, {51, 5, 0xE1}, {66, 1, 0xE9}, {135, 4, 0xE1}, {155, 2, 0xE2}};
  for (const Case& c : cases) {
    const lw::WString units = CodeUnits(CountryNames[c.row]);
    ASSERT_LT(size_t(c.position), units.size()) << c.row;
    EXPECT_EQ(c.codeUnit, unsigned(units[c.position])) << c.row;
  }
  EXPECT_EQ(W("M\xC3\xA9xico"), CodeUnits(CountryNames[66]));  // no letter taken into the escape
  EXPECT_EQ(6u, lw::StrLen(CountryNames[135]));
}

TEST(CatalogueTables, StripCellsFollowTheRows) {
  EXPECT_EQ(Narrow(_T("Zaire")), Narrow(CountryNames[0]));
  EXPECT_EQ(Narrow(_T("Germany")), Narrow(CountryNames[122]));
  EXPECT_EQ(Narrow(_T("Catalania")), Narrow(CountryNames[163]));
  EXPECT_EQ(LANG_NAME_NEUTRAL_ROW, FindLangName(_T("LANG_NEUTRAL")));
}

TEST(CatalogueTables, EveryEntryNamesKnownLanguagesAndSubLanguages) {
  int withoutLanguage = 0;
  for (int i = 0; i < COUNTRY_COUNT; ++i) {
    CStringArray languages;
    GetLanguagesOfEntry(CountryLanguages[i], languages);
    if (languages.IsEmpty()) {
      ++withoutLanguage;
      EXPECT_EQ(":", Narrow(CountryLanguages[i])) << i;
    }
    for (const CString& lang : languages) {
      EXPECT_GE(FindLangName(lang), 0) << i << " " << Narrow(lang);
      CStringArray subs;
      GetSubLanguagesOfEntry(CountryLanguages[i], CString(lang).Mid(5), subs);
      for (const CString& sub : subs) EXPECT_GE(FindSubLangName(sub), 0) << i << " " << Narrow(sub);
    }
  }
  EXPECT_EQ(15, withoutLanguage);
}

TEST(CatalogueTables, ValuesOfNamedConstants) {
  struct Case {
    LPCTSTR name;
    int value;
  } primary[] = {{_T("LANG_NEUTRAL"), 0},     {_T("LANG_GERMAN"), 0x07},  {_T("LANG_ENGLISH"), 0x09},
                 {_T("LANG_AFRIKAANS"), 0x36}, {_T("LANG_CROATIAN"), 0x1A}, {_T("LANG_SERBIAN"), 0x1A}},
    sub[] = {{_T("SUBLANG_NEUTRAL"), 0},        {_T("SUBLANG_DEFAULT"), 1},
             {_T("SUBLANG_SYS_DEFAULT"), 2},    {_T("SUBLANG_ENGLISH_UK"), 2},
             {_T("SUBLANG_SPANISH_PUERTO_RICO"), 0x14}, {_T("SUBLANG_PORTUGUESE"), 2},
             {_T("SUBLANG_PORTUGUESE_BRAZILIAN"), 1},   {_T("SUBLANG_LITHUANIAN_CLASSIC"), 2}};
  for (const Case& c : primary) {
    const int row = FindLangName(c.name);
    ASSERT_GE(row, 0);
    EXPECT_EQ(c.value, LangValues[row]) << Narrow(c.name);
  }
  for (const Case& c : sub) {
    const int row = FindSubLangName(c.name);
    ASSERT_GE(row, 0);
    EXPECT_EQ(c.value, SubLangValues[row]) << Narrow(c.name);
  }
  for (WORD v : LangValues) EXPECT_LT(v, 0x400);  // primary languages fit in 10 bits
  for (WORD v : SubLangValues) EXPECT_LT(v, 0x40);  // sub-languages in 6
}

TEST(CatalogueScans, LanguagesOfAnEntry) {
  struct Case {
    LPCTSTR entry;
    std::vector<std::string> languages;
  } cases[] = {
      {CountryLanguages[32], {"LANG_MALAY", "LANG_CHINESE", "LANG_TAMIL", "LANG_ENGLISH"}},
      {CountryLanguages[153],
       {"LANG_HINDI", "LANG_ENGLISH", "LANG_ORIYA", "LANG_ASSAMESE", "LANG_MARATHI", "LANG_PUNJABI",
        "LANG_NEPALI", "LANG_KASHMIRI", "LANG_URDU"}},
      {CountryLanguages[151], {}},
      {CountryLanguages[36], {"LANG_GERMAN", "LANG_FRENCH", "LANG_ITALIAN"}},
      {CountryLanguages[1], {"LANG_SERBIAN"}},
      {_T(""), {}},
      {nullptr, {}},
      {_T("GERMAN"), {}},          // no ":" ends a name
      {_T("|:,:"), {}},            // only empty names
      {_T("A:B,C:D|E:"), {"LANG_A", "LANG_C", "LANG_E"}},
  };
  for (const Case& c : cases) {
    CStringArray languages;
    languages.Add(_T("stale"));
    GetLanguagesOfEntry(c.entry, languages);
    EXPECT_EQ(c.languages, Strings(languages)) << (c.entry ? Narrow(c.entry) : "null");
  }
}

TEST(CatalogueScans, SubLanguagesOfAnEntry) {
  struct Case {
    LPCTSTR entry;
    LPCTSTR language;
    std::vector<std::string> subs;
  } cases[] = {
      {CountryLanguages[36], _T("FRENCH"), {"SUBLANG_FRENCH_SWISS"}},
      {CountryLanguages[122], _T("GERMAN"), {"SUBLANG_GERMAN"}},
      {CountryLanguages[76], _T("LITHUANIAN"), {"SUBLANG_LITHUANIAN", "SUBLANG_LITHUANIAN_CLASSIC"}},
      {CountryLanguages[133], _T("CROATIAN"), {}},
      {CountryLanguages[133], _T("SERBIAN"), {"SUBLANG_SERBIAN_LATIN", "SUBLANG_SERBIAN_CYRILLIC"}},
      {CountryLanguages[0], _T("FRENCH"), {}},
      {CountryLanguages[124], _T("CHINESE"), {"SUBLANG_CHINESE_TRADITIONAL", "SUBLANG_CHINESE_SIMPLIFIED"}},
      {CountryLanguages[39], _T("ARABIC"), {"SUBLANG_ARABIC_SAUDI_ARABIA"}},
      {CountryLanguages[153], _T("URDU"), {"SUBLANG_URDU_INDIA"}},  // last group, list ends the entry
      {CountryLanguages[36], _T("GERMA"), {}},                       // names compare whole
      {CountryLanguages[36], _T("german"), {}},                      // and with case
      {CountryLanguages[36], _T("SWISS"), {}},                       // items are no names
      {CountryLanguages[151], _T(""), {}},                           // ":" has an empty name
      {CountryLanguages[122], nullptr, {}},
      {nullptr, _T("GERMAN"), {}},
      {_T("X:a,,_,|X:b"), _T("X"), {"SUBLANG_X_a", "SUBLANG_X"}},  // empty items, first group only
      {_T("X:"), _T("X"), {}},
  };
  for (const Case& c : cases) {
    CStringArray subs;
    subs.Add(_T("stale"));
    GetSubLanguagesOfEntry(c.entry, c.language, subs);
    EXPECT_EQ(c.subs, Strings(subs)) << (c.entry ? Narrow(c.entry) : "null") << " / "
                                     << (c.language ? Narrow(c.language) : "null");
  }
}

TEST(CatalogueScans, SubLanguagesOfALanguage) {
  CStringArray subs;
  GetSubLanguagesOfLanguage(_T("SPANISH"), subs);
  ASSERT_EQ(20, subs.GetSize());
  int row = FindSubLangName(_T("SUBLANG_SPANISH"));
  for (const CString& s : subs) EXPECT_EQ(Narrow(SubLangNames[row++]), Narrow(s));
  EXPECT_EQ(Narrow(_T("SUBLANG_SPANISH_PUERTO_RICO")), Narrow(subs[19]));

  struct Case {
    LPCTSTR language;
    std::vector<std::string> subs;
  } cases[] = {
      {_T("KOREAN"), {"SUBLANG_KOREAN"}},
      {_T("FARSI"), {}},
      {_T("AZERI"), {"SUBLANG_AZERI_CYRILLIC", "SUBLANG_AZERI_LATIN"}},
      {_T("MALAY"), {"SUBLANG_MALAY_BRUNEI_DARUSSALAM", "SUBLANG_MALAY_MALAYSIA"}},
      {_T("ENGLISH_UK"), {"SUBLANG_ENGLISH_UK"}},
      {_T("SPANISH_PUERTO_RICO_AND_MORE"), {}},  // longer than every row
      {_T("spanish"), {}},
      {_T(""), {}},
      {nullptr, {}},
  };
  for (const Case& c : cases) {
    GetSubLanguagesOfLanguage(c.language, subs);
    EXPECT_EQ(c.subs, Strings(subs)) << (c.language ? Narrow(c.language) : "null");
  }
}

TEST(CatalogueConversion, NamePairsToLangId) {
  struct Case {
    LPCTSTR lang;
    LPCTSTR sub;
    WORD id;
  } cases[] = {
      {_T("LANG_GERMAN"), _T("SUBLANG_GERMAN"), 0x0407},
      {_T("LANG_ENGLISH"), _T("SUBLANG_ENGLISH_UK"), 0x0809},
      {_T("LANG_SERBIAN"), _T("SUBLANG_SERBIAN_CYRILLIC"), 0x0C1A},
      {_T("LANG_CHINESE"), _T("SUBLANG_CHINESE_HONGKONG"), 0x0C04},
      {_T("LANG_FRENCH"), _T("SUBLANG_NEUTRAL"), 0x000C},
      {_T("LANG_NEUTRAL"), _T("SUBLANG_NEUTRAL"), 0},
      {_T("LANG_GERMAN"), _T("SUBLANG_ENGLISH_UK"), 0x0807},
      {_T("LANG_SPANISH"), _T("SUBLANG_SPANISH_PUERTO_RICO"), 0x500A},
      {_T("LANG_VIETNAMESE"), _T("SUBLANG_UZBEK_LATIN"), 0x042A},  // last rows of both tables
      {_T("LANG_AFRIKAANS"), _T("SUBLANG_ARABIC_SAUDI_ARABIA"), 0x0436},  // first rows
      {_T(""), _T("SUBLANG_NEUTRAL"), LANGID_NOT_FOUND},
      {_T("LANG_GERMAN"), _T(""), LANGID_NOT_FOUND},
      {_T("LANG_KLINGON"), _T("SUBLANG_NEUTRAL"), LANGID_NOT_FOUND},
      {_T("LANG_GERMAN"), _T("SUBLANG_GERMAN_BAVARIAN"), LANGID_NOT_FOUND},
      {_T("LANG_"), _T("SUBLANG_"), LANGID_NOT_FOUND},
      {_T("lang_german"), _T("SUBLANG_GERMAN"), LANGID_NOT_FOUND},
      {_T("GERMAN"), _T("SUBLANG_GERMAN"), LANGID_NOT_FOUND},
      {_T("LANG_GERMAN "), _T("SUBLANG_GERMAN"), LANGID_NOT_FOUND},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.id, NamesToLangId(c.lang, c.sub)) << Narrow(c.lang) << " / " << Narrow(c.sub);
  }
}

TEST(CatalogueConversion, EveryCountryPairConverts) {
  // What the picker can offer for a country always converts to a real LANGID.
  for (int i = 0; i < COUNTRY_COUNT; ++i) {
    CStringArray languages;
    GetLanguagesOfEntry(CountryLanguages[i], languages);
    languages.Add(_T("LANG_NEUTRAL"));
    for (const CString& lang : languages) {
      CStringArray subs;
      GetSubLanguagesOfEntry(CountryLanguages[i], CString(lang).Mid(5), subs);
      subs.Add(_T("SUBLANG_NEUTRAL"));
      for (const CString& sub : subs) {
        const WORD id = NamesToLangId(lang, sub);
        EXPECT_NE(LANGID_NOT_FOUND, id) << i;
        EXPECT_EQ(LangValues[FindLangName(lang)], PRIMARYLANGID(id));
        EXPECT_EQ(SubLangValues[FindSubLangName(sub)], SUBLANGID(id));
      }
    }
  }
  EXPECT_EQ(0x0407, NamesToLangId(CString(_T("LANG_GERMAN")), CString(_T("SUBLANG_GERMAN"))));
}

TEST(Catalogue, LanguageNameOfAnId) {
  struct Case {
    WORD id;
    const char* name;
  } const cases[] = {
      {0x0407, "German"}, {0x0807, "German"}, {0x040C, "French"}, {0x0409, "English"},
      {0x0000, ""},       {0x0400, ""},       {0x03FF, ""},  // neutral, and no language of that number
  };
  for (const Case& c : cases) EXPECT_EQ(CString(CStringA(c.name)), LanguageNameOf(c.id)) << c.id;
  // Every named language gives a name in mixed case without underscores.
  for (int i = 0; i < LANG_NAME_COUNT; ++i) {
    if (LangValues[i] == 0) continue;
    const CString name = LanguageNameOf(LangValues[i]);
    EXPECT_FALSE(name.IsEmpty()) << i;
    EXPECT_EQ(-1, name.Find(_T('_'))) << i;
  }
}

}  // namespace
