// The application base and the message box by string id, with the
// message box read back from the live window and closed by the test kit's driver.
#include "ManagerFixtures.h"
#include "ManagerTestIds.h"
#include "UiTestKit.h"

#include "LwvMFC.h"
#undef CString

using namespace mgrtest;

namespace {

struct SeenBox {
  CStringT<TCHAR> text;
  int boxes = 0;
};
SeenBox g_seen;

// Runs show() with a driver that reads and closes the first message box.
template <class Show>
int ShowAndRead(Show show) {
  g_seen = SeenBox();
  lwtest::ModalDriver driver({lwtest::When(_T("a message box"), [] { return lwtest::FindMessageBox(); }, [](HWND box) {
    g_seen.text = lwtest::MessageBoxText(box);
    ++g_seen.boxes;
    PostMessage(box, WM_COMMAND, IDOK, 0);
  })});
  return show();
}

TEST_F(ManagerTest, MessageBoxByIdShowsTheTranslatedText) {
  LW_STARTPARAMS p = Params(WriteSpec("msgbox.tra", GermanToEnglish()));
  ASSERT_TRUE(LWStart(&p));
  EXPECT_EQ(IDOK, ShowAndRead([] { return LWAfxMessageBox(IDS_MGR_NOT_FOUND); }));
  EXPECT_EQ(1, g_seen.boxes);
  EXPECT_EQ(CStringT<TCHAR>(_T("File not found")), g_seen.text);

  // a text is shown as it is
  ShowAndRead([] { return LWAfxMessageBox(_T("Datei nicht gefunden")); });
  EXPECT_EQ(CStringT<TCHAR>(_T("Datei nicht gefunden")), g_seen.text);

  LWEnd();
  ShowAndRead([] { return LWAfxMessageBox(IDS_MGR_NOT_FOUND, MB_OK, 0); });
  EXPECT_EQ(CStringT<TCHAR>(_T("Datei nicht gefunden")), g_seen.text);
}

class ProbeApp : public __X_CWinApp {
 public:
  ProbeApp() : __X_CWinApp(_T("Probe")) { m_nExitCode = 7; }
};

TEST_F(ManagerTest, ApplicationExitEndsTheLibrary) {
  LW_STARTPARAMS p = Params(WriteSpec("app.tra", GermanToEnglish()));
  ASSERT_TRUE(LWStart(&p));
  ASSERT_TRUE(LWAddThread(GetCurrentThreadId()));
  ProbeApp app;
  EXPECT_EQ(7, app.ExitInstance());  // the base's result
  EXPECT_EQ(nullptr, LwGetManager());
}

}  // namespace
