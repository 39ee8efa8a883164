#include "StdDlgTestTree.h"

namespace stddlgtest {

const TCHAR* const kButtonTexts[12] = {_T("Jawohl"), _T("Abbrechen"), _T("Abbruch"), _T("Wiederholen"),
                                       _T("Ignorieren"), _T("Ja"), _T("Nein"), _T("Anwenden"),
                                       _T("Hilfe"), _T("< Zurueck"), _T("Weiter >"), _T("Fertig")};

CString ItemText(int kind, int i) {
  CString t;
  t.Format(_T("X%d.%d"), kind, i);
  return t;
}

namespace {
void AddStdDlgEntry(CTraNode* dialogs, int kind) {
  const LwStdDlgModel& m = LwGetStdDlgModel(kind);
  CString caption;
  caption.Format(_T("K%d"), kind);
  CTraNode* entry = dialogs->AddChild(std::make_unique<CTraNode>(dialogs, m.name, caption, TRA_DIALOG, 0, 0));
  for (int i = 0; i < m.GetEntryCount(); ++i) {
    CString name;
    name.Format(TRA_STDDLG_ITEM, i);
    CString text = i < m.controlCount ? ItemText(kind, i) : CString();
    entry->AddChild(std::make_unique<CTraNode>(entry, name, text, m.entries[static_cast<size_t>(i)].nodeKind, 0, 0));
  }
}
}  // namespace

void SetStringTranslation(CTraNode* root, int kind, int stringId, const TCHAR* text) {
  CString path[2] = {TRA_SECTION_DIALOGS, LwGetStdDlgModel(kind).name};
  CTraNode* entry = root->FindPath(path, 2);
  int i = LwGetStdDlgModel(kind).FindString(stringId);
  if (entry && i >= 0) entry->GetChild(i)->SetTranslation(text);
}

std::unique_ptr<CTraNode> BuildTree() {
  auto root = std::make_unique<CTraNode>(nullptr, TRA_ROOT_NAME, TRA_ROOT_TEXT, TRA_RCFILE);
  root->AddChild(std::make_unique<CTraNode>(root.get(), TRA_SECTION_MENUS, _T("Menu"), TRA_MENUGROUP));
  CTraNode* dialogs =
      root->AddChild(std::make_unique<CTraNode>(root.get(), TRA_SECTION_DIALOGS, _T("Dialog"), TRA_DIALOGGROUP));
  root->AddChild(std::make_unique<CTraNode>(root.get(), TRA_SECTION_STRINGS, _T("String Table"), TRA_STRINGGROUP));
  CTraNode* box =
      dialogs->AddChild(std::make_unique<CTraNode>(dialogs, TRA_MESSAGEBOX_NAME, _T("Message Box"), TRA_DIALOG, 0, 0));
  for (int i = 0; i < 12; ++i) {
    CString name;
    name.Format(TRA_MESSAGEBOX_BUTTON, i);
    box->AddChild(std::make_unique<CTraNode>(box, name, kButtonTexts[i], TRA_PUSHBUTTON, 0, 0));
  }
  for (int k = 0; k < LWV_STDDLG_KINDS; ++k)
    if (k != LWV_STDDLG_FILEOPEN) AddStdDlgEntry(dialogs, k);
  CTraNode* r = root.get();
  SetStringTranslation(r, 0, 369, _T("&Speichern"));  // save texts
  SetStringTranslation(r, 0, 386, _T("Dateity&p:"));
  SetStringTranslation(r, 4, 1536, _T("Bereit"));
  SetStringTranslation(r, 5, 1536, _T("Bereit"));
  SetStringTranslation(r, 6, 1585, _T("Raender [Zoll]"));
  SetStringTranslation(r, 6, 1586, _T("Raender [mm]"));
  SetStringTranslation(r, 4, 1106, _T("Die Angabe 'von' darf nicht groesser als die Angabe 'bis' sein, bitte korrigieren."));
  SetStringTranslation(r, 7, 1040, _T("Schwarz"));
  SetStringTranslation(r, 7, 1041, _T("Kastanie"));
  return root;
}

}  // namespace stddlgtest
