// The C++ forms of Lingoweave's string functions for programs on the class
// library: a CString in, the translated CString out. Inline on top of the C
// functions of Lwv.h, so that they live in the program that calls them and
// no string object crosses into the runtime. Does not map CString.
#pragma once

#include "Framework.h"
#include "Lwv.h"

namespace lw {

// Asks fetch(buffer, size) for a text until it fits: fetch answers the full
// length, or -1 when there is none (text unchanged, false).
template <class Fetch>
bool FetchText(CStringT<TCHAR>& text, Fetch fetch) {
  int length = fetch(nullptr, 0);
  while (length >= 0) {
    CStringT<TCHAR> out;
    const int got = fetch(out.GetBufferSetLength(length), length + 1);
    if (got < 0) return false;
    if (got <= length) {  // a switch meanwhile may have changed it
      out.ReleaseBuffer(got);
      text = out;
      return true;
    }
    length = got;
  }
  return false;
}

inline BOOL TranslatePart(CStringT<TCHAR>& text, int part) {
  const CStringT<TCHAR> original(text);
  return FetchText(text, [&](LPTSTR buffer, int size) { return LWGetTranslation(original, part, buffer, size); })
             ? TRUE
             : FALSE;
}

}  // namespace lw

// Translate a string-table text in place (whole text, status-bar prompt
// part, tooltip part); FALSE and the text unchanged when there is nothing.
inline BOOL LWTranslateString(CStringT<TCHAR>& text) { return lw::TranslatePart(text, LW_PART_WHOLE); }
inline BOOL LWTranslateStatusText(CStringT<TCHAR>& text) { return lw::TranslatePart(text, LW_PART_PROMPT); }
inline BOOL LWTranslateToolTip(CStringT<TCHAR>& text) { return lw::TranslatePart(text, LW_PART_TIP); }

// Loads string id of the program's resources translated (the switch
// command's id yields its prompt and tip); TRUE when the library supplied
// the text. Without a text the string is left as it was.
inline BOOL LWLoadString(CStringT<TCHAR>& text, UINT id) {
#ifdef _WIN32
  HINSTANCE instance = AfxGetResourceHandle();
#else
  HINSTANCE instance = nullptr;
#endif
  BOOL translated = FALSE;
  lw::FetchText(text, [&](LPTSTR buffer, int size) {
    return LWLoadStringEx(instance, id, buffer, size, buffer ? &translated : nullptr);
  });
  return translated;
}
