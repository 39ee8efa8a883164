#include "ResRecordedTexts.h"

#include <cstring>

namespace {

const struct {
  UINT id;
  const char* english;
} kSwitchEnglish[] = {
    {1000, u8"Choose language"},
    {1012, u8"&Show all language files"},
    {1001, u8"Available languages"},
    {1014, u8"Properties of the chosen language"},
    {1015, u8"Version:"},
    {1016, u8"Date:"},
    {1017, u8"Author:"},
    {1018, u8"Comment:"},
    {1008,
     u8"Warning! You have chosen a language of an older program version.\n"
     u8"Possibly not all texts of the program are shown in the right language."},
    {1009, u8"Error while switching the language!"},
    {1010, u8"&Choose language..."},
    {1011, u8"Allows a new language to be set\nSwitch language"},
    {1007, u8"Ver."},
    {1004, u8"&OK"},
    {1005, u8"&Cancel"},
    {1006, u8"&Help"},
    {1013, u8"&About"},
    {1019, u8"About Lingoweave"},
    {1020, u8"Further information"},
};

}  // namespace

const ResRecordedText kResButtonTexts[LWV_MB_BUTTONS] = {
    {u8"OK", u8"OK"},
    {u8"Abbrechen", u8"Cancel"},
    {u8"&Abbrechen", u8"&Abort"},
    {u8"&Wiederholen", u8"&Retry"},
    {u8"&Ignorieren", u8"&Ignore"},
    {u8"&Ja", u8"&Yes"},
    {u8"&Nein", u8"&No"},
    {u8"Ü&bernehmen", u8"&Apply"},
    {u8"&Hilfe", u8"Help"},
    {u8"< &Zurück", u8"< &Back"},
    {u8"&Weiter >", u8"&Next >"},
    {u8"Fertig stellen", u8"Finish"},
};

const ResRecordedText kResSystemMenuTexts[kResSystemMenuItems] = {
    {u8"&Wiederherstellen", u8"&Restore"}, {u8"&Verschieben", u8"&Move"},  {u8"&Größe ändern", u8"&Size"},
    {u8"Mi&nimieren", u8"Mi&nimize"},       {u8"Ma&ximieren", u8"Ma&ximize"}, {u8"&Schließen\tAlt+F4", u8"&Close\tAlt+F4"},
};

CString EnglishSwitchText(UINT id) {
  for (const auto& row : kSwitchEnglish)
    if (row.id == id) return ResRecordedString(row.english);
  return CString();
}

CString ResRecordedString(const char* utf8) {
  const lw::WString wide = lw::Widen(utf8, strlen(utf8), CP_UTF8);
  return CString(lw::FromWide(wide.data(), wide.size()).c_str());
}
