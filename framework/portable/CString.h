// CString: the class library's text class, in the build's width (CString),
// or fixed 8-bit (CStringA) and 16-bit (CStringW). Conversions between the
// widths go through the system code page.
#pragma once

#include "CodePage.h"
#include "Format.h"
#include "LwChars.h"

#include <cstdarg>
#include <functional>
#include <string>

template <class Ch>
class CStringT {
 public:
  typedef Ch XCHAR;
  typedef std::conditional_t<std::is_same<Ch, char>::value, WCHAR, char> YCHAR;
  typedef const Ch* PCXSTR;
  typedef std::basic_string<Ch> StdString;

  CStringT() = default;
  CStringT(const CStringT&) = default;
  CStringT(CStringT&&) noexcept = default;
  CStringT(const Ch* s) { Assign(s); }
  CStringT(const YCHAR* s) { AssignOther(s, s ? lw::StrLen(s) : 0); }
  CStringT(const Ch* s, int length) : m_s(s ? s : EmptyChars(), s && length > 0 ? static_cast<size_t>(length) : 0) {}
  CStringT(Ch c, int repeat = 1) : m_s(repeat > 0 ? static_cast<size_t>(repeat) : 0, c) {}
  CStringT(const StdString& s) : m_s(s) {}
  CStringT(StdString&& s) : m_s(std::move(s)) {}
  CStringT(const CStringT<YCHAR>& other) { AssignOther(other.GetString(), static_cast<size_t>(other.GetLength())); }

  CStringT& operator=(const CStringT&) = default;
  CStringT& operator=(CStringT&&) noexcept = default;
  CStringT& operator=(const Ch* s) { Assign(s); return *this; }
  CStringT& operator=(const YCHAR* s) { AssignOther(s, s ? lw::StrLen(s) : 0); return *this; }
  CStringT& operator=(Ch c) { m_s.assign(1, c); return *this; }
  CStringT& operator=(const CStringT<YCHAR>& o) { AssignOther(o.GetString(), static_cast<size_t>(o.GetLength())); return *this; }

  int GetLength() const { return static_cast<int>(m_s.size()); }
  bool IsEmpty() const { return m_s.empty(); }
  void Empty() { m_s.clear(); }
  const Ch* GetString() const { return m_s.c_str(); }
  operator const Ch*() const { return m_s.c_str(); }
  const StdString& Std() const { return m_s; }
  StdString& Std() { return m_s; }

  Ch GetAt(int i) const { return InRange(i) ? m_s[static_cast<size_t>(i)] : Ch(0); }
  Ch operator[](int i) const { return GetAt(i); }
  void SetAt(int i, Ch c) { if (InRange(i)) m_s[static_cast<size_t>(i)] = c; }

  // Direct buffer access: at least minLength characters plus a terminator.
  Ch* GetBuffer(int minLength = 0) {
    if (minLength > GetLength()) m_s.resize(static_cast<size_t>(minLength));
    return &m_s[0];
  }
  Ch* GetBufferSetLength(int length) {
    m_s.resize(length > 0 ? static_cast<size_t>(length) : 0);
    return &m_s[0];
  }
  void ReleaseBuffer(int newLength = -1) {
    if (newLength < 0) m_s.resize(lw::StrLen(m_s.c_str()));
    else if (static_cast<size_t>(newLength) <= m_s.size()) m_s.resize(static_cast<size_t>(newLength));
  }
  void ReleaseBufferSetLength(int n) { ReleaseBuffer(n); }
  void Preallocate(int n) { if (n > 0) m_s.reserve(static_cast<size_t>(n)); }
  void FreeExtra() { m_s.shrink_to_fit(); }

  CStringT& operator+=(const CStringT& s) { m_s += s.m_s; return *this; }
  CStringT& operator+=(const Ch* s) { if (s) m_s += s; return *this; }
  CStringT& operator+=(Ch c) { m_s.push_back(c); return *this; }
  CStringT& operator+=(const YCHAR* s) { return *this += CStringT(s); }
  void Append(const Ch* s, int n) { if (s && n > 0) m_s.append(s, static_cast<size_t>(n)); }
  void Append(const Ch* s) { *this += s; }
  void AppendChar(Ch c) { m_s.push_back(c); }

