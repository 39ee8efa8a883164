// The add-on dialog's rules: the rows and their images, which controls a
// selection enables, description edits, export into the chosen folder under
// the file's own name (asking about the file really replaced), and
// re-import of the chosen file into the add-on whose name it has, or a
// refusal; each handler checks its preconditions (Escape, no selection).
#include "AddOnFilesModel.h"

#include "AddOnFile.h"
#include "DeskStrings.h"
#include "TestPaths.h"
#include "TraFile.h"
#include "UiServices.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct FakeAsker : CAddOnDescriptionAsker {
  bool AskDescription(CString& text) override {
    asked.push_back(text);
    if (!answer) return false;
    text = reply;
    return true;
  }
  bool answer = true;
  CString reply = _T("neu");
  std::vector<CString> asked;
};

std::vector<BYTE> Bytes(const char* s) { return std::vector<BYTE>(s, s + strlen(s)); }

void RemoveIfThere(const CString& path) {
  try {
    CFile::Remove(path);
  } catch (const CFileException&) {
  }
}

void WriteBytes(const CString& path, const char* s) {
  CFile f;
  ASSERT_TRUE(f.Open(path, CFile::modeCreate | CFile::modeWrite));
  f.Write(s, static_cast<UINT>(strlen(s)));
  f.Close();
}

class AddOnFilesModelTest : public testing::Test {
 protected:
  void SetUp() override {
    dir = lwtest::ScratchDir("addon_model");
    ASSERT_FALSE(dir.IsEmpty());
    file.SetOriginal(false);
    Add(_T("hilfe.txt"), "Hilfe");
    Add(_T("bild.bmp"), "BM");
    Add(_T("setup.exe"), "MZ");
  }
  void Add(const CString& name, const char* contents) {
    CAddOnFile* f = new CAddOnFile(name, dir, dir);
    f->SetContents(Bytes(contents));
    f->SetDescription(name + _T(" info"));
    ASSERT_TRUE(file.GetAddOnFiles()->Append(f));
  }
  CAddOnFile& At(int i) { return *file.GetAddOnFiles()->GetAt(i); }

  CString dir;
  CTraFile file;
  CQueuedUiServices ui;
  FakeAsker asker;
  CAddOnFilesModel model{file, ui, asker};
};

TEST_F(AddOnFilesModelTest, RowsOfATranslation) {
  At(1).Reimport(dir + _T("missing\\"));  // fails: counter stays
  WriteBytes(dir + _T("bild.bmp"), "BMx");
  ASSERT_TRUE(At(1).Reimport(dir));
  const std::vector<AddOnRow> rows = model.GetRows();
  ASSERT_EQ(3u, rows.size());
  EXPECT_EQ(kAddOnImageNotImported, rows[0].image);
  EXPECT_EQ(kAddOnImageImported, rows[1].image);
  EXPECT_EQ(kAddOnImageNotImported, rows[2].image);
  EXPECT_EQ(CString(_T("hilfe.txt")), rows[0].name);
  EXPECT_EQ(CString(_T("5 Byte")), rows[0].size);
  EXPECT_EQ(CString(_T("3 Byte")), rows[1].size);
  EXPECT_EQ(CString(_T("setup.exe info")), rows[2].description);
  EXPECT_EQ(At(0).GetDate(), rows[0].date);
}

TEST_F(AddOnFilesModelTest, ImagesOfAnOriginalByExtension) {
  file.SetOriginal(true);
  struct Case {
    const TCHAR* name;
    const TCHAR* exportPath;
    int image;
  } cases[] = {{_T("a.txt"), nullptr, kAddOnImageText},     {_T("a.exe"), nullptr, kAddOnImageProgram},
               {_T("a.com"), nullptr, kAddOnImageProgram},  {_T("a.zip"), nullptr, kAddOnImageArchive},
               {_T("a.rar"), nullptr, kAddOnImageArchive},  {_T("a.TXT"), nullptr, kAddOnImageOther},
               {_T("a.hlp"), nullptr, kAddOnImageOther},    {_T("a.txt"), _T("Z:\\kein\\ordner\\da\\"), kAddOnImageNotImported}};
  for (const Case& c : cases) {
    CAddOnFile f(c.name, c.exportPath ? CString(c.exportPath) : dir, dir);
    EXPECT_EQ(c.image, AddOnImageOf(f, true)) << lw::ToNarrow(c.name, _tcslen(c.name));
  }
}

