// The wizard as a user meets it, through the controller: a script that
// cannot be read never costs the language file its entries, closing closes,
// the enabling tells what a command can do, a reopened project is
// unchanged, the picker's answers and failures, the problems page's names,
// the language name, the export path checked when it is left and the
// script chooser's kinds.
#include "LwvPaths.h"
#include "MakerControllerFixture.h"
#include "TestPaths.h"
#include "TraNode.h"

#include <map>

using namespace makertest;

namespace {

const char kScriptC[] =
    "IDD_FIND DIALOG 0, 0, 120, 40\n"
    "CAPTION \"Suchen\"\n"
    "BEGIN\n"
    "  PUSHBUTTON \"Weiter\", 1, 10, 10, 40, 14\n"
    "END\n";

// The dialogs of a tree by caption, in order.
std::vector<std::string> Dialogs(const CTraFile& file) {
  std::vector<std::string> names;
  if (file.GetRootNode()) names = GroupNames(file, 1);
  return names;
}

class MakerUserPaths : public MakerControllerTest {
 protected:
  // A saved project with scripts A.rc and C.rc and its saved language file.
  void SavedWithTwoScripts() {
    NewWithScript();
    WriteText(m_folder + _T("C.rc"), kScriptC);
    CArray<CString> more;
    more.Add(m_folder + _T("C.rc"));
    m_maker.InsertScripts(more);
    m_ui.QueueMessageAnswer(IDYES);
    ASSERT_TRUE(m_maker.QuerySave());
    ASSERT_TRUE(Exists(m_folder + _T("Sample.tra")));
  }
  size_t MessagesWith(const char* part) const {
    size_t n = 0;
    for (const auto& m : m_ui.Messages())
      if (Utf8(m.text).find(part) != std::string::npos) ++n;
    return n;
  }
};

TEST_F(MakerUserPaths, AScriptMovedAwayKeepsTheTreeOfTheProjectOnOpening) {
  SavedWithTwoScripts();
  const std::vector<std::string> before = Dialogs(*m_maker.GetProject()->GetTraFile());
  ASSERT_EQ(3u, before.size());  // Info, Suchen and the switch dialog
  const std::vector<BYTE> traOnDisk = lwtest::ReadFileBytes(m_folder + _T("Sample.tra"));
  CFile::Rename(m_folder + _T("C.rc"), m_folder + _T("C.moved"));
  m_view.problems = _T("from before");

  m_ui.QueueMessageAnswer(IDOK);
  m_maker.OpenProject(m_folder + _T("Sample.lwp"));
  ASSERT_NE(nullptr, m_maker.GetProject());
  ASSERT_EQ(2u, m_ui.Messages().size());  // the close question came before
  EXPECT_EQ("#2073", MessageId(1));
  EXPECT_NE(std::string::npos, Utf8(m_ui.Messages()[1].text).find("C.rc"));
  EXPECT_EQ(before, Dialogs(*m_maker.GetProject()->GetTraFile()));
  EXPECT_EQ("from before", Utf8(m_view.problems));  // the page keeps its text
  EXPECT_FALSE(m_maker.State().projectModified);
  EXPECT_FALSE(m_maker.State().languageFileModified);
  EXPECT_TRUE(m_maker.QuerySave());  // nothing to ask about
  EXPECT_EQ(2u, m_ui.Messages().size());
  EXPECT_EQ(traOnDisk, lwtest::ReadFileBytes(m_folder + _T("Sample.tra")));
}

TEST_F(MakerUserPaths, EveryOtherScanKeepsTheTreeWhenAScriptCannotBeRead) {
  SavedWithTwoScripts();
  const std::vector<std::string> before = Dialogs(*m_maker.GetProject()->GetTraFile());
  CWizardProject& p = *m_maker.GetProject();

  // Inserting a script that cannot be read inserts nothing.
  m_ui.QueueMessageAnswer(IDOK);
  CArray<CString> missing;
  missing.Add(m_folder + _T("Missing.rc"));
  m_maker.InsertScripts(missing);
  EXPECT_EQ("#2073", MessageId(1));
  EXPECT_EQ(2, p.GetRcFileCount());
  EXPECT_EQ(before, Dialogs(*p.GetTraFile()));
  EXPECT_FALSE(m_maker.State().languageFileModified);

  // Another script gone: removing one and choosing standard dialogs rescan.
  CFile::Remove(m_folder + _T("A.rc"));
  m_ui.QueueMessageAnswer(IDOK);
  m_maker.RemoveScripts({_T("C.rc")});
  EXPECT_EQ("#2073", MessageId(2));
  EXPECT_EQ(1, p.GetRcFileCount());
  EXPECT_TRUE(m_maker.State().projectModified);
  EXPECT_FALSE(m_maker.State().languageFileModified);
  EXPECT_EQ(before, Dialogs(*p.GetTraFile()));

  BYTE block[256] = {};
  block[20] = 1;
  m_ui.QueueMessageAnswer(IDOK);
  m_maker.SetStandardDialogOptions(block);
  EXPECT_EQ("#2073", MessageId(3));
  EXPECT_EQ(before, Dialogs(*p.GetTraFile()));
}

TEST_F(MakerUserPaths, ANewProjectWithoutScriptsClosesWithYes) {
  m_ui.QueueFlag(Germany());
  m_maker.NewProject(m_folder + _T("Empty.lwp"));
  m_view.language = _T("Deutsch");
  m_ui.QueueMessageAnswer(IDYES);  // save both
  m_ui.QueueMessageAnswer(IDOK);   // there are no resources yet
  EXPECT_TRUE(m_maker.QuerySave());
  EXPECT_EQ("#130", MessageId(0));
  EXPECT_EQ(1u, MessagesWith("Ressourcen"));
  EXPECT_TRUE(Exists(m_folder + _T("Empty.lwp")));
  EXPECT_FALSE(Exists(m_folder + _T("Empty.tra")));

  // Save and close as well.
  m_ui.QueueMessageAnswer(IDOK);
  m_maker.OnHeaderEdited();
  EXPECT_TRUE(m_maker.SaveAndClose());
  EXPECT_EQ(2u, MessagesWith("Ressourcen"));
}

TEST_F(MakerUserPaths, EveryCommandIsEnabledOnlyWhereItActs) {
  struct Row {
    UINT id;
    bool none, withoutScripts, scanned;
  } const rows[] = {
      {ID_PROJECT_NEW, true, true, true},          {ID_PROJECT_OPEN, true, true, true},
      {ID_PROJECT_SAVE, false, true, true},        {ID_PROJECT_SAVEAS, false, true, true},
      {ID_RESOURCE_INSERT, false, true, true},     {ID_RESOURCE_REMOVE, false, false, false},
      {ID_TRA_SAVE, false, true, true},            {ID_TRA_SAVEAS, false, true, true},
      {ID_TEST_SETTINGS, false, true, true},       {ID_STANDARD_DIALOGS, false, true, true},
      {ID_TEST_WRITE, false, false, false},        {IDC_ADDON_INSERT, false, true, true},
      {IDC_ADDON_DELETE, false, false, false},     {IDC_TEST_CHECK, false, true, true},
  };
  auto enabled = [this] {
    std::map<UINT, bool> out;
    for (const MakerEnabled& e : MakerEnabling(m_maker.Flags())) out[e.id] = e.enabled;
    return out;
  };
  const std::map<UINT, bool> none = enabled();
  m_ui.QueueFlag(Germany());
  m_maker.NewProject(m_folder + _T("Sample.lwp"));
  m_view.language = _T("Deutsch");
  m_view.CopyHeaderEdits();
  const std::map<UINT, bool> withoutScripts = enabled();
  CArray<CString> scripts;
  scripts.Add(m_folder + _T("A.rc"));
  m_maker.InsertScripts(scripts);
  const std::map<UINT, bool> scanned = enabled();
  for (const Row& r : rows) {
    ASSERT_EQ(1u, none.count(r.id)) << r.id;
    EXPECT_EQ(r.none, none.at(r.id)) << r.id;
    EXPECT_EQ(r.withoutScripts, withoutScripts.at(r.id)) << r.id;
    EXPECT_EQ(r.scanned, scanned.at(r.id)) << r.id;
  }
}

TEST_F(MakerUserPaths, AReopenedProjectIsUnchangedUntilItsScriptsChange) {
  SavedWithTwoScripts();
  m_maker.OpenProject(m_folder + _T("Sample.lwp"));
  EXPECT_FALSE(m_maker.State().projectModified);
  EXPECT_FALSE(m_maker.State().languageFileModified);
  const size_t asked = m_ui.Messages().size();
  EXPECT_TRUE(m_maker.QuerySave());
  EXPECT_EQ(asked, m_ui.Messages().size());

  // A script changed since: the language file is behind it.
  WriteText(m_folder + _T("C.rc"), std::string(kScriptC) + "IDD_MORE DIALOG 0, 0, 10, 10 CAPTION \"Mehr\" BEGIN END\n");
  m_maker.OpenProject(m_folder + _T("Sample.lwp"));
  EXPECT_FALSE(m_maker.State().projectModified);
  EXPECT_TRUE(m_maker.State().languageFileModified);
}

TEST_F(MakerUserPaths, CancelInThePickerLeavesNothingOfTheOldProject) {
  NewWithScript();
  ASSERT_EQ("Sample", Utf8(m_view.name));
  m_ui.QueueMessageAnswer(IDNO);  // do not save the old project
  m_ui.QueueFlagCancel();
  m_maker.NewProject(m_folder + _T("Other.lwp"));
  EXPECT_EQ(nullptr, m_maker.GetProject());
  EXPECT_EQ("", Utf8(m_view.name));
  EXPECT_EQ("", Utf8(m_view.version));
  EXPECT_EQ("", Utf8(m_view.language));
}

TEST_F(MakerUserPaths, APickerThatCannotOpenSaysWhatItMeansForTheCommand) {
  m_ui.QueueFlagFailure();
  m_ui.QueueMessageAnswer(IDOK);
  m_maker.NewProject(m_folder + _T("Sample.lwp"));
  EXPECT_EQ(nullptr, m_maker.GetProject());
  EXPECT_EQ("#2064", MessageId(0));  // no new project

  NewWithScript();
  const LANGID id = m_maker.GetProject()->GetTraFile()->GetLanguageId();
  m_ui.QueueFlagFailure();
  m_ui.QueueMessageAnswer(IDOK);
  EXPECT_FALSE(m_maker.ChooseLanguageFlag());
  EXPECT_EQ("#2074", MessageId(1));  // the project keeps flag and language
  ASSERT_NE(nullptr, m_maker.GetProject());
  EXPECT_EQ(id, m_maker.GetProject()->GetTraFile()->GetLanguageId());
  // Cancel says nothing.
  m_ui.QueueFlagCancel();
  EXPECT_FALSE(m_maker.ChooseLanguageFlag());
  EXPECT_EQ(2u, m_ui.Messages().size());
}

TEST_F(MakerUserPaths, TheLanguageNameFollowsThePickedLanguageUntilTyped) {
  // The wizard's string table (under Wine the test's resources hold it).
  lw::SetNativeString(WIZARD_DEFAULT_LANGUAGE_STRING, LW_WSTR("Deutsch"));
  LwFlagChoice french = Germany();
  french.langId = 0x040C;
  m_ui.QueueFlag(french);
  m_maker.NewProject(m_folder + _T("Sample.lwp"));
  EXPECT_EQ("French", Utf8(m_view.language));
  EXPECT_EQ("French", Utf8(m_maker.GetProject()->GetTraFile()->GetLanguageName()));
  // Picked again: the name the catalogue gave follows.
  m_ui.QueueFlag(Germany());
  ASSERT_TRUE(m_maker.ChooseLanguageFlag());
  EXPECT_EQ("Deutsch", Utf8(m_view.language));  // German in the wizard's own words
  // A typed name stays.
  m_view.language = _T("Hochdeutsch");
  m_ui.QueueFlag(french);
  ASSERT_TRUE(m_maker.ChooseLanguageFlag());
  EXPECT_EQ("Hochdeutsch", Utf8(m_view.language));
}

TEST_F(MakerUserPaths, TheProblemsPageNamesScriptsAsTheProjectDoesAndIncludesOutsideIt) {
  NewWithScript();
  ASSERT_TRUE(lwtest::MakeFolder(m_folder + _T("res")));
  WriteText(m_folder + _T("res\\B.rc"), std::string(kScriptB) + "#include \"inner.rc2\"\n#include \"..\\A.rc\"\n"
                                                                 "#include \"resource.h\"\n#include \"dlgs.DLG\"\n");
  CArray<CString> scripts;
  scripts.Add(m_folder + _T("res\\B.rc"));
  m_maker.InsertScripts(scripts);
  const std::string log = Utf8(m_view.problems);
  EXPECT_NE(std::string::npos, log.find("\r\n- res\\B.rc (")) << log;
  EXPECT_EQ(std::string::npos, log.find(Utf8(m_folder))) << log;
  // One line per included script that is not in the project: A.rc is in
  // it, and resource.h is no script.
  EXPECT_NE(std::string::npos, log.find("inner.rc2")) << log;
  EXPECT_NE(std::string::npos, log.find("dlgs.DLG")) << log;
  size_t lines = 0;
  for (size_t at = log.find("Eingebundene"); at != std::string::npos; at = log.find("Eingebundene", at + 1)) ++lines;
  EXPECT_EQ(2u, lines) << log;
}

// An include names its file as written: "res\newres.rc2" holds no line feed.
TEST_F(MakerUserPaths, AnIncludedScriptOfTheProjectIsFoundWhateverLetterFollowsTheBackslash) {
  NewWithScript();
  ASSERT_TRUE(lwtest::MakeFolder(m_folder + _T("res")));
  std::string includes;
  CArray<CString> scripts;
  for (const char* name : {"newres", "rtl", "tabs", "app", "Other"}) {
    includes += std::string("#include \"res\\") + name + ".rc2\"\n";
    WriteText(m_folder + _T("res\\") + CString(CStringA(name)) + _T(".rc2"), "STRINGTABLE BEGIN 1 \"s\" END\n");
    scripts.Add(m_folder + _T("res\\") + CString(CStringA(name)) + _T(".rc2"));
  }
  WriteText(m_folder + _T("Main.rc"), std::string(kScriptB) + includes);
  scripts.Add(m_folder + _T("Main.rc"));
  m_maker.InsertScripts(scripts);
  ASSERT_EQ(7, m_maker.GetProject()->GetRcFileCount());
  EXPECT_EQ(std::string::npos, Utf8(m_view.problems).find("Eingebundene")) << Utf8(m_view.problems);
}

TEST_F(MakerUserPaths, TheExportPathIsCheckedWhenTheEditIsLeft) {
  NewWithScript();
  CAddOnFileList& list = *m_maker.GetProject()->GetTraFile()->GetAddOnFiles();
  list.Append(new CAddOnFile(_T("x.txt"), _T("???\\"), _T("")));
  // Deleting the placeholder a character at a time says nothing.
  for (const TCHAR* typed : {_T("???"), _T("??"), _T("?"), _T(""), _T("d"), _T("do"), _T("doc")})
    m_maker.SetAddOnExportPath(0, typed);
  EXPECT_TRUE(m_ui.Messages().empty());
  EXPECT_EQ("doc", Utf8(list.GetAt(0)->GetExportPath()));
  EXPECT_TRUE(m_maker.LeaveAddOnExportPath(0, _T("doc")));
  EXPECT_TRUE(m_ui.Messages().empty());
  // Left with a path that is not allowed: said once, the stored one stays.
  EXPECT_FALSE(m_maker.SetAddOnExportPath(0, _T("C:\\x")));
  m_ui.QueueMessageAnswer(IDOK);
  EXPECT_FALSE(m_maker.LeaveAddOnExportPath(0, _T("C:\\x")));
  EXPECT_EQ("#2067", MessageId(0));
  EXPECT_EQ("doc", Utf8(list.GetAt(0)->GetExportPath()));
}

TEST_F(MakerUserPaths, TheScriptChooserOffersEveryKindTheReaderReads) {
  NewWithScript();
  m_ui.QueueFileCancel();
  m_maker.OnResourceInsert();
  ASSERT_EQ(1u, m_ui.FileQuestions().size());
  const std::string filter = Utf8(m_ui.FileQuestions()[0].strFilter);
  for (const char* pattern : {"*.rc;", "*.rc2", "*.dlg"}) EXPECT_NE(std::string::npos, filter.find(pattern)) << filter;
}

}  // namespace
