#include "ProgramTraMaker.h"

#include "EnglishTable.h"
#include "FlagStrip.h"
#include "LanguageFileCommands.h"
#include "ScriptIncludes.h"
#include "StdDlgModels.h"
#include "StdDlgText.h"
#include "SuppliedEntries.h"
#include "WizardProject.h"
#include "WizardScan.h"
#include "WizardTexts.h"

#include <set>

namespace {

const UINT kAnsiCodePage = 1252;

bool TakeFlag(CTraFile& file, const CString& stripPath, LPCTSTR country) {
  LwFlagPixels flag;
  if (!LwReadCountryFlag(stripPath, country, flag)) return false;
  for (int i = 0; i < LW_FLAG_PIXEL_COUNT; ++i) file.SetFlagPixel(i, flag[i]);
  return true;
}

void Translate(CTraNode* node, const CEnglishTable& program, const CEnglishTable& supplied,
               std::set<CString>& seen, std::vector<CString>& untranslated) {
  if (!node->IsNameOnly() && node->IsTranslatable() && !node->GetTranslation().IsEmpty()) {
    const CString* english = program.Find(node->GetTranslation());
    if (!english) english = supplied.Find(node->GetTranslation());
    if (english) {
      node->SetTranslation(*english);
    } else if (seen.insert(node->GetTranslation()).second) {
      untranslated.push_back(node->GetTranslation());
    }
  }
  for (int i = 0; i < node->GetChildCount(); ++i) Translate(node->GetChild(i), program, supplied, seen, untranslated);
}

// The first text of the file the code page cannot hold; false when none.
bool FindUnwritableText(const CTraNode* node, UINT codePage, CString& text) {
  for (const CString* s : {&node->GetOriginal(), &node->GetTranslation()}) {
    if (lw::Widen(lw::Narrow(s->Std(), codePage), codePage) != s->Std()) {
      text = *s;
      return true;
    }
  }
  for (int i = 0; i < node->GetChildCount(); ++i)
    if (FindUnwritableText(node->GetChild(i), codePage, text)) return true;
  return false;
}

std::vector<CString> SplitLines(const CString& log) {
  std::vector<CString> lines;
  CString rest = log;
  rest.Replace(_T("\r\n- "), _T(" - "));
  int start = 0;
  while (start < rest.GetLength()) {
    int end = rest.Find(_T('\n'), start);
    if (end < 0) end = rest.GetLength();
    CString line = rest.Mid(start, end - start);
    line.TrimRight();
    if (!line.IsEmpty()) lines.push_back(line);
    start = end + 1;
  }
  return lines;
}

// Scans the scripts with the wizard's project; null (errors filled) when
// the scan cannot be had.
std::unique_ptr<CWizardProject> ScanScripts(const ProgramTraRequest& request, const ScriptIncludes& includes,
                                            ProgramTraResult& result) {
  std::unique_ptr<CWizardProject> project(new CWizardProject());
  if (static_cast<int>(includes.scripts.size()) > CWizardProject::MAX_RC_FILES) {
    result.errors.push_back(_T("more resource scripts than a project holds: ") + request.script);
    return nullptr;
  }
  for (const CString& script : includes.scripts) project->AddRcFile(script);
  // What the scan carries over from the file it replaces: the message-box
  // entry, the language id and the flag.
  CTraFile& seed = *project->GetTraFile();
  BYTE options[TRA_OPTION_COUNT] = {0};
  options[LWV_OPTION_MESSAGEBOX] = 1;
  seed.SetStdDialogOptions(options);
  seed.SetLanguageId(kProgramGerman);
  if (!TakeFlag(seed, request.flagStrip, _T("Germany")))
    result.errors.push_back(_T("no flag of Germany in the flag strip ") + request.flagStrip);

  CGermanSystemCapture capture;
  WizardScanServices services;
  services.capture = &capture;
  const CString log = project->ScanResources(services);
  if (log != WizardText(kTextScanDone)) result.problems = SplitLines(log);
  if (!project->GetTraFile()->GetRootNode()) {
    result.errors.push_back(_T("the scan made no tree from ") + request.script);
    return nullptr;
  }
  return project;
}

void SetHeader(CTraFile& file, const ProgramTraRequest& request, LPCTSTR language) {
  file.SetProgramName(request.programName);
  file.SetProgramVersion(_T("1.0"));
  file.SetLanguageName(language);
  file.SetTextCodePage(request.ansi ? kAnsiCodePage : 0);
}

void CollectChangedConversions(const CTraNode* node, std::set<CString>& seen, std::vector<CString>& found) {
  if (!node->IsNameOnly() && node->IsTranslatable() && !node->GetTranslation().IsEmpty()) {
    std::vector<LwConversion> conversions;
    const CString& original = node->GetOriginal();
    if (LwParseConversions(original, conversions) && !LwSameConversions(original, node->GetTranslation()) &&
        seen.insert(original).second)
      found.push_back(_T("\"") + original + _T("\" is \"") + node->GetTranslation() + _T("\""));
  }
  for (int i = 0; i < node->GetChildCount(); ++i) CollectChangedConversions(node->GetChild(i), seen, found);
}

void CheckWritable(const CTraFile& file, const CString& name, ProgramTraResult& result) {
  CString text;
  if (file.GetTextCodePage() == 0 || !FindUnwritableText(file.GetRootNode(), file.GetTextCodePage(), text)) return;
  result.errors.push_back(name + _T(": code page 1252 cannot hold the text \"") + text + _T("\""));
}

}  // namespace

