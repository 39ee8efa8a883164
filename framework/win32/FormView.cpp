#include "FormView.h"

#include "Dialog.h"
#include "FrameWnd.h"

IMPLEMENT_DYNAMIC(CFormView, CScrollView)

BOOL CFormView::CreateView(CWnd* parent, UINT id, const RECT& rect, CCreateContext* context) {
  LPCDLGTEMPLATE dialogTemplate = lw::FindDialogTemplate(MAKEINTRESOURCE(m_nIDTemplate));
  if (!dialogTemplate || !parent || m_hWnd) return FALSE;
  if (context && context->m_pCurrentDoc) context->m_pCurrentDoc->AddView(this);
  LwPrepareDialog(this);
  HWND hwnd = ::CreateDialogIndirectParam(AfxGetResourceHandle(), dialogTemplate, parent->m_hWnd, &LwDialogProc, 0);
  LwPrepareDialog(nullptr);
  if (!hwnd || hwnd != m_hWnd) return FALSE;
  SetDlgCtrlID(static_cast<int>(id));
  ModifyStyle(WS_CAPTION | WS_POPUP | WS_DISABLED, WS_CHILD | WS_CLIPSIBLINGS | WS_TABSTOP);
  ModifyStyleEx(0, WS_EX_CLIENTEDGE | WS_EX_CONTROLPARENT);
  ::SetWindowPos(hwnd, nullptr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED | SWP_SHOWWINDOW);
  return TRUE;
}

void CFormView::OnInitialUpdate() {
  UpdateData(FALSE);
  LPCDLGTEMPLATE dialogTemplate = lw::FindDialogTemplate(MAKEINTRESOURCE(m_nIDTemplate));
  CRect size(0, 0, 0, 0);
  if (dialogTemplate) {
    // DLGTEMPLATE and DLGTEMPLATEEX keep the size at different places.
    const WORD* words = reinterpret_cast<const WORD*>(dialogTemplate);
    bool extended = words[0] == 1 && words[1] == 0xFFFF;
    const short* sizes = reinterpret_cast<const short*>(dialogTemplate) + (extended ? 11 : 7);
    size.right = sizes[0];
    size.bottom = sizes[1];
    ::MapDialogRect(m_hWnd, &size);
  }
  SetScrollSizes(MM_TEXT, CSize(size.Width(), size.Height()));
}

// The frame's accelerators first, then the dialog keys (Tab, arrows,
// default button) among the form's controls.
BOOL CFormView::PreTranslateMessage(MSG* msg) {
  if (!m_hWnd || msg->message < WM_KEYFIRST || msg->message > WM_KEYLAST) return FALSE;
  if (msg->hwnd != m_hWnd && !::IsChild(m_hWnd, msg->hwnd)) return FALSE;
  if (CFrameWnd* frame = GetParentFrame())
    if (frame->PreTranslateMessage(msg)) return TRUE;
  return ::IsDialogMessage(m_hWnd, msg);
}
