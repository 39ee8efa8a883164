#include "DeskTestSupport.h"

#include "LwFileInfo.h"
#include "LwvMessage.h"
#include "TestPaths.h"

namespace desktest {

namespace {
// Language-file diagnostics must never block a test.
const bool g_quiet = (LwvSetMessageHandler([](LPCTSTR) {}), true);
}  // namespace

CTraNode* Add(CTraNode* parent, const CString& original, const CString& translation, int kind) {
  CTraNode* node = parent->AddChild(std::make_unique<CTraNode>(parent, original, translation, kind));
  return node;
}

CTraNode* AddControl(CTraNode* dialog, const CString& original, const CString& translation, int kind, LONG width) {
  CTraNode* node = dialog->AddChild(std::make_unique<CTraNode>(dialog, original, translation, kind, width, 14));
  return node;
}

std::unique_ptr<CTraFile> MakeFile(const CString& program, bool original) {
  CTraNode* root = new CTraNode(nullptr, TRA_ROOT_NAME, TRA_ROOT_TEXT, TRA_RCFILE);
  std::unique_ptr<CTraFile> file(new CTraFile(root));
  file->SetProgramName(program);
  file->SetProgramVersion(_T("1.0"));
  file->SetLanguageName(_T("Deutsch"));
  file->SetOriginal(original);
  CTraNode* menus = Add(root, TRA_SECTION_MENUS, _T("Menus"), TRA_MENUGROUP);
  CTraNode* menu = Add(menus, _T("IDR_MAIN"), _T("IDR_MAIN"), TRA_MENU);
  CTraNode* popup = Add(menu, _T("&Datei"), _T("&Datei"), TRA_POPUP);
  Add(popup, _T("&Neu"), _T("&Neu"), TRA_MENUITEM);
  Add(popup, _T("&Beenden"), _T("&Beenden"), TRA_MENUITEM);
  CTraNode* dialogs = Add(root, TRA_SECTION_DIALOGS, _T("Dialoge"), TRA_DIALOGGROUP);
  CTraNode* dialog = Add(dialogs, _T("Info"), _T("Info"), TRA_DIALOG);
  AddControl(dialog, _T("OK"), _T("OK"), TRA_PUSHBUTTON, 50);
  AddControl(dialog, _T("Version %d.%d"), _T("Version %d.%d"), TRA_STATIC, 100);
  CTraNode* strings = Add(root, TRA_SECTION_STRINGS, _T("Stringtables"), TRA_STRINGGROUP);
  CTraNode* table = Add(strings, _T("String Table Section 1"), _T("String Table Section 1"), TRA_STRINGTABLE);
  Add(table, _T("Datei %s nicht gefunden"), _T("Datei %s nicht gefunden"), TRA_STRING);
  Add(table, _T("Fertig"), _T("Fertig"), TRA_STRING);
  return file;
}

CString ScratchPath(const CString& name) {
  static const CString dir = lwtest::ScratchDir("deskcore");
  return dir + name;
}

CString WriteFile(CTraFile& file, const CString& name) {
  const CString path = ScratchPath(name);
  if (!LwWriteLanguageFile(path, file)) return CString();
  return path;
}

CTraNode* NodeAt(CTraNode* root, const CString& a, const CString& b, const CString& c) {
  const CString path[3] = {a, b, c};
  return root ? root->FindPath(path, c.IsEmpty() ? 2 : 3) : nullptr;
}

CString TranslationAt(CTraFile& file, const CString& a, const CString& b, const CString& c) {
  CTraNode* node = NodeAt(file.GetRootNode(), a, b, c);
  return node ? node->GetTranslation() : CString(_T("<none>"));
}

}  // namespace desktest
