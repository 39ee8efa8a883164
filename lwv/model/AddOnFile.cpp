#include "AddOnFile.h"

#include "LwvPaths.h"

#include <climits>
#include <memory>
#include <new>

CAddOnFile::CAddOnFile() : m_nImportCounter(-1) {}

CAddOnFile::CAddOnFile(const CString& fileName) : m_strFileName(fileName), m_strDate(GetTimeStamp()), m_nImportCounter(-1) {}

CAddOnFile::CAddOnFile(const CString& fileName, const CString& exportPath, const CString& storedPath)
    : m_strFileName(fileName),
      m_strExportPath(exportPath),
      m_strStoredPath(storedPath),
      m_strDate(GetTimeStamp()),
      m_nImportCounter(-1) {}

bool CAddOnFile::ReadFromDisk(const CString& directory) {
  if (m_strFileName.IsEmpty()) return false;
  try {
    CFile file;
    if (!file.Open(directory + m_strFileName, CFile::modeRead | CFile::shareExclusive)) return false;
    ULONGLONG length = file.GetLength();
    if (length > static_cast<ULONGLONG>(INT_MAX)) return false;  // the stream form holds an int32 length
    std::vector<BYTE> bytes(static_cast<size_t>(length));
    UINT done = 0;
    while (done < bytes.size()) {
      UINT n = file.Read(bytes.data() + done, static_cast<UINT>(bytes.size() - done));
      if (n == 0) return false;
      done += n;
    }
    file.Close();
    m_contents.swap(bytes);
    if (m_nImportCounter == -1) m_nImportCounter = 0;
    return true;
  } catch (const CException&) {
    return false;
  } catch (const std::bad_alloc&) {
    return false;  // a file too large to hold
  }
}

bool CAddOnFile::WriteToDisk(const CString& directory) const {
  if (m_strFileName.IsEmpty()) return false;
  CAtomicFile file;
  CFileException error;
  if (!file.Open(directory + m_strFileName, CFile::modeCreate | CFile::modeWrite | CFile::shareExclusive, &error))
    throw error;
  if (!m_contents.empty()) file.Write(m_contents.data(), static_cast<UINT>(m_contents.size()));
  file.Commit();
  return true;
}

bool CAddOnFile::Reimport(const CString& directory) {
  if (!ReadFromDisk(directory)) return false;
  ++m_nImportCounter;
  m_strStoredPath = directory;
  m_strDate = GetTimeStamp();
  return true;
}

bool CAddOnFile::ExportTo(const CString& directory) {
  if (!WriteToDisk(directory)) return false;
  m_strStoredPath = directory;
  return true;
}

bool CAddOnFile::Export() const { return WriteToDisk(m_strExportPath); }

namespace {

bool CanOpenExclusive(const CString& path, CFileException* error = nullptr) {
  CFile file;
  if (!file.Open(path, CFile::modeRead | CFile::shareExclusive, error)) return false;
  file.Abort();
  return true;
}

}  // namespace

bool CAddOnFile::ExistsAtExportPath() const { return CanOpenExclusive(m_strExportPath + m_strFileName); }

bool CAddOnFile::ExistsAtStoredPath() const { return CanOpenExclusive(m_strStoredPath + m_strFileName); }

bool CAddOnFile::IsExportPathValid() const {
  CFileException error;
  if (CanOpenExclusive(m_strExportPath + m_strFileName, &error)) return true;
  return error.m_cause != CFileException::badPath;
}

CAddOnFile* CAddOnFile::Clone() const { return new CAddOnFile(*this); }

void CAddOnFile::CopyContentFrom(const CAddOnFile& other) {
  m_contents = other.m_contents;
  m_nImportCounter = other.m_nImportCounter;
  m_strStoredPath = other.m_strStoredPath;
  m_strDate = other.m_strDate;
  m_strDescription = other.m_strDescription;
}

void CAddOnFile::Serialize(CArchive& ar) {
  if (ar.IsStoring()) {
    ar << m_strFileName << m_strExportPath << m_strStoredPath << m_strDate << m_strDescription;
    ar << static_cast<int32_t>(m_nImportCounter) << static_cast<int32_t>(m_contents.size());
    if (!m_contents.empty()) ar.Write(m_contents.data(), static_cast<UINT>(m_contents.size()));
    return;
  }
  int32_t counter, length;
  ar >> m_strFileName >> m_strExportPath >> m_strStoredPath >> m_strDate >> m_strDescription;
  ar >> counter >> length;
  if (length < 0) AfxThrowArchiveException(CArchiveException::badSchema, ar.m_strFileName);
  if (!ar.HasBytes(static_cast<ULONGLONG>(length)))
    AfxThrowArchiveException(CArchiveException::endOfFile, ar.m_strFileName);
  m_nImportCounter = counter;
  m_contents.assign(static_cast<size_t>(length), 0);
  if (length > 0) ar.ReadExact(m_contents.data(), static_cast<UINT>(length));
}

