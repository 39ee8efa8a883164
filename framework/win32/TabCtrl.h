// CTabCtrl and CToolTipCtrl: thin wrappers over comctl32's tab control and
// tooltip window. A tooltip's tools are whole windows added with TTF_SUBCLASS,
// so the tooltip sees their mouse messages itself and needs no message loop
// to relay them (modal loops of the system included).
#pragma once

#include "ImageList.h"

class CTabCtrl : public CWnd {
 public:
  BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

  int GetItemCount() const { return static_cast<int>(SendMessage(TCM_GETITEMCOUNT)); }
  int InsertItem(int index, LPCTSTR text);
  BOOL GetItem(int index, TCITEM* item) const;
  BOOL SetItem(int index, const TCITEM* item);
  CString GetItemText(int index) const;
  BOOL SetItemText(int index, LPCTSTR text);
  BOOL DeleteItem(int index);
  BOOL DeleteAllItems();
  int GetCurSel() const { return static_cast<int>(SendMessage(TCM_GETCURSEL)); }
  int SetCurSel(int index) { return static_cast<int>(SendMessage(TCM_SETCURSEL, static_cast<WPARAM>(index))); }
  int GetCurFocus() const { return static_cast<int>(SendMessage(TCM_GETCURFOCUS)); }
  void SetCurFocus(int index) { SendMessage(TCM_SETCURFOCUS, static_cast<WPARAM>(index)); }
  // larger FALSE: the display area inside a window rectangle; TRUE: the reverse.
  void AdjustRect(BOOL larger, LPRECT rect) { SendMessage(TCM_ADJUSTRECT, larger, reinterpret_cast<LPARAM>(rect)); }
  BOOL GetItemRect(int index, LPRECT rect) const {
    return static_cast<BOOL>(SendMessage(TCM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(rect)));
  }
  // The tab control's own tooltip (TCS_TOOLTIPS); it asks the tab control's
  // parent for texts with TTN_GETDISPINFO, idFrom = the tab's index.
  HWND GetToolTips() const { return reinterpret_cast<HWND>(SendMessage(TCM_GETTOOLTIPS)); }

 protected:
  // Tooltip requests of the tools below go on to the parent.
  BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;

 private:
  // Gives the tooltip one tool per tab (TTF_SUBCLASS), over the tab's current rectangle,
  // where the control has not registered them itself.
  void SyncTipTools();
};

class CToolTipCtrl : public CWnd {
 public:
  // A tooltip owned by owner's window; TTS_ALWAYSTIP shows tips in inactive
  // windows too.
  BOOL Create(CWnd* owner, DWORD style = TTS_ALWAYSTIP);
  // Adds the whole of window as one tool. text LPSTR_TEXTCALLBACK: the text is
  // asked for with TTN_GETDISPINFO, sent to notify (null: window itself) with
  // idFrom = window's handle.
  BOOL AddTool(CWnd* window, LPCTSTR text = LPSTR_TEXTCALLBACK, CWnd* notify = nullptr);
  void DelTool(CWnd* window, CWnd* notify = nullptr);
  void UpdateTipText(LPCTSTR text, CWnd* window, CWnd* notify = nullptr);
  int GetToolCount() const { return static_cast<int>(SendMessage(TTM_GETTOOLCOUNT)); }
  void Activate(BOOL activate) { SendMessage(TTM_ACTIVATE, activate); }
  void SetDelayTime(DWORD which, int milliseconds) { SendMessage(TTM_SETDELAYTIME, which, MAKELPARAM(milliseconds, 0)); }

 private:
  TOOLINFO MakeTool(CWnd* window, CWnd* notify) const;
};

namespace lw {
// Copies text into a tooltip request of either width (TTN_GETDISPINFOA/W),
// cut to its 80-character buffer.
void SetToolTipText(NMHDR* header, const CString& text);
}  // namespace lw
