// The sample's language files: the generator makes exactly the committed
// files, and the files are complete translations the library can use.
#include "FlagStrip.h"
#include "LibraryEntries.h"
#include "LwFileInfo.h"
#include "RcFileSet.h"
#include "ResStringTable.h"
#include "SampleTexts.h"
#include "SampleTraMaker.h"
#include "StdButtonModel.h"
#include "StdDlgRecognizer.h"
#include "SwitchDlgModel.h"
#include "SystemMenuTranslator.h"
#include "TestPaths.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

const CString kSamples = CString(LW_SOURCE_DIR) + _T("/samples/");
const CString kStrip = _T(LW_FLAG_STRIP_BMP);

CStringA Utf8(const CString& s) { return CStringA(lw::ToNarrow(s.GetString(), s.GetLength(), CP_UTF8).c_str()); }

using lwtest::ReadFileBytes;

// The committed files, read through the library's reader.
class CommittedFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(LwReadLanguageFile(kSamples + SAMPLE_TRA_GERMAN, m_german, LW_READ_WHOLE));
    ASSERT_TRUE(LwReadLanguageFile(kSamples + SAMPLE_TRA_ENGLISH, m_english, LW_READ_WHOLE));
    ASSERT_NE(nullptr, m_german.GetRootNode());
    ASSERT_NE(nullptr, m_english.GetRootNode());
  }
  static CTraNode* Dialogs(const CTraFile& file) {
    const CString path[1] = {TRA_SECTION_DIALOGS};
    return file.GetRootNode()->FindPath(path, 1);
  }
  static CTraNode* SwitchEntry(const CTraFile& file) {
    CTraNode* dialogs = Dialogs(file);
    for (int i = 0; dialogs && i < dialogs->GetChildCount(); ++i)
      if (dialogs->GetChild(i)->GetKind() == TRA_SWITCHDIALOG) return dialogs->GetChild(i);
    return nullptr;
  }
  static CTraNode* DialogCaptioned(const CTraFile& file, const char* caption) {
    CTraNode* dialogs = Dialogs(file);
    for (int i = 0; dialogs && i < dialogs->GetChildCount(); ++i)
      if (dialogs->GetChild(i)->GetOriginal() == SampleText(caption)) return dialogs->GetChild(i);
    return nullptr;
  }
  CTraFile m_german;
  CTraFile m_english;
};

TEST(SampleTraGenerator, WritesExactlyTheCommittedFiles) {
  const CString folder = lwtest::ScratchDir("sample_tra");
  ASSERT_FALSE(folder.IsEmpty());
  std::vector<CString> problems;
  const bool written = WriteSampleTraFiles(kSamples + _T("Sample.rc"), kStrip, folder, problems);
  for (const CString& problem : problems) ADD_FAILURE() << Utf8(problem).GetString();
  ASSERT_TRUE(written);
  for (const TCHAR* name : {SAMPLE_TRA_GERMAN, SAMPLE_TRA_ENGLISH}) {
    const std::vector<BYTE> made = ReadFileBytes(folder + name);
    ASSERT_FALSE(made.empty()) << Utf8(name).GetString();
    EXPECT_EQ(made, ReadFileBytes(kSamples + name))
        << "samples/" << Utf8(name).GetString() << " is out of date: refresh it with "
        << "\"cmake --build build/native --target refresh_sample_tra\"";
  }
}

TEST(SampleTraGenerator, NamesWhatItCannotTranslateAndWritesNothing) {
  const CString folder = lwtest::ScratchDir("sample_tra_bad");
  ASSERT_FALSE(folder.IsEmpty());
  // A script with one text the table does not know.
  const CString script = folder + _T("Unknown.rc");
  {
    CFile out;
    ASSERT_TRUE(out.Open(script, CFile::modeCreate | CFile::modeWrite));
    const char text[] = "1 DIALOG 0, 0, 100, 50\nCAPTION \"Eingaben\"\nBEGIN\n"
                        "  LTEXT \"Unbekannt\", -1, 7, 7, 40, 8\nEND\n";
    out.Write(text, sizeof(text) - 1);
  }
  std::vector<CString> problems;
  EXPECT_FALSE(WriteSampleTraFiles(script, kStrip, folder, problems));
  ASSERT_FALSE(problems.empty());
  EXPECT_NE(-1, problems[0].Find(_T("Unbekannt")));
  CFileStatus status;
  EXPECT_FALSE(CFile::GetStatus(folder + SAMPLE_TRA_GERMAN, status));

  EXPECT_FALSE(WriteSampleTraFiles(folder + _T("missing.rc"), kStrip, folder, problems));
  EXPECT_FALSE(problems.empty());
}