void TranslateToEnglish(CTraNode* root, const CEnglishTable& program, const CEnglishTable& supplied,
                        std::vector<CString>& untranslated) {
  std::set<CString> seen;
  if (root) Translate(root, program, supplied, seen, untranslated);
}

std::vector<CString> FindChangedConversions(const CTraNode* root) {
  std::set<CString> seen;
  std::vector<CString> found;
  if (root) CollectChangedConversions(root, seen, found);
  return found;
}

ProgramTraResult MakeProgramTraFiles(const ProgramTraRequest& request) {
  ProgramTraResult result;
  ScriptIncludes includes;
  CString error;
  if (!CollectScriptIncludes(request.script, request.includeDirs, includes, error)) {
    result.errors.push_back(error);
    return result;
  }
  for (const CString& name : includes.notFound) {
    // The system's headers need not be found; a script must, or the scan
    // would miss what the resource compiler builds in.
    if (!IsHeaderName(name)) result.errors.push_back(_T("included script not found: ") + name);
  }
  if (!result.errors.empty()) return result;
  result.dependencies = includes.files;
  result.dependencies.push_back(request.englishTable);
  CEnglishTable table;
  if (!table.Load(request.englishTable, error)) {
    result.errors.push_back(error);
    return result;
  }
  std::unique_ptr<CWizardProject> project = ScanScripts(request, includes, result);
  if (!project) return result;

  CTraFile& original = *project->GetTraFile();
  SetHeader(original, request, _T("Deutsch"));
  original.SetOriginal(true);

  std::unique_ptr<CTraFile> english(original.Clone());
  SetHeader(*english, request, _T("English"));
  english->SetOriginal(false);
  english->SetLanguageId(kProgramEnglish);
  if (!TakeFlag(*english, request.flagStrip, _T("United Kingdom")))
    result.errors.push_back(_T("no flag of the United Kingdom in the flag strip ") + request.flagStrip);
  TranslateToEnglish(english->GetRootNode(), table, SuppliedEnglishTexts(), result.untranslated);
  // The programs would fall back to the original's format at run time.
  for (const CString& text : FindChangedConversions(english->GetRootNode()))
    result.errors.push_back(request.englishName + _T(": the English text has other conversions: ") + text);
  CheckWritable(original, request.originalName, result);
  CheckWritable(*english, request.englishName, result);
  if (!result.errors.empty()) return result;

  // The original through the wizard's own save command.
  const CString originalPath = JoinScriptPath(request.folder, request.originalName);
  const CString englishPath = JoinScriptPath(request.folder, request.englishName);
  project->SetTraPath(originalPath);
  project->m_bWriteTestFile = false;
  WizardDialogState state;
  state.languageFileModified = true;
  CQueuedUiServices ui;
  CLanguageFileCommands commands(*project, state, ui);
  if (!commands.OnLanguageFileSave()) {
    result.errors.push_back(_T("cannot write ") + originalPath);
    return result;
  }
  // The English file carries the same date and mark as the original.
  english->SetDate(original.GetDate());
  english->SetWizardMark(original.GetWizardMark());
  if (!LwWriteLanguageFile(englishPath, *english)) {
    result.errors.push_back(_T("cannot write ") + englishPath);
    // Not one file of the pair without the other.
    try {
      CFile::Remove(originalPath);
    } catch (const CException&) {
    }
  }
  return result;
}
