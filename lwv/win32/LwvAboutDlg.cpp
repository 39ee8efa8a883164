#include "LwvAboutDlg.h"
#include "LwvDialogFont.h"

#include "LwvPictures.h"
#include "LwvSDK.h"
#include "LwvProgram.h"

CLwvAboutDlg::CLwvAboutDlg(const CString& caption, const CString& okText, const CString& info)
    : m_strCaption(caption), m_strOk(okText) {
  // Only names, numbers and texts of the language file: the box reads the
  // same in every language.
  m_lines[0] = _T("Lingoweave DLL");
  m_lines[1] = _T("Version 2.5");
  m_lines[2] = sizeof(TCHAR) == 1 ? _T("Win32 ANSI") : _T("Win32 Unicode");
  m_lines[3] = CString(TCHAR(0xA9)) + _T(" 2026 Lingoweave");
  m_lines[4] = info;
  LW_FILEINFO current;
  if (LWGetFileInfo(current)) {
    m_lines[5] = current.strLanguageName;
    m_lines[6] = current.strProgramName + _T(" ") + current.strProgramVersion;
    m_lines[6].Trim();
  }
}

CLwvAboutDlg::~CLwvAboutDlg() {
  if (m_hPicture) ::DeleteObject(m_hPicture);
}

BOOL CLwvAboutDlg::OnInitDialog() {
  SetWindowText(m_strCaption);
  const int l = LwvDialogFontLineHeight(m_hWnd);
  m_layout = LwvComputeAboutLayout(l, LwvDialogFontTextWidth(m_hWnd, m_lines[3]));
  const LwvAboutLayout& s = m_layout;
  m_hPicture = LwvLoadPicture(LwvAboutPieces());
  m_picture.Create(_T(""), 0x5000000E, CRect(s.picture.x, s.picture.y, s.picture.x + 230, s.picture.y + 100), this);
  if (m_hPicture) m_picture.SetBitmap(m_hPicture);
  HFONT font = static_cast<HFONT>(::GetStockObject(ANSI_VAR_FONT));
  for (int i = 0; i < 7; ++i) {
    m_texts[i].Create(m_lines[i], 0x50000001, s.line[i], this);
    m_texts[i].SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  }
  m_ok.Create(m_strOk, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, s.ok, this, IDOK);
  m_ok.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  // The window around a client area of the computed size.
  RECT frame = {0, 0, s.client.cx, s.client.cy};
  ::AdjustWindowRectEx(&frame, GetStyle(), FALSE, GetExStyle());
  SetWindowPos(nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top, SWP_NOMOVE | SWP_NOZORDER);
  return TRUE;
}

INT_PTR CLwvAboutDlg::Run(CWnd* parent) {
  LPDLGTEMPLATE dialogTemplate = LWCreateDialogTemplate(20, 0, 180, 240);
  if (!dialogTemplate) return -1;
  InitModalIndirect(dialogTemplate, parent);
  const INT_PTR result = DoModal();
  ::LocalFree(dialogTemplate);
  return result;
}
