// Base of every item of a resource script: it parses itself from the token
// list and builds its part of the language-file tree.
#pragma once

#include "ResProblemLog.h"
#include "SourceTokenList.h"
#include "TraNode.h"

// The suffixes of integer literals: U and L or LL, in any case and order.
bool ResIsNumberSuffix(const CString& text);

// What Parse returns for a statement that cannot be read.
const int kResParseFailed = -99;

class CResItem {
 public:
  virtual ~CResItem() = default;
  // Parses one statement from start; the position after it, or kResParseFailed.
  virtual int Parse(const CSourceTokenList* list, int start, CResProblemLog& log) = 0;
  // The node kind the item stands for.
  virtual int GetKind() const = 0;
  // The item's node with its children, or null; the caller adds it to parent.
  virtual CTraNode* CreateNode(CTraNode* parent) = 0;

  int GetPosition() const { return m_pos; }

  // Statement routines on the token at the position; each advances the
  // position past what it accepts.
  bool ExpectComma();
  bool ParseInteger(int& value);
  bool ParseIdOrText(CString& text);
  void SkipMemoryFlags(CString& text);
  bool ParseFlagText(CString& text);
  // Names and numbers OR-ed into value, "NOT" clears bits; never fails.
  void ParseStyle(DWORD& value);

  // Header options: false when the token is not the keyword. A malformed
  // value leaves the position behind the keyword.
  bool ParseFlagOption(const TCHAR* keyword, CString& text);
  bool ParseLanguageOption(CString& language, CString& sublanguage);

 protected:
  void Begin(const CSourceTokenList* list, int start) {
    m_list = list;
    m_pos = start;
  }
  const CString& Text(int at) const { return m_list->GetText(at); }
  const CString& Text() const { return m_list->GetText(m_pos); }
  int Kind(int at) const { return m_list->GetKind(at); }
  int Kind() const { return m_list->GetKind(m_pos); }
  bool Is(const TCHAR* text) const { return m_list->GetText(m_pos) == text; }
  bool AtEnd() const { return m_pos >= m_list->GetCount() || m_pos < 0; }
  bool IsOpen() const { return Is(_T("BEGIN")) || Is(_T("{")); }
  bool IsClose() const { return Is(_T("END")) || Is(_T("}")); }
  // An identifier that continues a "0" into a hexadecimal number.
  bool IsHexTail(int at) const;
  // An identifier that is the suffix (L, U, UL, ...) of the decimal number
  // before it, a token of its own.
  bool IsNumberSuffix(int at) const { return Kind(at) == kTokenIdentifier && ResIsNumberSuffix(Text(at)); }
  // How many tokens the number at at is made of: 0 for none, 2 for a
  // hexadecimal number (0 and its tail) or a decimal one with a suffix.
  int NumberTokens(int at) const;

  const CSourceTokenList* m_list = nullptr;
  int m_pos = 0;
};

// Conversions with the 32-bit saturation of the Windows C library, the same
// on every platform: signed decimal, and unsigned with base 0 (0x hex,
// leading 0 octal).
LONG ResTextToLong(const CString& text);
DWORD ResTextToULong(const CString& text);

// The rectangle x, y, x + cx, y + cy, the sums held within 32 bits.
RECT ResRect(int x, int y, int cx, int cy);

// Base of the items that keep children with a fixed capacity.
class CResContainer : public CResItem {};
