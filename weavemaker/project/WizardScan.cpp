// The resource scan: scripts -> resource model -> the entries the library
// supplies -> a new tree, carrying over what the user set by hand.
#include "WizardScan.h"

#include "RcFileSet.h"
#include "RuntimeSeams.h"
#include "StdDlgModels.h"
#include "TraFile.h"
#include "WizardProject.h"
#include "WizardTexts.h"
#include "LwvPaths.h"

#include <algorithm>
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

bool IsScriptName(const CString& name) {
  CString extension = GetExtension(name);
  extension.MakeLower();
  return extension == _T("rc") || extension == _T("rc2") || extension == _T("dlg");
}

// One spelling per file: one separator, no "." and "name\.." parts, no case.
CString ComparablePath(const CString& path) {
  std::vector<CString> parts;
  CString part;
  auto close = [&] {
    if (part == _T("..") && !parts.empty() && parts.back() != _T("..")) parts.pop_back();
    else if (part != _T(".") && !(part.IsEmpty() && !parts.empty())) parts.push_back(part);
    part.Empty();
  };
  for (int i = 0; i < path.GetLength(); ++i) {
    if (lw::IsPathSeparator(path[i])) close();
    else part.AppendChar(path[i]);
  }
  close();
  CString joined;
  for (size_t i = 0; i < parts.size(); ++i) joined += (i ? _T("\\") : _T("")) + parts[i];
  joined.MakeLower();
  return joined;
}

// An include's name as the script writes it: the preprocessor takes it as
// it stands, where the string reader turned "\n", "\r", "\t" and "\a" into
// control characters, which no file name holds ("res\newres.rc2").
CString IncludeNameOf(const CString& text) {
  CString name;
  for (int i = 0; i < text.GetLength(); ++i) {
    switch (text[i]) {
      case 10: name += _T("\\n"); break;
      case 13: name += _T("\\r"); break;
      case 9: name += _T("\\t"); break;
      case 7: name += _T("\\a"); break;
      default: name.AppendChar(text[i]);
    }
  }
  return name;
}

// One line for every "#include" of a resource script that is not one of
// the project's scripts: its texts are not read. A project script of the
// same name counts as the one meant, as the resource compiler may have
// found it in a folder of its own include path.
void LogIncludesOutside(const CSourceTokenList& list, const CWizardProject& project, CResProblemLog& log) {
  std::vector<CString> scripts;
  for (int i = 0; i < project.GetRcFileCount(); ++i) {
    scripts.push_back(ComparablePath(project.ResolvePath(project.GetRcFile(i))));
    scripts.push_back(ComparablePath(lw::NameOf(project.GetRcFile(i))));
  }
  for (int i = 0; i + 2 < list.GetCount(); ++i) {
    if (!list.IsText(i, _T("#")) || !list.IsText(i + 1, _T("include")) || list.GetKind(i + 2) != kTokenString) continue;
    const CString name = IncludeNameOf(list.GetText(i + 2));
    if (!IsScriptName(name)) continue;
    const CString included = IsFullPath(name) ? name : GetDirectoryPart(list.GetFileName(i + 2)) + name;
    const CString path = ComparablePath(project.ResolvePath(included));
    const CString alone = ComparablePath(lw::NameOf(name));
    if (std::find(scripts.begin(), scripts.end(), path) == scripts.end() &&
        std::find(scripts.begin(), scripts.end(), alone) == scripts.end())
      log.Add(kMsgIncludeOutside, list, i + 2);
  }
}

// What the new file takes from the one it replaces.
void CarryOver(const CTraFile& old, CTraFile& file) {
  file.CopyFlagFrom(old);
  file.SetLanguageId(old.GetLanguageId());
  file.SetStdDialogOptions(old.GetStdDialogOptions());
  file.SetAddOnFiles(old.GetAddOnFiles()->Clone());
}

}  // namespace

CString CWizardProject::ScanResources(const WizardScanServices& services, CString* unreadable) {
  if (unreadable) unreadable->Empty();
  const CTraFile& old = *m_pTraFile;
  if (m_nRcFiles == 0) {
    std::unique_ptr<CTraFile> empty(new CTraFile(nullptr));
    CarryOver(old, *empty);
    ReplaceTraFile(empty.release());
    return CString();
  }

  CProgressScope progress(services.progress, WizardText(kTextScanCaption));
  std::vector<CString> paths, names;
  for (int i = 0; i < m_nRcFiles; ++i) {
    paths.push_back(ResolvePath(*m_ppRcFiles[i]));
    names.push_back(*m_ppRcFiles[i]);
  }
  CResProblemLog log(services.texts);
  std::unique_ptr<CResFile> resources;
  {
    CRcFileSet scripts(paths.data(), m_nRcFiles, services.progress, 0, 50, &log, names.data());
    if (!scripts.Unreadable().IsEmpty()) {
      // A tree without that script's entries would replace a good one.
      if (unreadable) *unreadable = scripts.Unreadable();
      return log.GetText();
    }
    progress.SetPos(50);
    resources = scripts.BuildResFile(log, true);
    LogIncludesOutside(*scripts.GetTokenList(), *this, log);
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
