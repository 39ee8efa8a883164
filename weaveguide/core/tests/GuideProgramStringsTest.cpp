// The assistant's own strings on a translator's language file: a format
// whose conversions were changed falls back to the program's original.
#include "AnalysisTestUtil.h"
#include "GermanStrings.h"
#include "GuideTexts.h"
#include "LwvMessage.h"
#include "RuntimeStrings.h"
#include "TestPaths.h"

#include <gtest/gtest.h>

namespace {

using lwtest::S;

// The program's string table here is the native one the test fills.
#ifndef _WIN32
TEST(GuideProgramStrings, ChangedConversionsFallBackToTheOriginal) {
  LwvSetMessageHandler([](LPCTSTR) {});
  const lwtest::GermanStrings german;
  const CString entry = german.LoadOriginal(kStrFixMacroEntry);
  lw::SetNativeString(kStrFixMacroEntry, CStringW(entry).GetString());
  const CString folder = lwtest::FreshScratchDir("guide-program-strings");
  const struct {
    const TCHAR* translation;
    const char* format;  // the format the composers use
  } cases[] = {
      {_T("File %i, line %s (class %s)\r\n%s\r\nadd:\r\n%s"), nullptr},  // swapped: the original
      {_T("File %s (class %s)"), nullptr},                                 // fewer: the original
      {_T("File %s, line %i (class %s)\r\n%s\r\nadd:\r\n%s"), "File %s, line %i (class %s)\r\n%s\r\nadd:\r\n%s"},
  };
  for (const auto& c : cases) {
    ASSERT_TRUE(lwtest::StartRuntimeWithStrings(folder + _T("GuideEN.tra"), {{entry, c.translation}}));
    EXPECT_EQ(S(c.translation), S(GuideProgramStrings().Load(kStrFixMacroEntry)));
    EXPECT_EQ(c.format ? std::string(c.format) : S(entry), S(GuideLoadFormat(GuideProgramStrings(), kStrFixMacroEntry)));
    LWEnd();
  }
  EXPECT_EQ(S(entry), S(GuideProgramStrings().Load(kStrFixMacroEntry)));  // without the runtime
  lw::ClearNativeStrings();
  LwvSetMessageHandler(nullptr);
}
#endif

}  // namespace
