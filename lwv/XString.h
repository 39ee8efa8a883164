// The translation-aware string: built from a string-table id, formatted with
// one or loaded from one, it holds the text of the current language file.
// Texts given as texts are never looked up.
#pragma once

#include "Framework.h"

class __X_CString : public CString {
 public:
  using CString::CStringT;
  __X_CString() = default;
  __X_CString(const __X_CString&) = default;
  __X_CString(__X_CString&&) noexcept = default;
  __X_CString(const CString& s) : CString(s) {}
  __X_CString(CString&& s) noexcept : CString(std::move(s)) {}
  // A value below 0x10000 is a string-table id: loaded and translated.
  __X_CString(const TCHAR* text);

  __X_CString& operator=(const __X_CString&) = default;
  __X_CString& operator=(__X_CString&&) noexcept = default;
  using CString::operator=;

  // Loads the text of a string-table id, translated; TRUE when there is one
  // (the switch command's texts need no resource).
  BOOL LoadString(UINT id);

  using CString::Format;
  // Formats with the translated text of a string-table id when its
  // conversions equal the original's, else with the original.
  void Format(UINT formatId, ...);
};
