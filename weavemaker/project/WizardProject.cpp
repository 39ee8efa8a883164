#include "WizardProject.h"

#include "LwvPaths.h"
#include "TraFile.h"

#include <memory>
#include <vector>

namespace {

const TCHAR kProjectExtension[] = _T(".lwp");

BOOL LoadPlainText(CString& text, UINT id) { return text.LoadString(id); }

WizardTextLoader g_textLoader = LoadPlainText;

// The stream's 32-bit flag form: only exactly 1 reads as set.
void StoreFlag(CArchive& ar, bool value) { ar << static_cast<LONG>(value ? 1 : 0); }
bool LoadFlag(CArchive& ar) {
  LONG value = 0;
  ar >> value;
  return value == 1;
}

// Texts always go out in the 16-bit form; the reader takes both forms.
void StoreText(CArchive& ar, const CString& text) { ar << CStringW(text); }
CString LoadText(CArchive& ar) {
  CStringW text;
  ar >> text;
  return CString(text);
}

}  // namespace

WizardTextLoader SetWizardTextLoader(WizardTextLoader loader) {
  WizardTextLoader previous = g_textLoader;
  g_textLoader = loader ? loader : LoadPlainText;
  return previous;
}

CWizardProject::CWizardProject()
    : m_bWriteTestFile(true),
      m_bReplaceLineStart(true),
      m_strLineStart(_T("X")),
      m_bReplaceLineEnd(true),
      m_strLineEnd(_T("Y")),
      m_pTraFile(new CTraFile(nullptr)),
      m_ppRcFiles(new CString*[MAX_RC_FILES]()),
      m_nRcFiles(0) {}

CWizardProject::~CWizardProject() {
  RemoveAllRcFiles();
  delete[] m_ppRcFiles;
  delete m_pTraFile;
}

void CWizardProject::ReplaceTraFile(CTraFile* traFile) {
  if (traFile == nullptr || traFile == m_pTraFile) return;
  delete m_pTraFile;
  m_pTraFile = traFile;
}

void CWizardProject::SetProjectPath(const CString& path) { m_strProjectPath = MakeFullPath(path); }

CString CWizardProject::GetProjectFileName() const { return GetFileNamePart(m_strProjectPath); }

CString CWizardProject::GetProjectFolder() const { return GetDirectoryPart(m_strProjectPath); }

CString CWizardProject::ResolvePath(const CString& path) const {
  return IsFullPath(path) ? path : GetProjectFolder() + path;
}

CString CWizardProject::GetTestFileName() const {
  const int keep = m_strTraPath.GetLength() - 4;
  return (keep > 0 ? m_strTraPath.Left(keep) : CString()) + _T("_test.tra");
}

CString CWizardProject::NameWithoutProjectExtension() const {
  CString name = GetProjectFileName();
  if (name.Right(4) == kProjectExtension) name = name.Left(name.GetLength() - 4);
  return name;
}

void CWizardProject::SetDefaultTraPath() { m_strTraPath = NameWithoutProjectExtension() + _T(".tra"); }

CString CWizardProject::DefaultLanguageName() {
  // Through the installed loader, so it comes in the wizard's current language.
  CString name;
  g_textLoader(name, WIZARD_DEFAULT_LANGUAGE_STRING);
  return name;
}

void CWizardProject::InitLanguageFileHeader() {
  m_pTraFile->SetProgramName(NameWithoutProjectExtension());
  m_pTraFile->SetProgramVersion(_T("1.0"));
  m_pTraFile->SetLanguageName(DefaultLanguageName());
}

CString CWizardProject::GetRcFile(int index) const {
  if (index < 0 || index >= m_nRcFiles) return CString();
  return *m_ppRcFiles[index];
}

BOOL CWizardProject::AddRcFile(const CString& path) {
  if (m_nRcFiles >= MAX_RC_FILES) return FALSE;
  m_ppRcFiles[m_nRcFiles++] = new CString(path);
  return TRUE;
}

void CWizardProject::RemoveRcFile(const CString& path) {
  for (int i = 0; i < m_nRcFiles; ++i) {
    if (*m_ppRcFiles[i] != path) continue;
    delete m_ppRcFiles[i];
    for (int j = i + 1; j < m_nRcFiles; ++j) m_ppRcFiles[j - 1] = m_ppRcFiles[j];
    m_ppRcFiles[--m_nRcFiles] = nullptr;
    return;
  }
}

void CWizardProject::RemoveAllRcFiles() {
  for (int i = 0; i < m_nRcFiles; ++i) {
    delete m_ppRcFiles[i];
    m_ppRcFiles[i] = nullptr;
  }
  m_nRcFiles = 0;
}

BOOL CWizardProject::Serialize(CArchive& ar) {
  if (ar.IsLoading()) return Load(ar);
  Store(ar);
  return TRUE;
}

void CWizardProject::Store(CArchive& ar) {
  StoreText(ar, m_strProjectPath);
  StoreText(ar, m_strTraPath);
  StoreFlag(ar, m_bWriteTestFile);
  ar << static_cast<LONG>(1);  // reserved
  StoreFlag(ar, m_bReplaceLineStart);
  StoreText(ar, m_strLineStart);
  StoreFlag(ar, m_bReplaceLineEnd);
  StoreText(ar, m_strLineEnd);
  m_pTraFile->SetWizardMark(true);
  m_pTraFile->Serialize(ar);
  ar << static_cast<LONG>(m_nRcFiles);
  for (int i = 0; i < m_nRcFiles; ++i) StoreText(ar, *m_ppRcFiles[i]);
}

// Everything is read into locals first and taken over only when the whole
// stream has been read, so that a bad file changes nothing.
BOOL CWizardProject::Load(CArchive& ar) {
  const CString projectPath = LoadText(ar);
  const CString traPath = LoadText(ar);
  const bool writeTestFile = LoadFlag(ar);
  LONG reserved = 0;
  ar >> reserved;
  const bool replaceLineStart = LoadFlag(ar);
  const CString lineStart = LoadText(ar);
  const bool replaceLineEnd = LoadFlag(ar);
  const CString lineEnd = LoadText(ar);

  // A language file that cannot be read throws; the new object goes with it.
  std::unique_ptr<CTraFile> traFile(new CTraFile(nullptr));
  traFile->Serialize(ar);
  traFile->SetWizardMark(true);

  LONG count = 0;
  ar >> count;
  if (count < 0 || count > MAX_RC_FILES) return FALSE;
  std::vector<CString> rcFiles;
  for (LONG i = 0; i < count; ++i) rcFiles.push_back(LoadText(ar));

  m_strProjectPath = projectPath;
  m_strTraPath = traPath;
  m_bWriteTestFile = writeTestFile;
  m_bReplaceLineStart = replaceLineStart;
  m_strLineStart = lineStart;
  m_bReplaceLineEnd = replaceLineEnd;
  m_strLineEnd = lineEnd;
  ReplaceTraFile(traFile.release());
  RemoveAllRcFiles();
  for (const CString& path : rcFiles) AddRcFile(path);
  return TRUE;
}