TEST_F(AddOnFilesModelTest, CaptionsAndControlsBySelection) {
  EXPECT_EQ(DeskText(IDS_DESK_ADDON_CAPTION_TRANSLATION), model.GetCaption());
  struct Case {
    bool original;
    std::vector<int> selected;
    AddOnControls controls;
  } cases[] = {{false, {}, {false, false, false}},
               {false, {1}, {true, true, true}},
               {false, {0, 2}, {false, false, false}},
               {true, {1}, {true, false, false}},
               {true, {0, 1}, {false, false, false}},
               {false, {7}, {false, false, false}}};
  for (const Case& c : cases) {
    file.SetOriginal(c.original);
    model.OnSelectionChanged(c.selected);
    const AddOnControls got = model.GetControls();
    EXPECT_EQ(c.controls.exportEnabled, got.exportEnabled) << c.selected.size();
    EXPECT_EQ(c.controls.reimportEnabled, got.reimportEnabled) << c.selected.size();
    EXPECT_EQ(c.controls.descriptionEnabled, got.descriptionEnabled) << c.selected.size();
  }
  file.SetOriginal(true);
  EXPECT_EQ(DeskText(IDS_DESK_ADDON_CAPTION_ORIGINAL), model.GetCaption());
}

TEST_F(AddOnFilesModelTest, LastSingleSelectionStays) {
  model.OnSelectionChanged({2});
  EXPECT_EQ(CString(_T("setup.exe info")), model.GetDescription());
  model.OnSelectionChanged({0, 1});
  EXPECT_EQ(2, model.GetLastSelection());
  EXPECT_EQ(-1, model.GetCurrentSelection());
}

TEST_F(AddOnFilesModelTest, DescriptionEditNeedsASingleSelection) {
  EXPECT_FALSE(model.OnDescriptionEdited(_T("x")));
  model.OnSelectionChanged({1});
  EXPECT_TRUE(model.OnDescriptionEdited(_T("Logo")));
  EXPECT_EQ(CString(_T("Logo")), At(1).GetDescription());
  model.OnSelectionChanged({});
  EXPECT_FALSE(model.OnDescriptionEdited(_T("y")));
  EXPECT_EQ(CString(_T("Logo")), At(1).GetDescription());
  file.SetOriginal(true);
  model.OnSelectionChanged({1});
  EXPECT_FALSE(model.OnDescriptionEdited(_T("z")));
  EXPECT_EQ(CString(_T("Logo")), At(1).GetDescription());
}

TEST_F(AddOnFilesModelTest, ExportWritesTheOwnNameIntoTheChosenFolder) {
  EXPECT_FALSE(model.OnExport()) << "nothing selected yet";
  EXPECT_TRUE(ui.FileQuestions().empty());
  const CString out = dir + _T("export\\");
  ASSERT_TRUE(lwtest::MakeFolder(out));
  RemoveIfThere(out + _T("hilfe.txt"));
  model.OnSelectionChanged({0});
  ui.QueueFile(out + _T("anders.txt"));
  EXPECT_TRUE(model.OnExport());
  ASSERT_EQ(1u, ui.FileQuestions().size());
  const LwFileChoice& q = ui.FileQuestions()[0];
  EXPECT_FALSE(q.bOpen);
  EXPECT_EQ(CString(_T("txt")), q.strDefExt);
  EXPECT_EQ(CString(_T("hilfe.txt")), q.strInitialPath);
  EXPECT_EQ(CString(_T(" Exportieren von 'hilfe.txt'")), q.strTitle);
  EXPECT_EQ(CString(_T("Sprachdatei-Add-On (*.*)|*.*||")), q.strFilter);
  EXPECT_EQ(std::vector<BYTE>(Bytes("Hilfe")), lwtest::ReadFileBytes(out + _T("hilfe.txt")));
  EXPECT_TRUE(lwtest::ReadFileBytes(out + _T("anders.txt")).empty());
  EXPECT_EQ(out, At(0).GetStoredPath());
  EXPECT_TRUE(ui.Messages().empty()) << "no file was there to replace";
}

