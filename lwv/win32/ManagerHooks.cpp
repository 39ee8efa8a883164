// The manager's routing of the hooked messages to the translators.
#include "Hooks.h"
#include "DialogMatcher.h"
#include "LwvWindows.h"
#include "StdButtonModel.h"
#include "StdDlgHook.h"
#include "StdDlgSet.h"
#include "SystemMenuTranslator.h"
#include "TranslationManager.h"
#include "Lwv.h"
#include "WindowLists.h"

#include <commctrl.h>

#include <algorithm>
#include <cstddef>
#include <vector>

namespace {

// Dialogs whose buttons are final only after their own initialisation
// (property sheets, message boxes still being set up).
std::vector<HWND> g_classifyAfterInit;
bool g_inSwitchDialog = false;

void OpenSwitchDialog() {
  if (g_inSwitchDialog) return;
  g_inSwitchDialog = true;
  LwvOpenSwitchDialog();
  g_inSwitchDialog = false;
}

bool IsSwitchCommand(const LW_STARTPARAMS& p, WPARAM wParam) {
  return static_cast<UINT>(LOWORD(wParam)) == p.nSwitchCommandID;
}

// The text a tooltip request carries: a string, a resource id of the
// request's module, or (null) the request's own small buffer.
template <class DISPINFO, class CH>
bool ToolTipText(DISPINFO* info, CString& text, int (WINAPI* load)(HINSTANCE, UINT, CH*, int),
                 const CH* callback) {
  const CH* p = info->lpszText;
  if (p == callback) return false;
  if (!p) {
    CH buffer[81];
    size_t i = 0;
    for (; i < 80 && info->szText[i]; ++i) buffer[i] = info->szText[i];
    buffer[i] = 0;
    text = CString(buffer);
    return true;
  }
  if (IS_INTRESOURCE(p)) {
    if (!info->hinst) return false;
    CH buffer[512] = {0};
    if (load(info->hinst, static_cast<UINT>(reinterpret_cast<ULONG_PTR>(p)), buffer, 512) <= 0) return false;
    text = CString(buffer);
    return true;
  }
  text = CString(p);
  return true;
}

}  // namespace

void CTranslationManager::OnCallWndProc(const CWPSTRUCT& msg) {
  if (!m_pCurrentFile) return;
  if (m_params.bAutoSwitchCommand) {
    LwvEnsureMessageHook();
    switch (msg.message) {
      case WM_COMMAND:
        // Buttons and accelerators send it; a menu posts it (OnGetMessage).
        if (IsSwitchCommand(m_params, msg.wParam)) OpenSwitchDialog();
        break;
      case WM_INITMENUPOPUP:
        ::EnableMenuItem(reinterpret_cast<HMENU>(msg.wParam), m_params.nSwitchCommandID, MF_BYCOMMAND | MF_ENABLED);
        break;
      case WM_MENUSELECT:
        m_bSwitchCommandChosen = IsSwitchCommand(m_params, msg.wParam);
        break;
      case WM_CAPTURECHANGED:
        // Comes before the menu's own end whether or not the item was chosen.
        m_bSwitchCommandChosen = false;
        break;
      default:
        break;
    }
  }
  switch (msg.message) {
    case WM_INITDIALOG:
      if (!m_bBusy) OnInitDialog(msg);
      break;
    case WM_ACTIVATEAPP:
      if (msg.wParam == 0 && m_pSystemMenuTranslator) m_pSystemMenuTranslator->RefreshItems();
      break;
    case WM_INITMENUPOPUP:
      if (!m_bBusy) {
        HMENU menu = reinterpret_cast<HMENU>(msg.wParam);
        const bool remembered = (m_pDialogList && m_pDialogList->ContainsMenu(menu)) ||
                                (m_pMenuWindowList && m_pMenuWindowList->ContainsMenu(menu));
        if (!remembered) LWTranslateHMenu(menu);
      }
      break;
    default:
      break;
  }
}

void CTranslationManager::OnGetMessage(const MSG& msg) {
  if (!m_pCurrentFile || !m_params.bAutoSwitchCommand) return;
  if (msg.message == WM_COMMAND && HIWORD(msg.wParam) == 0 && msg.lParam == 0 && IsSwitchCommand(m_params, msg.wParam))
    OpenSwitchDialog();
}

void CTranslationManager::OnInitDialog(const CWPSTRUCT& msg) {
  HWND dialog = msg.hwnd;
  CStdButtonModel model;
  const bool classified = model.ClassifyBeforeInit(dialog);
  HWND parent = ::GetParent(dialog);
  const bool page = parent && LwvSheetTabControl(parent) && msg.lParam;
  if (classified) {
    model.TranslateMessageBox(dialog);
    LwFitMessageTexts(dialog);
    return;
  }
  const bool sheet = LwvSheetTabControl(dialog) != nullptr;
  const bool unfinished = !sheet && CStdButtonModel::IsUnfinishedMessageBox(CStdButtonModel::CollectChildren(dialog));
  if (sheet || unfinished) g_classifyAfterInit.push_back(dialog);
  if (LwIsPrintDialogActive()) return;
  if (!sheet && !unfinished && !(m_pStdDlgSet && m_pStdDlgSet->Recognize(dialog))) {
    if (!page) {
      LWTranslateDialog(dialog, LWV_MODE_DIALOG);
      return;
    }
  }
  if (!page) return;
  const void* sheetPage = reinterpret_cast<const void*>(msg.lParam);
  const size_t needed = offsetof(PROPSHEETPAGE, dwFlags) + sizeof(DWORD);
  if (::IsBadReadPtr(sheetPage, needed)) return;
  const DWORD flags = static_cast<const PROPSHEETPAGE*>(sheetPage)->dwFlags;
  LWTranslateDialog(dialog, (flags & PSP_USETITLE) ? LWV_MODE_PAGE_TITLE : LWV_MODE_PAGE);
}

