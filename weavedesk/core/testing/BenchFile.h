// The benchmarks' language file: root, three groups, 50 menus of 20
// nodes, 400 dialogs of 20 nodes and 20 string tables of 550 nodes, 20,004
// nodes in all, with texts of every kind the editor shows (tabs, line
// breaks, printf conversions). Bench support only.
#pragma once

#include "TraFile.h"
#include "TraNode.h"

namespace deskbench {

inline CTraNode* Add(CTraNode* parent, const CString& original, const CString& translation, int kind) {
  return parent->AddChild(std::make_unique<CTraNode>(parent, original, translation, kind));
}

inline CString Numbered(const char* format, int a, int b = 0) {
  CString s;
  s.Format(format, a, b);
  return s;
}

// A new file of 20,004 nodes; the caller owns it.
inline CTraFile* BuildFile() {
  CTraNode* root = new CTraNode(nullptr, TRA_ROOT_NAME, TRA_ROOT_TEXT, TRA_RCFILE);
  CTraFile* file = new CTraFile(root);
  file->SetProgramName("Bench");
  CTraNode* menus = Add(root, TRA_SECTION_MENUS, "Menus", TRA_MENUGROUP);
  for (int m = 0; m < 50; ++m) {
    CTraNode* popup = Add(Add(menus, Numbered("IDR_MENU%d", m), Numbered("IDR_MENU%d", m), TRA_MENU), "&Datei",
                          "&File", TRA_POPUP);
    for (int i = 0; i < 18; ++i)
      Add(popup, Numbered("Eintrag %d in Men\xFC %d\tStrg+%d", i, m), Numbered("Item %d of menu %d\tCtrl+%d", i, m),
          TRA_MENUITEM);
  }
  CTraNode* dialogs = Add(root, TRA_SECTION_DIALOGS, "Dialoge", TRA_DIALOGGROUP);
  for (int d = 0; d < 400; ++d) {
    CTraNode* dialog = Add(dialogs, Numbered("Dialog %d", d), Numbered("Dialog %d (en)", d), TRA_DIALOG);
    for (int c = 0; c < 19; ++c) {
      dialog->AddChild(std::make_unique<CTraNode>(dialog, Numbered("Schaltfl\xE4" "che %d", c),
                                                  Numbered("Button %d", c), TRA_PUSHBUTTON, 80, 14));
    }
  }
  CTraNode* strings = Add(root, TRA_SECTION_STRINGS, "Stringtables", TRA_STRINGGROUP);
  for (int t = 0; t < 20; ++t) {
    CTraNode* table = Add(strings, Numbered("String Table Section %d", t + 1), "", TRA_STRINGTABLE);
    for (int s = 0; s < 549; ++s)
      Add(table, Numbered("Datei %%s konnte nicht gelesen werden (%d.%d).\nFehler %%d", t, s),
          Numbered("File %%s could not be read (%d.%d).\nError %%d, %%5.2f%%%% done", t, s), TRA_STRING);
  }
  return file;
}

}  // namespace deskbench
