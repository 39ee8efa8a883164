// The road's translation step: WeaveDesk, started on the work folder's
// original Sample.tra, starts a new translation for the United Kingdom,
// types English texts for the sample's menu, form and a message, moves a
// control of the address dialog in the dialog editor and saves
// SampleEN.tra; the saved file is read back with the model.
#include "DeskE2e.h"
#include "FlagStrip.h"
#include "LanguageCatalogue.h"

namespace {

using namespace e2e;

const int kUnitedKingdom = 11;  // row of the flag strip and the catalogue
const LANGID kEnglishUk = 0x0809;

class DeskTranslate : public DeskE2e {
 protected:
  DeskTranslate() : DeskE2e(kOriginal) {}
  void SetUp() override {
    if (!WorkFileExists(kOriginal)) GTEST_SKIP() << "no Sample.tra in the work folder";
    DeskE2e::SetUp();
  }
};

TEST_F(DeskTranslate, TranslatesTheSampleIntoEnglish) {
  Watchdog watchdog(60);
  ASSERT_STREQ(_T("United Kingdom"), CountryNames[kUnitedKingdom]);
  DeleteFile(WorkFile(kEnglish));
  Start(false);
  EXPECT_EQ(CString(_T("Sample.tra (Originalsprache) - Lingoweave Editor")), Caption());
  SaveScreenshot(Frame()->m_hWnd, "e2e_desk_original_de");

  NewTranslationFor(kUnitedKingdom, "e2e_desk_flag_picker_de");
  ASSERT_FALSE(Doc()->Desk().IsOriginal());
  EXPECT_EQ(kEnglishUk, Doc()->Desk().GetFile()->GetLanguageId());

  for (const TypedText& text : kTypedTexts) {
    SCOPED_TRACE(CStringA(text.german).GetString());
    const int block = FindBlock(text);
    ASSERT_GE(block, 0);
    TypeOver(block, text.english);
    EXPECT_EQ(CString(text.english), View()->GetBlocks().GetBlock(block)->GetText());
  }
  SetDlgItemText(Head()->m_hWnd, IDC_HEAD_LANGUAGE, kEnglishName);

  // The dialog editor shows the clicked dialog; a click selects its first
  // control, a drag moves it.
  const int dialogBlock = FindBlock(
      [](const CTraNode* node) { return node->GetKind() == TRA_DIALOG && node->GetOriginal() == kMovedDialog; });
  ASSERT_GE(dialogBlock, 0);
  ClickBlock(dialogBlock);
  Pump();
  ASSERT_NE(View()->GetDialogPreview(), nullptr);
  const HWND preview = View()->GetDialogPreview()->GetSafeHwnd();
  ASSERT_TRUE(::IsWindowVisible(preview));
  const CTraNode* dialog = View()->GetBlocks().GetBlock(dialogBlock)->GetNode();
  const RECT before = dialog->GetChild(0)->GetLayout()->m_rcTranslated;
  DragControl(preview, 256, kMovedByX, kMovedByY);
  ::RedrawWindow(preview, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
  SaveScreenshot(preview, "e2e_desk_dialog_editor_de");

  SaveAs(WorkFile(kEnglish));
  EXPECT_FALSE(Doc()->Desk().IsModified());
  EXPECT_EQ(CString(_T("SampleEN.tra - Lingoweave Editor")), Caption());
  SaveScreenshot(Frame()->m_hWnd, "e2e_desk_translation_de");

  // What the program wrote, read with the model.
  std::unique_ptr<CTraFile> english = ReadWorkFile(kEnglish);
  std::unique_ptr<CTraFile> original = ReadWorkFile(kOriginal);
  ASSERT_TRUE(english && original);
  EXPECT_FALSE(english->IsOriginal());
  EXPECT_TRUE(original->IsOriginal()) << "the original stays as it was";
  EXPECT_EQ(kEnglishUk, english->GetLanguageId());
  EXPECT_EQ(CString(kEnglishName), english->GetLanguageName());
  EXPECT_EQ(original->GetProgramName(), english->GetProgramName());
  LwFlagPixels flag;
  ASSERT_TRUE(LwReadFlagStripCell(CString(LW_FLAG_STRIP_BMP), kUnitedKingdom, flag));
  for (int i = 0; i < TRA_FLAG_PIXELS; ++i) ASSERT_EQ(flag[static_cast<size_t>(i)], english->GetFlagPixel(i)) << i;

  for (const TypedText& text : kTypedTexts) {
    SCOPED_TRACE(CStringA(text.german).GetString());
    const CTraNode* node = FindTypedNode(*english, text);
    ASSERT_NE(node, nullptr);
    EXPECT_EQ(CString(text.english), node->GetTranslation());
    EXPECT_LT(node->GetState(), TRA_STATE_NEW) << "typed over: no longer marked";
    EXPECT_EQ(CString(text.german), FindTypedNode(*original, text)->GetTranslation());
  }
  const TypedText untouched = {TRA_SECTION_MENUS, _T("&Ansicht"), _T("&Vollbild"), nullptr};
  ASSERT_NE(FindTypedNode(*english, untouched), nullptr);
  EXPECT_EQ(TRA_STATE_NEW, FindTypedNode(*english, untouched)->GetState()) << "a text not typed stays marked";
  EXPECT_EQ(CString(untouched.german), FindTypedNode(*english, untouched)->GetTranslation());

  const CTraNode* moved = FindDialogNode(*english, kMovedDialog);
  ASSERT_NE(moved, nullptr);
  const RECT written = moved->GetChild(0)->GetLayout()->m_rcTranslated;
  EXPECT_NEAR(before.left + kMovedByX, written.left, 1);
  EXPECT_NEAR(before.top + kMovedByY, written.top, 1);
  EXPECT_EQ(before.right - before.left, written.right - written.left);
  EXPECT_TRUE(EqualRects(before, moved->GetChild(0)->GetLayout()->m_rcOriginal)) << "the original place stays";
}

}  // namespace