// A name that would leave the chosen folder is refused before anything is
// asked or written.
TEST_F(AddOnFilesModelTest, ExportRefusesANameThatLeavesTheChosenFolder) {
  const CString out = dir + _T("inner\\");
  ASSERT_TRUE(lwtest::MakeFolder(out));
  RemoveIfThere(dir + _T("escaped.txt"));
  const TCHAR* names[] = {_T("..\\escaped.txt"), _T("../escaped.txt"), _T("sub\\x.txt"), _T("C:escaped.txt"),
                          _T("NUL"), _T("x.txt.")};
  for (const TCHAR* name : names) {
    CAddOnFile* hostile = new CAddOnFile(name, dir, dir);
    hostile->SetContents(Bytes("evil"));
    ASSERT_TRUE(file.GetAddOnFiles()->Append(hostile));
    const int index = file.GetAddOnFiles()->GetCount() - 1;
    model.OnSelectionChanged({index});
    ui.QueueFile(out + _T("chosen.txt"));
    EXPECT_FALSE(model.OnExport()) << lw::ToUtf8(name);
    EXPECT_TRUE(lwtest::ReadFileBytes(dir + _T("escaped.txt")).empty()) << lw::ToUtf8(name);
    ASSERT_FALSE(ui.Messages().empty()) << lw::ToUtf8(name);
    EXPECT_EQ(DeskTextWith(IDS_DESK_ADDON_EXPORT_FAILED, name), ui.Messages().back().text);
    file.GetAddOnFiles()->RemoveAt(index);
  }
  EXPECT_TRUE(ui.FileQuestions().empty()) << "no folder was asked for";
}

TEST_F(AddOnFilesModelTest, ExportAsksAboutTheFileReallyReplaced) {
  const CString out = dir + _T("replace\\");
  ASSERT_TRUE(lwtest::MakeFolder(out));
  WriteBytes(out + _T("hilfe.txt"), "alt");
  model.OnSelectionChanged({0});
  ui.QueueFile(out + _T("anders.txt"));
  ui.QueueMessageAnswer(IDNO);
  EXPECT_FALSE(model.OnExport());
  ASSERT_EQ(1u, ui.Messages().size());
  EXPECT_EQ(DeskTextWith(IDS_DESK_ADDON_EXPORT_REPLACE, out + _T("hilfe.txt")), ui.Messages()[0].text);
  EXPECT_EQ(std::vector<BYTE>(Bytes("alt")), lwtest::ReadFileBytes(out + _T("hilfe.txt")));
  ui.QueueFile(out + _T("anders.txt"));
  ui.QueueMessageAnswer(IDYES);
  EXPECT_TRUE(model.OnExport());
  EXPECT_EQ(std::vector<BYTE>(Bytes("Hilfe")), lwtest::ReadFileBytes(out + _T("hilfe.txt")));
  // The same name typed: the chooser asked already.
  ui.QueueFile(out + _T("hilfe.txt"));
  EXPECT_TRUE(model.OnExport());
  EXPECT_EQ(2u, ui.Messages().size());
}

TEST_F(AddOnFilesModelTest, ExportIntoAMissingFolderReportsAndKeepsTheRecord) {
  model.OnSelectionChanged({0});
  const CString before = At(0).GetStoredPath();
  ui.QueueFile(dir + _T("gibt\\es\\nicht\\hilfe.txt"));
  EXPECT_FALSE(model.OnExport());
  ASSERT_EQ(1u, ui.Messages().size());
  EXPECT_EQ(before, At(0).GetStoredPath());
}

