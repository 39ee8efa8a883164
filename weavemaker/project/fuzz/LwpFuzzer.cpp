// Reads arbitrary bytes as a project file. A stream that reads must write
// and read back to the same stream; one that fails must leave the project
// as it was. The option block read builds the supplied entries: one per
// set byte 0 to 8, the message box for byte 20, nothing for the others.
#include "ResFile.h"
#include "ResLibraryCapture.h"
#include "StdDlgModels.h"
#include "TraFile.h"
#include "WizardProject.h"

#include <cstdlib>
#include <vector>

namespace {

std::vector<BYTE> Write(CWizardProject& project) {
  CMemFile file;
  {
    CArchive ar(&file, CArchive::store);
    project.Serialize(ar);
    ar.Close();
  }
  return std::vector<BYTE>(file.Data(), file.Data() + file.GetLength());
}

// 0 refused, 1 read, -1 threw.
int Read(std::vector<BYTE> bytes, CWizardProject& project) {
  CMemFile file(bytes.empty() ? nullptr : bytes.data(), static_cast<UINT>(bytes.size()));
  try {
    CArchive ar(&file, CArchive::load, 4096);
    return project.Serialize(ar) ? 1 : 0;
  } catch (const CException&) {
    return -1;
  }
}

void CheckSuppliedEntries(const BYTE* options) {
  CResRecordedCapture nothingRecorded;  // every capture fails: empty entries
  CResProblemLog log;
  CResFile file;
  file.AddStandardDialogs(options, nothingRecorded, log);
  if (options[LWV_OPTION_MESSAGEBOX]) file.AddMessageBox(nothingRecorded, log);
  int expected = options[LWV_OPTION_MESSAGEBOX] ? 1 : 0;
  for (int kind = 0; kind < LWV_STDDLG_KINDS; ++kind) expected += options[kind] ? 1 : 0;
  if (file.Dialogs().GetCount() != expected || log.GetCount() != expected) abort();
  delete file.CreateNode(nullptr);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  CWizardProject project;
  project.AddRcFile(_T("kept.rc"));
  const CTraFile* before = project.GetTraFile();
  if (Read(std::vector<BYTE>(data, data + size), project) != 1) {
    if (project.GetTraFile() != before || project.GetRcFileCount() != 1) abort();
    return 0;
  }
  if (project.GetRcFileCount() > CWizardProject::MAX_RC_FILES) abort();
  CheckSuppliedEntries(project.GetTraFile()->GetStdDialogOptions());
  const std::vector<BYTE> once = Write(project);
  CWizardProject again;
  if (Read(once, again) != 1) abort();
  if (Write(again) != once) abort();
  return 0;
}
