#include "StdDlgText.h"

namespace {

bool IsDigit(TCHAR c) { return c >= '0' && c <= '9'; }

bool IsNumericType(TCHAR t) { return t == 'd' || t == 'i' || t == 'u'; }

bool ValuesFit(const std::vector<LwConversion>& conv, LwFormatValues values) {
  switch (values) {
    case LWV_VALUES_NONE:
      return conv.empty();
    case LWV_VALUES_TEXT1:
      return conv.size() == 1 && conv[0].type == 's';
    case LWV_VALUES_NUM1:
      return conv.size() == 1 && IsNumericType(conv[0].type);
    case LWV_VALUES_NUM2:
      return conv.size() == 2 && IsNumericType(conv[0].type) && IsNumericType(conv[1].type);
  }
  return false;
}

// One piece of a format: a literal (with "%%" already folded) or a conversion.
struct Piece {
  bool conversion;
  CString text;  // literal text, or the whole conversion "%5d"
  TCHAR type;
};

bool SplitFormat(const CString& format, std::vector<Piece>& pieces) {
  pieces.clear();
  CString literal;
  int n = format.GetLength();
  for (int i = 0; i < n; ++i) {
    TCHAR c = format[i];
    if (c != '%') {
      literal += c;
      continue;
    }
    if (i + 1 < n && format[i + 1] == '%') {
      literal += TCHAR('%');
      ++i;
      continue;
    }
    int start = i++;
    while (i < n && (format[i] == '-' || format[i] == '+' || format[i] == ' ' || format[i] == '#' || format[i] == '0'))
      ++i;
    while (i < n && IsDigit(format[i])) ++i;
    if (i < n && format[i] == '$') return false;  // positional argument
    if (i < n && format[i] == '.') {
      ++i;
      while (i < n && IsDigit(format[i])) ++i;
    }
    if (i < n && format[i] == '*') return false;
    CString length;
    while (i < n && (format[i] == 'h' || format[i] == 'l')) length += format[i++];
    if (i >= n) return false;
    TCHAR t = format[i];
    if (!(IsNumericType(t) || t == 's')) return false;  // %n and everything unknown
    if (!literal.IsEmpty()) pieces.push_back({false, literal, 0});
    literal.Empty();
    pieces.push_back({true, format.Mid(start, i - start + 1), t});
  }
  if (!literal.IsEmpty()) pieces.push_back({false, literal, 0});
  return true;
}

}  // namespace

bool LwParseConversions(const CString& format, std::vector<LwConversion>& out) {
  out.clear();
  std::vector<Piece> pieces;
  if (!SplitFormat(format, pieces)) return false;
  for (const Piece& p : pieces) {
    if (!p.conversion) continue;
    LwConversion c;
    c.type = p.type;
    int len = p.text.GetLength();
    int k = len - 2;
    while (k >= 0 && (p.text[k] == 'h' || p.text[k] == 'l')) --k;
    c.length = p.text.Mid(k + 1, len - 2 - k);
    out.push_back(c);
  }
  return true;
}

bool LwSameConversions(const CString& original, const CString& translated) {
  std::vector<LwConversion> a, b;
  if (!LwParseConversions(original, a) || !LwParseConversions(translated, b)) return false;
  return a == b;
}

bool LwMatchFormat(const CString& format, const CString& live, LwFormatValues values,
                   std::vector<CString>& matched) {
  matched.clear();
  std::vector<LwConversion> conv;
  if (!LwParseConversions(format, conv) || !ValuesFit(conv, values)) return false;
  std::vector<Piece> pieces;
  SplitFormat(format, pieces);
  int pos = 0;
  int n = live.GetLength();
  for (size_t k = 0; k < pieces.size(); ++k) {
    const Piece& p = pieces[k];
    if (!p.conversion) {
      int len = p.text.GetLength();
      if (live.Mid(pos, len) != p.text) return false;
      pos += len;
      continue;
    }
    if (p.type == 's') {
      // The only conversion: the value is what the literals after it leave.
      int rest = 0;
      for (size_t j = k + 1; j < pieces.size(); ++j) rest += pieces[j].text.GetLength();
      int end = n - rest;
      if (end <= pos) return false;  // a value is never empty
      matched.push_back(live.Mid(pos, end - pos));
      pos = end;
    } else {
      int start = pos;
      if (pos < n && (live[pos] == '-' || live[pos] == '+')) ++pos;
      int digits = pos;
      while (pos < n && IsDigit(live[pos])) ++pos;
      if (pos == digits) return false;
      matched.push_back(live.Mid(start, pos - start));
    }
  }
  return pos == n;
}

