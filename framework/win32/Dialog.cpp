#include "Dialog.h"

#include "AppServices.h"

namespace {
// While a modal dialog runs in the system's loop, a message filter gives the
// windows' PreTranslateMessage its chance, as the program's own loop does.
struct FilterState {
  HHOOK hook = nullptr;
  int depth = 0;
};

FilterState& Filter() {
  thread_local FilterState state;
  return state;
}

LRESULT CALLBACK ModalFilter(int code, WPARAM wParam, LPARAM lParam) {
  if (code == MSGF_DIALOGBOX && lParam) {
    BOOL taken = FALSE;
    lw::Guarded([&] { taken = CWnd::WalkPreTranslateTree(nullptr, reinterpret_cast<MSG*>(lParam)); });
    if (taken) return TRUE;
  }
  return ::CallNextHookEx(Filter().hook, code, wParam, lParam);
}

class ModalFilterScope {
 public:
  ModalFilterScope() {
    if (Filter().depth++ == 0)
      Filter().hook = ::SetWindowsHookEx(WH_MSGFILTER, &ModalFilter, nullptr, ::GetCurrentThreadId());
  }
  ~ModalFilterScope() {
    if (--Filter().depth == 0 && Filter().hook) {
      ::UnhookWindowsHookEx(Filter().hook);
      Filter().hook = nullptr;
    }
  }
  ModalFilterScope(const ModalFilterScope&) = delete;
  ModalFilterScope& operator=(const ModalFilterScope&) = delete;
};
}  // namespace

BEGIN_MESSAGE_MAP(CDialog, CWnd)
  ON_MESSAGE(WM_INITDIALOG, HandleInitDialog)
  ON_COMMAND(IDOK, OnOK)
  ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

CDialog::CDialog(UINT templateId, CWnd* parent) : m_nIDTemplate(templateId), m_pParentWnd(parent) {}

CDialog::CDialog(LPCTSTR templateName, CWnd* parent) : m_pParentWnd(parent) {
  if (IS_INTRESOURCE(templateName)) m_nIDTemplate = LOWORD(reinterpret_cast<ULONG_PTR>(templateName));
  else m_strTemplateName = templateName;
}

BOOL CDialog::InitModalIndirect(LPCDLGTEMPLATE dialogTemplate, CWnd* parent) {
  m_lpDialogTemplate = dialogTemplate;
  if (parent) m_pParentWnd = parent;
  return dialogTemplate != nullptr;
}

LPCDLGTEMPLATE CDialog::FindTemplate() const {
  if (m_lpDialogTemplate) return m_lpDialogTemplate;
  return lw::FindDialogTemplate(m_nIDTemplate ? MAKEINTRESOURCE(m_nIDTemplate)
                                              : static_cast<LPCTSTR>(m_strTemplateName));
}

LPCDLGTEMPLATE lw::FindDialogTemplate(LPCTSTR name) {
  if (!name || (!IS_INTRESOURCE(name) && !*name)) return nullptr;
  HINSTANCE instance = AfxGetResourceHandle();
  HRSRC resource = ::FindResource(instance, name, RT_DIALOG);
  HGLOBAL data = resource ? ::LoadResource(instance, resource) : nullptr;
  return data ? static_cast<LPCDLGTEMPLATE>(::LockResource(data)) : nullptr;
}

HWND CDialog::ModalOwner() const { return lw::ModalOwner(m_pParentWnd, this); }

// The top-level window a modal window belongs to, or its last active popup
// (an open modal dialog), so that nested dialogs stack.
HWND lw::ModalOwner(CWnd* parent, const CWnd* self) {
  HWND owner = parent ? parent->m_hWnd : nullptr;
  if (!owner) {
    CWnd* main = AfxGetMainWnd();
    if (main && main != self) owner = main->m_hWnd;
  }
  if (!owner || !::IsWindow(owner)) return nullptr;
  owner = ::GetAncestor(owner, GA_ROOT);
  HWND popup = ::GetLastActivePopup(owner);
  return popup && (!self || popup != self->m_hWnd) ? popup : owner;
}

