// The end-to-end steps' shared work folder (a Wine path) and the names of the
// files the steps hand on to each other. Paths only; no step logic.
#pragma once

#include <tchar.h>

#ifndef LW_E2E_WORK
#error "LW_E2E_WORK must name the work folder"
#endif

namespace e2e {

// The folder as Windows sees it, with a trailing backslash.
inline const TCHAR* WorkFolder() {
  static TCHAR folder[260] = {0};
  if (!folder[0]) {
    const TCHAR* source = _T("Z:") _T(LW_E2E_WORK);
    size_t i = 0;
    for (; source[i] && i + 2 < 260; ++i) folder[i] = source[i] == _T('/') ? _T('\\') : source[i];
    folder[i++] = _T('\\');
    folder[i] = 0;
  }
  return folder;
}

const TCHAR kScript[] = _T("Sample.rc");
const TCHAR kProject[] = _T("Sample.lwp");
const TCHAR kOriginal[] = _T("Sample.tra");
const TCHAR kTestFile[] = _T("Sample_test.tra");
const TCHAR kEnglish[] = _T("SampleEN.tra");

// What the rescan changes in the work folder's Sample.rc: a menu item's text
// (before, after) and a new dialog (its caption and its one text).
const TCHAR kChangedTextBefore[] = _T("&Farbe...");
const TCHAR kChangedTextAfter[] = _T("&Farbe einstellen...");
const TCHAR kNewDialogCaption[] = _T("Notiz");
const TCHAR kNewDialogText[] = _T("&Notiz zum Eintrag:");

}  // namespace e2e
