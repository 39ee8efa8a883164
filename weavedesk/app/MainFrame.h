// The editor's main window: a static splitter with the header view above
// the edit view, the status bar whose second pane shows the position text,
// and the owner-drawn toolbar. Passes the tree, mark, find and clipboard
// commands to the edit view and its in-place editor.
#pragma once

#include "FrameworkWin.h"
#include "ZweiTool.h"

class CHeadView;
class CMyEditView;

class CMainFrame : public CFrameWnd {
  DECLARE_DYNCREATE(CMainFrame)

 public:
  CMyEditView* GetEditView() const;
  CHeadView* GetHeadView() const;
  void ResetSpecialCharsToggle() { m_bSpecialChars = false; }
  CStatusBar& GetStatusBar() { return m_wndStatusBar; }
  CZweiToolBar& GetToolBar() { return m_wndToolBar; }

  BOOL PreCreateWindow(CREATESTRUCT& cs) override;
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

  CStatusBar m_wndStatusBar;
  CZweiToolBar m_wndToolBar;
  CSplitterWnd m_wndSplitter;
  bool m_bSpecialChars = false;

  DECLARE_MESSAGE_MAP()
};
