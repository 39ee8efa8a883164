// The road's run-time step: the sample program, pointed at the work
// folder's Sample.tra, starts in German, switches to the translator's
// English file through the library's switch dialog and shows the typed
// texts and the moved control, read back from its live windows; started on
// the test file it shows the markers.
#include "E2eWork.h"
#include "EnglishTexts.h"
#include "LwvSwitchDlg.h"
#include "RememberedLanguage.h"
#include "UiTestKit.h"

#include "SampleApp.h"
#include "SampleText.h"
#include "resource.h"

// The test reads what the windows show: the framework's plain string.
#undef CString

#include <gtest/gtest.h>

#include <memory>

namespace {

using namespace e2e;
using lwtest::MenuText;
using lwtest::Pump;
using lwtest::SaveScreenshot;
using lwtest::WindowText;

std::unique_ptr<CTraFile> ReadWorkFile(const TCHAR* name) {
  return lwtest::ReadLanguageFile(CString(WorkFolder()) + name);
}

// The sample's remembered language file is forgotten: it starts on the file it is given.
void ForgetRememberedFile() { lwtest::ForgetLanguageFile(_T("Software\\Lingoweave\\Beispiel")); }

CString Typed(const TCHAR* german) {
  for (const TypedText& text : kTypedTexts)
    if (CString(text.german) == german) return text.english;
  ADD_FAILURE() << "nothing typed for " << CStringA(german).GetString();
  return CString();
}

int MenuPosition(HMENU menu, UINT id) {
  for (int i = 0; i < GetMenuItemCount(menu); ++i)
    if (GetMenuItemID(menu, i) == id) return i;
  return -1;
}

class SampleShows : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const TCHAR* name : {kOriginal, kTestFile, kEnglish})
      if (GetFileAttributes(CString(WorkFolder()) + name) == INVALID_FILE_ATTRIBUTES)
        GTEST_SKIP() << "no " << CStringA(name).GetString() << " in the work folder";
    INITCOMMONCONTROLSEX init = {sizeof(init), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&init);
  }
  void TearDown() override {
    Stop();
    ForgetRememberedFile();
  }

  // The sample as it starts, on file of the work folder.
  void Start(const TCHAR* file) {
    Stop();
    ForgetRememberedFile();
    m_app.reset(new CSampleApp);
    m_app->InitApplication(GetModuleHandle(nullptr), const_cast<LPTSTR>(_T("")), SW_SHOWNORMAL);
    m_app->UseSampleProfile();
    m_app->StartTranslation(WorkFolder(), file);
    m_frame = m_app->CreateMainFrame();
    ASSERT_NE(m_frame, nullptr);
    Pump();
  }
  void Stop() {
    if (!m_app) return;
    m_app->m_pMainWnd = nullptr;  // its end posts no quit message
    if (m_frame && IsWindow(m_frame->m_hWnd)) m_frame->DestroyWindow();
    m_frame = nullptr;
    Pump();
    m_app->ExitInstance();  // ends the library
    m_app.reset();
  }

  HWND Frame() const { return m_frame->m_hWnd; }
  HMENU Bar() const { return GetMenu(Frame()); }
  void Command(UINT id) { SendMessage(Frame(), WM_COMMAND, MAKEWPARAM(id, 0), 0); }
  void RunModal(std::vector<lwtest::Step> steps, const std::function<void()>& start) {
    lwtest::ModalDriver driver(std::move(steps));
    start();
    EXPECT_TRUE(driver.WaitUntilFinished());
  }

  // The form's caption and its notify check box.
  void ExpectForm(const CString& caption, const CString& notify, const char* picture) {
    Command(ID_FILE_FORM);
    ASSERT_NE(m_frame->GetForm(), nullptr);
    HWND form = m_frame->GetForm()->m_hWnd;
    EXPECT_EQ(caption, WindowText(form));
    EXPECT_EQ(notify, WindowText(GetDlgItem(form, IDC_NOTIFY)));
    SaveScreenshot(form, picture);
  }

  std::unique_ptr<CSampleApp> m_app;
  CSampleFrame* m_frame = nullptr;
};