void CTranslationManager::OnCallWndProcRet(const CWPRETSTRUCT& msg) {
  if (!m_pCurrentFile) return;
  if (msg.message == WM_INITMENUPOPUP && !m_bBusy)
    ::EnableMenuItem(reinterpret_cast<HMENU>(msg.wParam), m_params.nSwitchCommandID, MF_BYCOMMAND | MF_ENABLED);
  if (msg.message == WM_INITDIALOG) {
    HWND dialog = msg.hwnd;
    if (m_bCaptureMode) {
      if (m_pButtonModel) m_pButtonModel->MeasureDialog(dialog);
      CStdButtonModel::EndCapturedDialog(dialog);
    }
    if (m_hPendingDialog && (m_hPendingDialog == dialog || m_hPendingDialog == ::GetParent(dialog)) && !m_bBusy)
      CStdDlgSet::TranslateKind(m_nPendingKind, m_hPendingDialog);
    m_hPendingDialog = nullptr;
    m_nPendingKind = LWV_NO_PENDING_DIALOG;
    auto it = std::find(g_classifyAfterInit.begin(), g_classifyAfterInit.end(), dialog);
    if (it != g_classifyAfterInit.end()) {
      g_classifyAfterInit.erase(it);
      if (!m_bBusy && !m_bCaptureMode && ::IsWindow(dialog)) {
        CStdButtonModel model;
        if (model.ClassifyAfterInit(dialog)) {
          model.TranslateMessageBox(dialog);
          LwFitMessageTexts(dialog);  // a box a running common dialog opened
        }
        LwvRetranslateSheetCaption(dialog);
      }
    }
  }
  if (m_bBusy) return;
  WatchCommonDialog(msg);
  if (!m_bBusy) TranslateStatusBar(msg);
}

void CTranslationManager::WatchCommonDialog(const CWPRETSTRUCT& msg) { LwWatchCommonDialogs(msg); }

void CTranslationManager::TranslateStatusBar(const CWPRETSTRUCT& msg) {
  switch (msg.message) {
    case WM_NOTIFY: {
      const NMHDR* header = reinterpret_cast<const NMHDR*>(msg.lParam);
      if (m_bInToolTip || !header) break;
      const bool wide = header->code == TTN_GETDISPINFOW;
      if (!wide && header->code != TTN_GETDISPINFOA) break;
      m_bInToolTip = true;
      CString text;
      bool have = false;
      if (wide) {
        NMTTDISPINFOW* info = reinterpret_cast<NMTTDISPINFOW*>(msg.lParam);
        have = ToolTipText(info, text, LoadStringW, LPSTR_TEXTCALLBACKW);
        if (have && !text.IsEmpty() && LWTranslateToolTip(text)) {
          const CStringW translated(text);
          lstrcpynW(m_szToolTipW, translated, 512);
          info->lpszText = m_szToolTipW;
        }
      } else {
        NMTTDISPINFOA* info = reinterpret_cast<NMTTDISPINFOA*>(msg.lParam);
        have = ToolTipText(info, text, LoadStringA, LPSTR_TEXTCALLBACKA);
        if (have && !text.IsEmpty() && LWTranslateToolTip(text)) {
          const CStringA translated(text);
          lstrcpynA(m_szToolTipA, translated, 512);
          info->lpszText = m_szToolTipA;
        }
      }
      m_bInToolTip = false;
      break;
    }
    case WM_SETTEXT: {
      if (m_bInStatusText) break;
      m_bInStatusText = true;
      if (LwvHasClass(msg.hwnd, _T("msctls_statusbar32"), _T("msctls_statusbar"))) {
        LPCTSTR p = reinterpret_cast<LPCTSTR>(msg.lParam);
        CString text(p ? p : _T(""));
        if (!text.IsEmpty() && LWTranslateStatusText(text)) ::SetWindowText(msg.hwnd, text);
      }
      m_bInStatusText = false;
      break;
    }
    case WM_CREATE: {
      const CREATESTRUCT* cs = reinterpret_cast<const CREATESTRUCT*>(msg.lParam);
      if (msg.lResult != -1 && cs && cs->hMenu && !(cs->style & WS_CHILD)) LWTranslateMenu(msg.hwnd);
      break;
    }
    case WM_MDISETMENU: {
      HWND frame = ::GetParent(msg.hwnd);
      if (frame && ::GetMenu(frame)) LWTranslateMenu(frame);
      break;
    }
    default:
      break;
  }
}