TEST_F(AddOnFilesModelTest, ReimportTakesTheChosenFileIntoTheAddOnOfItsName) {
  const CString in = dir + _T("neu\\");
  ASSERT_TRUE(lwtest::MakeFolder(in));
  WriteBytes(in + _T("setup.exe"), "MZneu");
  model.OnSelectionChanged({0});  // hilfe.txt selected, setup.exe chosen
  ui.QueueFile(in + _T("setup.exe"));
  ui.QueueMessageAnswer(IDOK);
  EXPECT_TRUE(model.OnReimport());
  EXPECT_EQ(std::vector<BYTE>(Bytes("MZneu")), At(2).GetContents());
  EXPECT_EQ(1, At(2).GetImportCounter());
  EXPECT_EQ(in, At(2).GetStoredPath());
  EXPECT_EQ(CString(_T("neu")), At(2).GetDescription());
  EXPECT_EQ(std::vector<BYTE>(Bytes("Hilfe")), At(0).GetContents()) << "the selected add-on is untouched";
  ASSERT_EQ(1u, asker.asked.size());
  EXPECT_EQ(CString(_T("setup.exe info")), asker.asked[0]);
  ASSERT_EQ(1u, ui.Messages().size());
  EXPECT_EQ(DeskTextWith(IDS_DESK_ADDON_REIMPORTED, _T("setup.exe")), ui.Messages()[0].text);
  const LwFileChoice& q = ui.FileQuestions().at(0);
  EXPECT_TRUE(q.bOpen);
  EXPECT_EQ(dir + _T("hilfe.txt"), q.strInitialPath);
  EXPECT_FALSE(file.AreAddOnFilesImported());
}

TEST_F(AddOnFilesModelTest, ReimportOfAnUnknownNameIsRefused) {
  WriteBytes(dir + _T("fremd.txt"), "x");
  model.OnSelectionChanged({0});
  ui.QueueFile(dir + _T("fremd.txt"));
  ui.QueueMessageAnswer(IDOK);
  EXPECT_FALSE(model.OnReimport());
  ASSERT_EQ(1u, ui.Messages().size());
  EXPECT_EQ(CString(_T("Datei fremd.txt ist nicht als Zusatzdatei registriert")), ui.Messages()[0].text);
  EXPECT_EQ(-1, At(0).GetImportCounter());
  EXPECT_TRUE(asker.asked.empty());
}

TEST_F(AddOnFilesModelTest, ReimportOfAnUnreadableFileFailsAndKeepsTheRecord) {
  model.OnSelectionChanged({1});
  ui.QueueFile(dir + _T("leer\\bild.bmp"));
  ui.QueueMessageAnswer(IDOK);
  EXPECT_TRUE(model.OnReimport());
  EXPECT_EQ(DeskTextWith(IDS_DESK_ADDON_REIMPORT_FAILED, _T("bild.bmp")), ui.Messages().at(0).text);
  EXPECT_EQ(std::vector<BYTE>(Bytes("BM")), At(1).GetContents());
  EXPECT_EQ(-1, At(1).GetImportCounter());
}

TEST_F(AddOnFilesModelTest, ReimportOfEveryFileSetsTheImportedFlag) {
  const char* names[] = {"hilfe.txt", "bild.bmp", "setup.exe"};
  for (int i = 0; i < 3; ++i) {
    const CString name(names[i]);
    WriteBytes(dir + name, "neu");
    model.OnSelectionChanged({i});
    ui.QueueFile(dir + name);
    ui.QueueMessageAnswer(IDOK);
    EXPECT_TRUE(model.OnReimport());
  }
  EXPECT_TRUE(file.AreAddOnFilesImported());
}

TEST_F(AddOnFilesModelTest, ReimportRefusedWhereTheButtonIsOff) {
  // Escape reaches the re-import handler whatever the button's state.
  const struct {
    bool original;
    std::vector<int> selected;
  } cases[] = {{true, {0}}, {false, {}}, {false, {0, 1}}};
  for (const auto& c : cases) {
    file.SetOriginal(c.original);
    model.OnSelectionChanged({0});
    model.OnSelectionChanged(c.selected);
    EXPECT_FALSE(model.OnReimport());
  }
  EXPECT_TRUE(ui.FileQuestions().empty());
  EXPECT_EQ(0, ui.Unanswered());
}

TEST_F(AddOnFilesModelTest, CancelledDescriptionKeepsTheOldOne) {
  WriteBytes(dir + _T("bild.bmp"), "BM2");
  asker.answer = false;
  model.OnSelectionChanged({1});
  ui.QueueFile(dir + _T("bild.bmp"));
  ui.QueueMessageAnswer(IDOK);
  EXPECT_TRUE(model.OnReimport());
  EXPECT_EQ(CString(_T("bild.bmp info")), At(1).GetDescription());
  EXPECT_EQ(CString(_T("bild.bmp info")), model.GetDescription());
}

}  // namespace