CString LwChooseFormat(const CString& original, const CString& translated) {
  return LwSameConversions(original, translated) ? translated : original;
}

CString LwFormatOrAppend(const CString& format, const std::vector<LwFormatArg>& args, const TCHAR* separator) {
  CString text;
  if (LwFormatArgs(format, args, text)) return text;
  text = format;
  for (const LwFormatArg& arg : args) {
    CString value;
    if (arg.IsText())
      value = arg.Text();
    else
      value.Format(_T("%lld"), arg.Number());
    text += separator + value;
  }
  return text;
}

bool LwFormatArgs(const CString& format, const std::vector<LwFormatArg>& args, CString& out) {
  out.Empty();
  std::vector<Piece> pieces;
  if (!SplitFormat(format, pieces)) return false;
  CString text;
  size_t v = 0;
  for (const Piece& p : pieces) {
    if (!p.conversion) {
      text += p.text;
      continue;
    }
    if (v >= args.size() || args[v].IsText() != (p.type == 's')) return false;
    const LwFormatArg& arg = args[v++];
    // Flags, width and precision apply; the length modifier names the width
    // of the argument, which here is always the one passed below.
    CString spec = p.text;
    spec.Remove('h');
    spec.Remove('l');
    CString piece;
    if (p.type == 's')
      piece.Format(spec, static_cast<LPCTSTR>(arg.Text()));
    else if (p.type == 'u')
      piece.Format(spec, static_cast<unsigned>(arg.Number()));
    else
      piece.Format(spec, static_cast<int>(arg.Number()));
    text += piece;
  }
  if (v != args.size()) return false;
  out = text;
  return true;
}

CString LwFormatWithValues(const CString& translated, const std::vector<CString>& matched) {
  std::vector<LwConversion> conv;
  if (!LwParseConversions(translated, conv) || conv.size() != matched.size()) return CString();
  std::vector<LwFormatArg> args;
  for (size_t i = 0; i < conv.size(); ++i) {
    if (conv[i].type == 's')
      args.emplace_back(matched[i]);
    else
      args.emplace_back(lw::StrToL<TCHAR>(static_cast<LPCTSTR>(matched[i]), nullptr, 10));
  }
  CString out;
  LwFormatArgs(translated, args, out);
  return out;
}

bool LwTranslateDynamic(const CString& live, const CString& original, const CString& translated,
                        LwFormatValues values, CString& out) {
  if (original.IsEmpty() || translated.IsEmpty()) return false;
  if (values == LWV_VALUES_NONE) {
    if (live != original) return false;
    out = translated;
    return true;
  }
  if (!LwSameConversions(original, translated)) return false;
  std::vector<CString> matched;
  if (!LwMatchFormat(original, live, values, matched)) return false;
  out = LwFormatWithValues(translated, matched);
  return true;
}

int LwReplacePatterns(CString& text, const std::vector<CString>& patterns, const std::vector<CString>& replacements) {
  CString out;
  int count = 0;
  int n = text.GetLength();
  int pos = 0;
  while (pos < n) {
    int best = -1;
    int bestLen = 0;
    for (size_t k = 0; k < patterns.size() && k < replacements.size(); ++k) {
      int len = patterns[k].GetLength();
      if (len == 0 || len <= bestLen || pos + len > n) continue;
      if (text.Mid(pos, len) == patterns[k]) {
        best = static_cast<int>(k);
        bestLen = len;
      }
    }
    if (best < 0) {
      out += text[pos++];
      continue;
    }
    out += replacements[static_cast<size_t>(best)];
    pos += bestLen;
    ++count;
  }
  if (count) text = out;
  return count;
}