  int Compare(const Ch* s) const { return lw::StrCmp(GetString(), s ? s : EmptyChars()); }
  int CompareNoCase(const Ch* s) const { return lw::StrICmp(GetString(), s ? s : EmptyChars()); }
  int Collate(const Ch* s) const { return Compare(s); }
  int CollateNoCase(const Ch* s) const { return CompareNoCase(s); }

  CStringT Mid(int first) const { return Mid(first, GetLength()); }
  CStringT Mid(int first, int count) const {
    if (first < 0) first = 0;
    if (count < 0) count = 0;
    if (first >= GetLength()) return CStringT();
    return CStringT(m_s.substr(static_cast<size_t>(first), static_cast<size_t>(count)));
  }
  CStringT Left(int count) const { return Mid(0, count); }
  CStringT Right(int count) const {
    if (count <= 0) return CStringT();
    if (count >= GetLength()) return *this;
    return CStringT(m_s.substr(m_s.size() - static_cast<size_t>(count)));
  }
  CStringT SpanIncluding(const Ch* set) const {
    size_t n = 0;
    while (n < m_s.size() && set && lw::StrChr(set, lw::CharCode(m_s[n])) && m_s[n]) ++n;
    return Left(static_cast<int>(n));
  }
  CStringT SpanExcluding(const Ch* set) const {
    size_t n = 0;
    while (n < m_s.size() && !(set && lw::StrChr(set, lw::CharCode(m_s[n])))) ++n;
    return Left(static_cast<int>(n));
  }

  int Find(Ch c, int start = 0) const {
    if (start < 0) start = 0;
    size_t pos = m_s.find(c, static_cast<size_t>(start));
    return pos == StdString::npos ? -1 : static_cast<int>(pos);
  }
  int Find(const Ch* sub, int start = 0) const {
    if (!sub || start < 0 || start > GetLength()) return -1;
    size_t pos = m_s.find(sub, static_cast<size_t>(start));
    return pos == StdString::npos ? -1 : static_cast<int>(pos);
  }
  int ReverseFind(Ch c) const {
    size_t pos = m_s.rfind(c);
    return pos == StdString::npos ? -1 : static_cast<int>(pos);
  }
  int FindOneOf(const Ch* set) const {
    if (!set) return -1;
    size_t pos = m_s.find_first_of(set);
    return pos == StdString::npos ? -1 : static_cast<int>(pos);
  }

  // Replaces every occurrence; an empty needle replaces nothing.
  int Replace(const Ch* oldText, const Ch* newText) {
    size_t oldLen = lw::StrLen(oldText);
    if (!oldLen) return 0;
    StdString repl = newText ? newText : EmptyChars();
    StdString out;
    int count = 0;
    size_t pos = 0;
    for (;;) {
      size_t hit = m_s.find(oldText, pos, oldLen);
      if (hit == StdString::npos) break;
      out.append(m_s, pos, hit - pos);
      out += repl;
      pos = hit + oldLen;
      ++count;
    }
    if (count) {
      out.append(m_s, pos, StdString::npos);
      m_s.swap(out);
    }
    return count;
  }
  int Replace(Ch oldChar, Ch newChar) {
    int count = 0;
    for (auto& c : m_s)
      if (c == oldChar) { c = newChar; ++count; }
    return count;
  }
  int Remove(Ch c) {
    size_t before = m_s.size();
    StdString out;
    for (Ch x : m_s)
      if (x != c) out.push_back(x);
    m_s.swap(out);
    return static_cast<int>(before - m_s.size());
  }
  int Insert(int index, Ch c) { return Insert(index, CStringT(c).GetString()); }
  int Insert(int index, const Ch* s) {
    if (index < 0) index = 0;
    if (index > GetLength()) index = GetLength();
    if (s) m_s.insert(static_cast<size_t>(index), s);
    return GetLength();
  }
  int Delete(int index, int count = 1) {
    if (index < 0) index = 0;
    if (count > 0 && index < GetLength()) m_s.erase(static_cast<size_t>(index), static_cast<size_t>(count));
    return GetLength();
  }