TEST(SampleTraGenerator, WithoutTheFlagStripNamesTheFlagsAndWritesNothing) {
  const CString folder = lwtest::ScratchDir("sample_tra_no_strip");
  ASSERT_FALSE(folder.IsEmpty());
  std::vector<CString> problems;
  EXPECT_FALSE(WriteSampleTraFiles(kSamples + _T("Sample.rc"), folder + _T("missing.bmp"), folder, problems));
  ASSERT_EQ(2u, problems.size());
  EXPECT_NE(-1, problems[0].Find(_T("Germany")));
  EXPECT_NE(-1, problems[1].Find(_T("United Kingdom")));
  CFileStatus status;
  EXPECT_FALSE(CFile::GetStatus(folder + SAMPLE_TRA_GERMAN, status));
  EXPECT_FALSE(CFile::GetStatus(folder + SAMPLE_TRA_ENGLISH, status));
}

TEST_F(CommittedFiles, HeadersLetTheSwitchDialogListEachFromTheOther) {
  struct Expected {
    const CTraFile* file;
    const TCHAR* language;
    LANGID id;
    bool original;
  } cases[] = {{&m_german, _T("Deutsch"), 0x0407, true}, {&m_english, _T("English"), 0x0809, false}};
  for (const Expected& c : cases) {
    EXPECT_EQ(CString(_T("LwvSample")), c.file->GetProgramName());
    EXPECT_EQ(CString(_T("1.0")), c.file->GetProgramVersion());
    EXPECT_EQ(CString(c.language), c.file->GetLanguageName());
    EXPECT_EQ(c.id, c.file->GetLanguageId());
    EXPECT_EQ(c.original, c.file->IsOriginal());
    EXPECT_TRUE(c.file->GetWizardMark());
    EXPECT_FALSE(c.file->GetDate().IsEmpty());
    // Message boxes, the find and the colour dialog.
    for (int i = 0; i < TRA_OPTION_COUNT; ++i)
      EXPECT_EQ(i == 20 || i == 2 || i == 8 ? 1 : 0, c.file->GetStdDialogOptions()[i]) << "option " << i;
  }
  LW_FILEINFO german, english;
  LwFillFileInfo(m_german, _T("LwvSample.tra"), german);
  LwFillFileInfo(m_english, _T("LwvSampleEN.tra"), english);
  EXPECT_EQ(CLwvSwitchFileLists::kSameVersion, CLwvSwitchFileLists::Classify(german, english));
  EXPECT_EQ(CLwvSwitchFileLists::kSameVersion, CLwvSwitchFileLists::Classify(english, german));
}

TEST_F(CommittedFiles, FlagsAreTheStripCellsOfGermanyAndTheUnitedKingdom) {
  const struct {
    const CTraFile* file;
    int cell;  // the catalogue's row
  } cases[] = {{&m_german, 122}, {&m_english, 11}};
  for (const auto& c : cases) {
    LwFlagPixels cell;
    ASSERT_TRUE(LwReadFlagStripCell(kStrip, c.cell, cell)) << "cell " << c.cell;
    int flagPixels = 0;
    for (int i = 0; i < LW_FLAG_PIXEL_COUNT; ++i) {
      ASSERT_EQ(cell[i], c.file->GetFlagPixel(i)) << "cell " << c.cell << ", pixel " << i;
      if (cell[i] != LW_FLAG_BACKGROUND) ++flagPixels;
    }
    // A flag, not a plain cell: at least its 16 x 11 source picture.
    EXPECT_GE(flagPixels, 16 * 11) << "cell " << c.cell;
  }
  // Black over red over gold down the middle of the German flag (the set's
  // flags are shaded, so by colour range).
  auto first = [this](bool (*is)(COLORREF)) {
    for (int row = 0; row < LW_FLAG_SIDE; ++row)
      if (is(m_german.GetFlagPixel(row * LW_FLAG_SIDE + 16))) return row;
    return -1;
  };
  const int black = first([](COLORREF c) { return GetRValue(c) < 0x70 && GetGValue(c) < 0x70 && GetBValue(c) < 0x70; });
  const int red = first([](COLORREF c) { return GetRValue(c) > 0xC0 && GetGValue(c) < 0x80 && GetBValue(c) < 0x80; });
  const int gold = first([](COLORREF c) { return GetRValue(c) > 0xC0 && GetGValue(c) > 0xC0 && GetBValue(c) < 0x60; });
  EXPECT_GE(black, 0);
  EXPECT_GT(red, black);
  EXPECT_GT(gold, red);
}

