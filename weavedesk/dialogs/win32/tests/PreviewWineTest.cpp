// The dialog editor under Wine: the sample's address dialog shown from its
// layout records, a control dragged and resized by mouse messages, undo,
// the original layout, the dialog resized by its corner, and the
// rectangles written into the file and read back.
#include "DialogPreview.h"

#include "DeskDialogIds.h"
#include "DialogTemplate.h"
#include "LwvProgram.h"
#include "PreviewTemplate.h"
#include "TestPaths.h"
#include "TraFile.h"
#include "TraNode.h"
#include "UiServices.h"
#include "UiTestKit.h"

#include <gtest/gtest.h>

namespace {

struct TestDocument : CPreviewDocument {
  bool IsOriginal() const override { return false; }
  void SetModified() override { ++modified; }
  void OfferNewTranslation() override { ++offers; }
  int modified = 0;
  int offers = 0;
};

struct TestProgram : CPreviewProgram {
  void SetBusy(bool on) override {
    busy = on;
    if (on) ++busyTimes;
  }
  std::unique_ptr<CTraNode> MakeHintDialog() override { return nullptr; }
  bool busy = false;
  int busyTimes = 0;
};

CTraNode* FindDialog(CTraFile& file, const CString& original) {
  CTraNode* root = file.GetRootNode();
  for (int i = 0; root && i < root->GetChildCount(); ++i) {
    CTraNode* section = root->GetChild(i);
    if (section->GetOriginal() != TRA_SECTION_DIALOGS) continue;
    for (int j = 0; j < section->GetChildCount(); ++j)
      if (section->GetChild(j)->GetOriginal() == original) return section->GetChild(j);
  }
  return nullptr;
}

LPARAM At(POINT p) { return MAKELPARAM(p.x, p.y); }

class PreviewWineTest : public testing::Test {
 protected:
  void SetUp() override {
    CString path = CString(LW_SOURCE_DIR) + _T("\\samples\\LwvSampleEN.tra");
    ASSERT_TRUE(LwReadLanguageFile(path, file, LW_READ_WHOLE));
    dialog = FindDialog(file, _T("Anschrift"));
    ASSERT_NE(nullptr, dialog);
    preview.reset(new CDialogPreview(nullptr, document, ui, &program));
    ASSERT_TRUE(preview->SetDialogNode(dialog));
    wnd = preview->GetSafeHwnd();
    ASSERT_TRUE(IsWindow(wnd));
    RECT units = {0, 0, 1000, 1000};
    MapDialogRect(wnd, &units);
    ppuX = units.right * 0.001;
    ppuY = units.bottom * 0.001;
  }
  void TearDown() override {
    if (preview) preview->Show(false);
  }

  // The live rectangle of control index (0-based child) in client pixels.
  RECT Live(int index) {
    RECT r;
    ::GetWindowRect(::GetDlgItem(wnd, 256 + index), &r);
    ::MapWindowPoints(nullptr, wnd, reinterpret_cast<POINT*>(&r), 2);
    return r;
  }
  RECT Pixels(const RECT& units) {
    RECT r = units;
    MapDialogRect(wnd, &r);
    return r;
  }
  int ChildOfKind(int kind) {
    for (int i = 0; i < dialog->GetChildCount(); ++i)
      if (dialog->GetChild(i)->GetKind() == kind) return i;
    return -1;
  }
  void Mouse(UINT message, POINT p, WPARAM keys = 0) { ::SendMessage(wnd, message, keys, At(p)); }
  void Click(POINT p) {
    Mouse(WM_MOUSEMOVE, p);
    Mouse(WM_LBUTTONDOWN, p, MK_LBUTTON);
    Mouse(WM_LBUTTONUP, p);
  }
  void Drag(POINT from, POINT to) {
    Mouse(WM_MOUSEMOVE, from);
    Mouse(WM_LBUTTONDOWN, from, MK_LBUTTON);
    Mouse(WM_MOUSEMOVE, to, MK_LBUTTON);
    Mouse(WM_LBUTTONUP, to);
  }
  static POINT Middle(const RECT& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }
  static void ExpectRect(const RECT& expected, const RECT& actual, const char* what) {
    EXPECT_EQ(expected.left, actual.left) << what;
    EXPECT_EQ(expected.top, actual.top) << what;
    EXPECT_EQ(expected.right, actual.right) << what;
    EXPECT_EQ(expected.bottom, actual.bottom) << what;
  }