  CStringT& MakeUpper() { for (auto& c : m_s) c = static_cast<Ch>(lw::FoldUpper(lw::CharCode(c))); return *this; }
  CStringT& MakeLower() { for (auto& c : m_s) c = static_cast<Ch>(lw::FoldLower(lw::CharCode(c))); return *this; }
  CStringT& MakeReverse() { StdString r(m_s.rbegin(), m_s.rend()); m_s.swap(r); return *this; }

  CStringT& TrimLeft() { return TrimLeftIf([](Ch c) { return lw::IsSpace(lw::CharCode(c)); }); }
  CStringT& TrimRight() { return TrimRightIf([](Ch c) { return lw::IsSpace(lw::CharCode(c)); }); }
  CStringT& Trim() { TrimRight(); return TrimLeft(); }
  CStringT& TrimLeft(Ch t) { return TrimLeftIf([t](Ch c) { return c == t; }); }
  CStringT& TrimRight(Ch t) { return TrimRightIf([t](Ch c) { return c == t; }); }
  CStringT& TrimLeft(const Ch* set) { return TrimLeftIf([set](Ch c) { return set && c && lw::StrChr(set, lw::CharCode(c)); }); }
  CStringT& TrimRight(const Ch* set) { return TrimRightIf([set](Ch c) { return set && c && lw::StrChr(set, lw::CharCode(c)); }); }
  CStringT& Trim(const Ch* set) { TrimRight(set); return TrimLeft(set); }

  // Next token delimited by any of set, starting at pos; pos becomes -1 at the end.
  CStringT Tokenize(const Ch* set, int& pos) const {
    if (pos < 0) return CStringT();
    size_t p = static_cast<size_t>(pos);
    size_t start = set ? m_s.find_first_not_of(set, p) : p;
    if (start == StdString::npos || start >= m_s.size()) { pos = -1; return CStringT(); }
    size_t end = set ? m_s.find_first_of(set, start) : StdString::npos;
    if (end == StdString::npos) end = m_s.size();
    pos = static_cast<int>(end + 1);
    return CStringT(m_s.substr(start, end - start));
  }

  void Format(const Ch* format, ...) {
    va_list ap;
    va_start(ap, format);
    FormatV(format, ap);
    va_end(ap);
  }
  void FormatV(const Ch* format, va_list ap) {
    StdString out;
    lw::FormatAppendV(out, format, ap);
    m_s.swap(out);
  }
  void AppendFormat(const Ch* format, ...) {
    va_list ap;
    va_start(ap, format);
    lw::FormatAppendV(m_s, format, ap);
    va_end(ap);
  }

  // Loads a string-table text; false (and empty) when the id has none.
  BOOL LoadString(UINT id);
#ifdef _WIN32
  // The same from the resources of a given module.
  BOOL LoadString(HINSTANCE instance, UINT id);
#endif

  friend CStringT operator+(const CStringT& a, const CStringT& b) { CStringT r(a); r += b; return r; }
  friend CStringT operator+(const CStringT& a, const Ch* b) { CStringT r(a); r += b; return r; }
  friend CStringT operator+(const Ch* a, const CStringT& b) { CStringT r(a); r += b; return r; }
  friend CStringT operator+(const CStringT& a, Ch b) { CStringT r(a); r += b; return r; }
  friend CStringT operator+(Ch a, const CStringT& b) { CStringT r(a); r += b; return r; }

