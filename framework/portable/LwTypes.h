// Basic Windows types and the TCHAR model. On Windows they come from the
// system headers; natively they are defined here with the same sizes.
#pragma once

#include <cstddef>
#include <cstdint>

#ifdef _WIN32
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#include <tchar.h>
#else

#ifdef _UNICODE
typedef char16_t TCHAR;
#define __LW_T(x) u##x
#else
typedef char TCHAR;
#define __LW_T(x) x
#endif
#define _T(x) __LW_T(x)
#define TEXT(x) __LW_T(x)

typedef char16_t WCHAR;
typedef char CHAR;
typedef int BOOL;
typedef unsigned char BYTE;
typedef unsigned short WORD;
typedef uint32_t DWORD;
typedef int32_t LONG;
typedef uint32_t ULONG;
typedef unsigned int UINT;
typedef int INT;
typedef short SHORT;
typedef unsigned short USHORT;
typedef long long LONGLONG;
typedef unsigned long long ULONGLONG;
typedef intptr_t INT_PTR;
typedef uintptr_t UINT_PTR;
typedef intptr_t LONG_PTR;
typedef uintptr_t ULONG_PTR;
typedef uintptr_t DWORD_PTR;
typedef DWORD COLORREF;
typedef WORD LANGID;
typedef void* LPVOID;
typedef const void* LPCVOID;
typedef BYTE* LPBYTE;
typedef CHAR* LPSTR;
typedef const CHAR* LPCSTR;
typedef WCHAR* LPWSTR;
typedef const WCHAR* LPCWSTR;
typedef TCHAR* LPTSTR;
typedef const TCHAR* LPCTSTR;
typedef UINT_PTR WPARAM;
typedef LONG_PTR LPARAM;
typedef LONG_PTR LRESULT;
typedef DWORD* LPDWORD;
typedef void* HANDLE;
typedef void* HINSTANCE;

#ifndef TRUE
#define TRUE 1
#define FALSE 0
#endif
#define MAX_PATH 260

struct tagRECT { LONG left, top, right, bottom; };
typedef tagRECT RECT;
typedef RECT* LPRECT;
typedef const RECT* LPCRECT;
struct tagPOINT { LONG x, y; };
typedef tagPOINT POINT;
typedef POINT* LPPOINT;
struct tagSIZE { LONG cx, cy; };
typedef tagSIZE SIZE;
typedef SIZE* LPSIZE;

#define MAKEWORD(a, b) ((WORD)(((BYTE)((a) & 0xff)) | ((WORD)((BYTE)((b) & 0xff))) << 8))
#define MAKELONG(a, b) ((LONG)(((WORD)((a) & 0xffff)) | ((DWORD)((WORD)((b) & 0xffff))) << 16))
#define LOWORD(l) ((WORD)((l) & 0xffff))
#define HIWORD(l) ((WORD)(((l) >> 16) & 0xffff))
#define LOBYTE(w) ((BYTE)((w) & 0xff))
#define HIBYTE(w) ((BYTE)(((w) >> 8) & 0xff))
#define RGB(r, g, b) ((COLORREF)(((BYTE)(r) | ((WORD)((BYTE)(g)) << 8)) | (((DWORD)(BYTE)(b)) << 16)))
#define GetRValue(rgb) (LOBYTE(rgb))
#define GetGValue(rgb) (LOBYTE(((WORD)(rgb)) >> 8))
#define GetBValue(rgb) (LOBYTE((rgb) >> 16))
#define MAKELANGID(p, s) ((((WORD)(s)) << 10) | (WORD)(p))
#define PRIMARYLANGID(lgid) ((WORD)(lgid) & 0x3ff)
#define SUBLANGID(lgid) ((WORD)(lgid) >> 10)
#define MAKEINTRESOURCE(i) ((LPTSTR)((ULONG_PTR)((WORD)(i))))
#define IS_INTRESOURCE(p) ((((ULONG_PTR)(p)) >> 16) == 0)

#define CP_ACP 0
#define CP_OEMCP 1
#define CP_UTF8 65001

#endif  // _WIN32

// A 16-bit literal in either build: L"" on Windows, u"" natively.
#ifdef _WIN32
#define __LW_W(x) L##x
#else
#define __LW_W(x) u##x
#endif
#define LW_WSTR(x) __LW_W(x)

// The other width of the build, for explicit conversions.
#ifdef _UNICODE
typedef char LW_OTHERCHAR;
#else
typedef WCHAR LW_OTHERCHAR;
#endif

#ifndef ASSERT
#include <cassert>
#define ASSERT(x) assert(x)
#endif
#ifndef VERIFY
#define VERIFY(x) ((void)(x))
#endif
#ifndef TRACE
#define TRACE(...) ((void)0)
#endif
