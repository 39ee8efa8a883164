#include "LibraryEntries.h"

#include "SampleTexts.h"
#include "StdButtonModel.h"
#include "StdDlgModels.h"

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

// A common dialog's texts as Wine's comdlg32 shows them (English) and in
// German, with the rectangles (dialog units) read from Wine's dialog.
struct StdDlgText {
  int id;  // the model entry's control id
  const char* german;
  const char* english;
  int x, y, cx, cy;
};

struct StdDlgTexts {
  int kind;
  const char* germanCaption;
  const char* englishCaption;
  std::vector<StdDlgText> items;  // in the model's order
};

const StdDlgTexts kStdDlgTexts[] = {
    {LWV_STDDLG_FIND,
     u8"Suchen",
     u8"Find",
     {
         {-200, u8"&Suchen nach:", u8"Fi&nd What:", 4, 8, 52, 8},
         {1040, u8"Nur ganzes &Wort suchen", u8"Match &Whole Word Only", 4, 25, 140, 13},
         {1041, u8"&Groß-/Kleinschreibung", u8"Match &Case", 4, 41, 140, 13},
         {1072, u8"Richtung", u8"Direction", 146, 20, 59, 39},
         {1056, u8"Nach &oben", u8"&Up", 150, 30, 48, 12},
         {1057, u8"Nach &unten", u8"&Down", 150, 44, 48, 12},
         {1, u8"&Weitersuchen", u8"&Find Next", 212, 6, 60, 14},
         {2, u8"Abbrechen", u8"Cancel", 212, 24, 60, 14},
         {1038, u8"&Hilfe", u8"&Help", 212, 41, 60, 15},
     }},
    {LWV_STDDLG_COLOR,
     u8"Farbe",
     u8"Color",
     {
         {-200, u8"&Grundfarben:", u8"&Basic Colors:", 4, 4, 140, 10},
         {-199, u8"&Benutzerdefinierte Farben:", u8"&Custom Colors:", 4, 105, 140, 10},
         {719, u8"Farben &definieren >>", u8"&Define Custom Colors >>", 4, 148, 142, 15},
         {1, u8"OK", u8"OK", 4, 166, 50, 14},
         {2, u8"Abbrechen", u8"Cancel", 58, 166, 50, 14},
         {1038, u8"&Hilfe", u8"Help", 100, 166, 44, 14},
         {730, u8"Farbe", u8"Color", 150, 150, 20, 10},
         {731, u8"|Bas&is", u8"|S&olid", 170, 150, 20, 10},
         {723, u8"Farb&t.:", u8"&Hue:", 200, 126, 24, 10},
         {724, u8"&Sätt.:", u8"&Sat:", 200, 140, 24, 10},
         {725, u8"&Hell.:", u8"&Lum:", 200, 153, 24, 10},
         {726, u8"&Rot:", u8"&Red:", 246, 126, 27, 10},
         {727, u8"Gr&ün:", u8"&Green:", 246, 140, 27, 10},
         {728, u8"Bla&u:", u8"&Blue:", 246, 153, 27, 10},
         {712, u8"Farben hin&zufügen", u8"&Add to Custom Colors", 152, 166, 144, 14},
     }},
};

struct SystemItem {
  const char* original;  // the live English system menu
  const char* german;
};

// Restore, move, size, minimize, maximize, close: the order in which the
// library addresses the items.
const SystemItem kSystemItems[] = {
    {u8"&Restore", u8"&Wiederherstellen"}, {u8"&Move", u8"&Verschieben"},   {u8"&Size", u8"&Größe ändern"},
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

const int kSampleStdDialogs[2] = {LWV_STDDLG_FIND, LWV_STDDLG_COLOR};

void AddStdDialogEntries(CTraNode* dialogs, SampleLanguage language, std::vector<CString>& problems) {
  for (int kind : kSampleStdDialogs) {
    const StdDlgTexts* texts = nullptr;
    for (const StdDlgTexts& t : kStdDlgTexts)
      if (t.kind == kind) texts = &t;
    const LwStdDlgModel& model = LwGetStdDlgModel(kind);
    bool fits = texts && texts->items.size() == model.entries.size();
    for (size_t i = 0; fits && i < model.entries.size(); ++i) fits = texts->items[i].id == model.entries[i].id;
    if (!fits) {
      problems.push_back(CString(_T("the texts of ")) + model.name + _T(" do not fit the library's model"));
      continue;
    }
    const bool german = language == kSampleGerman;
    CTraNode* entry = new CTraNode(dialogs, model.name,
                                   SampleText(german ? texts->germanCaption : texts->englishCaption), TRA_DIALOG, 0, 0);
    dialogs->AddChild(entry);
    for (size_t i = 0; i < model.entries.size(); ++i) {
      const StdDlgText& item = texts->items[i];
      CString name;
      name.Format(TRA_STDDLG_ITEM, static_cast<int>(i));
      const RECT r = {item.x, item.y, item.x + item.cx, item.y + item.cy};
      entry->AddChild(new CTraNode(entry, name, SampleText(german ? item.german : item.english),
                                   model.entries[i].nodeKind, 0, 0, r, r));
    }
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
