// Window-free printf-format logic: conversion sequences, whether a
// translated format may stand in for its original, formatting with checked
// arguments; and for the common-dialog live-text handlers matching a live
// text against a format and replacing several patterns. Loads no text.
#pragma once

#include "Framework.h"

#include <type_traits>
#include <vector>

// One conversion of a printf format, e.g. "%-5ld" -> type 'd', length "l".
struct LwConversion {
  TCHAR type;
  CString length;
  bool operator==(const LwConversion& o) const { return type == o.type && length == o.length; }
};

// Parses the conversions of format. False for anything this code does not
// handle safely: %n, '*' widths, positional arguments, unknown or unfinished
// conversions. "%%" is no conversion.
bool LwParseConversions(const CString& format, std::vector<LwConversion>& out);

// Whether a translated format may stand in for the original: both parse and
// have the same conversions in the same order.
bool LwSameConversions(const CString& original, const CString& translated);

// The format to use for a translation: the translation when its conversions
// equal the original's, else the original.
CString LwChooseFormat(const CString& original, const CString& translated);

// One argument of a checked format: a text (for %s) or a whole number (for
// %d, %i, %u).
class LwFormatArg {
 public:
  LwFormatArg(const CString& text) : m_text(text), m_isText(true) {}
  LwFormatArg(const TCHAR* text) : m_text(text ? text : _T("")), m_isText(true) {}
  template <class N, class = typename std::enable_if<std::is_integral<N>::value || std::is_enum<N>::value>::type>
  LwFormatArg(N number) : m_number(static_cast<long long>(number)) {}

  bool IsText() const { return m_isText; }
  const CString& Text() const { return m_text; }
  long long Number() const { return m_number; }

 private:
  CString m_text;
  long long m_number = 0;
  bool m_isText = false;
};

// Formats format with args. False (out empty) unless the format parses and
// its conversions take exactly these arguments, in kind and number; so no
// format ever reads past or beside its arguments.
bool LwFormatArgs(const CString& format, const std::vector<LwFormatArg>& args, CString& out);
// format filled with args when its conversions take them, else format as it
// stands with each value after a separator (numbers in decimal).
CString LwFormatOrAppend(const CString& format, const std::vector<LwFormatArg>& args, const TCHAR* separator);

// What the values of a comdlg32 format are.
enum LwFormatValues {
  LWV_VALUES_NONE = 0,  // a fixed text: the live text must equal the format
  LWV_VALUES_TEXT1,     // one text (%s)
  LWV_VALUES_NUM1,      // one number
  LWV_VALUES_NUM2       // two numbers
};

// Matches live text against format (whose conversions must fit values) and
// returns the matched values as texts. The literal parts must appear exactly;
// a text value takes what lies between them, a number takes an optional sign
// and digits. Every character of the live text must be accounted for.
bool LwMatchFormat(const CString& format, const CString& live, LwFormatValues values,
                   std::vector<CString>& matched);

// Formats the translated format with matched values; its conversions must fit
// values (checked by the caller with LwSameConversions).
CString LwFormatWithValues(const CString& translated, const std::vector<CString>& matched);

// The out text for a live text: with values, the live text is matched
// against original and translated is formatted with the values, only when the
// two formats have the same conversions (never %n); without values the live
// text must equal original and the out text is translated. An empty original
// or translation never matches.
bool LwTranslateDynamic(const CString& live, const CString& original, const CString& translated,
                        LwFormatValues values, CString& out);

// Replaces, in one pass from left to right, each occurrence of a pattern by
// its replacement (the longest pattern wins at a position; replaced text is
// not searched again). Empty patterns are skipped. Returns the count.
int LwReplacePatterns(CString& text, const std::vector<CString>& patterns, const std::vector<CString>& replacements);
