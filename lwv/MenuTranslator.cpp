#include "MenuTranslator.h"

#include "SwitchDlgModel.h"
#include "SystemMenuTranslator.h"

namespace {

// Deepest popup nesting copied; deeper (or cyclic) menus are cut off.
const int kMaxMenuDepth = 32;

const CString& TextOf(const CTraNode* node, bool translated) {
  return translated ? node->GetTranslation() : node->GetOriginal();
}

const CTraNode* FindChildByText(const CTraNode* entry, const CString& text, bool translated) {
  const int n = entry->GetChildCount();
  for (int j = 0; j < n; ++j) {
    const CTraNode* child = entry->GetChild(j);
    if (child && TextOf(child, translated) == text) return child;
  }
  return nullptr;
}

// Scores one candidate on original and then on translated texts; later
// candidates win ties.
void Consider(const CMenuSnapshot* snapshot, const CTraNode* candidate, int& best, const CTraNode*& chosen,
              bool& chosenTranslated) {
  for (int pass = 0; pass < 2; ++pass) {
    const bool translated = pass == 1;
    int missing = 0;
    int extra = 0;
    CMenuTranslator::MatchNode(snapshot, candidate, translated, missing, extra);
    if (best >= missing + extra) {
      best = missing + extra;
      chosen = candidate;
      chosenTranslated = translated;
    }
  }
}

}  // namespace

CMenuSnapshot::CMenuSnapshot(CLwvMenuAccess& access, LwvMenu menu, const CString& text, int depth)
    : m_strText(text), m_nID(-1), m_hMenu(menu), m_nChildren(0), m_pChildren(nullptr) {
  int n = access.GetItemCount(menu);
  if (n <= 0) return;
  m_nChildren = n;
  m_pChildren = new CMenuSnapshot*[static_cast<size_t>(n)]();
  for (int pos = 0; pos < n; ++pos) {
    CString itemText = access.GetItemText(menu, pos);
    LwvMenu sub = access.GetSubMenu(menu, pos);
    if (sub) {
      if (depth < kMaxMenuDepth) m_pChildren[pos] = new CMenuSnapshot(access, sub, itemText, depth + 1);
    } else {
      const UINT id = access.GetItemID(menu, pos);
      if (id != 0) m_pChildren[pos] = new CMenuSnapshot(itemText, static_cast<int>(id));
    }
  }
}

CMenuSnapshot::CMenuSnapshot(const CString& text, int id)
    : m_strText(text), m_nID(id), m_hMenu(nullptr), m_nChildren(0), m_pChildren(nullptr) {}

CMenuSnapshot::~CMenuSnapshot() {
  for (int i = 0; i < m_nChildren; ++i) delete m_pChildren[i];
  delete[] m_pChildren;
}

int CMenuSnapshot::CountItems() const {
  int count = 1;
  for (int i = 0; i < m_nChildren; ++i)
    if (m_pChildren[i]) count += m_pChildren[i]->CountItems();
  return count;
}

CString LwvSwitchCommandText(const CTraNode* switchDialog) {
  const CTraNode* item = switchDialog ? switchDialog->GetChild(LWV_SWITCH_COMMAND) : nullptr;
  return item ? item->GetTranslation() : CString();
}

CMenuTranslator::CMenuTranslator(CLwvMenuAccess& access, const LwvSwitchCommand& command)
    : m_access(access), m_command(command), m_pSnapshot(nullptr) {}

CMenuTranslator::~CMenuTranslator() { delete m_pSnapshot; }

void CMenuTranslator::MatchNode(const CMenuSnapshot* snapshot, const CTraNode* entry, bool translated, int& missing,
                                int& extra) {
  missing = 0;
  extra = 0;
  const int n = entry->GetChildCount();
  std::vector<char> taken(static_cast<size_t>(n > 0 ? n : 0), 0);
  for (int i = 0; i < snapshot->m_nChildren; ++i) {
    const CMenuSnapshot* item = snapshot->m_pChildren[i];
    if (!item) continue;
    int found = -1;
    for (int j = 0; j < n && found < 0; ++j) {
      const CTraNode* child = entry->GetChild(j);
      if (child && TextOf(child, translated) == item->m_strText) found = j;
    }
    if (found >= 0) {
      --missing;
      int subMissing = 0;
      int subExtra = 0;
      MatchNode(item, entry->GetChild(found), translated, subMissing, subExtra);
      missing += subMissing;
      extra += subExtra;
      taken[static_cast<size_t>(found)] = 1;
    } else {
      missing += item->CountItems();
    }
  }
  for (int j = 0; j < n; ++j) {
    const CTraNode* child = entry->GetChild(j);
    if (!taken[static_cast<size_t>(j)] && child) extra += child->CountNodes();
  }
}