TEST_F(SampleShows, GermanThenTheTranslatorsEnglishThenTheMarkers) {
  lwtest::Watchdog watchdog(60);
  std::unique_ptr<CTraFile> english = ReadWorkFile(kEnglish), test = ReadWorkFile(kTestFile);
  ASSERT_TRUE(english && test);

  // German: the original's texts.
  Start(kOriginal);
  EXPECT_EQ(CString(_T("&Datei")), MenuText(Bar(), 0));
  ExpectForm(_T("Eingaben"), _T("&Benachrichtigung senden"), "e2e_sample_form_de");
  SaveScreenshot(Frame(), "e2e_sample_frame_de");

  // The switch dialog lists the translator's file by its language name.
  RunModal({lwtest::When(_T("switch dialog"),
                         [] {
                           return lwtest::FindOwnWindowIf([](HWND wnd) {
                             return dynamic_cast<CLwvSwitchDlg*>(CWnd::FromHandlePermanent(wnd)) != nullptr;
                           });
                         },
                         [&](HWND dialog) {
                           CLwvFlagList* list = dynamic_cast<CLwvSwitchDlg*>(CWnd::FromHandlePermanent(dialog))->GetFlagList();
                           int item = -1;
                           for (int i = 0; i < list->GetItemCount(); ++i)
                             if (list->GetItemText(i) == kEnglishName) item = i;
                           ASSERT_GE(item, 0) << "English is not listed";
                           ListView_SetItemState(list->m_hWnd, item, LVIS_SELECTED | LVIS_FOCUSED,
                                                 LVIS_SELECTED | LVIS_FOCUSED);
                           NMHDR click = {list->m_hWnd, LWV_ID_FLAG_LIST, static_cast<UINT>(NM_CLICK)};
                           SendMessage(dialog, WM_NOTIFY, LWV_ID_FLAG_LIST, reinterpret_cast<LPARAM>(&click));
                           SaveScreenshot(dialog, "e2e_sample_switch_de");
                           SendMessage(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                                       reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
                         })},
           [&] { PostMessage(Frame(), WM_COMMAND, MAKEWPARAM(ID_LANGUAGE_SWITCH, 0), 0); });

  // English: the typed texts on the open form, the menu and a message box.
  HWND form = m_frame->GetForm()->m_hWnd;
  EXPECT_EQ(Typed(_T("Eingaben")), WindowText(form));
  EXPECT_EQ(Typed(_T("&Schlie\xdf") _T("en")), WindowText(GetDlgItem(form, IDOK)));
  ExpectForm(Typed(_T("Eingaben")), Typed(_T("&Benachrichtigung senden")), "e2e_sample_form_en");
  HMENU file = GetSubMenu(Bar(), 0), tools = GetSubMenu(Bar(), 2);
  EXPECT_EQ(Typed(_T("&Datei")), MenuText(Bar(), 0));
  EXPECT_EQ(Typed(_T("&Extras")), MenuText(Bar(), 2));
  EXPECT_EQ(Typed(_T("&Beenden")), MenuText(file, MenuPosition(file, ID_APP_EXIT)));
  EXPECT_EQ(Typed(_T("&Meldungen")), MenuText(tools, 4));
  EXPECT_EQ(CString(_T("&Ansicht")), MenuText(Bar(), 1)) << "a text not typed shows its original";
  SaveScreenshot(Frame(), "e2e_sample_frame_en");
  RunModal({lwtest::When(_T("message box"), lwtest::MessageBoxWith(Typed(_T("Die Eingaben wurden gespeichert."))),
                         [](HWND box) {
                           SaveScreenshot(box, "e2e_sample_message_en");
                           PostMessage(box, WM_COMMAND, IDOK, 0);
                         })},
           [&] { Command(ID_MSG_INFO); });

  // The address dialog with its first control where the translator moved it.
  const CTraNode* moved = FindDialogNode(*english, kMovedDialog);
  ASSERT_NE(moved, nullptr);
  const RECT place = moved->GetChild(0)->GetLayout()->m_rcTranslated;
  const RECT original = moved->GetChild(0)->GetLayout()->m_rcOriginal;
  EXPECT_EQ(original.left + kMovedByX, place.left);
  RunModal({lwtest::When(_T("address dialog"), lwtest::Captioned(kMovedDialog),
                         [&](HWND dialog) {
                           const CRect live = lwtest::ChildRectInDialogUnits(dialog, IDC_LAY_FIRST_LABEL);
                           EXPECT_NEAR(place.left, live.left, 1);
                           EXPECT_NEAR(place.top, live.top, 1);
                           SaveScreenshot(dialog, "e2e_sample_address_en");
                           PostMessage(dialog, WM_COMMAND, IDCANCEL, 0);
                         })},
           [&] { Command(ID_TOOLS_LAYOUT); });

  // The test file: every text carries the markers.
  Start(kTestFile);
  const TypedText menu = kTypedTexts[0], caption = kTypedTexts[4];
  const CString markedMenu = FindTypedNode(*test, menu)->GetTranslation();
  const CString markedCaption = FindTypedNode(*test, caption)->GetTranslation();
  EXPECT_NE(CString(menu.german), markedMenu);
  EXPECT_NE(CString(caption.german), markedCaption);
  EXPECT_EQ(markedMenu, MenuText(Bar(), 0));
  ExpectForm(markedCaption, FindTypedNode(*test, kTypedTexts[5])->GetTranslation(), "e2e_sample_form_test");
  SaveScreenshot(Frame(), "e2e_sample_frame_test");
}

}  // namespace
