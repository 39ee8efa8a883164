// The library's about box, shown from the language-switch dialog.
#pragma once

#include "FrameworkWin.h"
#include "SwitchDlgModel.h"

class CLwvAboutDlg : public CDialog {
 public:
  // info: the line with further information (from the switch-dialog entry).
  CLwvAboutDlg(const CString& caption, const CString& okText, const CString& info);
  ~CLwvAboutDlg() override;

  BOOL OnInitDialog() override;
  // Modal from an in-memory template; nothing when none can be made.
  INT_PTR Run(CWnd* parent);

  const CString& GetLine(int i) const { return m_lines[i]; }
  const LwvAboutLayout& GetLayout() const { return m_layout; }

 protected:
  CString m_strCaption;
  CString m_strOk;
  CString m_lines[7];
  CStatic m_texts[7];
  CButton m_ok;
  CStatic m_picture;
  HBITMAP m_hPicture = nullptr;
  LwvAboutLayout m_layout{};
};
