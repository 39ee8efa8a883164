// WeaveDesk on the end-to-end work folder: the program's Wine fixture
// started on a file of that folder, with the steps a translator takes there
// (pick a flag, type over a text found by its original, read files back).
// Test programs only; it checks no step's outcome itself.
#pragma once

#include "DeskWineFixture.h"
#include "E2eWork.h"
#include "EnglishTexts.h"
#include "LanguageFlagDlg.h"
#include "TraFile.h"

#include <memory>

namespace e2e {

inline CString WorkFile(const TCHAR* name) { return CString(WorkFolder()) + name; }

inline bool WorkFileExists(const TCHAR* name) {
  return GetFileAttributes(WorkFile(name)) != INVALID_FILE_ATTRIBUTES;
}

inline std::unique_ptr<CTraFile> ReadWorkFile(const TCHAR* name) { return lwtest::ReadLanguageFile(WorkFile(name)); }

class DeskE2e : public deskwine::DeskWine {
 protected:
  // The file the step opens; set before SetUp runs.
  explicit DeskE2e(const TCHAR* opened) : m_opened(opened) {}
  CString CommandLineFile() const override { return WorkFile(m_opened); }

  // The block whose node passes fits, or -1.
  template <class Fits>
  int FindBlock(const Fits& fits) {
    CTextBlockList& blocks = View()->GetBlocks();
    for (int i = 0; i < blocks.GetCount(); ++i)
      if (fits(blocks.GetBlock(i)->GetNode())) return i;
    return -1;
  }
  int FindBlock(const TypedText& text) {
    return FindBlock([&](const CTraNode* node) { return IsNodeOf(node, text); });
  }

  // Clicks the block and types text over its whole first text.
  void TypeOver(int block, const CString& text) {
    ClickBlock(block);
    Pump();
    ASSERT_NE(Editor()->GetSegment(), nullptr) << block;
    Editor()->SetSel(0, -1);
    Type(text);
  }

  // "Neue Übersetzung" with the country of flag-strip row country picked
  // in the flag picker and its language confirmed.
  void NewTranslationFor(int country, const char* picture) {
    RunModal({lwtest::When(_T("flag picker"),
                           [] {
                             HWND dialog = deskwine::TopDialog();
                             return dynamic_cast<CLanguageFlagDlg*>(CWnd::FromHandlePermanent(dialog)) ? dialog
                                                                                                      : nullptr;
                           },
                           [&](HWND dialog) {
                             auto* picker = dynamic_cast<CLanguageFlagDlg*>(CWnd::FromHandlePermanent(dialog));
                             const int item = picker->FindCountryItem(country);
                             ASSERT_GE(item, 0);
                             HWND list = picker->m_flagList.m_hWnd;
                             ListView_SetItemState(list, item, LVIS_SELECTED | LVIS_FOCUSED,
                                                   LVIS_SELECTED | LVIS_FOCUSED);
                             ListView_EnsureVisible(list, item, FALSE);
                             NMHDR click = {list, IDC_FLAG_LIST, static_cast<UINT>(NM_CLICK)};
                             ::SendMessage(dialog, WM_NOTIFY, IDC_FLAG_LIST, reinterpret_cast<LPARAM>(&click));
                             ::RedrawWindow(dialog, nullptr, nullptr,
                                            RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
                             lwtest::SaveScreenshot(dialog, picture);
                             ::PostMessage(dialog, WM_COMMAND, IDOK, 0);
                           }),
              lwtest::When(_T("language confirmation"), [] { return lwtest::FindMessageBox(); },
                           [](HWND box) { ::PostMessage(box, WM_COMMAND, IDOK, 0); })},
             [&] { Command(ID_NEW_TRANSLATION); });
    Pump();
  }

 private:
  const TCHAR* m_opened;
};

}  // namespace e2e