  lwtest::Watchdog dog{120};
  CTraFile file;
  CTraNode* dialog = nullptr;
  TestDocument document;
  TestProgram program;
  CQueuedUiServices ui;
  std::unique_ptr<CDialogPreview> preview;
  HWND wnd = nullptr;
  double ppuX = 1, ppuY = 1;
};

TEST_F(PreviewWineTest, ShowsTheDialogFromItsLayoutRecords) {
  EXPECT_EQ(1, program.busyTimes);
  EXPECT_FALSE(program.busy) << "the program's own translation is back on";
  EXPECT_EQ(dialog->GetTranslation(), lwtest::WindowText(wnd));
  for (int i = 0; i < dialog->GetChildCount(); ++i) {
    const CTraNode* control = dialog->GetChild(i);
    EXPECT_EQ(control->GetTranslation(), lwtest::ItemText(wnd, 256 + i)) << i;
    if (control->GetKind() == TRA_COMBOBOX) continue;
    ExpectRect(control->GetLayout()->m_rcTranslated, lwtest::ChildRectInDialogUnits(wnd, 256 + i),
               "control in its translated place");
  }
  RECT client;
  ::GetClientRect(wnd, &client);
  const RECT size = Pixels(RECT{0, 0, dialog->GetLayout()->GetWidth(), dialog->GetLayout()->GetHeight()});
  EXPECT_EQ(size.right, client.right);
  EXPECT_EQ(size.bottom, client.bottom);
  ASSERT_NE(nullptr, preview->GetPositionWindow());
  EXPECT_TRUE(::IsWindowVisible(preview->GetPositionWindow()->GetSafeHwnd()));
  lwtest::SaveScreenshot(wnd, "desk_preview_a");

  // Changed texts reach the window at once.
  EXPECT_TRUE(preview->SetItemText(dialog, _T("Neue Anschrift")));
  EXPECT_EQ(CString(_T("Neue Anschrift")), lwtest::WindowText(wnd));
  EXPECT_TRUE(preview->SetItemText(dialog->GetChild(0), _T("&Rufname:")));
  EXPECT_EQ(CString(_T("&Rufname:")), lwtest::ItemText(wnd, 256));
}

TEST_F(PreviewWineTest, DragResizeUndoOriginalAndSave) {
  const int edit = ChildOfKind(TRA_EDIT);
  ASSERT_GE(edit, 0);
  CTraLayout& layout = *dialog->GetChild(edit)->GetLayout();
  const RECT start = layout.m_rcTranslated;

  // A click selects; a press inside the selected control moves it by whole units.
  Click(Middle(Live(edit)));
  EXPECT_EQ(edit + 1, preview->Editor().GetSelected());
  const POINT from = Middle(Live(edit));
  const LONG dx = static_cast<LONG>(3 * ppuX + 0.5), dy = static_cast<LONG>(2 * ppuY + 0.5);
  Drag(from, POINT{from.x + dx, from.y + dy});
  const RECT moved = {start.left + 3, start.top + 2, start.right + 3, start.bottom + 2};
  ExpectRect(Pixels(moved), Live(edit), "moved by mouse");
  EXPECT_EQ(1, document.modified);
  lwtest::SaveScreenshot(wnd, "desk_preview_moved_a");
  lwtest::SaveScreenshot(preview->GetPositionWindow()->GetSafeHwnd(), "desk_position_a");

  // The right edge follows the mouse: 4 units wider.
  const RECT live = Live(edit);
  const POINT edge = {live.right - 1, (live.top + live.bottom) / 2};
  Drag(edge, POINT{edge.x + static_cast<LONG>(4 * ppuX + 0.5), edge.y});
  const RECT wider = {moved.left, moved.top, moved.right + 4, moved.bottom};
  ExpectRect(Pixels(wider), Live(edit), "resized by mouse");

  // Commit, move again, undo: back to the committed rectangle.
  preview->CommitRects();
  ExpectRect(wider, layout.m_rcTranslated, "committed");
  const POINT again = Middle(Live(edit));
  Drag(again, POINT{again.x + dx, again.y});
  ::SendMessage(wnd, WM_COMMAND, ID_DESK_PREVIEW_UNDO, 0);
  ExpectRect(Pixels(wider), Live(edit), "undone");
  const int modifiedBeforeOriginal = document.modified;

  // The original rectangle back, and the document marked.
  ::SendMessage(wnd, WM_COMMAND, ID_DESK_PREVIEW_LOAD_ORIGINAL, 0);
  ExpectRect(layout.m_rcOriginal, layout.m_rcTranslated, "original loaded");
  ExpectRect(Pixels(layout.m_rcOriginal), Live(edit), "original shown");
  EXPECT_EQ(modifiedBeforeOriginal + 1, document.modified);

  // Move once more, then resize the dialog by its corner.
  const POINT last = Middle(Live(edit));
  Drag(last, POINT{last.x + dx, last.y + dy});
  RECT client;
  ::GetClientRect(wnd, &client);
  const POINT corner = {client.right - 1, client.bottom - 1};
  Drag(corner, POINT{corner.x + static_cast<LONG>(10 * ppuX + 0.5), corner.y + static_cast<LONG>(6 * ppuY + 0.5)});
  RECT bigger;
  ::GetClientRect(wnd, &bigger);
  const RECT expectedClient =
      Pixels(RECT{0, 0, dialog->GetLayout()->GetWidth() + 10, dialog->GetLayout()->GetHeight() + 6});
  EXPECT_EQ(expectedClient.right, bigger.right);
  EXPECT_EQ(expectedClient.bottom, bigger.bottom);
  const LONG dialogWidth = dialog->GetLayout()->GetWidth(), dialogHeight = dialog->GetLayout()->GetHeight();

  // Closing the window writes the rectangles; the file keeps them.
  preview->Show(false);
  EXPECT_FALSE(::IsWindow(wnd));
  const RECT movedFromOriginal = {layout.m_rcOriginal.left + 3, layout.m_rcOriginal.top + 2,
                                  layout.m_rcOriginal.right + 3, layout.m_rcOriginal.bottom + 2};
  ExpectRect(movedFromOriginal, layout.m_rcTranslated, "written on close");
  const CString saved = lwtest::ScratchDir("deskdialogs_wine") + _T("Moved.tra");
  ASSERT_TRUE(LwWriteLanguageFile(saved, file));
  CTraFile reread;
  ASSERT_TRUE(LwReadLanguageFile(saved, reread, LW_READ_WHOLE));
  CTraNode* back = FindDialog(reread, _T("Anschrift"));
  ASSERT_NE(nullptr, back);
  ExpectRect(movedFromOriginal, back->GetChild(edit)->GetLayout()->m_rcTranslated, "read back");
  EXPECT_EQ(dialogWidth + 10, back->GetLayout()->GetWidth());
  EXPECT_EQ(dialogHeight + 6, back->GetLayout()->GetHeight());
}

// The road of a layout: the editor moves a control and saves; a program
// that runs on the saved file shows its (untranslated) dialog with the
// control in the new place.
TEST_F(PreviewWineTest, TheMovedControlShowsAtRunTime) {
  const int edit = ChildOfKind(TRA_EDIT);
  ASSERT_GE(edit, 0);
  Click(Middle(Live(edit)));
  const POINT from = Middle(Live(edit));
  Drag(from, POINT{from.x + static_cast<LONG>(5 * ppuX + 0.5), from.y + static_cast<LONG>(3 * ppuY + 0.5)});
  preview->Show(false);
  const RECT moved = dialog->GetChild(edit)->GetLayout()->m_rcTranslated;
  const CString folder = lwtest::ScratchDir("deskdialogs_road");
  const CString saved = folder + _T("Road.tra");
  ASSERT_TRUE(LwWriteLanguageFile(saved, file));

  LW_STARTPARAMS params = {};
  params.dwSize = sizeof params;
  lstrcpyn(params.szStdFile, saved, LW_PATH_CHARS);
  lstrcpyn(params.szTraPath, folder, LW_PATH_CHARS);
  ASSERT_TRUE(LWStart(&params));
  ASSERT_TRUE(LWAddThread(::GetCurrentThreadId()));

  // The program's own dialog: original texts in the original layout.
  const CTraLayout& layout = *dialog->GetLayout();
  lw::DialogTemplate original(dialog->GetOriginal(), DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU, 0, 0,
                              static_cast<short>(layout.m_rcOriginal.right - layout.m_rcOriginal.left),
                              static_cast<short>(layout.m_rcOriginal.bottom - layout.m_rcOriginal.top),
                              layout.m_strFontFace, layout.m_nFontSize);
  for (int i = 0; i < dialog->GetChildCount(); ++i) {
    const CTraNode* control = dialog->GetChild(i);
    const RECT& r = control->GetLayout()->m_rcOriginal;
    const PreviewControlClass cls = PreviewClassOf(*control);
    original.AddControl(cls.atom, control->GetOriginal(), static_cast<WORD>(1000 + i),
                        static_cast<DWORD>(control->GetLayout()->m_nStyle) | WS_CHILD | WS_VISIBLE,
                        static_cast<short>(r.left), static_cast<short>(r.top), static_cast<short>(r.right - r.left),
                        static_cast<short>(r.bottom - r.top));
  }
  CDialog program;
  ASSERT_TRUE(program.CreateIndirect(original.Get(), nullptr));
  HWND shown = program.GetSafeHwnd();
  EXPECT_EQ(dialog->GetTranslation(), lwtest::WindowText(shown));
  ExpectRect(moved, lwtest::ChildRectInDialogUnits(shown, 1000 + edit), "the moved control at run time");
  program.ShowWindow(SW_SHOW);
  ::RedrawWindow(shown, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  lwtest::SaveScreenshot(shown, "desk_road_a");
  program.DestroyWindow();
  LWEnd();
}

}  // namespace
