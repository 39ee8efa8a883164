// The system's common dialogs (comdlg32) as framework dialogs: each runs the
// system dialog with a hook that routes its messages through the framework's
// dialog procedure, so a derived class gets OnInitDialog and its message map.
#pragma once

#include "Dialog.h"

#include <commdlg.h>

class CDC;

class CCommonDialog : public CDialog {
 public:
  explicit CCommonDialog(CWnd* parent) : CDialog() { m_pParentWnd = parent; }
  // The system dialog ends itself on OK and Cancel.
  BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

 protected:
  HWND OwnerHandle() const;
  // Runs the system dialog's function with this object bound to the hook.
  INT_PTR RunBound(BOOL (*run)(void* params), void* params);
};

// The hook every common dialog here installs.
UINT_PTR CALLBACK LwCommonDialogHook(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

class CFileDialog : public CCommonDialog {
 public:
  // filter: "Text|*.txt|All|*.*||" style.
  explicit CFileDialog(BOOL openFileDialog, LPCTSTR defaultExt = nullptr, LPCTSTR fileName = nullptr,
                       DWORD flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, LPCTSTR filter = nullptr,
                       CWnd* parent = nullptr);
  INT_PTR DoModal() override;
  CString GetPathName() const { return CString(m_szFile); }
  OPENFILENAME m_ofn;

 private:
  BOOL m_bOpen;
  CString m_strDefExt;
  CString m_strFilter;  // '|' replaced by NUL
  TCHAR m_szFile[MAX_PATH];
};

class CFindReplaceDialog : public CCommonDialog {
 public:
  CFindReplaceDialog();
  // Modeless; the owner is parent, else the main window (the system dialog
  // needs one).
  virtual BOOL Create(BOOL findDialogOnly, LPCTSTR findWhat, LPCTSTR replaceWith = nullptr, DWORD flags = FR_DOWN,
                      CWnd* parent = nullptr);
  FINDREPLACE m_fr;

 protected:
  // A modeless find dialog deletes its object when its window is gone.
  void PostNcDestroy() override { delete this; }

 private:
  TCHAR m_szFindWhat[128];
  TCHAR m_szReplaceWith[128];
};

class CPrintDialog : public CCommonDialog {
 public:
  explicit CPrintDialog(BOOL printSetupOnly,
                        DWORD flags = PD_ALLPAGES | PD_USEDEVMODECOPIES | PD_NOPAGENUMS | PD_HIDEPRINTTOFILE |
                                      PD_NOSELECTION,
                        CWnd* parent = nullptr);
  ~CPrintDialog() override;
  INT_PTR DoModal() override;
  PRINTDLG m_pd;
};

class CPageSetupDialog : public CCommonDialog {
 public:
  explicit CPageSetupDialog(DWORD flags = PSD_MARGINS | PSD_INWININIINTLMEASURE, CWnd* parent = nullptr);
  ~CPageSetupDialog() override;
  INT_PTR DoModal() override;
  PAGESETUPDLG m_psd;
};

class CFontDialog : public CCommonDialog {
 public:
  explicit CFontDialog(LPLOGFONT initial = nullptr, DWORD flags = CF_EFFECTS | CF_SCREENFONTS, CDC* printer = nullptr,
                       CWnd* parent = nullptr);
  INT_PTR DoModal() override;
  CHOOSEFONT m_cf;
  LOGFONT m_lf;
};

class CColorDialog : public CCommonDialog {
 public:
  explicit CColorDialog(COLORREF initial = 0, DWORD flags = 0, CWnd* parent = nullptr);
  INT_PTR DoModal() override;
  COLORREF GetColor() const { return m_cc.rgbResult; }
  CHOOSECOLOR m_cc;
  static COLORREF s_customColors[16];
};
