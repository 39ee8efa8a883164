// CDialog: modal and modeless dialogs from a resource or an in-memory template.
#pragma once

#include "Wnd.h"

class CDialog : public CWnd {
 public:
  CDialog() = default;
  explicit CDialog(UINT templateId, CWnd* parent = nullptr);
  explicit CDialog(LPCTSTR templateName, CWnd* parent = nullptr);

  // Modal.
  BOOL InitModalIndirect(LPCDLGTEMPLATE dialogTemplate, CWnd* parent = nullptr);
  virtual INT_PTR DoModal();
  // Modeless.
  virtual BOOL Create(UINT templateId, CWnd* parent = nullptr);
  virtual BOOL Create(LPCTSTR templateName, CWnd* parent = nullptr);
  virtual BOOL CreateIndirect(LPCDLGTEMPLATE dialogTemplate, CWnd* parent = nullptr);

  virtual BOOL OnInitDialog();
  virtual void OnOK();
  virtual void OnCancel();
  void EndDialog(int result);
  BOOL PreTranslateMessage(MSG* msg) override;
  // Commands the dialog does not handle (menu items and buttons with ids from
  // 0x8000 below the system commands) go on to its owner, then the application.
  BOOL OnCmdMsg(UINT id, UINT code, void* extra) override;
  BOOL HasCommandHandler(UINT id) const override;

  void NextDlgCtrl() const { ::SendMessage(m_hWnd, WM_NEXTDLGCTL, 0, 0); }
  void PrevDlgCtrl() const { ::SendMessage(m_hWnd, WM_NEXTDLGCTL, 1, 0); }
  void GotoDlgCtrl(CWnd* control);
  void SetDefID(UINT id) { ::SendMessage(m_hWnd, DM_SETDEFID, id, 0); }
  DWORD GetDefID() const { return static_cast<DWORD>(::SendMessage(m_hWnd, DM_GETDEFID, 0, 0)); }
  void MapDialogRect(LPRECT rect) const { ::MapDialogRect(m_hWnd, rect); }

  BOOL IsModal() const { return m_bModal; }
  UINT m_nIDHelp = 0;

 protected:
  LRESULT HandleInitDialog(WPARAM wParam, LPARAM lParam);
  LPCDLGTEMPLATE FindTemplate() const;
  HWND ModalOwner() const;

  UINT m_nIDTemplate = 0;     // resource id, or 0 with a name
  CString m_strTemplateName;  // resource name
  LPCDLGTEMPLATE m_lpDialogTemplate = nullptr;  // in-memory template (not owned)
  CWnd* m_pParentWnd = nullptr;
  BOOL m_bModal = FALSE;

  DECLARE_MESSAGE_MAP()
};

// Dialog data exchange: moves values between controls and members, and
// validates them on the way in.
class CDataExchange {
 public:
  CDataExchange(CWnd* dialog, BOOL saveAndValidate) : m_pDlgWnd(dialog), m_bSaveAndValidate(saveAndValidate) {}

  // The control's handle; remembered for Fail, which focuses it.
  HWND PrepareCtrl(int id);
  HWND PrepareEditCtrl(int id);
  // Ends the exchange: the last prepared control gets the focus and
  // UpdateData answers FALSE. The caller has told the user why.
  [[noreturn]] void Fail();

  CWnd* m_pDlgWnd;
  BOOL m_bSaveAndValidate;
  HWND m_hWndLastControl = nullptr;
  BOOL m_bEditLastControl = FALSE;
};

// Thrown by CDataExchange::Fail and caught by UpdateData.
class CUserException : public CException {
 public:
  CString GetErrorMessage() const override { return CString(_T("Input rejected.")); }
};

void DDX_Text(CDataExchange* dx, int id, CString& value);
void DDX_Text(CDataExchange* dx, int id, int& value);
void DDX_Text(CDataExchange* dx, int id, UINT& value);
void DDX_Check(CDataExchange* dx, int id, int& value);
void DDX_Radio(CDataExchange* dx, int id, int& value);
void DDX_Control(CDataExchange* dx, int id, CWnd& control);
void DDX_CBIndex(CDataExchange* dx, int id, int& index);
void DDX_CBString(CDataExchange* dx, int id, CString& value);
void DDX_LBIndex(CDataExchange* dx, int id, int& index);
void DDV_MaxChars(CDataExchange* dx, const CString& value, int maxChars);
void DDV_MinMaxInt(CDataExchange* dx, int value, int minValue, int maxValue);

namespace lw {
// The dialog template resource of that name or MAKEINTRESOURCE id, from the
// resource module; null when there is none.
LPCDLGTEMPLATE FindDialogTemplate(LPCTSTR name);
// Parses a whole decimal number (surrounding blanks allowed); FALSE for
// anything else or a value out of range.
BOOL ParseInt(const TCHAR* text, int& value);
BOOL ParseUInt(const TCHAR* text, UINT& value);
// The owner a modal window of self (null: not made yet) gets: parent's
// top-level window, else the main window, or the popup last active in it.
HWND ModalOwner(CWnd* parent, const CWnd* self);
}  // namespace lw
