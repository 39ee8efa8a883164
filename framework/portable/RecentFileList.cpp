#include "RecentFileList.h"

CRecentFileList::CRecentFileList(UINT start, LPCTSTR section, LPCTSTR entryFormat, int maxSize)
    : m_nStart(start),
      m_strSection(section),
      m_strEntryFormat(entryFormat),
      m_nMaxSize(maxSize > 0 ? maxSize : 0) {}

void CRecentFileList::Add(LPCTSTR path) {
  if (!path || !*path || m_nMaxSize == 0) return;
  CString name(path);
  for (INT_PTR i = 0; i < m_names.GetSize(); ++i) {
    if (m_names[i].CompareNoCase(name) == 0) {
      m_names.RemoveAt(i);
      break;
    }
  }
  m_names.InsertAt(0, name);
  if (m_names.GetSize() > m_nMaxSize) m_names.SetSize(m_nMaxSize);
}

void CRecentFileList::Remove(int index) {
  if (index >= 0 && index < GetSize()) m_names.RemoveAt(index);
}

CString CRecentFileList::GetDisplayName(int index) const {
  if (index < 0 || index >= GetSize()) return CString();
  CString path = m_names[index];
  path.Replace(_T("&"), _T("&&"));
  CString text;
  text.Format(_T("&%d "), index + 1);
  return text + path;
}

CString CRecentFileList::EntryName(int index) const {
  CString entry;
  entry.Format(m_strEntryFormat, index + 1);
  return entry;
}

void CRecentFileList::ReadList(const std::function<CString(const CString& entry)>& read) {
  m_names.RemoveAll();
  for (int i = 0; i < m_nMaxSize; ++i) {
    CString path = read(EntryName(i));
    bool known = false;
    for (const CString& name : m_names) known = known || name.CompareNoCase(path) == 0;
    if (!path.IsEmpty() && !known) m_names.Add(path);
  }
}

void CRecentFileList::WriteList(const std::function<void(const CString& entry, const CString& value)>& write) const {
  for (int i = 0; i < m_nMaxSize; ++i) write(EntryName(i), i < GetSize() ? m_names[i] : CString());
}
