// Code-page conversion with the semantics of MultiByteToWideChar and
// WideCharToMultiByte. Natively CP_ACP is Windows-1252; CP_UTF8 and 28591
// (Latin-1) are known too. On Windows the system's functions are used.
#pragma once

#include "LwTypes.h"
#include <string>

#ifndef _WIN32
#define MB_ERR_INVALID_CHARS 0x08
#define WC_NO_BEST_FIT_CHARS 0x400
int MultiByteToWideChar(UINT codePage, DWORD flags, LPCSTR src, int srcLen, LPWSTR dst, int dstLen);
int WideCharToMultiByte(UINT codePage, DWORD flags, LPCWSTR src, int srcLen, LPSTR dst, int dstLen,
                        LPCSTR defaultChar, BOOL* usedDefault);
#endif

namespace lw {

typedef std::basic_string<WCHAR> WString;

// The code page is required in the pointer forms so that a call with two
// arguments cannot take the code page for a length.
WString Widen(const char* s, size_t len, UINT codePage);
std::string Narrow(const WCHAR* s, size_t len, UINT codePage);
inline WString Widen(const std::string& s, UINT cp = CP_ACP) { return Widen(s.data(), s.size(), cp); }
inline std::string Narrow(const WString& s, UINT cp = CP_ACP) { return Narrow(s.data(), s.size(), cp); }

// UTF-8 for host file names natively.
std::string ToUtf8(const WCHAR* s, size_t len);

// Conversions between the build's TCHAR and the two fixed widths.
std::basic_string<TCHAR> FromNarrow(const char* s, size_t len, UINT codePage = CP_ACP);
std::basic_string<TCHAR> FromWide(const WCHAR* s, size_t len);
std::string ToNarrow(const TCHAR* s, size_t len, UINT codePage = CP_ACP);
WString ToWide(const TCHAR* s, size_t len);

}  // namespace lw