  friend bool operator==(const CStringT& a, const CStringT& b) { return a.m_s == b.m_s; }
  friend bool operator==(const CStringT& a, const Ch* b) { return a.Compare(b) == 0; }
  friend bool operator==(const Ch* a, const CStringT& b) { return b.Compare(a) == 0; }
  friend bool operator!=(const CStringT& a, const CStringT& b) { return a.m_s != b.m_s; }
  friend bool operator!=(const CStringT& a, const Ch* b) { return a.Compare(b) != 0; }
  friend bool operator!=(const Ch* a, const CStringT& b) { return b.Compare(a) != 0; }
  friend bool operator<(const CStringT& a, const CStringT& b) { return a.Compare(b) < 0; }
  friend bool operator>(const CStringT& a, const CStringT& b) { return a.Compare(b) > 0; }
  friend bool operator<=(const CStringT& a, const CStringT& b) { return a.Compare(b) <= 0; }
  friend bool operator>=(const CStringT& a, const CStringT& b) { return a.Compare(b) >= 0; }

 private:
  static const Ch* EmptyChars() {
    static const Ch empty[1] = {0};
    return empty;
  }
  bool InRange(int i) const { return i >= 0 && i < GetLength(); }
  void Assign(const Ch* s) {
    if (!s) m_s.clear();
    else if (IS_INTRESOURCE(s)) LoadString(LOWORD(reinterpret_cast<ULONG_PTR>(s)));  // a string id
    else m_s.assign(s);
  }
  void AssignOther(const YCHAR* s, size_t len);
  BOOL AssignLoaded(BOOL found, const lw::WString& text) {
    if constexpr (std::is_same<Ch, char>::value) m_s = lw::Narrow(text, CP_ACP);
    else m_s.assign(text.begin(), text.end());
    return found;
  }
  template <class Pred>
  CStringT& TrimLeftIf(Pred p) {
    size_t n = 0;
    while (n < m_s.size() && p(m_s[n])) ++n;
    m_s.erase(0, n);
    return *this;
  }
  template <class Pred>
  CStringT& TrimRightIf(Pred p) {
    size_t n = m_s.size();
    while (n > 0 && p(m_s[n - 1])) --n;
    m_s.resize(n);
    return *this;
  }

  StdString m_s;
};

template <>
inline void CStringT<char>::AssignOther(const WCHAR* s, size_t len) { m_s = lw::Narrow(s, len, CP_ACP); }
template <>
inline void CStringT<WCHAR>::AssignOther(const char* s, size_t len) { m_s = lw::Widen(s, len, CP_ACP); }

typedef CStringT<TCHAR> CString;

namespace lw {
// A string from UTF-8 text, and a string's UTF-8 bytes (command lines,
// console output, texts written in the source as UTF-8). Both go through
// UTF-16, so an ANSI string holds its code page's characters, not the bytes.
inline CString FromUtf8(const char* text) {
  return CString(Widen(text, std::char_traits<char>::length(text), CP_UTF8).c_str());
}
inline std::string ToUtf8(const CString& text) {
  const WString wide = ToWide(text.GetString(), static_cast<size_t>(text.GetLength()));
  return Narrow(wide.data(), wide.size(), CP_UTF8);
}
}  // namespace lw
typedef CStringT<char> CStringA;
typedef CStringT<WCHAR> CStringW;

namespace std {
template <class Ch>
struct hash<CStringT<Ch>> {
  size_t operator()(const CStringT<Ch>& s) const { return hash<basic_string<Ch>>()(s.Std()); }
};
}  // namespace std

namespace lw {
// String-table texts: on Windows from the resource module, natively from a
// table that tests fill.
BOOL LoadStringW16(UINT id, WString& out);
#ifdef _WIN32
BOOL LoadStringW16(HINSTANCE instance, UINT id, WString& out);
#endif
void SetNativeString(UINT id, const WCHAR* text);
void ClearNativeStrings();
}  // namespace lw

template <class Ch>
BOOL CStringT<Ch>::LoadString(UINT id) {
  lw::WString w;
  const BOOL found = lw::LoadStringW16(id, w);
  return AssignLoaded(found, w);
}
#ifdef _WIN32
template <class Ch>
BOOL CStringT<Ch>::LoadString(HINSTANCE instance, UINT id) {
  lw::WString w;
  const BOOL found = lw::LoadStringW16(instance, id, w);
  return AssignLoaded(found, w);
}
#endif
