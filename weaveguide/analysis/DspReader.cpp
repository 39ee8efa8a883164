#include "DspReader.h"

#include "CppTokenizer.h"
#include "SourceTokenList.h"

CDspReader::CDspReader(LPCTSTR path) : m_folder(lw::FolderOf(path)) {
  CCppTokenizer tokenizer(path);
  m_tokens = new CSourceTokenList(tokenizer);
  m_count = m_tokens->GetCount();
}

CDspReader::~CDspReader() { delete m_tokens; }

bool CDspReader::IsSequence(const TCHAR* const* texts, int count) {
  if (m_position + count - 1 >= m_count) return false;
  for (int i = 0; i < count; ++i)
    if (!m_tokens->IsText(m_position + i, texts[i])) return false;
  m_position += count;
  return true;
}

bool CDspReader::IsBeginSourceFile() {
  static const TCHAR* const kBegin[] = {_T("#"), _T("Begin"), _T("Source"), _T("File")};
  return IsSequence(kBegin, 4);
}

bool CDspReader::IsSourceAssign() {
  static const TCHAR* const kAssign[] = {_T("SOURCE"), _T("=")};
  return IsSequence(kAssign, 2);
}

bool CDspReader::IsEndSourceFile() {
  static const TCHAR* const kEnd[] = {_T("#"), _T("End"), _T("Source"), _T("File")};
  return IsSequence(kEnd, 4);
}

void CDspReader::Read() {
  while (m_position < m_count) {
    if (!(IsBeginSourceFile() && IsSourceAssign())) {
      ++m_position;
      continue;
    }
    // The path is every token up to the first per-configuration line.
    CString path;
    bool collecting = true;
    while (m_position < m_count && !IsEndSourceFile()) {
      const CString& text = m_tokens->GetText(m_position);
      if (text == _T("!") || text == _T("#"))
        collecting = false;
      else if (collecting)
        path += text;
      ++m_position;
    }
    m_paths.Add(path);
  }
}

CProjectFileList* CDspReader::CreateProjectFileList() const {
  CProjectFileList* list = new CProjectFileList(m_folder);
  for (const CString& path : m_paths) list->AddFile(path);
  return list;
}
