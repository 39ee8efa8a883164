#include "EnglishTable.h"

#include <string>
#include <vector>

namespace {

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
bool IsUtf8(const std::string& s) {
  size_t i = 0;
  while (i < s.size()) {
    const unsigned char c = static_cast<unsigned char>(s[i]);
    int more;
    unsigned int code, least;
    if (c < 0x80) {
      ++i;
      continue;
    } else if ((c & 0xE0) == 0xC0) {
      more = 1, code = c & 0x1F, least = 0x80;
    } else if ((c & 0xF0) == 0xE0) {
      more = 2, code = c & 0x0F, least = 0x800;
    } else if ((c & 0xF8) == 0xF0) {
      more = 3, code = c & 0x07, least = 0x10000;
    } else {
      return false;
    }
    if (s.size() - i <= static_cast<size_t>(more)) return false;
    for (int k = 1; k <= more; ++k) {
      const unsigned char d = static_cast<unsigned char>(s[i + k]);
      if ((d & 0xC0) != 0x80) return false;
      code = (code << 6) | (d & 0x3F);
    }
    if (code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return false;
    i += more + 1;
  }
  return true;
}

// Resolves \t, \n and \\; false on any other backslash sequence.
bool Unescape(const std::string& in, std::string& out, std::string& bad) {
  out.clear();
  for (size_t i = 0; i < in.size(); ++i) {
    if (in[i] != '\\') {
      out += in[i];
      continue;
    }
    if (i + 1 == in.size()) {
      bad = "\\";
      return false;
    }
    const char next = in[++i];
    if (next == 't') {
      out += '\t';
    } else if (next == 'n') {
      out += '\n';
    } else if (next == '\\') {
      out += '\\';
    } else {
      bad = std::string("\\") + next;
      return false;
    }
  }
  return true;
}

CString FromUtf8(const std::string& s) {
  const lw::WString wide = lw::Widen(s, CP_UTF8);
  return CString(lw::FromWide(wide.data(), wide.size()).c_str());
}

// A table is a few hundred lines; anything this big is no table.
const ULONGLONG kMaxTableBytes = 16 * 1024 * 1024;

bool IsBlank(const std::string& line) { return line.find_first_not_of(" \t") == std::string::npos; }

CString LineError(int line, const CString& what) {
  CString text;
  text.Format(_T("line %d: "), line);
  return text + what;
}

}  // namespace

bool CEnglishTable::Parse(const BYTE* data, size_t size, CString& error) {
  std::string text(reinterpret_cast<const char*>(data), size);
  if (text.compare(0, 3, "\xEF\xBB\xBF") == 0) text.erase(0, 3);
  size_t start = 0;
  int number = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    start = end + 1;
    ++number;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (IsBlank(line) || line[0] == '#') continue;
    if (line.find('\0') != std::string::npos) {
      error = LineError(number, _T("holds a NUL byte"));
      return false;
    }
    if (!IsUtf8(line)) {
      error = LineError(number, _T("is not UTF-8"));
      return false;
    }
    const size_t tab = line.find('\t');
    if (tab == std::string::npos) {
      error = LineError(number, _T("has no tab between the original and the English text"));
      return false;
    }
    if (line.find('\t', tab + 1) != std::string::npos) {
      error = LineError(number, _T("has more than one tab (write a tab in a text as \\t)"));
      return false;
    }
    std::string original, english, bad;
    if (!Unescape(line.substr(0, tab), original, bad) || !Unescape(line.substr(tab + 1), english, bad)) {
      error = LineError(number, _T("has the unknown escape \"") + FromUtf8(bad) + _T("\" (known: \\t \\n \\\\)"));
      return false;
    }
    if (original.empty() || english.empty()) {
      error = LineError(number, original.empty() ? _T("has an empty original") : _T("has an empty English text"));
      return false;
    }
    const CString key = FromUtf8(original);
    const CString value = FromUtf8(english);
    auto found = m_entries.find(key);
    if (found != m_entries.end()) {
      if (found->second.english == value) continue;
      CString where;
      where.Format(_T("\" has another English text on line %d"), found->second.line);
      error = LineError(number, _T("\"") + FromUtf8(line.substr(0, tab)) + where);
      return false;
    }
    m_entries[key] = Entry{value, number};
  }
  return true;
}

bool CEnglishTable::Load(const CString& path, CString& error) {
  std::vector<BYTE> bytes;
  try {
    CFile file;
    if (!file.Open(path, CFile::modeRead | CFile::shareDenyWrite)) {
      error = _T("cannot read the English table ") + path;
      return false;
    }
    const ULONGLONG length = file.GetLength();
    if (length > kMaxTableBytes) {
      error = _T("the English table is too large: ") + path;
      return false;
    }
    bytes.resize(static_cast<size_t>(length));
    if (length && file.Read(bytes.data(), static_cast<UINT>(length)) != length) {
      error = _T("cannot read the English table ") + path;
      return false;
    }
  } catch (const CException&) {
    error = _T("cannot read the English table ") + path;
    return false;
  }
  if (Parse(bytes.data(), bytes.size(), error)) return true;
  error = path + _T(": ") + error;
  return false;
}

const CString* CEnglishTable::Find(const CString& original) const {
  auto found = m_entries.find(original);
  return found == m_entries.end() ? nullptr : &found->second.english;
}
