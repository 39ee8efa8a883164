// Helpers for the reader's tests: scripts from 8-bit literals parsed into
// a tree, and compact views of trees and problem logs.
#pragma once

#include "CStringPrinter.h"
#include "RcFileSet.h"
#include "ResFile.h"

#include <memory>
#include <string>

namespace rctest {

inline CString T(const char* s) { return CString(CStringA(s)); }

// Texts for the messages that say which id they are: "[113]".
class CIdTexts : public IResTextSource {
 public:
  CString LoadText(UINT id) override {
    CString s;
    s.Format(_T("[%u]"), id);
    return s;
  }
};

struct Parsed {
  std::unique_ptr<CSourceTokenList> list;
  std::unique_ptr<CResFile> file;
  CIdTexts texts;
  CResProblemLog log{&texts};
  std::unique_ptr<CTraNode> root;
  int end = 0;

  // The ids of the problem-log entries, "113 114 ".
  CStringA Ids() const {
    CStringA out;
    for (UINT id : log.GetIds()) out.AppendFormat("%u ", id);
    return out;
  }
};

inline std::unique_ptr<Parsed> ParseScript(const std::string& script, const char* name = "test.rc") {
  std::unique_ptr<Parsed> p(new Parsed());
  p->list.reset(new CSourceTokenList(T(name), reinterpret_cast<const BYTE*>(script.data()), script.size()));
  p->file.reset(new CResFile());
  p->end = p->file->Parse(p->list.get(), 0, p->log);
  p->root.reset(p->file->CreateNode(nullptr));
  return p;
}

// "kind:original" for a node, its children in braces.
inline CStringA Dump(const CTraNode* node) {
  CStringA out;
  out.AppendFormat("%d:", node->GetKind());
  out += CStringA(node->GetOriginal());
  if (node->GetChildCount() > 0) {
    out += "{";
    for (int i = 0; i < node->GetChildCount(); ++i) {
      if (i) out += ",";
      out += Dump(node->GetChild(i));
    }
    out += "}";
  }
  return out;
}

inline const CTraNode* Group(const Parsed& p, int index) { return p.root->GetChild(index); }
inline const CTraNode* FirstDialog(const Parsed& p) { return Group(p, 1)->GetChild(0); }
inline const CTraNode* FirstMenu(const Parsed& p) { return Group(p, 0)->GetChild(0); }
inline const CTraNode* FirstTable(const Parsed& p) { return Group(p, 2)->GetChild(0); }

}  // namespace rctest
