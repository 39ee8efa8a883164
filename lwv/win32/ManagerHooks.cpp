// The manager's routing of the hooked messages to the translators.
#include "Hooks.h"
#include "DialogMatcher.h"
#include "LwvLock.h"
#include "LwvWindows.h"
#include "StdButtonModel.h"
#include "StdDlgHook.h"
#include "StdDlgSet.h"
#include "SystemMenuTranslator.h"
#include "TranslationManager.h"
#include "LwvProgram.h"
#include "WindowLists.h"

#include <commctrl.h>

#include <algorithm>
#include <cstddef>
#include <vector>

namespace {

// Dialogs whose buttons are final only after their own initialisation
// (property sheets, message boxes still being set up); shared, under the lock.
std::vector<HWND> g_classifyAfterInit;

// Per thread: the switch dialog open, the translation of a status-bar text
// or a tooltip running, and the tooltip texts handed to the tooltip control.
thread_local bool t_inSwitchDialog = false;
thread_local bool t_inStatusText = false;
thread_local bool t_inToolTip = false;
thread_local char t_toolTipA[512];
thread_local WCHAR t_toolTipW[512];

// True when size bytes at p can be read (a property page's structure passed
// as the initialisation parameter of a dialog whose parent is a sheet).
bool IsReadable(const void* p, size_t size) {
  const char* at = static_cast<const char*>(p);
  const char* end = at + size;
  while (at < end) {
    MEMORY_BASIC_INFORMATION info;
    if (::VirtualQuery(at, &info, sizeof info) != sizeof info) return false;
    const DWORD readable = PAGE_READONLY | PAGE_READWRITE | PAGE_WRITECOPY | PAGE_EXECUTE_READ |
                           PAGE_EXECUTE_READWRITE | PAGE_EXECUTE_WRITECOPY;
    if (info.State != MEM_COMMIT || !(info.Protect & readable) || (info.Protect & (PAGE_GUARD | PAGE_NOACCESS)))
      return false;
    at = static_cast<const char*>(info.BaseAddress) + info.RegionSize;
  }
  return true;
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

void LwvOpenSwitchDialogOnce() {
  if (t_inSwitchDialog) return;
  t_inSwitchDialog = true;
  try {
    LwvOpenSwitchDialog();
  } catch (...) {
  }
  t_inSwitchDialog = false;
}

bool CTranslationManager::OnCallWndProc(const CWPSTRUCT& msg) {
  if (msg.message == LwvRetranslateMessage()) {
    LwvAnswerRetranslate(msg.wParam);
    return false;
  }
  if (!m_pCurrentFile) return false;
  const bool quiet = m_bBusy || LwvIsRetranslating();
  bool openSwitchDialog = false;
  if (m_params.bAutoSwitchCommand) {
    LwvEnsureMessageHook();
    switch (msg.message) {
      case WM_COMMAND:
        // Buttons and accelerators send it; a menu posts it (OnGetMessage).
        if (IsSwitchCommand(m_params, msg.wParam)) openSwitchDialog = true;
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
      if (!quiet) OnInitDialog(msg);
      break;
    case WM_ACTIVATEAPP:
      if (msg.wParam == 0 && m_pSystemMenuTranslator) m_pSystemMenuTranslator->RefreshItems();
      break;
    case WM_INITMENUPOPUP:
      if (!quiet) {
        HMENU menu = reinterpret_cast<HMENU>(msg.wParam);
        const bool remembered = (m_pDialogList && m_pDialogList->ContainsMenu(menu)) ||
                                (m_pMenuWindowList && m_pMenuWindowList->ContainsMenu(menu));
        if (!remembered) LWTranslateHMenu(menu);
      }
      break;
    default:
      break;
  }
  return openSwitchDialog;
}

bool CTranslationManager::OnGetMessage(const MSG& msg) {
  if (!m_pCurrentFile || !m_params.bAutoSwitchCommand) return false;
  return msg.message == WM_COMMAND && HIWORD(msg.wParam) == 0 && msg.lParam == 0 &&
         IsSwitchCommand(m_params, msg.wParam);
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
  if (!IsReadable(sheetPage, needed)) return;
  const DWORD flags = static_cast<const PROPSHEETPAGE*>(sheetPage)->dwFlags;
  LWTranslateDialog(dialog, (flags & PSP_USETITLE) ? LWV_MODE_PAGE_TITLE : LWV_MODE_PAGE);
}

void CTranslationManager::OnCallWndProcRet(const CWPRETSTRUCT& msg) {
  if (!m_pCurrentFile) return;
  const bool quiet = m_bBusy || LwvIsRetranslating();
  CStdButtonModel* capture = GetCaptureModel();
  if (msg.message == WM_INITMENUPOPUP && !quiet)
    ::EnableMenuItem(reinterpret_cast<HMENU>(msg.wParam), m_params.nSwitchCommandID, MF_BYCOMMAND | MF_ENABLED);
  if (msg.message == WM_INITDIALOG) {
    HWND dialog = msg.hwnd;
    if (capture) {
      capture->MeasureDialog(dialog);
      CStdButtonModel::EndCapturedDialog(dialog);
    }
    if (m_hPendingDialog && (m_hPendingDialog == dialog || m_hPendingDialog == ::GetParent(dialog)) && !quiet)
      CStdDlgSet::TranslateKind(m_nPendingKind, m_hPendingDialog);
    m_hPendingDialog = nullptr;
    m_nPendingKind = LWV_NO_PENDING_DIALOG;
    auto it = std::find(g_classifyAfterInit.begin(), g_classifyAfterInit.end(), dialog);
    if (it != g_classifyAfterInit.end()) {
      g_classifyAfterInit.erase(it);
      if (!quiet && !capture && ::IsWindow(dialog)) {
        CStdButtonModel model;
        if (model.ClassifyAfterInit(dialog)) {
          model.TranslateMessageBox(dialog);
          LwFitMessageTexts(dialog);  // a box a running common dialog opened
        }
        LwvRetranslateSheetCaption(dialog);
      }
    }
  }
  if (quiet) return;
  WatchCommonDialog(msg);
  if (!m_bBusy) TranslateStatusBar(msg);
}

void CTranslationManager::WatchCommonDialog(const CWPRETSTRUCT& msg) { LwWatchCommonDialogs(msg); }

void CTranslationManager::TranslateStatusBar(const CWPRETSTRUCT& msg) {
  switch (msg.message) {
    case WM_NOTIFY: {
      const NMHDR* header = reinterpret_cast<const NMHDR*>(msg.lParam);
      if (t_inToolTip || !header) break;
      const bool wide = header->code == TTN_GETDISPINFOW;
      if (!wide && header->code != TTN_GETDISPINFOA) break;
      t_inToolTip = true;
      CString text;
      bool have = false;
      if (wide) {
        NMTTDISPINFOW* info = reinterpret_cast<NMTTDISPINFOW*>(msg.lParam);
        have = ToolTipText(info, text, LoadStringW, LPSTR_TEXTCALLBACKW);
        if (have && !text.IsEmpty() && LWTranslateToolTip(text)) {
          const CStringW translated(text);
          lstrcpynW(t_toolTipW, translated, 512);
          info->lpszText = t_toolTipW;
        }
      } else {
        NMTTDISPINFOA* info = reinterpret_cast<NMTTDISPINFOA*>(msg.lParam);
        have = ToolTipText(info, text, LoadStringA, LPSTR_TEXTCALLBACKA);
        if (have && !text.IsEmpty() && LWTranslateToolTip(text)) {
          const CStringA translated(text);
          lstrcpynA(t_toolTipA, translated, 512);
          info->lpszText = t_toolTipA;
        }
      }
      t_inToolTip = false;
      break;
    }
    case WM_SETTEXT: {
      if (t_inStatusText) break;
      t_inStatusText = true;
      if (LwvHasClass(msg.hwnd, _T("msctls_statusbar32"), _T("msctls_statusbar"))) {
        LPCTSTR p = reinterpret_cast<LPCTSTR>(msg.lParam);
        CString text(p ? p : _T(""));
        if (!text.IsEmpty() && LWTranslateStatusText(text)) ::SetWindowText(msg.hwnd, text);
      }
      t_inStatusText = false;
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
