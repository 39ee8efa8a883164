// For tests of a program's own texts: starts the runtime natively on a
// language file whose string table translates each given original into its
// text, as a translator's file would. The test ends it with LWEnd.
#pragma once

#include "Lwv.h"
#include "TraFile.h"

#include <cstring>
#include <utility>
#include <vector>

namespace lwtest {

using StringPairs = std::vector<std::pair<CString, CString>>;

inline bool StartRuntimeWithStrings(const CString& path, const StringPairs& strings) {
  CTraNode* root = new CTraNode(nullptr, TRA_ROOT_NAME, TRA_ROOT_TEXT, TRA_RCFILE);
  CTraFile file(root);
  CTraNode* group =
      root->AddChild(std::make_unique<CTraNode>(root, TRA_SECTION_STRINGS, _T("String Table"), TRA_STRINGGROUP));
  CTraNode* table = group->AddChild(
      std::make_unique<CTraNode>(group, _T("String Table Section 1"), _T("String Table Section 1"), TRA_STRINGTABLE));
  for (const auto& s : strings) table->AddChild(std::make_unique<CTraNode>(table, s.first, s.second, TRA_STRING));
  if (!LwWriteLanguageFile(path, file)) return false;
  LW_STARTPARAMS p;
  std::memset(&p, 0, sizeof(p));
  p.dwSize = sizeof(p);
  lw::StrCpyN(p.szStdFile, path.GetString(), LW_PATH_CHARS);
  return LWStart(&p) != FALSE;
}

}  // namespace lwtest
