#include "LibraryEntries.h"

#include "SampleTexts.h"
#include "StdButtonModel.h"

namespace {

struct EntryText {
  int kind;
  const char* german;
  const char* english;
  int cx, cy;
};

const EntryText kSwitchCaption = {TRA_SWITCHDIALOG, u8"Sprache wählen", u8"Choose language", 0, 0};

// In the order the library addresses them.
const EntryText kSwitchTexts[kSwitchEntryTexts] = {
    {TRA_CHECKBOX, u8"&Alle Sprachdateien anzeigen", u8"&Show all language files", 150, 10},
    {TRA_GROUPBOX, u8"Verfügbare Sprachen", u8"Available languages", 150, 10},
    {TRA_GROUPBOX, u8"Eigenschaften der gewählten Sprache", u8"Properties of the chosen language", 150, 10},
    {TRA_STATIC, u8"Version:", u8"Version:", 100, 15},
    {TRA_STATIC, u8"Datum:", u8"Date:", 100, 15},
    {TRA_STATIC, u8"Autor:", u8"Author:", 100, 15},
    {TRA_STATIC, u8"Kommentar:", u8"Comment:", 100, 15},
    {TRA_STATIC,
     u8"Warnung! Sie haben eine Sprache einer älteren Programmversion gewählt.\n"
     u8"Evtl. werden nicht alle Texte des Programmes in der richtigen Sprache angezeigt.",
     u8"Warning! You have chosen a language of an older program version.\n"
     u8"Possibly not all texts of the program are shown in the right language.",
     300, 30},
    {TRA_STATIC, u8"Fehler beim Umschalten der Sprache!", u8"Error while switching the language!", 300, 30},
    {TRA_STATIC, u8"&Sprache wählen...", u8"&Choose language...", 150, 10},
    {TRA_STATIC, u8"Ermöglicht das Einstellen einer neuen Sprache\nSprache umschalten",
     u8"Allows a new language to be set\nSwitch language", 300, 30},
    {TRA_STATIC, u8"Ver.", u8"Ver.", 100, 10},
    {TRA_PUSHBUTTON, u8"&OK", u8"&OK", 45, 10},
    {TRA_PUSHBUTTON, u8"&Abbrechen", u8"&Cancel", 45, 10},
    {TRA_PUSHBUTTON, u8"&Hilfe", u8"&Help", 45, 10},
    {TRA_PUSHBUTTON, u8"&Über", u8"&About", 150, 10},
    {TRA_STATIC, u8"Über Lingoweave", u8"About Lingoweave", 100, 15},
    {TRA_STATIC, u8"Weitere Informationen", u8"Further information", 100, 15},
};

// Button texts by the model's index (OK, Cancel, Abort, Retry, Ignore, Yes,
// No, Apply, Help, Back, Next, Finish); English as the system shows them.
const EntryText kButtonTexts[LWV_MB_BUTTONS] = {
    {TRA_PUSHBUTTON, u8"OK", u8"OK", 50, 14},
    {TRA_PUSHBUTTON, u8"Abbrechen", u8"Cancel", 50, 14},
    {TRA_PUSHBUTTON, u8"&Abbrechen", u8"&Abort", 50, 14},
    {TRA_PUSHBUTTON, u8"&Wiederholen", u8"&Retry", 50, 14},
    {TRA_PUSHBUTTON, u8"&Ignorieren", u8"&Ignore", 50, 14},
    {TRA_PUSHBUTTON, u8"&Ja", u8"&Yes", 50, 14},
    {TRA_PUSHBUTTON, u8"&Nein", u8"&No", 50, 14},
    {TRA_PUSHBUTTON, u8"Ü&bernehmen", u8"&Apply", 50, 14},
    {TRA_PUSHBUTTON, u8"&Hilfe", u8"Help", 50, 14},
    {TRA_PUSHBUTTON, u8"< &Zurück", u8"< &Back", 50, 14},
    {TRA_PUSHBUTTON, u8"&Weiter >", u8"&Next >", 50, 14},
    {TRA_PUSHBUTTON, u8"Fertig stellen", u8"Finish", 50, 14},
};

struct SystemItem {
  const char* original;  // the live English system menu
  const char* german;
};

// Restore, move, size, minimize, maximize, close: the order in which the
// library addresses the items.
const SystemItem kSystemItems[] = {
    {u8"&Restore", u8"&Wiederherstellen"}, {u8"&Move", u8"Ver&schieben"},   {u8"&Size", u8"&Größe ändern"},
    {u8"Mi&nimize", u8"Mi&nimieren"},       {u8"Ma&ximize", u8"Ma&ximieren"}, {u8"&Close\tAlt+F4", u8"&Schließen\tAlt+F4"},
};

CString TextIn(const EntryText& text, SampleLanguage language) {
  return SampleText(language == kSampleGerman ? text.german : text.english);
}

RECT SizeAt00(int cx, int cy) { return RECT{0, 0, cx, cy}; }

}  // namespace

void AddSwitchEntry(CTraNode* dialogs, SampleLanguage language) {
  const RECT none = SizeAt00(0, 0);
  CTraNode* entry = new CTraNode(dialogs, SampleText(kSwitchCaption.german), TextIn(kSwitchCaption, language),
                                 TRA_SWITCHDIALOG, 0, 0, none, none);
  dialogs->AddChild(entry);
  for (const EntryText& text : kSwitchTexts) {
    const RECT r = SizeAt00(text.cx, text.cy);
    entry->AddChild(new CTraNode(entry, SampleText(text.german), TextIn(text, language), text.kind, 0, 0, r, r));
  }
}

void AddMessageBoxEntry(CTraNode* dialogs, SampleLanguage language) {
  CTraNode* entry = new CTraNode(dialogs, TRA_MESSAGEBOX_NAME, _T("Message Box"), TRA_DIALOG, 0, 0);
  dialogs->AddChild(entry);
  for (int i = 0; i < LWV_MB_BUTTONS; ++i) {
    CString name;
    name.Format(TRA_MESSAGEBOX_BUTTON, i);
    const EntryText& text = kButtonTexts[i];
    const RECT r = SizeAt00(text.cx, text.cy);
    entry->AddChild(new CTraNode(entry, name, TextIn(text, language), text.kind, 0, 0, r, r));
  }
}

void AddSystemMenuEntry(CTraNode* menus, SampleLanguage language) {
  CTraNode* menu = new CTraNode(menus, TRA_SYSTEM_MENU, TRA_SYSTEM_MENU, TRA_MENU);
  menus->AddChild(menu);
  CTraNode* popup = new CTraNode(menu, TRA_SYSTEM_POPUP, TRA_SYSTEM_POPUP, TRA_POPUP);
  menu->AddChild(popup);
  for (const SystemItem& item : kSystemItems) {
    const CString original = SampleText(item.original);
    popup->AddChild(new CTraNode(popup, original, language == kSampleGerman ? SampleText(item.german) : original,
                                 TRA_MENUITEM));
  }
}
