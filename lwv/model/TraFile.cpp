#include "TraFile.h"

#include "LwvPaths.h"

#include <cstring>
#include <new>

CTraFile::CTraFile(CTraNode* root)
    : m_pRoot(root),
      m_pAddOnFiles(new CAddOnFileList),
      m_nLanguageId(0),
      m_nVersion(TRA_VERSION),
      m_nReserved(0),
      m_nFlags(TRA_FLAG_ORIGINAL),
      m_nCarried(0) {
  // A new file shows an empty flag: the transparent background grey.
  for (COLORREF& c : m_flag) c = RGB(192, 192, 192);
  memset(m_options, 0, sizeof m_options);
}

CTraFile::~CTraFile() {
  FreeStringIndex();
  delete m_pRoot;
  delete m_pAddOnFiles;
}

void CTraFile::SetRootNode(CTraNode* root) {
  if (root == m_pRoot) return;
  FreeStringIndex();  // the indexes point into the old tree
  delete m_pRoot;
  m_pRoot = root;
}

void CTraFile::SetAddOnFiles(CAddOnFileList* list) {
  if (list == m_pAddOnFiles) return;
  delete m_pAddOnFiles;
  m_pAddOnFiles = list ? list : new CAddOnFileList;
}

void CTraFile::SetStdDialogOptions(const BYTE* bytes) {
  if (bytes) memcpy(m_options, bytes, sizeof m_options);
}

void CTraFile::SetDateToday() { m_strDate = CTime::GetCurrentTime().Format(_T("%Y-%m-%d")); }

void CTraFile::CopyFlagFrom(const CTraFile& other) { memcpy(m_flag, other.m_flag, sizeof m_flag); }

bool CTraFile::CheckAddOnPaths(const CString& folder) {
  for (int i = 0; i < m_pAddOnFiles->GetCount(); ++i) {
    const CAddOnFile& addOn = *m_pAddOnFiles->GetAt(i);
    CString exportPath = addOn.GetExportPath();
    if (!folder.IsEmpty() && !IsFullPath(exportPath)) exportPath = folder + exportPath;
    if (!CAddOnFile(addOn.GetFileName(), exportPath, CString()).IsExportPathValid()) {
      SetBadAddOnPaths(true);
      return false;
    }
  }
  SetBadAddOnPaths(false);
  return true;
}

bool CTraFile::CheckAddOnFilesImported() {
  for (int i = 0; i < m_pAddOnFiles->GetCount(); ++i) {
    if (m_pAddOnFiles->GetAt(i)->GetImportCounter() < 1) {
      SetAddOnFilesImported(false);
      return false;
    }
  }
  SetAddOnFilesImported(true);
  return true;
}

// ---- stream ----

void CTraFile::ReadMagic(CArchive& ar) {
  CString magic;
  bool ok;
  try {
    ar >> magic;
    // As whole strings: a NUL and more after the magic is no magic.
    ok = magic == CString(TRA_MAGIC);
  } catch (const CArchiveException&) {
    ok = false;  // not even a text where the magic belongs
  }
  if (!ok) throw CNotLanguageFileException(ar.m_strFileName);
}

void CTraFile::SerializeHeader(CArchive& ar) {
  if (ar.IsStoring()) {
    if (m_nVersion < 30002) {
      // These versions hold no date and author in the header; 30001 keeps
      // its language id after the option block.
      m_strDate.Empty();
      m_strAuthor.Empty();
      if (m_nVersion != 30001) m_nLanguageId = 0;
    }
    ar << CString(TRA_MAGIC) << static_cast<int32_t>(m_nVersion) << m_nFlags << m_nCarried;
    ar << m_strProgramName << m_strProgramVersion << m_strLanguageName << m_strComment << m_strFifth;
    ar << m_nReserved;
    if (m_nVersion >= 30002) ar << m_nLanguageId << m_strDate << m_strAuthor;
    return;
  }
  ReadMagic(ar);
  int32_t version;
  ar >> version;
  m_nVersion = version;
  ar >> m_nFlags >> m_nCarried;
  ar >> m_strProgramName >> m_strProgramVersion >> m_strLanguageName >> m_strComment >> m_strFifth;
  ar >> m_nReserved;
  if (m_nVersion >= 30002) {
    ar >> m_nLanguageId >> m_strDate >> m_strAuthor;
  } else {
    m_nLanguageId = 0;
    m_strDate.Empty();
    m_strAuthor.Empty();
  }
}

void CTraFile::SerializeFlag(CArchive& ar) {
  for (COLORREF& c : m_flag) {
    DWORD v = c;
    if (ar.IsStoring()) {
      ar << v;
    } else {
      ar >> v;
      c = v;
    }
  }
}

void CTraFile::SerializeHeaderOnly(CArchive& ar) {
  if (ar.IsLoading()) SerializeHeader(ar);
}

void CTraFile::SerializeHeaderAndFlag(CArchive& ar) {
  if (ar.IsLoading()) {
    SerializeHeader(ar);
    SerializeFlag(ar);
  }
}