const CTraNode* CMenuTranslator::FindBestMenu(const CMenuSnapshot* snapshot, const CTraNode* section,
                                              bool& translated) {
  int best = 9999;
  const CTraNode* chosen = nullptr;
  translated = false;
  for (int i = 0; i < section->GetChildCount(); ++i)
    if (const CTraNode* menu = section->GetChild(i)) Consider(snapshot, menu, best, chosen, translated);
  return chosen;
}

const CTraNode* CMenuTranslator::FindBestPopup(const CMenuSnapshot* snapshot, const CTraNode* section,
                                               bool& translated) {
  int best = 9999;
  const CTraNode* chosen = nullptr;
  translated = false;
  for (int i = 0; i < section->GetChildCount(); ++i) {
    const CTraNode* menu = section->GetChild(i);
    if (!menu) continue;
    for (int j = 0; j < menu->GetChildCount(); ++j)
      if (const CTraNode* popup = menu->GetChild(j)) Consider(snapshot, popup, best, chosen, translated);
  }
  return chosen;
}

void CMenuTranslator::ApplyNode(const CMenuSnapshot* snapshot, const CTraNode* entry, bool translated) {
  for (int pos = 0; pos < snapshot->m_nChildren; ++pos) {
    const CMenuSnapshot* item = snapshot->m_pChildren[pos];
    if (!item || static_cast<UINT>(item->m_nID) == m_command.nID) continue;
    const CTraNode* child = FindChildByText(entry, item->m_strText, translated);
    if (!child) continue;
    if (item->m_hMenu) ApplyNode(item, child, translated);
    if (child->GetTranslation() != item->m_strText)
      m_access.SetItemText(snapshot->m_hMenu, pos, child->GetTranslation());
  }
}

void CMenuTranslator::InsertSwitchCommand(LwvMenu popup) {
  const CString text = LwvSwitchCommandText(m_command.pSwitchDialog);
  const int n = m_access.GetItemCount(popup);
  for (int pos = 0; pos < n; ++pos) {
    if (!m_access.GetSubMenu(popup, pos) && m_access.GetItemID(popup, pos) == m_command.nID) {
      if (m_access.GetItemText(popup, pos) != text) m_access.SetItemText(popup, pos, text);
      return;
    }
  }
  m_access.AppendSeparator(popup);
  m_access.AppendItem(popup, m_command.nID, text);
}

void CMenuTranslator::Translate(LwvMenu menu, const CTraNode* section, bool popup) {
  if (!menu || !section || section->GetChildCount() == 0) return;
  delete m_pSnapshot;
  m_pSnapshot = new CMenuSnapshot(m_access, menu, _T("Hallo"));
  bool translated = false;
  const CTraNode* entry =
      popup ? FindBestPopup(m_pSnapshot, section, translated) : FindBestMenu(m_pSnapshot, section, translated);
  if (entry) ApplyNode(m_pSnapshot, entry, translated);
  if (!popup && m_command.bAuto && m_pSnapshot->m_nChildren > 0) {
    int pos = m_command.nMainMenuPos;
    if (pos < 0) pos = 0;
    if (pos > m_pSnapshot->m_nChildren - 1) pos = m_pSnapshot->m_nChildren - 1;
    const CMenuSnapshot* target = m_pSnapshot->m_pChildren[pos];
    if (target && target->m_hMenu) InsertSwitchCommand(target->m_hMenu);
  }
  delete m_pSnapshot;
  m_pSnapshot = nullptr;
}

void CMenuTranslator::TranslatePopup(LwvMenu menu, CTraNode* section, CSystemMenuTranslator* systemMenu) {
  if (systemMenu && systemMenu->IsSystemMenu(menu))
    systemMenu->Translate(menu, section);
  else
    Translate(menu, section, true);
}
