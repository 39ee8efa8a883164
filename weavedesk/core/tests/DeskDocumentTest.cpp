// The document's state machine over real .tra files, answered through the
// UI seam: open, new translation, save as, reopen, version update, overlay,
// flag, fonts, add-ons, the title and the save question, and the order in
// which files are replaced while views hold their nodes.
#include "DeskDocument.h"
#include "DeskFileIo.h"
#include "DeskStrings.h"
#include "DeskTestSupport.h"
#include "HeadlessView.h"
#include "LwFileInfo.h"
#include "TestPaths.h"

#include <gtest/gtest.h>

#include <cstdio>

using desktest::MakeFile;
using desktest::ScratchPath;
using desktest::WriteFile;

namespace {

class CFakeDocHost;

// A message box repaints the views, as a modal loop does on Windows.
class CRepaintingUi : public CQueuedUiServices {
 public:
  int ShowMessage(const CString& text, UINT type) override;
  CFakeDocHost* m_pHost = nullptr;
};

// The views: blocks over the document's trees, built on hint 1, written
// back on hint 2; every use checks that the trees are still the document's.
class CFakeDocHost : public CDeskDocumentHost {
 public:
  void UpdateAllViews(int hint) override {
    m_hints.push_back(hint);
    if (hint == DESK_HINT_REBUILD) {
      m_view.Rebuild(m_pDoc->GetRootNode(), m_pDoc->GetOverlayRootNode());
      m_pBuiltRoot = m_pDoc->GetRootNode();
      m_pBuiltOverlay = m_pDoc->GetOverlayRootNode();
      return;
    }
    Touch();
    if (hint == DESK_HINT_STORE) m_view.m_blocks.StoreTexts();
  }
  void CommitDialogRects() override {
    Touch();
    m_hints.push_back(-1);
  }
  void DetachDialogEditor() override { ++m_nDetached; }
  void RefreshHeader() override {}
  bool RunFontsDialog() override { return m_bFontsOk; }
  void RunAddOnsDialog(CTraFile&) override { ++m_nAddOnDialogs; }
  void SetTitle(const CString& title) override { m_strTitle = title; }

  // What a repaint does: draw every block over its nodes.
  void Touch() {
    if (m_view.m_blocks.GetCount() == 0) return;
    if (m_pBuiltRoot != m_pDoc->GetRootNode() || m_pBuiltOverlay != m_pDoc->GetOverlayRootNode()) ++m_nStale;
    for (int i = 0; i < m_view.m_blocks.GetCount(); ++i) m_view.m_blocks.GetBlock(i)->Draw(m_view.m_device, 0, 0);
  }