// Walks both trees together: they must have the same shape and originals
// (a translation keeps the original's keys).
void CompareTexts(const CTraNode* de, const CTraNode* en, int& checked) {
  ASSERT_EQ(de->GetOriginal(), en->GetOriginal());
  ASSERT_EQ(de->GetKind(), en->GetKind()) << Utf8(de->GetOriginal()).GetString();
  ASSERT_EQ(de->GetChildCount(), en->GetChildCount()) << Utf8(de->GetOriginal()).GetString();
  if (en->GetChildCount() == 0) {
    EXPECT_EQ(TRA_STATE_DONE, en->GetState()) << Utf8(en->GetOriginal()).GetString();
  }
  // Section, menu and string-table names and the library entries' own
  // names are labels, not texts of the program.
  const bool label = de->GetKind() == TRA_RCFILE || de->GetKind() == TRA_DIALOGGROUP ||
                     de->GetKind() == TRA_MENUGROUP || de->GetKind() == TRA_STRINGGROUP || de->GetKind() == TRA_MENU ||
                     de->GetKind() == TRA_STRINGTABLE || de->GetOriginal() == TRA_MESSAGEBOX_NAME ||
                     de->GetOriginal() == TRA_SYSTEM_POPUP;
  if (!label && !de->GetTranslation().IsEmpty()) {
    ++checked;
    if (IsSameInBothLanguages(de->GetTranslation())) {
      EXPECT_EQ(de->GetTranslation(), en->GetTranslation());
    } else {
      EXPECT_NE(de->GetTranslation(), en->GetTranslation())
          << "no English for \"" << Utf8(de->GetTranslation()).GetString() << "\"";
    }
  }
  for (int i = 0; i < de->GetChildCount(); ++i) CompareTexts(de->GetChild(i), en->GetChild(i), checked);
}

TEST_F(CommittedFiles, EveryGermanTextHasItsEnglishOne) {
  int checked = 0;
  CompareTexts(m_german.GetRootNode(), m_english.GetRootNode(), checked);
  EXPECT_GT(checked, 100);
}

TEST_F(CommittedFiles, GermanFileTranslatesTheScriptToItself) {
  const CString path[1] = {TRA_SECTION_STRINGS};
  const CTraNode* strings = m_german.GetRootNode()->FindPath(path, 1);
  ASSERT_NE(nullptr, strings);
  for (int t = 0; t < strings->GetChildCount(); ++t)
    for (int i = 0; i < strings->GetChild(t)->GetChildCount(); ++i) {
      const CTraNode* s = strings->GetChild(t)->GetChild(i);
      EXPECT_EQ(s->GetOriginal(), s->GetTranslation());
    }
}

// The form's message counts pieces: one reads right in both languages.
TEST_F(CommittedFiles, AppliedMessageReadsRightForOnePiece) {
  const CString path[1] = {TRA_SECTION_STRINGS};
  const CTraNode* strings = m_english.GetRootNode()->FindPath(path, 1);
  ASSERT_NE(nullptr, strings);
  const CString german = SampleText(u8"Eingaben übernommen: %s, %d Stück, Farbe %s, %s.");
  CString english;
  for (int t = 0; t < strings->GetChildCount(); ++t)
    for (int i = 0; i < strings->GetChild(t)->GetChildCount(); ++i)
      if (strings->GetChild(t)->GetChild(i)->GetOriginal() == german)
        english = strings->GetChild(t)->GetChild(i)->GetTranslation();
  CString one;
  one.Format(english, _T("Ann"), 1, _T("Red"), _T("with notification"));
  EXPECT_EQ(CString(_T("Entries applied: Ann, quantity 1, colour Red, with notification.")), one);
}