namespace {

// Sets the archive's storing code page for one write.
class CStoreCodePageScope {
 public:
  CStoreCodePageScope(CArchive& ar, UINT codePage) : m_ar(ar), m_previous(ar.m_nStoreCodePage) {
    if (ar.IsStoring()) ar.m_nStoreCodePage = codePage;
  }
  ~CStoreCodePageScope() { m_ar.m_nStoreCodePage = m_previous; }
  CStoreCodePageScope(const CStoreCodePageScope&) = delete;
  CStoreCodePageScope& operator=(const CStoreCodePageScope&) = delete;

 private:
  CArchive& m_ar;
  UINT m_previous;
};

}  // namespace

void CTraFile::Serialize(CArchive& ar) {
  CStoreCodePageScope codePage(ar, m_nTextCodePage);
  SerializeHeader(ar);
  SerializeFlag(ar);
  const int version = m_nVersion;
  if (ar.IsStoring()) {
    if (m_pRoot) {
      ar << CString(TRA_TREE_MARKER);
      m_pRoot->Serialize(ar, version);
    } else {
      ar << CString(TRA_NO_TREE_MARKER);
    }
    if (version >= 15000)
      for (BYTE b : m_options) ar << static_cast<int32_t>(b ? 1 : 0);
    if (version == 30001) ar << m_nLanguageId;
    if (version >= 30003) m_pAddOnFiles->Serialize(ar);
    return;
  }
  CString marker;
  ar >> marker;
  SetRootNode(nullptr);
  if (marker == CString(TRA_TREE_MARKER)) {  // whole strings, as the magic
    m_pRoot = new CTraNode(nullptr);
    m_pRoot->Serialize(ar, version);
  }
  // What the version does not hold is reset, so that nothing of an
  // earlier read survives in a reused object.
  memset(m_options, 0, sizeof m_options);
  if (version >= 15000) {
    for (BYTE& b : m_options) {
      int32_t v;
      ar >> v;
      b = v == 1 ? 1 : 0;
    }
  }
  if (version == 30001) ar >> m_nLanguageId;
  if (version >= 30003)
    m_pAddOnFiles->Serialize(ar);
  else
    m_pAddOnFiles->RemoveAll();
}

// ---- files on disk ----

namespace {

// Read buffer: a large file in few reads, and the checks of what is left
// seldom ask the file.
const int kReadBufferBytes = 64 * 1024;

}  // namespace

bool LwReadLanguageFile(const CString& path, CTraFile& file, LwReadPart part, LwReadResult* result, UINT shareMode) {
  LwReadResult outcome = LW_READ_FAILED;
  try {
    CFile in;
    if (in.Open(path, CFile::modeRead | shareMode)) {
      CArchive ar(&in, CArchive::load, kReadBufferBytes);
      ar.m_strFileName = path;
      if (part == LW_READ_HEADER)
        file.SerializeHeaderOnly(ar);
      else if (part == LW_READ_HEADER_AND_FLAG)
        file.SerializeHeaderAndFlag(ar);
      else
        file.Serialize(ar);
      ar.Close();
      in.Close();
      outcome = LW_READ_OK;
    }
  } catch (const CNotLanguageFileException&) {
    outcome = LW_READ_NOT_LANGUAGE_FILE;
  } catch (const CException&) {
  } catch (const std::bad_alloc&) {
  }
  if (result) *result = outcome;
  return outcome == LW_READ_OK;
}

int LwVersionHolding(const CTraFile& file) {
  const int version = file.GetVersion();
  if (version < 30000 || version >= TRA_VERSION) return version;
  const bool dateOrAuthor = !file.GetDate().IsEmpty() || !file.GetAuthor().IsEmpty();
  const bool language = file.GetLanguageId() != 0;
  const bool addOns = file.GetAddOnFiles() && file.GetAddOnFiles()->GetCount() > 0;
  const bool lost = addOns || (version < 30002 && dateOrAuthor) || (version == 30000 && language);
  return lost ? TRA_VERSION : version;
}

bool LwWriteLanguageFile(const CString& path, CTraFile& file) {
  try {
    CAtomicFile out;
    if (!out.Open(path, CFile::modeCreate | CFile::modeWrite)) return false;
    CArchive ar(&out, CArchive::store);
    file.Serialize(ar);
    ar.Close();
    out.Commit();
    return true;
  } catch (const CException&) {
    return false;
  } catch (const std::bad_alloc&) {
    return false;
  }
}

// ---- the file's string indexes ----

CTraNode* CTraFile::FindStringSection() const {
  if (!m_pRoot) return nullptr;
  CString path = TRA_SECTION_STRINGS;
  return m_pRoot->FindPath(&path, 1);
}

void CTraFile::FreeStringIndex() {
  for (auto& index : m_pIndex) index.reset();
}

void CTraFile::BuildStringIndex() {
  FreeStringIndex();
  BuildStringIndexes(m_pRoot, FindStringSection(), m_pIndex);
}
