#include "ResFile.h"

#include "ResDialog.h"
#include "ResMenu.h"
#include "ResSkipBlock.h"
#include "ResStringTable.h"

CResFile::CResFile() = default;

int CResFile::Parse(const CSourceTokenList* list, int start, CResProblemLog& log) {
  Begin(list, start);
  int tables = 0;
  bool groupFullLogged[3] = {false, false, false};
  int i = start < 0 ? 0 : start;
  const int count = list->GetCount();
  while (i < count) {
    log.CountStep();
    const CString& word = list->GetText(i);
    std::unique_ptr<CResItem> item;
    CResGroup* group = nullptr;
    // The id before the keyword: one token, or two for 0x80 or 128L.
    int from = i >= 2 && NumberTokens(i - 2) == 2 ? i - 2 : i - 1, keyword = i;
    if (word == _T("DIALOG") || word == _T("DIALOGEX")) {
      item.reset(new CResDialog());
      group = &m_dialogs;
    } else if (word == _T("MENU") || word == _T("MENUEX")) {
      item.reset(new CResMenu());
      group = &m_menus;
    } else if (word == _T("STRINGTABLE")) {
      item.reset(new CResStringTable(++tables));
      group = &m_stringTables;
      from = i;
      keyword = i + 1;
    } else if (word == _T("TOOLBAR") || word == _T("DESIGNINFO")) {
      item.reset(new CResSkipBlock());
    } else {
      ++i;
      continue;
    }
    // A keyword at the very first token has no id before it.
    int next = from < 0 ? kResParseFailed : item->Parse(list, from, log);
    if (next == kResParseFailed || next <= i) {
      log.Add(kMsgSectionError, *list, keyword);
      i = keyword + 1;
      continue;
    }
    if (group) {
      int g = group == &m_dialogs ? 0 : group == &m_menus ? 1 : 2;
      if (group->Add(std::move(item)) < 0 && !groupFullLogged[g]) {
        groupFullLogged[g] = true;
        log.Add(kMsgTooManyItems, *list, keyword);
      }
    }
    i = next;
  }
  m_pos = i;
  return i;
}

CTraNode* CResFile::CreateNode(CTraNode* parent) {
  CTraNode* root = new CTraNode(parent, TRA_ROOT_NAME, TRA_ROOT_TEXT, TRA_RCFILE, -1, -1);
  root->AddChild(std::unique_ptr<CTraNode>(m_menus.CreateNode(root)));
  root->AddChild(std::unique_ptr<CTraNode>(m_dialogs.CreateNode(root)));
  root->AddChild(std::unique_ptr<CTraNode>(m_stringTables.CreateNode(root)));
  return root;
}

bool CResFile::HasRoom(CResGroup& group, const CString& name, CResProblemLog& log) {
  if (!group.IsFull()) return true;
  bool& logged = m_suppliedDroppedLogged[&group == &m_dialogs ? 0 : 1];
  if (!logged) log.AddLine(kMsgTooManyItems, name);
  logged = true;
  return false;
}

void CResFile::AddSwitchDialog(IResTextSource& texts, CResProblemLog& log) {
  if (!HasRoom(m_dialogs, _T("IDD_DLG_AUTOMATIC_STANDARD_SWITCH"), log)) return;
  std::unique_ptr<CResDialog> dialog(new CResDialog());
  dialog->InitSwitchDialog(texts);
  m_dialogs.Add(std::move(dialog));
}
