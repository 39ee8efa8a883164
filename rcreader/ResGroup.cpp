#include "ResGroup.h"

int CResGroup::Add(std::unique_ptr<CResItem> item) {
  if (IsFull()) return -1;
  m_items.push_back(std::move(item));
  return GetCount();
}

CTraNode* CResGroup::CreateNode(CTraNode* parent) {
  const TCHAR* original = TRA_SECTION_DIALOGS;
  const TCHAR* translation = _T("Dialog");
  if (m_kind == TRA_MENUGROUP) {
    original = TRA_SECTION_MENUS;
    translation = _T("Menu");
  } else if (m_kind == TRA_STRINGGROUP) {
    original = TRA_SECTION_STRINGS;
    translation = _T("String Table");
  }
  CTraNode* node = new CTraNode(parent, original, translation, m_kind, -1, -1);
  for (const auto& item : m_items) node->AddChild(std::unique_ptr<CTraNode>(item->CreateNode(node)));
  return node;
}
