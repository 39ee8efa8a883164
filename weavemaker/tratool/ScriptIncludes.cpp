#include "ScriptIncludes.h"

#include "ScriptText.h"

#include <set>

namespace {

const int kMaxDepth = 32;

bool IsBlank(TCHAR c) { return c == ' ' || c == '\t'; }

}  // namespace

bool IsHeaderName(const CString& path) {
  CString name = lw::NameOf(path);
  const int dot = name.ReverseFind(_T('.'));
  if (dot < 0) return false;
  CString ext = name.Mid(dot + 1);
  ext.MakeLower();
  return ext == _T("h") || ext == _T("hh") || ext == _T("hpp") || ext == _T("hxx");
}

namespace {

bool IsAbsolute(const CString& path) {
  return (!path.IsEmpty() && (path[0] == _T('/') || path[0] == _T('\\'))) ||
         (path.GetLength() >= 2 && path[1] == _T(':'));
}

bool Exists(const CString& path) {
  CFileStatus status;
  return CFile::GetStatus(path, status) != FALSE;
}

bool ReadText(const CString& path, CString& text) {
  try {
    CFile file;
    if (!file.Open(path, CFile::modeRead | CFile::shareDenyWrite)) return false;
    const ULONGLONG length = file.GetLength();
    if (length > 64 * 1024 * 1024) return false;
    std::vector<BYTE> bytes(static_cast<size_t>(length));
    if (length && file.Read(bytes.data(), static_cast<UINT>(length)) != length) return false;
    text = lw::DecodeScriptText(bytes.data(), bytes.size()).c_str();
    return true;
  } catch (const CException&) {
    return false;
  }
}

class CCollector {
 public:
  CCollector(const std::vector<CString>& folders, ScriptIncludes& out) : m_folders(folders), m_out(out) {}

  bool Add(const CString& given, int depth, CString& error) {
    const CString path = NormalizeScriptPath(given);
    if (depth > kMaxDepth) {
      error = _T("includes nest too deep at ") + path;
      return false;
    }
    if (!m_seen.insert(path).second) return true;
    CString text;
    if (!ReadText(path, text)) {
      error = _T("cannot read ") + path;
      return false;
    }
    m_out.files.push_back(path);
    if (!IsHeaderName(path)) m_out.scripts.push_back(path);
    for (const IncludeLine& line : FindIncludeLines(text)) {
      CString found;
      if (!Locate(line, lw::FolderOf(path), found)) {
        if (line.quoted) m_out.notFound.push_back(line.name);
        continue;
      }
      if (!Add(found, depth + 1, error)) return false;
    }
    return true;
  }

 private:
  bool Locate(const IncludeLine& line, const CString& folder, CString& found) const {
    if (IsAbsolute(line.name)) {
      found = line.name;
      return Exists(found);
    }
    if (line.quoted && Exists(JoinScriptPath(folder, line.name))) {
      found = JoinScriptPath(folder, line.name);
      return true;
    }
    for (const CString& dir : m_folders) {
      if (Exists(JoinScriptPath(dir, line.name))) {
        found = JoinScriptPath(dir, line.name);
        return true;
      }
    }
    return false;
  }

  const std::vector<CString>& m_folders;
  ScriptIncludes& m_out;
  std::set<CString> m_seen;
};

}  // namespace

CString JoinScriptPath(const CString& folder, const CString& name) {
  if (folder.IsEmpty()) return name;
  const TCHAR last = folder[folder.GetLength() - 1];
  return folder + (last == _T('/') || last == _T('\\') ? _T("") : _T("/")) + name;
}

CString NormalizeScriptPath(const CString& path) {
  CString slashed = path;
  slashed.Replace(_T('\\'), _T('/'));
  const bool rooted = !slashed.IsEmpty() && slashed[0] == _T('/');
  std::vector<CString> parts;
  int start = 0;
  while (start <= slashed.GetLength()) {
    int end = slashed.Find(_T('/'), start);
    if (end < 0) end = slashed.GetLength();
    const CString part = slashed.Mid(start, end - start);
    start = end + 1;
    if (part.IsEmpty() || part == _T(".")) continue;
    if (part == _T("..") && !parts.empty() && parts.back() != _T("..")) {
      parts.pop_back();
      continue;
    }
    if (part == _T("..") && rooted) continue;
    parts.push_back(part);
  }
  CString out = rooted ? _T("/") : _T("");
  for (size_t i = 0; i < parts.size(); ++i) out += (i ? _T("/") : _T("")) + parts[i];
  return out;
}

std::vector<IncludeLine> FindIncludeLines(const CString& text) {
  std::vector<IncludeLine> lines;
  const int length = text.GetLength();
  int pos = 0;
  while (pos < length) {
    int end = text.Find(_T('\n'), pos);
    if (end < 0) end = length;
    int i = pos;
    pos = end + 1;
    while (i < end && IsBlank(text[i])) ++i;
    if (i >= end || text[i] != _T('#')) continue;
    ++i;
    while (i < end && IsBlank(text[i])) ++i;
    if (text.Mid(i, 7) != _T("include")) continue;
    i += 7;
    while (i < end && IsBlank(text[i])) ++i;
    if (i >= end) continue;
    const TCHAR open = text[i];
    const TCHAR close = open == _T('"') ? _T('"') : open == _T('<') ? _T('>') : 0;
    if (!close) continue;
    const int stop = text.Find(close, i + 1);
    if (stop < 0 || stop > end || stop == i + 1) continue;
    lines.push_back({text.Mid(i + 1, stop - i - 1), open == _T('"')});
  }
  return lines;
}

bool CollectScriptIncludes(const CString& script, const std::vector<CString>& folders, ScriptIncludes& out,
                           CString& error) {
  out = ScriptIncludes();
  CCollector collector(folders, out);
  return collector.Add(script, 0, error);
}
