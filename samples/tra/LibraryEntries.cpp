#include "LibraryEntries.h"

#include "ResFile.h"
#include "ResLibraryEntries.h"
#include "ResRecordedTexts.h"
#include "SampleTexts.h"
#include "StdButtonModel.h"
#include "StdDlgModels.h"
#include "TraFile.h"

#include <memory>

namespace {

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

// The switch dialog's strings of one language.
class CSwitchTexts : public IResTextSource {
 public:
  explicit CSwitchTexts(SampleLanguage language) : m_language(language) {}
  CString LoadText(UINT id) override {
    if (m_language == kSampleGerman) return BuiltInSwitchText(id);
    return EnglishSwitchText(id);
  }

 private:
  SampleLanguage m_language;
};

// The captures recorded for the sample: texts in one language, the system
// menu in another; a table that no longer fits the library's model is not
// recorded and named in problems.
CResRecordedCapture SampleCapture(SampleLanguage language, SampleLanguage systemMenu, std::vector<CString>& problems) {
  const bool german = language == kSampleGerman;
  CResRecordedCapture capture;
  ResMessageBoxCapture box;
  for (int i = 0; i < LWV_MB_BUTTONS; ++i) {
    const ResRecordedText& text = kResButtonTexts[i];
    box.buttons[i].text = SampleText(german ? text.german : text.english);
    box.buttons[i].cx = kResButtonWidth;
    box.buttons[i].cy = kResButtonHeight;
  }
  capture.RecordMessageBox(box);
  for (const StdDlgTexts& texts : kStdDlgTexts) {
    const LwStdDlgModel& model = LwGetStdDlgModel(texts.kind);
    bool fits = texts.items.size() == model.entries.size();
    for (size_t i = 0; fits && i < model.entries.size(); ++i) fits = texts.items[i].id == model.entries[i].id;
    if (!fits) {
      problems.push_back(CString(_T("the texts of ")) + model.name + _T(" do not fit the library's model"));
      continue;
    }
    ResStdDialogCapture dialog;
    dialog.caption = SampleText(german ? texts.germanCaption : texts.englishCaption);
    for (const StdDlgText& item : texts.items) {
      ResCapturedControl c;
      c.text = SampleText(german ? item.german : item.english);
      c.x = item.x;
      c.y = item.y;
      c.cx = item.cx;
      c.cy = item.cy;
      dialog.controls.push_back(c);
    }
    capture.RecordStdDialog(texts.kind, dialog);
  }
  std::vector<CString> menu;
  // The live system menu under Wine is the English one.
  for (const ResRecordedText& item : kResSystemMenuTexts)
    menu.push_back(SampleText(systemMenu == kSampleGerman ? item.german : item.english));
  capture.RecordSystemMenu(menu);
  return capture;
}

// The entries as the wizard builds them, as a tree "RCFile" with its groups.
std::unique_ptr<CTraNode> BuildEntries(SampleLanguage language, SampleLanguage systemMenu,
                                       std::vector<CString>& problems) {
  CSwitchTexts texts(language);
  CResProblemLog log(&texts);
  CResRecordedCapture capture = SampleCapture(language, systemMenu, problems);
  CResFile file;
  file.AddSwitchDialog(texts, log);
  BYTE options[TRA_OPTION_COUNT] = {0};
  SampleStdDialogOptions(options);
  file.AddStandardDialogs(options, capture, log);
  file.AddMessageBox(capture, log);
  file.AddSystemMenu(capture, log);
  if (log.GetCount() > 0) problems.push_back(log.GetText());
  return std::unique_ptr<CTraNode>(file.CreateNode(nullptr));
}

// Sets the translations of target's subtree from source's, node by node.
void TakeTranslationsByPosition(CTraNode* target, const CTraNode* source) {
  target->SetTranslation(source->GetTranslation());
  for (int i = 0; i < target->GetChildCount() && i < source->GetChildCount(); ++i)
    TakeTranslationsByPosition(target->GetChild(i), source->GetChild(i));
}

CTraNode* Section(CTraNode* root, const TCHAR* name) {
  const CString path[1] = {name};
  return root->FindPath(path, 1);
}

void AppendChildren(CTraNode* to, const CTraNode* from) {
  if (!to || !from) return;
  for (int i = 0; i < from->GetChildCount(); ++i) to->AddChild(from->GetChild(i)->Clone(to));
}

}  // namespace

const int kSampleStdDialogs[2] = {LWV_STDDLG_FIND, LWV_STDDLG_COLOR};

void SampleStdDialogOptions(BYTE* options) {
  options[LWV_OPTION_MESSAGEBOX] = 1;
  for (int kind : kSampleStdDialogs) options[kind] = 1;
}

void AddLibraryEntries(CTraNode* root, SampleLanguage language, std::vector<CString>& problems) {
  std::unique_ptr<CTraNode> entries = BuildEntries(kSampleGerman, kSampleEnglish, problems);
  std::vector<CString> again;  // the same tables: their problems are named once
  std::unique_ptr<CTraNode> translated = BuildEntries(language, language, again);
  TakeTranslationsByPosition(entries.get(), translated.get());
  for (const TCHAR* name : {TRA_SECTION_DIALOGS, TRA_SECTION_MENUS})
    AppendChildren(Section(root, name), Section(entries.get(), name));
}
