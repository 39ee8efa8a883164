#include "SuppliedEntries.h"

#include <cstring>

namespace {

// By the button model's index: OK, Cancel, Abort, Retry, Ignore, Yes, No,
// Apply, Help, Back, Next, Finish; sizes in dialog units.
const char* const kGermanButtons[LWV_MB_BUTTONS] = {
    u8"OK",     u8"Abbrechen", u8"&Abbrechen",  u8"&Wiederholen", u8"&Ignorieren", u8"&Ja",
    u8"&Nein",  u8"Ü&bernehmen", u8"&Hilfe", u8"< &Zurück",    u8"&Weiter >",   u8"Fertig stellen",
};
const int kButtonWidth = 50, kButtonHeight = 14;

// German<TAB>English, in the table's own form.
const char kSuppliedTable[] =
    u8"# The language-switch dialog\n"
    u8"Sprache wählen\tChoose language\n"
    u8"&Alle Sprachdateien anzeigen\t&Show all language files\n"
    u8"Verfügbare Sprachen\tAvailable languages\n"
    u8"Eigenschaften der gewählten Sprache\tProperties of the chosen language\n"
    u8"Version:\tVersion:\n"
    u8"Datum:\tDate:\n"
    u8"Autor:\tAuthor:\n"
    u8"Kommentar:\tComment:\n"
    u8"Warnung! Sie haben eine Sprache einer älteren Programmversion gewählt.\\n"
    u8"Evtl. werden nicht alle Texte des Programmes in der richtigen Sprache angezeigt.\t"
    u8"Warning! You have chosen a language of an older program version.\\n"
    u8"Possibly not all texts of the program are shown in the right language.\n"
    u8"Fehler beim Umschalten der Sprache!\tError while switching the language!\n"
    u8"&Sprache wählen...\t&Choose language...\n"
    u8"Ermöglicht das Einstellen einer neuen Sprache\\nSprache umschalten\t"
    u8"Allows a new language to be set\\nSwitch language\n"
    u8"Ver.\tVer.\n"
    u8"&OK\t&OK\n"
    u8"&Abbrechen\t&Cancel\n"
    u8"&Hilfe\t&Help\n"
    u8"&Über\t&About\n"
    u8"Über Lingoweave\tAbout Lingoweave\n"
    u8"Weitere Informationen\tFurther information\n"
    u8"# The message-box buttons (\"&Abbrechen\" and \"&Hilfe\" above)\n"
    u8"Message Box\tMessage Box\n"
    u8"OK\tOK\n"
    u8"Abbrechen\tCancel\n"
    u8"&Wiederholen\t&Retry\n"
    u8"&Ignorieren\t&Ignore\n"
    u8"&Ja\t&Yes\n"
    u8"&Nein\t&No\n"
    u8"Ü&bernehmen\t&Apply\n"
    u8"< &Zurück\t< &Back\n"
    u8"&Weiter >\t&Next >\n"
    u8"Fertig stellen\tFinish\n";

CString FromUtf8(const char* text) {
  const lw::WString wide = lw::Widen(text, strlen(text), CP_UTF8);
  return CString(lw::FromWide(wide.data(), wide.size()).c_str());
}

}  // namespace

CGermanButtonCapture::CGermanButtonCapture() {
  ResMessageBoxCapture box;
  for (int i = 0; i < LWV_MB_BUTTONS; ++i) {
    box.buttons[i].text = FromUtf8(kGermanButtons[i]);
    box.buttons[i].cx = kButtonWidth;
    box.buttons[i].cy = kButtonHeight;
  }
  RecordMessageBox(box);
}

const CEnglishTable& SuppliedEnglishTexts() {
  static const CEnglishTable table = [] {
    CEnglishTable t;
    CString error;
    t.Parse(reinterpret_cast<const BYTE*>(kSuppliedTable), sizeof kSuppliedTable - 1, error);
    return t;
  }();
  return table;
}
