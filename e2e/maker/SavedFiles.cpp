#include "SavedFiles.h"

#include "FlagStrip.h"
#include "ProjectFile.h"
#include "TestPaths.h"

#include <gtest/gtest.h>

namespace e2e {

std::unique_ptr<CTraFile> ReadLanguageFile(const CString& path) {
  std::unique_ptr<CTraFile> file = lwtest::ReadLanguageFile(path);
  if (!file) ADD_FAILURE() << "cannot read " << CStringA(path).GetString();
  return file;
}

std::unique_ptr<CWizardProject> ReadProject(const CString& path) {
  std::unique_ptr<CWizardProject> project(new CWizardProject);
  CString error;
  if (OpenProjectFile(*project, path, error)) return project;
  ADD_FAILURE() << "cannot read " << CStringA(path).GetString() << ": " << CStringA(error).GetString();
  return nullptr;
}

int CountMarked(const CTraNode* root) {
  if (!root) return 0;
  const int state = root->GetState();
  int marked = state == TRA_STATE_NEW || state == TRA_STATE_NEW_GROUP || state == TRA_STATE_NEW_GROUP_OPEN ? 1 : 0;
  for (int i = 0; i < root->GetChildCount(); ++i) marked += CountMarked(root->GetChild(i));
  return marked;
}

bool HasCountryFlag(const CTraFile& file, const TCHAR* country) {
  LwFlagPixels flag;
  if (!LwReadCountryFlag(_T(LW_FLAG_STRIP_BMP), country, flag)) {
    ADD_FAILURE() << "no flag in the strip for " << CStringA(country).GetString();
    return false;
  }
  for (int i = 0; i < TRA_FLAG_PIXELS; ++i)
    if (file.GetFlagPixel(i) != flag[static_cast<size_t>(i)]) return false;
  return true;
}

std::string ReadBytes(const CString& path) {
  const std::vector<BYTE> bytes = lwtest::ReadFileBytes(path);
  return std::string(bytes.begin(), bytes.end());
}

bool WriteBytes(const CString& path, const std::string& bytes) {
  CFile out;
  if (!out.Open(path, CFile::modeCreate | CFile::modeWrite)) return false;
  out.Write(bytes.data(), static_cast<UINT>(bytes.size()));
  out.Close();
  return true;
}

void CopySource(const char* relative, const CString& folder) {
  CString from = CString(LW_SOURCE_DIR) + _T("\\") + CString(relative);
  from.Replace(_T('/'), _T('\\'));
  const int slash = from.ReverseFind(_T('\\'));
  ASSERT_TRUE(::CopyFile(from, folder + from.Mid(slash + 1), FALSE)) << relative;
}

}  // namespace e2e
