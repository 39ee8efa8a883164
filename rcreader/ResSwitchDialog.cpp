#include "ResSwitchDialog.h"

namespace {

struct SwitchRow {
  ResSwitchChild child;
  const char* german;  // the program's own string table, German resources
};

// In the order the library addresses them (LwvSwitchChild; the supplied
// entries' library checks the count against it).
const SwitchRow kSwitchRows[] = {
    {{_T("CHECKBOX"), 1012, 150, 10}, u8"&Alle Sprachdateien anzeigen"},
    {{_T("GROUPBOX"), 1001, 150, 10}, u8"Verfügbare Sprachen"},
    {{_T("GROUPBOX"), 1014, 150, 10}, u8"Eigenschaften der gewählten Sprache"},
    {{_T("LTEXT"), 1015, 100, 15}, u8"Version:"},
    {{_T("LTEXT"), 1016, 100, 15}, u8"Datum:"},
    {{_T("LTEXT"), 1017, 100, 15}, u8"Autor:"},
    {{_T("LTEXT"), 1018, 100, 15}, u8"Kommentar:"},
    {{_T("LTEXT"), 1008, 300, 30},
     u8"Warnung! Sie haben eine Sprache einer älteren Programmversion gewählt.\n"
     u8"Evtl. werden nicht alle Texte des Programmes in der richtigen Sprache angezeigt."},
    {{_T("LTEXT"), 1009, 300, 30}, u8"Fehler beim Umschalten der Sprache!"},
    {{_T("LTEXT"), 1010, 150, 10}, u8"&Sprache wählen..."},
    {{_T("LTEXT"), 1011, 300, 30}, u8"Ermöglicht das Einstellen einer neuen Sprache\nSprache umschalten"},
    {{_T("LTEXT"), 1007, 100, 10}, u8"Ver."},
    {{_T("PUSHBUTTON"), 1004, 45, 10}, u8"&OK"},
    {{_T("PUSHBUTTON"), 1005, 45, 10}, u8"&Abbrechen"},
    {{_T("PUSHBUTTON"), 1006, 45, 10}, u8"&Hilfe"},
    {{_T("PUSHBUTTON"), 1013, 150, 10}, u8"&Über"},
    {{_T("LTEXT"), 1019, 100, 15}, u8"Über Lingoweave"},
    {{_T("CTEXT"), 1020, 100, 15}, u8"Weitere Informationen"},
};
static_assert(sizeof(kSwitchRows) / sizeof(kSwitchRows[0]) == kResSwitchChildren,
              "one row per child the library addresses");

const char kSwitchCaptionGerman[] = u8"Sprache wählen";

}  // namespace

const ResSwitchChild& ResSwitchDialogChild(int position) {
  if (position < 0 || position >= kResSwitchChildren) position = 0;
  return kSwitchRows[position].child;
}

CString BuiltInSwitchText(UINT id) {
  if (id == kSwitchCaptionString) return lw::FromUtf8(kSwitchCaptionGerman);
  for (const SwitchRow& row : kSwitchRows)
    if (row.child.stringId == id) return lw::FromUtf8(row.german);
  return CString();
}
