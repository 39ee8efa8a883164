// The committed language files under Wine, as the running sample meets
// them: the library reads their information and flags, and its switch
// dialog, shown in German from the German file, lists both languages.
#include "LwvProgram.h"
#include "LwvSwitchDlg.h"
#include "TestPaths.h"
#include "UiTestKit.h"
#include "TraFile.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <vector>

namespace {

const CString kSamples = CString(LW_SOURCE_DIR) + _T("\\samples\\");

// Both files copied into a folder of their own; the library started once
// with the German one, as the sample starts it, remembering nothing.
class SampleFilesUnderWine : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    const CString folder = lwtest::ScratchDir("sample_tra_wine");
    s_german = folder + _T("LwvSample.tra");
    s_english = folder + _T("LwvSampleEN.tra");
    s_ready = !folder.IsEmpty() && CopyFile(kSamples + _T("LwvSample.tra"), s_german, FALSE) &&
              CopyFile(kSamples + _T("LwvSampleEN.tra"), s_english, FALSE);
    LW_STARTPARAMS params;
    ZeroMemory(&params, sizeof(params));
    params.dwSize = sizeof(params);
    lstrcpyn(params.szStdFile, s_german, LW_PATH_CHARS);
    lstrcpyn(params.szTraPath, folder.Left(folder.GetLength() - 1), LW_PATH_CHARS);
    s_ready = s_ready && LWStart(&params);
  }
  static void TearDownTestSuite() { LWEnd(); }
  void SetUp() override { ASSERT_TRUE(s_ready); }

  static CString s_german, s_english;
  static bool s_ready;
};
CString SampleFilesUnderWine::s_german;
CString SampleFilesUnderWine::s_english;
bool SampleFilesUnderWine::s_ready = false;

TEST_F(SampleFilesUnderWine, InformationAndFlagsOfBothFiles) {
  lwtest::Watchdog watchdog(60);
  struct Expected {
    const CString* path;
    const TCHAR* language;
    WORD id;
  } files[] = {{&s_german, _T("Deutsch"), 0x0407}, {&s_english, _T("English"), 0x0809}};
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  for (const Expected& f : files) {
    LW_FILEINFO_FIXED info;
    ASSERT_TRUE(LWGetOtherFileInfo(*f.path, &info));
    EXPECT_EQ(CString(_T("LwvSample")), CString(info.szProgramName));
    EXPECT_EQ(CString(_T("1.0")), CString(info.szProgramVersion));
    EXPECT_EQ(CString(f.language), CString(info.szLanguageName));
    EXPECT_EQ(f.id, info.wLanguageId);

    CTraFile file;
    ASSERT_TRUE(LwReadLanguageFile(*f.path, file, LW_READ_HEADER_AND_FLAG));
    HBITMAP flag = LWGetOtherFlagBitmap(*f.path, screen);
    ASSERT_NE(nullptr, flag);
    HGDIOBJ old = SelectObject(memory, flag);
    int different = 0;
    for (int row = 0; row < 32; ++row)
      for (int column = 0; column < 32; ++column)
        if (GetPixel(memory, column, row) != file.GetFlagPixel(row * 32 + column)) ++different;
    EXPECT_EQ(0, different) << CStringA(f.language).GetString();
    SelectObject(memory, old);
    DeleteObject(flag);
  }
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);

  LW_FILEINFO_FIXED current;
  ASSERT_TRUE(LWGetFileInfo(&current));
  EXPECT_EQ(CString(_T("Deutsch")), CString(current.szLanguageName));
}

// What the driver saw of the switch dialog before it cancelled it.
struct SeenDialog {
  CString caption;
  CString cancel;
  std::vector<CString> items;
};

TEST_F(SampleFilesUnderWine, SwitchDialogListsBothLanguages) {
  lwtest::Watchdog watchdog(60);
  SeenDialog seen;
  auto switchDialog = [] {
    return lwtest::FindOwnWindowIf([](HWND w) { return GetDlgItem(w, LWV_ID_ABOUT) != nullptr; });
  };
  lwtest::ModalDriver driver({lwtest::When(_T("the switch dialog"), switchDialog, [&](HWND window) {
    seen.caption = lwtest::WindowText(window);
    seen.cancel = lwtest::ItemText(window, IDCANCEL);
    seen.items = lwtest::ListItems(GetDlgItem(window, LWV_ID_FLAG_LIST));
    PostMessage(window, WM_COMMAND, IDCANCEL, 0);
  })});
  LWSwitchDialog();
  ASSERT_TRUE(driver.Finished());
  EXPECT_EQ(CString(CStringW(L"Sprache w\u00E4hlen")), seen.caption);
  EXPECT_EQ(CString(_T("&Abbrechen")), seen.cancel);
  ASSERT_EQ(2u, seen.items.size());
  std::vector<CString> languages = {seen.items[0], seen.items[1]};
  EXPECT_TRUE((languages == std::vector<CString>{_T("Deutsch"), _T("English")}) ||
              (languages == std::vector<CString>{_T("English"), _T("Deutsch")}));
}

}  // namespace
