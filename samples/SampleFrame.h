// The sample's main frame: menu, toolbar with tooltips, status bar with
// prompts, the form and the find dialog as modeless dialogs, the colour
// dialog and the other sample windows.
#pragma once

#include "CommonDialogs.h"
#include "SampleDialogs.h"
#include "SampleDlg.h"

class CSampleFrame : public CFrameWnd {
 public:
  // The title comes through the library, then the frame is made.
  BOOL LoadFrame(UINT resourceId, DWORD style = WS_OVERLAPPEDWINDOW, CWnd* parent = nullptr) override;
  // The form while it is open, else null.
  CSampleDlg* GetForm();

  CToolBar m_wndToolBar;
  CStatusBar m_wndStatusBar;

 protected:
  int OnCreate(LPCREATESTRUCT cs);
  void OnClose();
  void OnFileForm();
  void OnFileFind();
  void OnFileColor();
  LRESULT OnFindMessage(WPARAM, LPARAM lParam);
  void OnToolsControls();
  void OnToolsLayout();
  void OnToolsProperties();
  void OnMessageBox(UINT id);
  void OnAppAbout();
  LRESULT OnLanguageChanged(WPARAM, LPARAM);

  CSampleDlg m_form;
  // The open find dialog (it deletes itself when its window is gone), else null.
  CFindReplaceDialog* m_pFind = nullptr;
  COLORREF m_color = RGB(0, 0, 255);
  CGeneralPage m_generalPage;
  CDisplayPage m_displayPage;

  DECLARE_MESSAGE_MAP()
};