  CDeskDocument* m_pDoc = nullptr;
  CHeadlessView m_view;
  CTraNode* m_pBuiltRoot = nullptr;
  CTraNode* m_pBuiltOverlay = nullptr;
  std::vector<int> m_hints;
  int m_nStale = 0;
  int m_nDetached = 0;
  int m_nAddOnDialogs = 0;
  bool m_bFontsOk = true;
  CString m_strTitle;
};

int CRepaintingUi::ShowMessage(const CString& text, UINT type) {
  if (m_pHost) m_pHost->Touch();
  return CQueuedUiServices::ShowMessage(text, type);
}

struct Desk {
  CRepaintingUi ui;
  CFakeDocHost host;
  CDeskDocument doc{ui, host};
  Desk() {
    ui.m_pHost = &host;
    host.m_pDoc = &doc;
  }
  ~Desk() {
    EXPECT_EQ(0, host.m_nStale) << "a view used a tree the document had already let go";
    EXPECT_EQ(0, ui.Unanswered());
  }
  bool Open(const CString& path) {
    ui.QueueFile(path);
    return doc.OpenLanguageFile();
  }
  bool Has(UINT id) const {
    CString text = DeskText(id);
    const int variable = text.Find('%');
    if (variable >= 0) text = text.Left(variable);
    for (const auto& m : ui.Messages())
      if (m.text.Find(text) == 0) return true;
    return false;
  }
  // Types text at the end of the first item of block i.
  void Type(int block, const CString& text) {
    host.m_view.m_blocks.SetCurrent(block);
    host.m_view.PlaceCurrentBlock(true, false);
    host.m_view.m_editor.m_nSelStart = host.m_view.m_editor.m_nSelEnd = host.m_view.m_editor.m_strText.GetLength();
    ASSERT_TRUE(host.m_view.m_editor.Type(text));
    doc.SetModified();
  }
};

LwFlagChoice Flag(LANGID id) {
  LwFlagChoice flag;
  flag.langId = id;
  flag.pixels.assign(TRA_FLAG_PIXELS, RGB(1, 2, 3));
  return flag;
}

TEST(DeskDocument, OriginalToNewTranslationToSaveAsAndReopen) {
  auto original = MakeFile(_T("Demo"), true);
  const CString originalPath = WriteFile(*original, _T("demo.tra"));
  const CString englishPath = ScratchPath(_T("english.tra"));
  remove(lw::HostPath(englishPath).c_str());
  {
    Desk d;
    ASSERT_TRUE(d.Open(originalPath));
    EXPECT_TRUE(d.doc.IsOriginal());
    EXPECT_EQ(CString(_T("demo.tra (Originalsprache)")), d.host.m_strTitle);
    EXPECT_FALSE(d.doc.IsModified());

    d.ui.QueueFlag(Flag(0x0409));
    d.doc.OnNewTranslation();
    EXPECT_FALSE(d.doc.IsOriginal());
    EXPECT_TRUE(d.doc.IsModified());
    EXPECT_EQ(CString(_T("*")), d.host.m_strTitle);
    EXPECT_EQ(CString(_T("Neue_Sprache_0")), d.doc.GetLanguageName());
    EXPECT_EQ(0x0409, d.doc.GetFile()->GetLanguageId());
    EXPECT_EQ(RGB(1, 2, 3), d.doc.GetFile()->GetFlagPixel(5));
    ASSERT_NE(nullptr, d.doc.GetOverlayFile());
    EXPECT_EQ(
        TRA_STATE_NEW,
        desktest::NodeAt(d.doc.GetRootNode(), _T("Menus"), _T("IDR_MAIN"), _T("&Datei"))->GetChild(0)->GetState());

    d.Type(3, _T(" (en)"));  // "&Neu"
    d.ui.QueueFile(englishPath);
    ASSERT_TRUE(d.doc.Save());  // no path yet: Save As
    EXPECT_FALSE(d.doc.IsModified());
    EXPECT_EQ(CString(_T("english.tra")), d.host.m_strTitle);
    EXPECT_EQ(englishPath, d.doc.GetPath());
  }
  Desk again;
  ASSERT_TRUE(again.Open(englishPath));
  CTraNode* item = again.doc.GetRootNode()->GetChild(0)->GetChild(0)->GetChild(0)->GetChild(0);
  EXPECT_EQ(CString(_T("&Neu (en)")), item->GetTranslation());
  EXPECT_FALSE(again.doc.IsOriginal());
  EXPECT_EQ(CString(_T("Neue_Sprache_0")), again.doc.GetLanguageName());
  EXPECT_EQ(DESK_PROBE_ORIGINAL, ProbeFile(originalPath));
  EXPECT_EQ(DESK_PROBE_OTHER, ProbeFile(englishPath));
}

TEST(DeskDocument, CommandLineFileIsOpenedOnceWithoutAsking) {
  auto file = MakeFile(_T("Demo"), false);
  const CString path = WriteFile(*file, _T("cmdline.tra"));
  Desk d;
  d.doc.SetPendingFile(path);
  ASSERT_TRUE(d.doc.OpenLanguageFile());
  EXPECT_TRUE(d.ui.FileQuestions().empty());
  d.ui.QueueFileCancel();
  EXPECT_FALSE(d.doc.OpenLanguageFile());  // asks now; cancel keeps the file
  EXPECT_EQ(1u, d.ui.FileQuestions().size());
  EXPECT_EQ(path, d.doc.GetPath());
}

TEST(DeskDocument, InvalidAndUnreadableFilesKeepEverything) {
  auto file = MakeFile(_T("Demo"), false);
  const CString good = WriteFile(*file, _T("good.tra"));
  const CString junk = ScratchPath(_T("junk.tra"));
  FILE* f = fopen(lw::HostPath(junk).c_str(), "wb");
  ASSERT_NE(nullptr, f);
  fputs("no language file", f);
  fclose(f);
  Desk d;
  ASSERT_TRUE(d.Open(good));
  CTraFile* before = d.doc.GetFile();
  d.ui.QueueMessageAnswer(IDOK);
  d.ui.QueueMessageAnswer(IDOK);
  d.ui.QueueMessageAnswer(IDOK);
  EXPECT_FALSE(d.Open(junk));
  EXPECT_TRUE(d.Has(IDS_DESK_INVALID_FILE));
  EXPECT_FALSE(d.Open(ScratchPath(_T("missing.tra"))));
  EXPECT_TRUE(d.Has(IDS_DESK_READ_FAILED));
  EXPECT_EQ(before, d.doc.GetFile());
  EXPECT_EQ(good, d.doc.GetPath());
}

// A file without the magic shows the reader's "corrupt .tra - file!" in a
// plain box before the editor's own message; a damaged language file only
// the editor's.
TEST(DeskDocument, WrongMagicShowsTheReadersMessageFirst) {
  const CString junk = ScratchPath(_T("magic.tra"));
  FILE* f = fopen(lw::HostPath(junk).c_str(), "wb");
  ASSERT_NE(nullptr, f);
  fputs("\x1b_LINGOWEAVE__LANGUAGE_FILX_ and more", f);
  fclose(f);
  auto file = MakeFile(_T("Demo"), false);
  const CString good = WriteFile(*file, _T("cut.tra"));
  std::vector<BYTE> bytes = lwtest::ReadFileBytes(good);
  ASSERT_GT(bytes.size(), 100u);
  const CString cut = ScratchPath(_T("cut_short.tra"));
  FILE* out = fopen(lw::HostPath(cut).c_str(), "wb");
  ASSERT_NE(nullptr, out);
  fwrite(bytes.data(), 1, bytes.size() / 2, out);
  fclose(out);
  struct Case {
    CString path;
    std::vector<CString> messages;
  } cases[] = {
      {junk, {TRA_CORRUPT_MESSAGE, DeskText(IDS_DESK_INVALID_FILE)}},
      {cut, {DeskText(IDS_DESK_INVALID_FILE)}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(CStringA(c.path).GetString());
    Desk d;
    for (size_t i = 0; i < c.messages.size(); ++i) d.ui.QueueMessageAnswer(IDOK);
    EXPECT_FALSE(d.Open(c.path));
    std::vector<CString> shown;
    for (const auto& m : d.ui.Messages()) shown.push_back(m.text);
    EXPECT_EQ(c.messages, shown);
    if (c.messages.size() == 2) {
      EXPECT_EQ(static_cast<UINT>(MB_OK), d.ui.Messages()[0].type);
    }
  }
}

// The open dialogs refuse a name that does not exist themselves; the
// save dialog takes new names.
TEST(DeskDocument, OpenDialogsAskForExistingFiles) {
  auto file = MakeFile(_T("Demo"), false);
  const CString path = WriteFile(*file, _T("exists.tra"));
  Desk d;
  ASSERT_TRUE(d.Open(path));
  d.ui.QueueFileCancel();
  d.doc.OnShowOverlay();
  d.ui.QueueFileCancel();
  d.doc.OnVersionUpdate();
  d.ui.QueueFileCancel();
  d.doc.SaveAs();
  const auto& questions = d.ui.FileQuestions();
  ASSERT_EQ(4u, questions.size());
  for (size_t i = 0; i < 3; ++i) {
    EXPECT_TRUE(questions[i].bOpen) << i;
    EXPECT_TRUE(questions[i].bMustExist) << i;
  }
  EXPECT_FALSE(questions[3].bOpen);
  EXPECT_FALSE(questions[3].bMustExist);
}

// Add-on folders are looked for beside the language file, wherever the
// editor was started; only a folder that is missing there counts as wrong.
TEST(DeskDocument, AddOnFoldersAreCheckedBesideTheLanguageFile) {
  const CString folder = lwtest::FreshScratchDir("desk_addon_beside");
  ASSERT_TRUE(lwtest::MakeFolder(folder + _T("hilfe")));
  struct Case {
    const TCHAR* exportPath;
    bool bad;
  } cases[] = {{_T("hilfe\\"), false}, {_T("fehlt\\"), true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(CStringA(c.exportPath).GetString());
    auto file = MakeFile(_T("Demo"), false);
    file->GetAddOnFiles()->Append(new CAddOnFile(_T("liesmich.txt"), c.exportPath, CString()));
    const CString path = folder + _T("Beside.tra");
    ASSERT_TRUE(LwWriteLanguageFile(path, *file));
    Desk d;
    if (c.bad) d.ui.QueueMessageAnswer(IDOK);
    ASSERT_TRUE(d.Open(path));
    EXPECT_EQ(c.bad, d.Has(IDS_DESK_BAD_ADDON_PATHS));
    EXPECT_EQ(c.bad, d.doc.GetFile()->HasBadAddOnPaths());
    const CString saved = folder + (c.bad ? _T("SavedBad.tra") : _T("SavedGood.tra"));
    d.ui.QueueFile(saved);
    ASSERT_TRUE(d.doc.SaveAs());
    CTraFile back;
    ASSERT_TRUE(LwReadLanguageFile(saved, back, LW_READ_HEADER));
    EXPECT_EQ(c.bad, back.HasBadAddOnPaths());
  }
}

TEST(DeskDocument, SaveQuestionAnswersSavedOnlyWhenNothingIsLeftUnsaved) {
  auto file = MakeFile(_T("Demo"), false);
  const CString path = WriteFile(*file, _T("question.tra"));
  struct Case {
    int answer;
    bool saveAsCancelled;
    bool expected;
    bool modifiedAfter;
  } cases[] = {
      {IDCANCEL, false, false, true},
      {IDNO, false, true, true},
      {IDYES, false, true, false},
      {IDYES, true, false, true},  // Save As cancelled: the edits are still there
  };
  for (const Case& c : cases) {
    Desk d;
    ASSERT_TRUE(d.Open(path));
    if (c.saveAsCancelled) {
      d.ui.QueueFlag(Flag(0x0407));
      d.doc.OnNewTranslation();  // empties the path
    }
    d.Type(0, _T("x"));
    d.ui.QueueMessageAnswer(c.answer);
    if (c.saveAsCancelled) d.ui.QueueFileCancel();
    EXPECT_EQ(c.expected, d.doc.SaveModifiedPrompt()) << c.answer;
    EXPECT_EQ(c.modifiedAfter, d.doc.IsModified()) << c.answer;
  }
}

TEST(DeskDocument, AFailedSaveKeepsPathAndModifiedAndTheOldFile) {
  auto file = MakeFile(_T("Demo"), false);
  const CString path = WriteFile(*file, _T("failing.tra"));
  Desk d;
  ASSERT_TRUE(d.Open(path));
  d.Type(0, _T("x"));
  const CString folderless = ScratchPath(_T("no_such_folder/out.tra"));
  d.ui.QueueFile(folderless);
  d.ui.QueueMessageAnswer(IDOK);
  EXPECT_FALSE(d.doc.SaveAs());
  EXPECT_TRUE(d.Has(IDS_DESK_SAVE_FAILED));
  EXPECT_TRUE(d.doc.IsModified());
  EXPECT_EQ(path, d.doc.GetPath());
  EXPECT_EQ(CString(_T("failing.tra*")), d.host.m_strTitle);
}

// A translation of an older version keeps what the translator added to it
// (the date every change stamps, author, add-on files) by being saved in the
// current version; one that gained nothing keeps its version.
TEST(DeskDocument, AnOlderFileKeepsWhatWasAddedToIt) {
  struct Case {
    const char* what;
    int version;
    bool type, addAuthor, addAddOn;
    int savedVersion;
  } cases[] = {
      {"saved untouched", 30001, false, false, false, 30001},
      {"a text typed: dated", 30001, true, false, false, TRA_VERSION},
      {"author", 30001, false, true, false, TRA_VERSION},
      {"a text typed into a dated version", 30002, true, false, false, 30002},
      {"add-on file", 30002, false, false, true, TRA_VERSION},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    auto file = MakeFile(_T("Demo"), false);
    file->SetVersion(c.version);
    const CString path = WriteFile(*file, _T("older.tra"));
    Desk d;
    ASSERT_TRUE(d.Open(path));
    if (c.type) d.Type(0, _T("x"));
    if (c.addAuthor) d.doc.SetAuthor(_T("Translator"));
    if (c.addAddOn) {
      CAddOnFile* entry = new CAddOnFile(_T("readme.txt"), _T(""), _T(""));
      entry->SetContents(std::vector<BYTE>{'h', 'i'});
      ASSERT_TRUE(d.doc.GetFile()->GetAddOnFiles()->Append(entry));
    }
    const CString date = d.doc.GetDate();
    ASSERT_TRUE(d.doc.Save());
    CTraFile back;
    ASSERT_TRUE(LwReadLanguageFile(path, back, LW_READ_WHOLE));
    EXPECT_EQ(c.savedVersion, back.GetVersion());
    if (c.type) {
      EXPECT_EQ(date, back.GetDate());
    }
    if (c.addAuthor) {
      EXPECT_EQ(CString(_T("Translator")), back.GetAuthor());
    }
    EXPECT_EQ(c.addAddOn ? 1 : 0, back.GetAddOnFiles()->GetCount());
  }
}

TEST(DeskDocument, AnOriginalIsNeverOverwrittenWhateverItsExtension) {
  auto original = MakeFile(_T("Demo"), true);
  const CString upper = WriteFile(*original, _T("ORIG.TRA"));
  const CString other = WriteFile(*original, _T("orig.lang"));
  auto translation = MakeFile(_T("Demo"), false);
  const CString mine = WriteFile(*translation, _T("mine.tra"));
  for (const CString& target : {upper, other}) {
    Desk d;
    ASSERT_TRUE(d.Open(mine));
    d.Type(0, _T("x"));
    d.ui.QueueFile(target);
    d.ui.QueueMessageAnswer(IDOK);  // "is an original"
    d.ui.QueueFileCancel();         // Save As asked again: cancelled
    EXPECT_FALSE(d.doc.SaveAs());
    EXPECT_TRUE(d.Has(IDS_DESK_ORIGINAL_NOT_OVERWRITTEN));
    EXPECT_EQ(DESK_PROBE_ORIGINAL, ProbeFile(target)) << target;
    EXPECT_TRUE(d.doc.IsModified());
  }
  EXPECT_EQ(DESK_PROBE_NONE, ProbeFile(ScratchPath(_T("nothing.here"))));
}

TEST(DeskDocument, VersionUpdateIsAlwaysModifiedAndUnsaved) {
  auto translation = MakeFile(_T("Demo"), false);
  desktest::NodeAt(translation->GetRootNode(), _T("Menus"), _T("IDR_MAIN"))
      ->GetChild(0)
      ->GetChild(0)
      ->SetTranslation(_T("&New"));
  const CString mine = WriteFile(*translation, _T("update_mine.tra"));
  auto same = MakeFile(_T("Demo"), true);
  same->SetProgramVersion(_T("2.0"));
  const CString sameShape = WriteFile(*same, _T("update_same.tra"));
  auto grown = MakeFile(_T("Demo"), true);
  desktest::Add(desktest::NodeAt(grown->GetRootNode(), _T("Menus"), _T("IDR_MAIN"))->GetChild(0), _T("&Hilfe"),
                _T("&Hilfe"), TRA_MENUITEM);
  const CString newer = WriteFile(*grown, _T("update_grown.tra"));

  for (const CString& update : {sameShape, newer}) {
    Desk d;
    ASSERT_TRUE(d.Open(mine));
    d.ui.QueueFile(update);
    d.doc.OnVersionUpdate();
    EXPECT_TRUE(d.doc.IsModified()) << update;
    EXPECT_TRUE(d.doc.GetPath().IsEmpty());
    EXPECT_EQ(CString(_T("*")), d.host.m_strTitle);
    ASSERT_NE(nullptr, d.doc.GetOverlayFile());
    CTraNode* popup = desktest::NodeAt(d.doc.GetRootNode(), _T("Menus"), _T("IDR_MAIN"), _T("&Datei"));
    EXPECT_EQ(CString(_T("&New")), popup->GetChild(0)->GetTranslation());
    EXPECT_GT(d.host.m_nDetached, 0);
    // The pending edits were committed before the tree was replaced.
    ASSERT_GE(d.host.m_hints.size(), 4u);
  }
}

TEST(DeskDocument, VersionUpdateOfAnotherProgramAsksFirst) {
  auto mine = MakeFile(_T("Demo"), false);
  const CString minePath = WriteFile(*mine, _T("other_mine.tra"));
  auto foreign = MakeFile(_T("Fremd"), true);
  const CString foreignPath = WriteFile(*foreign, _T("other_foreign.tra"));
  Desk d;
  ASSERT_TRUE(d.Open(minePath));
  CTraFile* before = d.doc.GetFile();
  d.ui.QueueFile(foreignPath);
  d.ui.QueueMessageAnswer(IDNO);
  d.doc.OnVersionUpdate();
  EXPECT_EQ(before, d.doc.GetFile());
  EXPECT_FALSE(d.doc.IsModified());
  EXPECT_TRUE(d.Has(IDS_DESK_UPDATE_OTHER_PROGRAM));
}

TEST(DeskDocument, OverlayOnAndOffRebuildsTheViewsBeforeTheOldOneGoes) {
  auto mine = MakeFile(_T("Demo"), false);
  const CString minePath = WriteFile(*mine, _T("overlay_mine.tra"));
  auto english = MakeFile(_T("Demo"), false);
  english->GetRootNode()->GetChild(0)->GetChild(0)->SetTranslation(_T("MAIN (en)"));
  const CString englishPath = WriteFile(*english, _T("overlay_en.tra"));
  auto smaller = MakeFile(_T("Demo"), false);
  smaller->GetRootNode()->GetChild(1)->GetChild(0)->GetChild(1)->SetOriginal(_T("Anders"));
  const CString otherVersion = WriteFile(*smaller, _T("overlay_other.tra"));
  auto foreign = MakeFile(_T("Fremd"), false);
  const CString foreignPath = WriteFile(*foreign, _T("overlay_foreign.tra"));

  Desk d;
  ASSERT_TRUE(d.Open(minePath));
  d.ui.QueueFile(englishPath);
  d.doc.OnShowOverlay();
  ASSERT_TRUE(d.doc.HasOverlay());
  EXPECT_EQ(CString(_T("MAIN (en)")), d.host.m_view.m_blocks.GetBlock(1)->GetOverlayNode()->GetTranslation());
  d.ui.QueueFile(foreignPath);
  d.ui.QueueMessageAnswer(IDOK);
  d.doc.OnShowOverlay();
  EXPECT_TRUE(d.Has(IDS_DESK_OVERLAY_OTHER_PROGRAM));
  EXPECT_EQ(CString(_T("Deutsch")), d.doc.GetOverlayLanguageName());
  d.ui.QueueFile(otherVersion);
  d.ui.QueueMessageAnswer(IDOK);
  d.doc.OnShowOverlay();
  EXPECT_TRUE(d.Has(IDS_DESK_OVERLAY_OTHER_VERSION));
  d.doc.OnHideOverlay();
  EXPECT_FALSE(d.doc.HasOverlay());
  EXPECT_EQ(nullptr, d.host.m_view.m_blocks.GetBlock(0)->GetOverlayNode());
  EXPECT_FALSE(d.doc.IsModified());
}

TEST(DeskDocument, OpeningAnotherFileWithBadAddOnPathsShowsItsMessageAfterTheRebuild) {
  auto first = MakeFile(_T("Demo"), false);
  const CString firstPath = WriteFile(*first, _T("addon_first.tra"));
  auto second = MakeFile(_T("Demo"), false);
  second->GetAddOnFiles()->Append(new CAddOnFile(_T("readme.txt"), ScratchPath(_T("no_such_dir\\")), CString()));
  const CString secondPath = WriteFile(*second, _T("addon_second.tra"));
  Desk d;
  ASSERT_TRUE(d.Open(firstPath));
  d.ui.QueueMessageAnswer(IDOK);
  ASSERT_TRUE(d.Open(secondPath));
  EXPECT_TRUE(d.Has(IDS_DESK_BAD_ADDON_PATHS));
  EXPECT_TRUE(d.doc.GetFile()->HasBadAddOnPaths());
  d.ui.QueueMessageAnswer(IDOK);
  d.doc.OnAddOns();
  EXPECT_EQ(1, d.host.m_nAddOnDialogs);
  EXPECT_TRUE(d.doc.IsModified());  // even when the dialog changed nothing
  EXPECT_EQ(DESK_HINT_REPAINT_KEEP, d.host.m_hints.back());
}

TEST(DeskDocument, DroppedFileOpensThroughTheOpenPath) {
  auto first = MakeFile(_T("Demo"), false);
  const CString firstPath = WriteFile(*first, _T("drop_first.tra"));
  auto second = MakeFile(_T("Zweites"), false);
  const CString secondPath = WriteFile(*second, _T("drop_second.tra"));
  Desk d;
  ASSERT_TRUE(d.Open(firstPath));
  d.Type(0, _T("x"));
  d.ui.QueueMessageAnswer(IDCANCEL);
  EXPECT_FALSE(d.doc.OpenFile(secondPath));  // the save question comes first
  EXPECT_EQ(CString(_T("Demo")), d.doc.GetProgramName());
  d.ui.QueueMessageAnswer(IDNO);
  ASSERT_TRUE(d.doc.OpenFile(secondPath));
  EXPECT_EQ(CString(_T("Zweites")), d.doc.GetProgramName());
  EXPECT_EQ(CString(_T("drop_second.tra")), d.host.m_strTitle);
  EXPECT_EQ(d.doc.GetRootNode(), d.host.m_pBuiltRoot);
  d.ui.QueueMessageAnswer(IDOK);
  EXPECT_FALSE(d.doc.OpenFile(ScratchPath(_T("drop_missing.tra"))));
  EXPECT_EQ(secondPath, d.doc.GetPath());
}

TEST(DeskDocument, FontsCommitWhatIsTypedBeforeTheRebuild) {
  auto file = MakeFile(_T("Demo"), false);
  const CString path = WriteFile(*file, _T("fonts.tra"));
  Desk d;
  ASSERT_TRUE(d.Open(path));
  d.host.m_view.m_blocks.SetCurrent(0);
  d.host.m_view.PlaceCurrentBlock(true, false);
  ASSERT_TRUE(d.host.m_view.m_editor.Type(_T(" getippt")));
  d.host.m_hints.clear();
  d.doc.OnFonts();
  EXPECT_EQ((std::vector<int>{-1, DESK_HINT_STORE, DESK_HINT_REBUILD}), d.host.m_hints);
  EXPECT_EQ(CString(_T("Menus getippt")), d.doc.GetRootNode()->GetChild(0)->GetTranslation());
  d.host.m_bFontsOk = false;
  d.host.m_hints.clear();
  d.doc.OnFonts();
  EXPECT_TRUE(d.host.m_hints.empty());
}

TEST(DeskDocument, FlagOfAnOriginalOffersANewTranslation) {
  auto original = MakeFile(_T("Demo"), true);
  const CString path = WriteFile(*original, _T("flag_original.tra"));
  Desk d;
  ASSERT_TRUE(d.Open(path));
  d.ui.QueueMessageAnswer(IDNO);
  d.doc.OnChooseFlag();
  EXPECT_EQ(0, d.ui.FlagQuestions());
  EXPECT_TRUE(d.Has(IDS_DESK_OFFER_TRANSLATION));
  EXPECT_TRUE(d.doc.IsOriginal());
  d.ui.QueueMessageAnswer(IDYES);
  d.ui.QueueFlagCancel();
  d.doc.OnChooseFlag();
  EXPECT_FALSE(d.doc.IsOriginal());
  EXPECT_EQ(1, d.ui.FlagQuestions());
}

TEST(DeskDocument, QueryCloseKeepsTheDocumentOnCancel) {
  auto file = MakeFile(_T("Demo"), false);
  const CString path = WriteFile(*file, _T("close.tra"));
  Desk d;
  ASSERT_TRUE(d.Open(path));
  EXPECT_TRUE(d.doc.SaveModifiedPrompt());  // nothing to ask
  d.Type(0, _T("x"));
  d.ui.QueueMessageAnswer(IDCANCEL);
  EXPECT_FALSE(d.doc.SaveModifiedPrompt());
  EXPECT_TRUE(d.doc.IsModified());
  EXPECT_TRUE(d.doc.CanSave());
}

}  // namespace

namespace {

// The file of MakeFile with the translation of "Fertig" stored as a 16-bit
// text of Cyrillic letters, as a Unicode writer stores it.
CString WriteFileWithCyrillicText(const CString& name) {
  auto file = MakeFile(_T("Demo"), false);
  CMemFile memory;
  {
    CArchive ar(&memory, CArchive::store);
    file->Serialize(ar);
    ar.Close();
  }
  std::string bytes(reinterpret_cast<const char*>(memory.Data()), static_cast<size_t>(memory.GetLength()));
  // Either width's form of the text "Fertig": the translation is its second occurrence.
  const std::string narrow("\x06" "Fertig", 7);
  const std::string wide("\xFF\xFE\xFF\x06" "F\0e\0r\0t\0i\0g\0", 16);
  const std::string& form = sizeof(TCHAR) == 1 ? narrow : wide;
  size_t at = bytes.find(form);
  at = at == std::string::npos ? at : bytes.find(form, at + 1);
  if (at == std::string::npos) return CString();
  const std::string cyrillic("\xFF\xFE\xFF\x04\x16\x04\x35\x04\x3D\x04\x30\x04", 12);
  bytes.replace(at, form.size(), cyrillic);
  const CString path = ScratchPath(name);
  FILE* f = fopen(lw::HostPath(path).c_str(), "wb");
  if (!f) return CString();
  fwrite(bytes.data(), 1, bytes.size(), f);
  fclose(f);
  return path;
}

TEST(DeskDocument, TextsAnAnsiBuildCannotHoldAreReportedAndNeverSavedWithoutAsking) {
  const CString path = WriteFileWithCyrillicText(_T("cyrillic.tra"));
  ASSERT_FALSE(path.IsEmpty());
  const bool narrow = sizeof(TCHAR) == 1;
  Desk d;
  if (narrow) d.ui.QueueMessageAnswer(IDOK);
  ASSERT_TRUE(d.Open(path));
  EXPECT_EQ(narrow ? 1u : 0u, d.doc.GetLossyTexts());
  EXPECT_EQ(narrow, d.Has(IDS_DESK_LOSSY_TEXTS));
  d.Type(0, _T("x"));
  if (narrow) d.ui.QueueMessageAnswer(IDNO);
  EXPECT_EQ(!narrow, d.doc.Save());
  EXPECT_EQ(narrow, d.Has(IDS_DESK_LOSSY_SAVE_QUESTION));
  EXPECT_EQ(narrow, d.doc.IsModified());
  // What is on disk is still the file as it was (or, in Unicode, saved whole).
  CTraFile again;
  UINT lossy = 0;
  ASSERT_EQ(DESK_READ_OK, ReadDeskFile(path, again, lossy));
  EXPECT_EQ(narrow ? 1u : 0u, lossy);
  if (narrow) {
    d.ui.QueueMessageAnswer(IDYES);
    EXPECT_TRUE(d.doc.Save());
    EXPECT_FALSE(d.doc.IsModified());
  } else {
    EXPECT_EQ(CStringW(LW_WSTR("\x0416\x0435\x043D\x0430")),
              CStringW(desktest::TranslationAt(again, _T("Stringtables"), _T("String Table Section 1"),
                                               _T("Fertig"))));
  }
}

}  // namespace
