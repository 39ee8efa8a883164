// The system's common dialogs (comdlg32) as framework dialogs: each runs the
// system dialog with a hook that routes its messages through the framework's
// dialog procedure, so a derived class gets OnInitDialog and its message map.
#pragma once

#include "Dialog.h"

#include <commdlg.h>

#include <vector>

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
  // Characters of the name buffer: room for many names of a multiple selection.
  enum { kFileBufferSize = 65536 };
  // filter: "Text|*.txt|All|*.*||" style.
  explicit CFileDialog(BOOL openFileDialog, LPCTSTR defaultExt = nullptr, LPCTSTR fileName = nullptr,
                       DWORD flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, LPCTSTR filter = nullptr,
                       CWnd* parent = nullptr);
  INT_PTR DoModal() override;
  // The chosen file's full path; after a multiple selection the first one.
  CString GetPathName() const;
  // The chosen files one by one (one or many): a null position ends them.
  POSITION GetStartPosition() const;
  CString GetNextPathName(POSITION& pos) const;
  // m_ofn.lpstrFile and nMaxFile name the dialog's own buffer; a program may
  // point them at a buffer of its own before DoModal.
  OPENFILENAME m_ofn;

 private:
  BOOL m_bOpen;
  CString m_strDefExt;
  CString m_strFilter;  // '|' replaced by NUL
  std::vector<TCHAR> m_fileBuffer;
};

class CFindReplaceDialog : public CCommonDialog {
 public:
  CFindReplaceDialog();
  // Modeless; the owner is parent, else the main window (the system dialog
  // needs one). The object must come from new: it deletes itself when its
  // window is gone.
  virtual BOOL Create(BOOL findDialogOnly, LPCTSTR findWhat, LPCTSTR replaceWith = nullptr, DWORD flags = FR_DOWN,
                      CWnd* parent = nullptr);
  FINDREPLACE m_fr;

  // The message ("commdlg_FindReplace") the dialog sends its owner, and the
  // dialog object behind such a message's lParam.
  static UINT GetFindReplaceMessage();
  static CFindReplaceDialog* GetNotifier(LPARAM lParam);

  // What the message asks for, from m_fr.Flags.
  BOOL FindNext() const { return (m_fr.Flags & FR_FINDNEXT) != 0; }
  BOOL ReplaceCurrent() const { return (m_fr.Flags & FR_REPLACE) != 0; }
  BOOL ReplaceAll() const { return (m_fr.Flags & FR_REPLACEALL) != 0; }
  BOOL IsTerminating() const { return (m_fr.Flags & FR_DIALOGTERM) != 0; }
  BOOL SearchDown() const { return (m_fr.Flags & FR_DOWN) != 0; }
  BOOL MatchCase() const { return (m_fr.Flags & FR_MATCHCASE) != 0; }
  BOOL MatchWholeWord() const { return (m_fr.Flags & FR_WHOLEWORD) != 0; }
  CString GetFindString() const { return CString(m_szFindWhat); }
  CString GetReplaceString() const { return CString(m_szReplaceWith); }

 protected:
  // A modeless find dialog deletes its object when its window is gone.
  void PostNcDestroy() override { delete this; }

 private:
  // The system dialog's procedure may not pass WM_NCDESTROY to the hook; a
  // subclass of the window sees it and ends the object's binding.
  static LRESULT CALLBACK WatchEnd(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                   DWORD_PTR self);

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
  // The chosen font (after IDOK).
  void GetCurrentFont(LPLOGFONT font) const { *font = m_lf; }
  CString GetFaceName() const { return CString(m_lf.lfFaceName); }
  int GetSize() const { return m_cf.iPointSize; }  // tenths of a point
  int GetWeight() const { return m_lf.lfWeight; }
  BOOL IsItalic() const { return m_lf.lfItalic != 0; }
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
