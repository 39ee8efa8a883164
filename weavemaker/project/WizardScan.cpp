// The resource scan: scripts -> resource model -> the entries the library
// supplies -> a new tree, carrying over what the user set by hand.
#include "WizardScan.h"

#include "RcFileSet.h"
#include "RuntimeSeams.h"
#include "StdDlgModels.h"
#include "TraFile.h"
#include "WizardProject.h"
#include "WizardTexts.h"

#include <memory>
#include <vector>

namespace {

// Suspends the library's translation while the supplied entries show their
// windows; cleared on every way out.
class CBusyScope {
 public:
  CBusyScope() { LwSetRuntimeBusy(true); }
  ~CBusyScope() { LwSetRuntimeBusy(false); }
  CBusyScope(const CBusyScope&) = delete;
  CBusyScope& operator=(const CBusyScope&) = delete;
};

class CProgressScope {
 public:
  CProgressScope(IWizardScanProgress* progress, const CString& caption) : m_pProgress(progress) {
    if (!m_pProgress) return;
    m_pProgress->Begin(caption);
    m_pProgress->SetPos(0);
  }
  ~CProgressScope() {
    if (m_pProgress) m_pProgress->End();
  }
  CProgressScope(const CProgressScope&) = delete;
  CProgressScope& operator=(const CProgressScope&) = delete;
  void SetPos(int pos) {
    if (m_pProgress) m_pProgress->SetPos(pos);
  }

 private:
  IWizardScanProgress* m_pProgress;
};

// Every capture fails: for a scan run without windows.
class CNoCapture : public IResLibraryCapture {
 public:
  bool CaptureMessageBox(ResMessageBoxCapture&) override { return false; }
  bool CaptureStdDialog(int, ResStdDialogCapture&) override { return false; }
  bool ReadSystemMenu(std::vector<CString>&) override { return false; }
};

// What the new file takes from the one it replaces.
void CarryOver(const CTraFile& old, CTraFile& file) {
  file.CopyFlagFrom(old);
  file.SetLanguageId(old.GetLanguageId());
  file.SetStdDialogOptions(old.GetStdDialogOptions());
  file.SetAddOnFiles(old.GetAddOnFiles()->Clone());
}

}  // namespace

CString CWizardProject::ScanResources(const WizardScanServices& services) {
  const CTraFile& old = *m_pTraFile;
  if (m_nRcFiles == 0) {
    std::unique_ptr<CTraFile> empty(new CTraFile(nullptr));
    CarryOver(old, *empty);
    ReplaceTraFile(empty.release());
    return CString();
  }

  CProgressScope progress(services.progress, WizardText(kTextScanCaption));
  std::vector<CString> paths;
  for (int i = 0; i < m_nRcFiles; ++i) paths.push_back(ResolvePath(*m_ppRcFiles[i]));
  CResProblemLog log(services.texts);
  std::unique_ptr<CResFile> resources;
  {
    CRcFileSet scripts(paths.data(), m_nRcFiles, services.progress, 0, 50, &log);
    progress.SetPos(50);
    resources = scripts.BuildResFile(log, true);
  }  // the tokens go first: the tree is built in their memory
  progress.SetPos(70);

  CNoCapture noCapture;
  IResLibraryCapture& capture = services.capture ? *services.capture : noCapture;
  {
    CBusyScope busy;
    const BYTE* options = old.GetStdDialogOptions();
    resources->AddStandardDialogs(options, capture, log);
    if (options[LWV_OPTION_MESSAGEBOX]) resources->AddMessageBox(capture, log);
    resources->AddSystemMenu(capture, log);
  }
  progress.SetPos(90);

  std::unique_ptr<CTraFile> file(new CTraFile(resources->CreateNode(nullptr)));
  CarryOver(old, *file);
  file->GetRootNode()->ResetStates();
  resources.reset();
  ReplaceTraFile(file.release());
  progress.SetPos(100);
  return log.GetCount() > 0 ? log.GetText() : WizardText(kTextScanDone);
}
