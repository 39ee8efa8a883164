#include "SampleTraMaker.h"

#include "LibraryEntries.h"
#include "RcFileSet.h"
#include "SampleFlags.h"
#include "SampleLayouts.h"
#include "SampleTexts.h"
#include "StdDlgModels.h"
#include "TraFile.h"

namespace {

// Fixed, so that the files come out the same on every run.
const TCHAR kDate[] = _T("2025-01-15");
const TCHAR kAuthor[] = _T("Lingoweave");
const LANGID kGerman = 0x0407;   // German (Germany)
const LANGID kEnglish = 0x0809;  // English (United Kingdom)

std::unique_ptr<CTraNode> ReadScript(const CString& scriptPath, std::vector<CString>& problems) {
  try {
    CRcFileSet set(&scriptPath, 1, nullptr, 0, 50);
    CResProblemLog log;
    std::unique_ptr<CResFile> file = set.BuildResFile(log);
    if (log.GetCount() > 0) problems.push_back(log.GetText());
    return std::unique_ptr<CTraNode>(file->CreateNode(nullptr));
  } catch (const CException&) {
    problems.push_back(_T("cannot read ") + scriptPath);
    return nullptr;
  }
}

CTraNode* Section(CTraNode* root, const TCHAR* name) {
  const CString path[1] = {name};
  return root->FindPath(path, 1);
}

// Sets the English text of every node that carries a German one.
void TranslateScriptTexts(CTraNode* node, std::vector<CString>& problems) {
  if (!node->IsNameOnly() && !node->GetOriginal().IsEmpty()) {
    CString english;
    if (FindEnglishText(node->GetOriginal(), english))
      node->SetTranslation(english);
    else
      problems.push_back(_T("no English text for \"") + node->GetOriginal() + _T("\""));
  }
  for (int i = 0; i < node->GetChildCount(); ++i) TranslateScriptTexts(node->GetChild(i), problems);
}

// The script's tree with the library's entries in the given language.
CTraNode* CompleteTree(CTraNode* root, SampleLanguage language, std::vector<CString>& problems) {
  AddLibraryEntries(root, language, problems);
  root->ResetStates();
  return root;
}

std::unique_ptr<CTraFile> NewFile(CTraNode* root, const TCHAR* language, LANGID id, bool original,
                                  const TCHAR* comment) {
  std::unique_ptr<CTraFile> file(new CTraFile(root));
  file->SetProgramName(_T("LwvSample"));
  file->SetProgramVersion(_T("1.0"));
  file->SetLanguageName(language);
  file->SetLanguageId(id);
  file->SetOriginal(original);
  file->SetWizardMark(true);
  file->SetDate(kDate);
  file->SetAuthor(kAuthor);
  file->SetComment(comment);
  BYTE options[TRA_OPTION_COUNT] = {0};
  SampleStdDialogOptions(options);
  file->SetStdDialogOptions(options);
  return file;
}

void TakeFlag(CTraFile& file, const CString& stripPath, LPCTSTR country, std::vector<CString>& problems) {
  if (!TakeFlagFromStrip(file, stripPath, country))
    problems.push_back(_T("no flag of ") + CString(country) + _T(" in ") + stripPath);
}

}  // namespace

SampleTraFiles MakeSampleTraFiles(const CString& scriptPath, const CString& stripPath) {
  SampleTraFiles files;
  std::unique_ptr<CTraNode> script = ReadScript(scriptPath, files.problems);
  if (!script) return files;

  CTraNode* german = CompleteTree(script->Clone(nullptr).release(), kSampleGerman, files.problems);
  files.german = NewFile(german, _T("Deutsch"), kGerman, true,
                         SampleText(u8"Originalsprache des Lingoweave-Beispielprogramms"));
  TakeFlag(*files.german, stripPath, _T("Germany"), files.problems);

  TranslateScriptTexts(script.get(), files.problems);
  ApplyEnglishLayouts(Section(script.get(), TRA_SECTION_DIALOGS), files.problems);
  CTraNode* english = CompleteTree(script.release(), kSampleEnglish, files.problems);
  files.english = NewFile(english, _T("English"), kEnglish, false,
                          _T("English translation of the Lingoweave sample program"));
  TakeFlag(*files.english, stripPath, _T("United Kingdom"), files.problems);
  return files;
}

bool WriteSampleTraFiles(const CString& scriptPath, const CString& stripPath, const CString& folder,
                         std::vector<CString>& problems) {
  SampleTraFiles files = MakeSampleTraFiles(scriptPath, stripPath);
  problems = files.problems;
  if (!files.german || !files.english || !problems.empty()) return false;
  CString prefix = folder;
  if (!prefix.IsEmpty() && prefix.Right(1) != _T("/") && prefix.Right(1) != _T("\\")) prefix += _T("/");
  const struct {
    CTraFile* file;
    const TCHAR* name;
  } outputs[] = {{files.german.get(), SAMPLE_TRA_GERMAN}, {files.english.get(), SAMPLE_TRA_ENGLISH}};
  for (const auto& output : outputs) {
    if (!LwWriteLanguageFile(prefix + output.name, *output.file)) {
      problems.push_back(_T("cannot write ") + prefix + output.name);
      return false;
    }
  }
  return true;
}
