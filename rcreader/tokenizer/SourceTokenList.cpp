#include "SourceTokenList.h"

#include <cstring>

CSourceTokenList::CSourceTokenList(LPCTSTR fileName) {
  CSourceTokenizer tokenizer(fileName);
  ReadAll(tokenizer);
}

CSourceTokenList::CSourceTokenList(LPCTSTR fileName, const BYTE* data, size_t size) {
  CSourceTokenizer tokenizer(fileName, data, size);
  ReadAll(tokenizer);
}

CSourceTokenList::CSourceTokenList(CSourceTokenizer& tokenizer) { ReadAll(tokenizer); }

const CString& CSourceTokenList::EmptyText() {
  static const CString empty;
  return empty;
}

// Equality by memcmp: the character-wise compare of 16-bit strings is slow,
// and every token is checked against its file's name.
static bool SameBytes(const CString& a, const CString& b) {
  return a.GetLength() == b.GetLength() &&
         std::memcmp(a.GetString(), b.GetString(), static_cast<size_t>(a.GetLength()) * sizeof(TCHAR)) == 0;
}

void CSourceTokenList::ReadAll(CSourceTokenizer& tokenizer) {
  CSourceToken token;
  int file = -1;
  const int first = GetCount();
  bool dropped = false;
  while (!tokenizer.IsAtEnd() && tokenizer.NextToken(token)) {
    if (file < 0 || !SameBytes(token.m_fileName, m_files[static_cast<size_t>(file)])) file = FileIndex(token.m_fileName);
    // Behind other tokens a dropped token parts a string from the one kept
    // before it, as when the script is read on its own and then appended.
    const bool mayJoin = !(dropped && first > 0);
    if (token.m_kind == kTokenString && mayJoin && JoinString(first, token.m_text, token.m_line)) continue;
    if (!Store(token.m_text, token.m_kind, token.m_line, file)) dropped = true;
  }
}

void CSourceTokenList::AppendFile(LPCTSTR fileName, ScriptBuffers* reuse, LPCTSTR shownName) {
  CSourceTokenizer tokenizer(fileName, reuse);
  const size_t known = m_files.size();
  ReadAll(tokenizer);
  if (!shownName) return;
  // The entry before may be taken up again for a file of the same name.
  for (size_t i = known > 0 ? known - 1 : 0; i < m_files.size(); ++i)
    if (m_files[i] == fileName) m_files[i] = shownName;
}

bool CSourceTokenList::JoinString(int first, const CString& text, int line) {
  // Adjacent string literals form one string, also when a backslash
  // continues the statement on the next line between them.
  int last = GetCount() - 1;
  if (last >= first + 1 && m_tokens[Idx(last)].kind == kTokenOther && IsText(last, _T("\\")) &&
      GetKind(last - 1) == kTokenString) {
    m_tokens.pop_back();
    if (m_places[m_places.size() - 1].first == last) m_places.pop_back();
    --last;
  }
  if (last < first || GetKind(last) != kTokenString) return false;
  m_texts.Extend(static_cast<int>(m_tokens[Idx(last)].text), text);  // a string's text is its own
  SetPlace(last, line, PlaceOf(last).file);
  return true;
}

int CSourceTokenList::TextId(const CString& text, int kind) {
  return kind == kTokenString ? m_texts.AddOwn(CString(text)) : m_texts.Share(text);
}

bool CSourceTokenList::Store(const CString& text, int kind, int line, int file) {
  if (GetCount() >= kMaxTokens) {
    m_truncated = true;
    return false;
  }
  // Kinds beyond the known ones read as single characters.
  const int known = kind >= kTokenEnd && kind <= kTokenOther ? kind : int(kTokenOther);
  m_tokens.push_back(Stored{static_cast<uint32_t>(TextId(text, kind)), static_cast<uint32_t>(known)});
  SetPlace(GetCount() - 1, line, file);
  return true;
}

void CSourceTokenList::SetPlace(int index, int line, int file) {
  if (m_places.size() > 0) {
    Place& last = m_places[m_places.size() - 1];
    if (last.line == line && last.file == file) return;
    if (last.first == index) {  // the run of this token alone moves
      last.line = line;
      last.file = file;
      return;
    }
  }
  m_places.push_back(Place{index, line, file});
}

const CSourceTokenList::Place& CSourceTokenList::PlaceOf(int index) const {
  // The last run that starts at or before index (the first starts at 0).
  size_t low = 0, high = m_places.size();
  while (high - low > 1) {
    const size_t mid = low + (high - low) / 2;
    if (m_places[mid].first <= index) low = mid;
    else high = mid;
  }
  return m_places[low];
}

int CSourceTokenList::FileIndex(const CString& name) {
  if (m_files.empty() || m_files.back() != name) {
    for (size_t i = 0; i < m_files.size(); ++i)
      if (m_files[i] == name) return static_cast<int>(i);
    m_files.push_back(name);
  }
  return static_cast<int>(m_files.size() - 1);
}

void CSourceTokenList::Add(const CSourceToken& token) {
  Store(token.m_text, token.m_kind, token.m_line, FileIndex(token.m_fileName));
}

const CString& CSourceTokenList::GetFileName(int index) const {
  return InRange(index) ? m_files[static_cast<size_t>(PlaceOf(index).file)] : EmptyText();
}

CSourceToken CSourceTokenList::GetToken(int index) const {
  if (!InRange(index)) return CSourceToken();
  const Stored& s = m_tokens[Idx(index)];
  const Place& place = PlaceOf(index);
  return CSourceToken(m_texts.Get(static_cast<int>(s.text)), static_cast<int>(s.kind),
                      m_files[static_cast<size_t>(place.file)], place.line);
}

void CSourceTokenList::AppendCopies(const CSourceTokenList& other) {
  std::vector<int> files;  // other's file index -> own
  for (const CString& name : other.m_files) files.push_back(FileIndex(name));
  size_t run = 0;
  for (size_t i = 0; i < other.m_tokens.size(); ++i) {
    while (run + 1 < other.m_places.size() && static_cast<size_t>(other.m_places[run + 1].first) <= i) ++run;
    const Stored& s = other.m_tokens[i];
    const Place& place = other.m_places[run];
    Store(other.m_texts.Get(static_cast<int>(s.text)), static_cast<int>(s.kind), place.line,
          files[static_cast<size_t>(place.file)]);
  }
  if (other.m_truncated) m_truncated = true;
}

void CSourceTokenList::Append(const CSourceTokenList& other) {
  if (&other != this) AppendCopies(other);
}

void CSourceTokenList::Append(CSourceTokenList&& other) {
  if (&other == this) return;
  AppendCopies(other);
  other.m_tokens.clear();
  other.m_places.clear();
  other.m_texts.Clear();
  other.m_files.clear();
}

CString CSourceTokenList::GetErrorContext(int index) const {
  CString out;
  if (!InRange(index)) return out;
  int line = GetLine(index);
  // A very long line shows only kContextReach tokens on each side.
  int first = index;
  while (first > 0 && GetLine(first) == line && index - first < kContextReach) --first;
  int last = index;
  while (last + 1 < GetCount() && GetLine(last) == line && last - index < kContextReach) ++last;
  out.Format(_T("%s (%i): "), GetFileName(index).GetString(), line + 1);
  for (int i = first; i <= last; ++i) {
    out += GetText(i);
    out.AppendChar(' ');
  }
  return out;
}