// The German prompt of the switch command in the script's string table.
CString ScriptString(const TCHAR* id) {
  const CString script = kSamples + _T("Sample.rc");
  CRcFileSet set(&script, 1, nullptr, 0, 50);
  CResProblemLog log;
  std::unique_ptr<CResFile> file = set.BuildResFile(log);
  for (int t = 0; t < file->StringTables().GetCount(); ++t) {
    const CResStringTable* table = static_cast<const CResStringTable*>(file->StringTables().GetItem(t));
    for (int i = 0; i < table->GetCount(); ++i)
      if (table->GetId(i) == id) return table->GetText(i);
  }
  return CString();
}

TEST_F(CommittedFiles, SwitchEntryGivesTheDialogAllItsTexts) {
  const CString prompt = ScriptString(_T("ID_LANGUAGE_SWITCH"));
  ASSERT_FALSE(prompt.IsEmpty());
  for (const CTraFile* file : {&m_german, &m_english}) {
    const CTraNode* entry = SwitchEntry(*file);
    ASSERT_NE(nullptr, entry);
    ASSERT_EQ(LWV_SWITCH_FULL_CHILDREN, entry->GetChildCount());
    EXPECT_EQ(prompt, entry->GetChild(LWV_SWITCH_PROMPT)->GetOriginal());
    const LwvSwitchTexts texts = LwvSwitchTexts::FromEntry(entry);
    for (const CString* text : {&texts.caption, &texts.showAll, &texts.listLabel, &texts.group, &texts.rowLabel[0],
                                &texts.rowLabel[3], &texts.warning, &texts.failure, &texts.versionPrefix, &texts.ok,
                                &texts.cancel, &texts.help, &texts.about, &texts.aboutCaption, &texts.aboutInfo})
      EXPECT_FALSE(text->IsEmpty());
  }
  EXPECT_EQ(prompt, SwitchEntry(m_german)->GetChild(LWV_SWITCH_PROMPT)->GetTranslation());
  EXPECT_EQ(CString(_T("Allows a new language to be set\nSwitch language")),
            SwitchEntry(m_english)->GetChild(LWV_SWITCH_PROMPT)->GetTranslation());
  EXPECT_EQ(CString(_T("&Choose language...")), SwitchEntry(m_english)->GetChild(LWV_SWITCH_COMMAND)->GetTranslation());
}

TEST_F(CommittedFiles, MessageBoxButtonsByTheirControlIds) {
  struct Button {
    int id;  // IDOK ... IDNO, apply, help, back, next, finish
    const char* german;
    const char* english;
  } buttons[] = {
      {1, u8"OK", u8"OK"},           {2, u8"Abbrechen", u8"Cancel"},
      {3, u8"&Abbrechen", u8"&Abort"}, {4, u8"&Wiederholen", u8"&Retry"},
      {5, u8"&Ignorieren", u8"&Ignore"}, {6, u8"&Ja", u8"&Yes"},
      {7, u8"&Nein", u8"&No"},       {12321, u8"Ü&bernehmen", u8"&Apply"},
      {9, u8"&Hilfe", u8"Help"},        {12323, u8"< &Zurück", u8"< &Back"},
      {12324, u8"&Weiter >", u8"&Next >"}, {12325, u8"Fertig stellen", u8"Finish"},
  };
  const CTraNode* german = CStdButtonModel::FindEntry(m_german.GetRootNode());
  const CTraNode* english = CStdButtonModel::FindEntry(m_english.GetRootNode());
  ASSERT_NE(nullptr, german);
  ASSERT_NE(nullptr, english);
  for (const Button& b : buttons) {
    CString de, en;
    EXPECT_TRUE(CStdButtonModel::GetButtonTranslation(german, b.id, de)) << b.id;
    EXPECT_TRUE(CStdButtonModel::GetButtonTranslation(english, b.id, en)) << b.id;
    EXPECT_EQ(SampleText(b.german), de) << b.id;
    EXPECT_EQ(SampleText(b.english), en) << b.id;
  }
}

