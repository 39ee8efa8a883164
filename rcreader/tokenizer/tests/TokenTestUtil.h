// Helpers for tokenizer tests: scripts from 8-bit literals.
#pragma once

#include "SourceTokenList.h"

#include <string>
#include <vector>

namespace lwtest {

inline const BYTE* Bytes(const std::string& s) { return reinterpret_cast<const BYTE*>(s.data()); }

inline CString T(const char* s) { return CString(CStringA(s)); }

// The texts of all tokens, each followed by "|".
inline CStringA Texts(const CSourceTokenList& list) {
  CStringA out;
  for (int i = 0; i < list.GetCount(); ++i) {
    out += CStringA(list.GetText(i));
    out += "|";
  }
  return out;
}

inline CStringA Kinds(const CSourceTokenList& list) {
  CStringA out;
  for (int i = 0; i < list.GetCount(); ++i) out.AppendChar(static_cast<char>('0' + list.GetKind(i)));
  return out;
}

}  // namespace lwtest
