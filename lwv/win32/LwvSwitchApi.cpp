// The LW functions for flags, the in-memory dialog template and the
// language-switch dialog.
#include "LwvSwitchApi.h"

#include "Lwv.h"

#include "LwvLock.h"
#include "LwvMessage.h"
#include "LwvSwitchDlg.h"
#include "TranslationManager.h"

#include <cstring>

namespace {

HLOCAL WINAPI AllocWithSystem(UINT flags, SIZE_T bytes) { return ::LocalAlloc(flags, bytes); }

LwvTemplateAllocator g_allocate = AllocWithSystem;

// Size of the block a template is written into.
const SIZE_T kTemplateBytes = 1000;

void PutWord(BYTE*& p, WORD value) {
  std::memcpy(p, &value, sizeof(value));
  p += sizeof(value);
}

void PutDword(BYTE*& p, DWORD value) {
  std::memcpy(p, &value, sizeof(value));
  p += sizeof(value);
}

}  // namespace

LwvTemplateAllocator LwvSetTemplateAllocator(LwvTemplateAllocator allocator) {
  LwvTemplateAllocator previous = g_allocate;
  g_allocate = allocator ? allocator : AllocWithSystem;
  return previous;
}

extern "C" LPDLGTEMPLATE LWCreateDialogTemplate(int x, int y, int cx, int cy) {
  BYTE* block = static_cast<BYTE*>(g_allocate(LPTR, kTemplateBytes));
  if (!block) return nullptr;
  BYTE* p = block;
  PutDword(p, LWV_TEMPLATE_STYLE);
  PutDword(p, 0);  // extended style
  PutWord(p, 0);   // no controls
  for (int v : {x, y, cx, cy}) PutWord(p, static_cast<WORD>(static_cast<short>(v)));
  PutWord(p, 0);  // no menu
  PutWord(p, 0);  // default class
  PutWord(p, 0);  // empty title
  return reinterpret_cast<LPDLGTEMPLATE>(block);
}

extern "C" HBITMAP LWGetFlagBitmap(HDC dc) {
  CLwvLock lock;
  CTranslationManager* m = LwGetManager();
  return m ? m->GetFlagBitmap(dc) : nullptr;
}

extern "C" HBITMAP LWGetOtherFlagBitmap(LPCTSTR path, HDC dc) {
  std::shared_ptr<CTranslationManager> m = LwHoldManager();
  if (!m || !path) return nullptr;
  try {
    return m->GetOtherFlagBitmap(CString(path), dc);
  } catch (...) {
    return nullptr;
  }
}

// The dialog runs without the lock: the manager and the file its texts come
// from are held until it closes, whatever a switch or LWEnd does meanwhile.
extern "C" void LWSwitchDialog(void) {
  std::shared_ptr<CTranslationManager> m = LwHoldManager();
  if (!m) return;
  std::shared_ptr<CTraFile> file;
  CTraNode* entry;
  CString path;
  {
    CLwvLock lock;
    file = m->ShareCurrentFile();
    entry = m->FindSwitchDialogNode();
    path = m->GetCurrentPath();
  }
  if (!entry) {
    CString message;
    message.Format(LWV_MSG_NO_SWITCH_DIALOG, (LPCTSTR)path);
    LwvShowMessage(message);
    return;
  }
  const LW_STARTPARAMS* p = m->GetParams();
  CLwvSwitchDlg dialog(p->szTraPath, p->bSwitchDlgAllowOld, p->nSwitchDlgHelpID != 0,
                       static_cast<int>(p->nSwitchDlgHelpID), entry);
  dialog.Run();
}

extern "C" void LWShowSwitchDialogEx(LPCTSTR caption, LPCTSTR listLabel, LPCTSTR ok, LPCTSTR cancel, LPCTSTR help,
                                     LPCTSTR versionPrefix, LPCTSTR warning, LPCTSTR failure) {
  std::shared_ptr<CTranslationManager> m = LwHoldManager();
  if (!m) return;
  const LW_STARTPARAMS* p = m->GetParams();
  CLwvSwitchDlg dialog(p->szTraPath, p->bSwitchDlgAllowOld, p->nSwitchDlgHelpID != 0,
                       static_cast<int>(p->nSwitchDlgHelpID), caption, listLabel, ok, cancel, help, versionPrefix,
                       warning, failure);
  dialog.Run();
}
