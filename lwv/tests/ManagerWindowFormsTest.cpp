// The handle forms of the window functions have C linkage (a plain C host
// links them), and the framework-object forms accept null objects.
#include "ManagerFixtures.h"

#include "LwvMFC.h"
#undef CString

using namespace mgrtest;

extern "C" int SdkCStartAndEnd(const TCHAR* stdFile, const TCHAR* missingFile, DWORD threadId);

namespace {

TEST_F(ManagerTest, PlainCHostStartsAndEnds) {
  CStringT<TCHAR> path = WriteSpec("sdk_c.tra", GermanToEnglish());
  CStringT<TCHAR> missing = TempPath("sdk_c_missing.tra");
  RemoveFile(missing);
  EXPECT_EQ(1 | 2 | 4, SdkCStartAndEnd(path, missing, GetCurrentThreadId()));
  EXPECT_EQ(nullptr, LwGetManager());
}

TEST_F(ManagerTest, FrameworkObjectFormsTakeNull) {
  LW_STARTPARAMS p = Params(WriteSpec("objects.tra", GermanToEnglish()));
  ASSERT_TRUE(LWStart(&p));
  LWTranslateDialog(static_cast<CWnd*>(nullptr), 0);
  LWTranslateMenu(static_cast<CWnd*>(nullptr));
  LWTranslateHMenu(static_cast<CMenu*>(nullptr));
  CMenu menu;
  menu.m_hMenu = CreatePopupMenu();
  AppendMenu(menu.m_hMenu, MF_STRING, 1, _T("Neu"));
  LWTranslateHMenu(&menu);  // no menu section entry: stays
  TCHAR text[16] = {0};
  GetMenuString(menu.m_hMenu, 0, text, 16, MF_BYPOSITION);
  EXPECT_EQ(CStringT<TCHAR>(_T("Neu")), CStringT<TCHAR>(text));
  DestroyMenu(menu.m_hMenu);
  menu.m_hMenu = nullptr;
}

}  // namespace