INT_PTR CDialog::DoModal() {
  LPCDLGTEMPLATE dialogTemplate = FindTemplate();
  if (!dialogTemplate || m_hWnd) return -1;
  HWND owner = ModalOwner();
  m_bModal = TRUE;
  m_bInModalLoop = TRUE;
  INT_PTR result;
  {
    ModalFilterScope filter;
    LwPrepareDialog(this);
    result = ::DialogBoxIndirectParam(AfxGetResourceHandle(), dialogTemplate, owner, &LwDialogProc,
                                      reinterpret_cast<LPARAM>(this));
    LwPrepareDialog(nullptr);
  }
  if (m_hWnd) Detach();  // the window is gone
  m_bModal = FALSE;
  m_bInModalLoop = FALSE;
  return result;
}

BOOL CDialog::Create(UINT templateId, CWnd* parent) {
  m_nIDTemplate = templateId;
  m_strTemplateName.Empty();
  return CreateIndirect(FindTemplate(), parent);
}

BOOL CDialog::Create(LPCTSTR templateName, CWnd* parent) {
  if (IS_INTRESOURCE(templateName)) return Create(LOWORD(reinterpret_cast<ULONG_PTR>(templateName)), parent);
  m_nIDTemplate = 0;
  m_strTemplateName = templateName;
  return CreateIndirect(FindTemplate(), parent);
}

BOOL CDialog::CreateIndirect(LPCDLGTEMPLATE dialogTemplate, CWnd* parent) {
  if (!dialogTemplate || m_hWnd) return FALSE;
  if (parent) m_pParentWnd = parent;
  m_bModal = FALSE;
  LwPrepareDialog(this);
  HWND hwnd = ::CreateDialogIndirectParam(AfxGetResourceHandle(), dialogTemplate,
                                          m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr, &LwDialogProc,
                                          reinterpret_cast<LPARAM>(this));
  LwPrepareDialog(nullptr);
  return hwnd && hwnd == m_hWnd;
}

LRESULT CDialog::HandleInitDialog(WPARAM, LPARAM) { return OnInitDialog(); }

BOOL CDialog::OnInitDialog() {
  UpdateData(FALSE);
  return TRUE;
}

void CDialog::OnOK() {
  if (!UpdateData(TRUE)) return;  // the user was told; the dialog stays open
  EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

void CDialog::EndDialog(int result) {
  if (m_hWnd) ::EndDialog(m_hWnd, result);
}

namespace {
bool RoutesOn(UINT id, UINT code) {
  return (code == CN_COMMAND || code == CN_UPDATE_COMMAND_UI) && (id & 0x8000) && id < 0xF000;
}
}  // namespace

BOOL CDialog::OnCmdMsg(UINT id, UINT code, void* extra) {
  if (CWnd::OnCmdMsg(id, code, extra)) return TRUE;
  if (!RoutesOn(id, code)) return FALSE;
  CWnd* owner = FromHandlePermanent(::GetWindow(m_hWnd, GW_OWNER));
  if (owner && owner != this && owner->OnCmdMsg(id, code, extra)) return TRUE;
  CAppServices* app = LwGetAppServices();
  return app && app->GetCommandTarget()->OnCmdMsg(id, code, extra);
}

BOOL CDialog::HasCommandHandler(UINT id) const {
  if (CWnd::HasCommandHandler(id)) return TRUE;
  if (!RoutesOn(id, CN_COMMAND)) return FALSE;
  CWnd* owner = FromHandlePermanent(::GetWindow(m_hWnd, GW_OWNER));
  if (owner && owner != this && owner->HasCommandHandler(id)) return TRUE;
  CAppServices* app = LwGetAppServices();
  return app && app->GetCommandTarget()->HasCommandHandler(id);
}

void CDialog::GotoDlgCtrl(CWnd* control) {
  if (control) ::SendMessage(m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control->m_hWnd), TRUE);
}

// Modeless dialogs need the dialog manager's keyboard handling from the
// program's loop; modal ones get it from the system's loop.
BOOL CDialog::PreTranslateMessage(MSG* msg) {
  if (m_bModal || !m_hWnd) return FALSE;
  bool input = (msg->message >= WM_KEYFIRST && msg->message <= WM_KEYLAST) ||
               (msg->message >= WM_MOUSEFIRST && msg->message <= WM_MOUSELAST);
  if (!input || (msg->hwnd != m_hWnd && !::IsChild(m_hWnd, msg->hwnd))) return FALSE;
  return ::IsDialogMessage(m_hWnd, msg);
}
