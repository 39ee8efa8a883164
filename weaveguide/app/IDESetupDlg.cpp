#include "IDESetupDlg.h"

#include "GuideIds.h"

BEGIN_MESSAGE_MAP(CIDESetupDlg, CDialog)
  ON_WM_DESTROY()
END_MESSAGE_MAP()

CIDESetupDlg::CIDESetupDlg() : CDialog(IDD_IDE_SETUP, nullptr) {}

BOOL CIDESetupDlg::OnInitDialog() {
  BOOL result = CDialog::OnInitDialog();
  m_hiddenOwner = ::GetWindow(m_hWnd, GW_OWNER);
  if (m_hiddenOwner) ::ShowWindow(m_hiddenOwner, SW_HIDE);
  return result;
}

void CIDESetupDlg::OnDestroy() {
  Default();
  if (m_hiddenOwner && ::IsWindow(m_hiddenOwner)) ::ShowWindow(m_hiddenOwner, SW_SHOW);
  m_hiddenOwner = nullptr;
}
