// The idle-time update of the bars: a CCmdUI per toolbar button or status
// indicator, asked through the frame's command routing.
#include "ControlBars.h"

namespace {

class CToolCmdUI : public CCmdUI {
 public:
  explicit CToolCmdUI(CToolBar* bar) : m_bar(bar) {}
  void Enable(BOOL on) override {
    m_bEnableChanged = TRUE;
    m_bar->SendMessage(TB_ENABLEBUTTON, m_nID, MAKELPARAM(on ? TRUE : FALSE, 0));
  }
  void SetCheck(int check) override {
    m_bar->SendMessage(TB_CHECKBUTTON, m_nID, MAKELPARAM(check == 1 ? TRUE : FALSE, 0));
    m_bar->SendMessage(TB_INDETERMINATE, m_nID, MAKELPARAM(check == 2 ? TRUE : FALSE, 0));
  }
  void SetRadio(BOOL on) override { SetCheck(on ? 1 : 0); }
  void SetText(LPCTSTR) override {}

 private:
  CToolBar* m_bar;
};

class CStatusCmdUI : public CCmdUI {
 public:
  explicit CStatusCmdUI(CStatusBar* bar) : m_bar(bar) {}
  void Enable(BOOL on) override {
    m_bEnableChanged = TRUE;
    CString text;
    if (on) text.LoadString(m_nID);
    if (m_bar->GetPaneText(static_cast<int>(m_nIndex)) != text) m_bar->SetPaneText(static_cast<int>(m_nIndex), text, FALSE);
  }
  void SetCheck(int) override {}
  void SetRadio(BOOL) override {}
  void SetText(LPCTSTR text) override { m_bar->SetPaneText(static_cast<int>(m_nIndex), text, FALSE); }

 private:
  CStatusBar* m_bar;
};

}  // namespace

void CControlBar::OnUpdateCmdUI(CCmdTarget*, BOOL) {}

void CToolBar::OnUpdateCmdUI(CCmdTarget* target, BOOL disableIfNoHandler) {
  if (!m_hWnd) return;
  const int count = GetCount();
  for (int i = 0; i < count; ++i) {
    UINT id = GetItemID(i);
    if (id == ID_SEPARATOR || id == UINT(-1)) continue;
    CToolCmdUI ui(this);
    ui.m_nID = id;
    ui.m_nIndex = static_cast<UINT>(i);
    ui.DoUpdate(target, disableIfNoHandler);
  }
}

void CStatusBar::OnUpdateCmdUI(CCmdTarget* target, BOOL) {
  if (!m_hWnd) return;
  for (int i = 0; i < GetCount(); ++i) {
    UINT id = GetItemID(i);
    if (id == ID_SEPARATOR) continue;
    CStatusCmdUI ui(this);
    ui.m_nID = id;
    ui.m_nIndex = static_cast<UINT>(i);
    ui.DoUpdate(target, FALSE);
  }
}
