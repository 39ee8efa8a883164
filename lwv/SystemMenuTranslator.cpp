#include "SystemMenuTranslator.h"

#ifndef _WIN32
namespace {
class CNoMenus : public CLwvMenuAccess {
 public:
  bool IsMenu(LwvMenu) override { return false; }
  int GetItemCount(LwvMenu) override { return 0; }
  CString GetItemText(LwvMenu, int) override { return CString(); }
  LwvMenu GetSubMenu(LwvMenu, int) override { return nullptr; }
  UINT GetItemID(LwvMenu, int) override { return 0; }
  bool SetItemText(LwvMenu, int, const CString&) override { return false; }
  bool AppendSeparator(LwvMenu) override { return false; }
  bool AppendItem(LwvMenu, UINT, const CString&) override { return false; }
};
}  // namespace

CLwvMenuAccess& LwvDefaultMenuAccess() {
  static CNoMenus none;
  return none;
}
#endif

CSystemMenuTranslator::CSystemMenuTranslator(CLwvMenuAccess* access)
    : m_access(access ? *access : LwvDefaultMenuAccess()), m_hLastMenu(nullptr) {}

CSystemMenuTranslator::~CSystemMenuTranslator() = default;

int CSystemMenuTranslator::IndexOf(UINT id) {
  switch (id) {
    case LWV_SC_RESTORE: return 0;
    case LWV_SC_MOVE: return 1;
    case LWV_SC_SIZE: return 2;
    case LWV_SC_MINIMIZE: return 3;
    case LWV_SC_MAXIMIZE: return 4;
    case LWV_SC_CLOSE: return 5;
    default: return -1;
  }
}

bool CSystemMenuTranslator::IsSystemMenu(LwvMenu menu) {
  if (!menu) return false;
  int found = 0;
  const int n = m_access.GetItemCount(menu);
  for (int pos = 0; pos < n; ++pos) {
    const UINT id = m_access.GetItemID(menu, pos);
    if (id == LWV_SC_SIZE || id == LWV_SC_MINIMIZE || id == LWV_SC_MAXIMIZE || id == LWV_SC_CLOSE ||
        id == LWV_SC_RESTORE)
      ++found;
  }
  return found > 3;
}

bool CSystemMenuTranslator::BuildItemText(const CString& live, const CString& translation, CString& out) {
  const int liveTab = live.Find(_T('\t'));
  const int translationTab = translation.Find(_T('\t'));
  if (liveTab < 0 && translationTab < 0) {
    out = translation;
    return true;
  }
  if (liveTab >= 0 && translationTab >= 0) {
    out = translation.Left(translationTab) + live.Mid(liveTab);
    return true;
  }
  return false;
}

void CSystemMenuTranslator::Translate(LwvMenu menu, CTraNode* menus) {
  if (!menu || !menus) return;
  const CString path[2] = {TRA_SYSTEM_MENU, TRA_SYSTEM_POPUP};
  CTraNode* node = menus->FindPath(path, 2);
  if (!node) return;
  m_hLastMenu = menu;
  const int n = m_access.GetItemCount(menu);
  for (int pos = 0; pos < n; ++pos) {
    const int index = IndexOf(m_access.GetItemID(menu, pos));
    if (index < 0) continue;
    if (index >= node->GetChildCount()) break;
    const CString live = m_access.GetItemText(menu, pos);
    if (m_saved[index].IsEmpty()) m_saved[index] = live;
    CString text;
    if (BuildItemText(live, node->GetChild(index)->GetTranslation(), text) && !text.IsEmpty() && text != live)
      m_access.SetItemText(menu, pos, text);
  }
}

void CSystemMenuTranslator::RefreshItems() {
  if (!m_hLastMenu || !m_access.IsMenu(m_hLastMenu)) return;
  const int n = m_access.GetItemCount(m_hLastMenu);
  for (int pos = 0; pos < n; ++pos) {
    const int index = IndexOf(m_access.GetItemID(m_hLastMenu, pos));
    if (index >= 0 && !m_saved[index].IsEmpty()) m_access.SetItemText(m_hLastMenu, pos, m_saved[index]);
  }
}