TEST_F(CommittedFiles, SystemMenuItemsInTheOrderTheTranslatorReadsThem) {
  struct Item {
    UINT command;
    const char* original;
    const char* german;
  } items[] = {
      {LWV_SC_RESTORE, u8"&Restore", u8"&Wiederherstellen"}, {LWV_SC_MOVE, u8"&Move", u8"&Verschieben"},
      {LWV_SC_SIZE, u8"&Size", u8"&Größe ändern"},          {LWV_SC_MINIMIZE, u8"Mi&nimize", u8"Mi&nimieren"},
      {LWV_SC_MAXIMIZE, u8"Ma&ximize", u8"Ma&ximieren"},
      {LWV_SC_CLOSE, u8"&Close\tAlt+F4", u8"&Schließen\tAlt+F4"},
  };
  const CString path[3] = {TRA_SECTION_MENUS, TRA_SYSTEM_MENU, TRA_SYSTEM_POPUP};
  const CTraNode* german = m_german.GetRootNode()->FindPath(path, 3);
  const CTraNode* english = m_english.GetRootNode()->FindPath(path, 3);
  ASSERT_NE(nullptr, german);
  ASSERT_NE(nullptr, english);
  EXPECT_EQ(CSystemMenuTranslator::kItems, german->GetChildCount());
  for (const Item& item : items) {
    const int index = CSystemMenuTranslator::IndexOf(item.command);
    ASSERT_LT(index, german->GetChildCount());
    EXPECT_EQ(SampleText(item.original), german->GetChild(index)->GetOriginal());
    EXPECT_EQ(SampleText(item.german), german->GetChild(index)->GetTranslation());
    EXPECT_EQ(SampleText(item.original), english->GetChild(index)->GetTranslation());
    // The translator keeps the live accelerator only when both texts have one.
    CString text;
    EXPECT_TRUE(CSystemMenuTranslator::BuildItemText(SampleText(item.original),
                                                     german->GetChild(index)->GetTranslation(), text));
  }
}

// The find and colour entries as the library looks them up: after the
// switch dialog, in kind order, one child per model entry named
// "StdDlgItem<i>" with the model's node kind, and every control's text set.
TEST_F(CommittedFiles, CommonDialogEntriesFollowTheLibrarysModels) {
  for (const CTraFile* file : {&m_german, &m_english}) {
    const CTraNode* dialogs = Dialogs(*file);
    const CTraNode* switchEntry = SwitchEntry(*file);
    ASSERT_NE(nullptr, switchEntry);
    int previous = -1;
    for (int i = 0; i < dialogs->GetChildCount(); ++i)
      if (dialogs->GetChild(i) == switchEntry) previous = i;
    for (int kind : {LWV_STDDLG_FIND, LWV_STDDLG_COLOR}) {
      CStdDlgRecognizer model(kind);
      EXPECT_NE(0, file->GetStdDialogOptions()[kind]);
      const CTraNode* entry = model.FindEntry(file->GetRootNode());
      ASSERT_NE(nullptr, entry) << kind;
      ASSERT_EQ(dialogs->GetChild(previous + 1), entry) << "entries in kind order after the switch dialog";
      previous += 1;
      EXPECT_EQ(TRA_DIALOG, entry->GetKind());
      ASSERT_NE(nullptr, entry->GetLayout());
      EXPECT_TRUE(entry->GetLayout()->IsSizeOnly());
      EXPECT_EQ(0, entry->GetLayout()->GetWidth());
      EXPECT_EQ(0, entry->GetLayout()->GetHeight());
      EXPECT_FALSE(entry->GetTranslation().IsEmpty());
      for (int i = 0; i < entry->GetChildCount(); ++i) {
        const CTraNode* item = entry->GetChild(i);
        CString name;
        name.Format(TRA_STDDLG_ITEM, i);
        EXPECT_EQ(name, item->GetOriginal());
        EXPECT_EQ(model.GetModel().entries[static_cast<size_t>(i)].nodeKind, item->GetKind()) << i;
        EXPECT_FALSE(item->GetTranslation().IsEmpty()) << i;
      }
    }
    EXPECT_EQ(CString(TRA_MESSAGEBOX_NAME), dialogs->GetChild(previous + 1)->GetOriginal())
        << "the message box follows the common dialogs";
  }
  const CString path[2] = {TRA_SECTION_DIALOGS, _T("eStddlgFind")};
  EXPECT_EQ(SampleText(u8"Nur ganzes &Wort suchen"),
            m_german.GetRootNode()->FindPath(path, 2)->GetChild(1)->GetTranslation());
  EXPECT_EQ(CString(_T("Match &Whole Word Only")),
            m_english.GetRootNode()->FindPath(path, 2)->GetChild(1)->GetTranslation());
}

