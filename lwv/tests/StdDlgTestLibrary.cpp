// The library started with the test tree (Windows only): the message-box and
// common-dialog tests go through its own hooks.
#include "StdDlgTestTree.h"

#include "LwvSDK.h"
#include "TraFile.h"

namespace stddlgtest {

bool StartLibraryWithTree(const TCHAR* name) {
  std::unique_ptr<CTraNode> root = BuildTree();
  // Message-box captions are looked up among the program's strings.
  CString stringsName(TRA_SECTION_STRINGS);
  CTraNode* strings = root->FindPath(&stringsName, 1);
  CTraNode* table = strings->AddChild(
      std::make_unique<CTraNode>(strings, _T("String Table Section 1"), _T("String Table Section 1"), TRA_STRINGTABLE));
  table->AddChild(std::make_unique<CTraNode>(table, _T("Frage"), _T("Question"), TRA_STRING));
  table->AddChild(std::make_unique<CTraNode>(table, _T("HHH"), _T("Blatt"), TRA_STRING));
  CTraFile file(root.release());
  BYTE options[256] = {};
  for (int k = 0; k < LWV_STDDLG_KINDS; ++k) options[k] = 1;
  options[LWV_OPTION_MESSAGEBOX] = 1;
  file.SetStdDialogOptions(options);
  const CString path = CString(LW_BINARY_DIR) + _T("/") + name + (sizeof(TCHAR) == 1 ? _T("_a.tra") : _T("_u.tra"));
  if (!LwWriteLanguageFile(path, file)) return false;
  LW_STARTPARAMS p = {};
  p.dwSize = sizeof(p);
  lstrcpyn(p.szStdFile, path, LW_PATH_CHARS);
  return LWStart(&p) && LWAddThread(GetCurrentThreadId());
}

}  // namespace stddlgtest
