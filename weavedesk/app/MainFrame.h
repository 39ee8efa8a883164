// The editor's main window: a static splitter with the header view above
// the edit view, the status bar whose second pane shows the position text,
// and the owner-drawn toolbar. Passes the tree, mark, find and clipboard
// commands to the edit view and its in-place editor. Help goes to WinHelp
// only when the help file lies beside the program; the context-help mode
// names by the next click what help is asked for.
#pragma once

#include "EditViewFrame.h"
#include "FrameworkWin.h"
#include "ZweiTool.h"

class CHeadView;
class CMyEditView;

class CMainFrame : public CFrameWnd, public CEditViewFrame {
  DECLARE_DYNCREATE(CMainFrame)

 public:
  CMyEditView* GetEditView() const;
  CHeadView* GetHeadView() const;
  void ResetSpecialCharsToggle() override { m_bSpecialChars = false; }
  CStatusBar& GetStatusBar() { return m_wndStatusBar; }
  CZweiToolBar& GetToolBar() { return m_wndToolBar; }

  BOOL PreCreateWindow(CREATESTRUCT& cs) override;
  // In context-help mode a click asks help for what it hit, Escape ends the mode.
  BOOL PreTranslateMessage(MSG* msg) override;
  bool IsInContextHelp() const { return m_bContextHelp; }
  // The help context of a click at point (client coordinates of wnd).
  DWORD HelpContextAt(HWND wnd, POINT point) const;
  BOOL OnCreateClient(LPCREATESTRUCT cs, CCreateContext* context) override;

 protected:
  int OnCreate(LPCREATESTRUCT cs);
  void OnExpandAll();
  void OnShowTextsToEdit();
  void OnMarkAllToEdit();
  void OnMarkAllEdited();
  void OnCollapseAll();
  void OnFind();
  void OnReplace();
  void OnUpdateFindReplace(CCmdUI* ui);
  void OnSpecialChars();
  void OnUpdateSpecialChars(CCmdUI* ui);
  void OnDialogEditor();
  void OnUpdateDialogEditor(CCmdUI* ui);
  void OnEditPaste();
  void OnEditCut();
  void OnEditCopy();
  void OnStatistics();
  LRESULT OnFindReplaceMessage(WPARAM wParam, LPARAM lParam);
  void OnContextHelp();
  void OnUpdateContextHelp(CCmdUI* ui);
  void OnHelp();
  void OnHelpFinder();
  void OnDefaultHelp();
  void EndContextHelp();
  // WinHelp on the help file beside the program, when it is there.
  void ShowHelp(UINT command, DWORD data);

  CStatusBar m_wndStatusBar;
  CZweiToolBar m_wndToolBar;
  CSplitterWnd m_wndSplitter;
  bool m_bSpecialChars = false;
  bool m_bContextHelp = false;

  DECLARE_MESSAGE_MAP()
};