LONG Width(const RECT& r) { return r.right - r.left; }

TEST_F(CommittedFiles, AddressDialogGetsAWiderEnglishLayout) {
  const CTraNode* english = DialogCaptioned(m_english, u8"Anschrift");
  const CTraNode* german = DialogCaptioned(m_german, u8"Anschrift");
  ASSERT_NE(nullptr, english);
  ASSERT_NE(nullptr, german);
  ASSERT_EQ(9, english->GetChildCount());
  const CTraLayout& dialog = *english->GetLayout();
  EXPECT_GT(Width(dialog.m_rcTranslated), Width(dialog.m_rcOriginal));
  EXPECT_TRUE(EqualRects(german->GetLayout()->m_rcOriginal, german->GetLayout()->m_rcTranslated));
  // Each label is wider and ends before its field, which moved right and
  // still ends inside the dialog.
  for (int label = 0; label < 6; label += 2) {
    const CTraLayout& l = *english->GetChild(label)->GetLayout();
    const CTraLayout& field = *english->GetChild(label + 1)->GetLayout();
    EXPECT_GT(Width(l.m_rcTranslated), Width(l.m_rcOriginal)) << label;
    EXPECT_GT(field.m_rcTranslated.left, field.m_rcOriginal.left) << label;
    EXPECT_LE(l.m_rcTranslated.right, field.m_rcTranslated.left) << label;
    EXPECT_LE(field.m_rcTranslated.right, Width(dialog.m_rcTranslated)) << label;
  }
  const CTraLayout& check = *english->GetChild(6)->GetLayout();
  EXPECT_GT(Width(check.m_rcTranslated), Width(check.m_rcOriginal));
  for (int button = 7; button < 9; ++button) {
    const CTraLayout& b = *english->GetChild(button)->GetLayout();
    EXPECT_GT(b.m_rcTranslated.left, b.m_rcOriginal.left) << button;
    EXPECT_EQ(Width(b.m_rcOriginal), Width(b.m_rcTranslated)) << button;
  }
}

TEST_F(CommittedFiles, EveryEnglishLayoutStaysInsideItsDialog) {
  const CTraNode* dialogs = Dialogs(m_english);
  int changed = 0;
  for (int d = 0; d < dialogs->GetChildCount(); ++d) {
    const CTraNode* dialog = dialogs->GetChild(d);
    if (dialog->GetKind() != TRA_DIALOG || !dialog->GetLayout() || dialog->GetLayout()->IsSizeOnly()) continue;
    const LONG width = Width(dialog->GetLayout()->m_rcTranslated);
    for (int c = 0; c < dialog->GetChildCount(); ++c) {
      const CTraLayout& l = *dialog->GetChild(c)->GetLayout();
      if (!EqualRects(l.m_rcOriginal, l.m_rcTranslated)) ++changed;
      EXPECT_GE(l.m_rcTranslated.left, 0) << Utf8(dialog->GetOriginal()).GetString() << " " << c;
      EXPECT_LE(l.m_rcTranslated.right, width) << Utf8(dialog->GetOriginal()).GetString() << " " << c;
    }
  }
  EXPECT_GT(changed, 9);  // more than the address dialog alone
}

}  // namespace