// ---- list ----

CAddOnFileList::CAddOnFileList() : m_nCount(0), m_files{} {}

CAddOnFileList::~CAddOnFileList() { RemoveAll(); }

void CAddOnFileList::RemoveAll() {
  for (int i = 0; i < m_nCount; ++i) {
    delete m_files[i];
    m_files[i] = nullptr;
  }
  m_nCount = 0;
}

bool CAddOnFileList::Append(CAddOnFile* file) {
  std::unique_ptr<CAddOnFile> owned(file);
  if (!file || m_nCount >= ADDON_MAX_FILES) return false;
  m_files[m_nCount++] = owned.release();
  return true;
}

bool CAddOnFileList::Add(const CString& fileName, const CString& exportPath, const CString& storedPath,
                         const CString& description) {
  if (m_nCount >= ADDON_MAX_FILES) return false;
  std::unique_ptr<CAddOnFile> file(new CAddOnFile(fileName, exportPath, storedPath));
  file->SetDescription(description);
  if (!file->ReadFromDisk(storedPath)) return false;
  return Append(file.release());
}

void CAddOnFileList::Remove(const CString& fileName) {
  for (int i = 0; i < m_nCount; ++i) {
    if (m_files[i]->GetFileName() == fileName) {
      RemoveAt(i);
      return;
    }
  }
}

bool CAddOnFileList::RemoveAt(int index) {
  if (index < 0 || index >= m_nCount) return false;
  delete m_files[index];
  for (int j = index + 1; j < m_nCount; ++j) m_files[j - 1] = m_files[j];
  m_files[--m_nCount] = nullptr;
  return true;
}

bool CAddOnFileList::Find(const CString& path) const {
  CString name = GetFileNamePart(path);
  for (int i = 0; i < m_nCount; ++i)
    if (m_files[i]->GetFileName() == name) return true;
  return false;
}

CAddOnFile* CAddOnFileList::GetAt(int index) const {
  return index >= 0 && index < m_nCount ? m_files[index] : nullptr;
}

CAddOnFileList* CAddOnFileList::Clone() const {
  CAddOnFileList* copy = new CAddOnFileList;
  for (int i = 0; i < m_nCount; ++i) copy->m_files[copy->m_nCount++] = m_files[i]->Clone();
  return copy;
}

void CAddOnFileList::SetAllDates(const CString& date) {
  for (int i = 0; i < m_nCount; ++i) m_files[i]->SetDate(date);
}

bool CAddOnFileList::CheckExportPaths() {
  for (int i = 0; i < m_nCount; ++i) {
    CString path = m_files[i]->GetExportPath();
    if (!path.IsEmpty() && path.Right(1) != _T("\\")) m_files[i]->SetExportPath(path + _T("\\"));
    if (path.Right(2) == _T("?\\")) return false;
  }
  return true;
}

namespace {

// Smallest add-on record: five empty texts, counter and length.
const ULONGLONG kMinAddOnBytes = 5 + 4 + 4;

}  // namespace

void CAddOnFileList::Serialize(CArchive& ar) {
  if (ar.IsStoring()) {
    ar << static_cast<int32_t>(m_nCount);
    for (int i = 0; i < m_nCount; ++i) m_files[i]->Serialize(ar);
    return;
  }
  RemoveAll();
  int32_t count;
  ar >> count;
  if (count < 0 || count > ADDON_MAX_FILES) AfxThrowArchiveException(CArchiveException::badSchema, ar.m_strFileName);
  if (!ar.HasBytes(static_cast<ULONGLONG>(count) * kMinAddOnBytes))
    AfxThrowArchiveException(CArchiveException::endOfFile, ar.m_strFileName);
  for (int32_t i = 0; i < count; ++i) {
    std::unique_ptr<CAddOnFile> file(new CAddOnFile);
    file->Serialize(ar);
    m_files[m_nCount++] = file.release();
  }
}
