// The queued answerer that program tests put behind the UI seam.
#include "UiServices.h"

#include <gtest/gtest.h>

TEST(QueuedUiServices, AnswersInOrderAndCancelsWhatWasNotQueued) {
  CQueuedUiServices ui;
  ui.QueueMessageAnswer(IDYES);
  ui.QueueFile(_T("C:\\a\\b.tra"));
  ui.QueueFileCancel();

  EXPECT_EQ(IDYES, ui.ShowMessage(_T("Speichern?"), MB_YESNOCANCEL));
  EXPECT_EQ(IDCANCEL, ui.ShowMessage(_T("Noch einmal?"), MB_YESNO));
  LwFileChoice open;
  open.strDefExt = _T("tra");
  ASSERT_TRUE(ui.ChooseFile(open));
  ASSERT_EQ(1, open.paths.GetSize());
  EXPECT_EQ(CString(_T("C:\\a\\b.tra")), open.paths[0]);
  LwFileChoice again;
  EXPECT_FALSE(ui.ChooseFile(again));
  EXPECT_EQ(0, again.paths.GetSize());
  LwFlagChoice flag;
  flag.langId = 0x0407;
  EXPECT_FALSE(ui.PickFlag(flag));
  EXPECT_EQ(0x0407, flag.langId);  // a cancelled pick leaves the caller's data

  EXPECT_EQ(2, ui.Unanswered());
  EXPECT_EQ(0u, ui.Unused());
  ASSERT_EQ(2u, ui.Messages().size());
  EXPECT_EQ(CString(_T("Noch einmal?")), ui.Messages()[1].text);
  EXPECT_EQ(UINT(MB_YESNO), ui.Messages()[1].type);
  ASSERT_EQ(2u, ui.FileQuestions().size());
  EXPECT_EQ(CString(_T("tra")), ui.FileQuestions()[0].strDefExt);
}

TEST(QueuedUiServices, FlagAndFontAnswersReachTheCaller) {
  CQueuedUiServices ui;
  LwFlagChoice uk;
  uk.langId = 0x0809;
  uk.pixels.assign(1024, RGB(192, 192, 192));
  ui.QueueFlag(uk);
  LwFontChoice font;
  font.strFaceName = _T("Arial");
  font.nHeight = -13;
  ui.QueueFont(font);
  ui.QueueMessageAnswer(IDOK);

  LwFlagChoice got;
  ASSERT_TRUE(ui.PickFlag(got));
  EXPECT_EQ(0x0809, got.langId);
  EXPECT_EQ(1024u, got.pixels.size());
  LwFontChoice asked;
  asked.strFaceName = _T("Courier");
  ASSERT_TRUE(ui.ChooseFont(asked));
  EXPECT_EQ(CString(_T("Arial")), asked.strFaceName);
  EXPECT_EQ(-13, asked.nHeight);
  EXPECT_EQ(CString(_T("Courier")), ui.FontQuestions()[0].strFaceName);
  EXPECT_EQ(1u, ui.Unused());
  EXPECT_EQ(0, ui.Unanswered());
}
