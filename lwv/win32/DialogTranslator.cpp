#include "LwvWindows.h"

#include "DialogMatcher.h"
#include "LwvProgram.h"
#include "LwvLock.h"
#include "LwvSDK.h"
#include "StdButtonModel.h"
#include "TranslationManager.h"
#include "Win32Access.h"
#include "WindowLists.h"

#include "Wnd.h"

#include <commctrl.h>

namespace {

LwvSwitchDialogProc g_switchDialog = nullptr;
HWND g_lastSheet = nullptr;  // the sheet whose caption a page translated last

CTraNode* SectionOf(CTraFile* file, LPCTSTR name) {
  if (!file || !file->GetRootNode()) return nullptr;
  const CString path(name);
  return file->GetRootNode()->FindPath(&path, 1);
}

// Kept hashes are forgotten whenever a file is loaded or a switch retranslates.
void TranslateDialogFrom(HWND dialog, CTraNode* section, int mode, bool useIndex) {
  CLwvWin32Dialog access(dialog);
  CDialogMatcher matcher;
  matcher.Translate(access, section, useIndex);
  if (mode & 1) LwvTranslateSheetTexts(dialog, section);
}

}  // namespace

bool LwvHasClass(HWND wnd, LPCTSTR name, LPCTSTR other) {
  TCHAR cls[256] = {0};
  if (::GetClassName(wnd, cls, 256) <= 0) return false;
  return lstrcmpi(cls, name) == 0 || (other && lstrcmpi(cls, other) == 0);
}

void LwvSetSwitchDialogProc(LwvSwitchDialogProc proc) { g_switchDialog = proc; }

void LwvOpenSwitchDialog() {
  if (g_switchDialog)
    g_switchDialog();
  else
    LWSwitchDialog();
}

CTraNode* LwvCurrentSection(LPCTSTR name) {
  CTranslationManager* m = LwGetManager();
  return m ? SectionOf(m->GetCurrentFile(), name) : nullptr;
}

CTraNode* LwvLookupSection(LPCTSTR name) {
  CTranslationManager* m = LwGetManager();
  return m ? SectionOf(m->GetLookupFile(), name) : nullptr;
}

HWND LwvSheetTabControl(HWND dialog) {
  if (!dialog || !::IsWindow(dialog) || !LwvHasClass(dialog, _T("#32770"))) return nullptr;
  // A sheet and its pages share a thread; asking another thread's window
  // would send to it under the lock.
  if (::GetWindowThreadProcessId(dialog, nullptr) != ::GetCurrentThreadId()) return nullptr;
  HWND tab = reinterpret_cast<HWND>(::SendMessage(dialog, PSM_GETTABCONTROL, 0, 0));
  if (!tab || !::IsWindow(tab) || ::GetParent(tab) != dialog || !LwvHasClass(tab, WC_TABCONTROL)) return nullptr;
  return tab;
}

void LwvRetranslateSheetCaption(HWND sheet) {
  if (!sheet || sheet != g_lastSheet) return;
  CString caption = LwvGetWindowText(sheet);
  if (!caption.IsEmpty() && LWTranslateString(caption)) ::SetWindowText(sheet, caption);
}

void LwvTranslateSheetTexts(HWND page, CTraNode* section) {
  HWND sheet = ::GetParent(page);
  HWND tab = LwvSheetTabControl(sheet);
  if (!tab) return;
  g_lastSheet = sheet;
  LwvRetranslateSheetCaption(sheet);
  // The sheet's own buttons (OK, Cancel, Apply, Help; a wizard's Back, Next,
  // Finish) from the current file, so they follow a language switch too.
  CTranslationManager* m = LwGetManager();
  CStdButtonModel buttons;
  if (m && m->GetCurrentFile() && buttons.Classify(sheet))
    buttons.TranslateMessageBox(sheet, m->GetCurrentFile()->GetRootNode(), nullptr);
  const int count = static_cast<int>(::SendMessage(tab, TCM_GETITEMCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    TCHAR buffer[1024] = {0};
    TCITEM item;
    ZeroMemory(&item, sizeof(item));
    item.mask = TCIF_TEXT;
    item.pszText = buffer;
    item.cchTextMax = 1023;
    if (!::SendMessage(tab, TCM_GETITEM, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item))) continue;
    buffer[1023] = 0;
    const CString label(item.pszText ? item.pszText : buffer);
    CString text = label;
    bool found = false;
    for (int j = 0; section && j < section->GetChildCount() && !found; ++j) {
      const CTraNode* entry = section->GetChild(j);
      if (entry && entry->GetOriginal() == label) {
        text = entry->GetTranslation();
        found = true;
      }
    }
    if (!found) found = LWTranslateString(text) != FALSE;
    if (!found || text == label) continue;
    TCITEM set;
    ZeroMemory(&set, sizeof(set));
    set.mask = TCIF_TEXT;
    set.pszText = const_cast<LPTSTR>(static_cast<LPCTSTR>(text));
    ::SendMessage(tab, TCM_SETITEM, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&set));
  }
}

void LWTranslateDialog(HWND dialog, int mode) {
  CLwvLock lock;
  CTranslationManager* m = LwGetManager();
  if (!m || !m->GetCurrentFile() || !dialog || !::IsWindow(dialog)) return;
  TranslateDialogFrom(dialog, LwvCurrentSection(TRA_SECTION_DIALOGS), mode, true);
  if (m->GetDialogList()) m->GetDialogList()->Add(dialog, mode);
  LWTranslateMenu(dialog);
}

void LwvRetranslateDialogWindow(LwvWindow wnd, int mode) {
  HWND dialog = ToHwnd(wnd);
  if (::IsWindow(dialog)) TranslateDialogFrom(dialog, LwvLookupSection(TRA_SECTION_DIALOGS), mode, true);
}
