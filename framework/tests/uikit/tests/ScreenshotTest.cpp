#include "UiTestKit.h"

#include "TestPaths.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

std::vector<unsigned char> ReadAll(const std::string& path) {
  std::vector<unsigned char> bytes;
  if (FILE* f = std::fopen(path.c_str(), "rb")) {
    int c;
    while ((c = std::fgetc(f)) != EOF) bytes.push_back(static_cast<unsigned char>(c));
    std::fclose(f);
  }
  return bytes;
}

TEST(Screenshot, WrittenOnlyWhenTheFolderIsNamed) {
  CString folder = lwtest::ScratchDir("screenshot");
  std::string dir(CStringA(folder).GetString());
  dir.erase(dir.size() - 1);  // without its trailing backslash
  const std::string file = dir + "\\window.bmp";
  std::remove(file.c_str());
  HWND wnd = ::CreateWindow(_T("STATIC"), _T("Bild"), WS_POPUP | WS_VISIBLE, 10, 10, 61, 40, nullptr, nullptr,
                            ::GetModuleHandle(nullptr), nullptr);
  ASSERT_NE(wnd, nullptr);

  ::SetEnvironmentVariableA("LWV_SCREENSHOT_DIR", nullptr);
  EXPECT_FALSE(lwtest::SaveScreenshot(wnd, "window"));
  EXPECT_TRUE(ReadAll(file).empty());

  ::SetEnvironmentVariableA("LWV_SCREENSHOT_DIR", dir.c_str());
  EXPECT_TRUE(lwtest::SaveScreenshot(wnd, "window"));
  ::SetEnvironmentVariableA("LWV_SCREENSHOT_DIR", nullptr);
  std::vector<unsigned char> bytes = ReadAll(file);
  ASSERT_GE(bytes.size(), 54u);
  EXPECT_EQ(bytes[0], 'B');
  EXPECT_EQ(bytes[1], 'M');
  const size_t row = (61 * 3 + 3) / 4 * 4;  // 24-bit rows padded to four bytes
  EXPECT_EQ(bytes.size(), 54u + row * 40u);
  ::DestroyWindow(wnd);
}

}  // namespace
