#include "Framework.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<CString> Split(LPCTSTR line) {
  std::vector<CString> out;
  for (const CString& p : lw::SplitCommandLine(line)) out.push_back(p);
  return out;
}

TEST(CommandLine, SplitsAtBlanksAndGroupsByQuotes) {
  struct Case {
    LPCTSTR line;
    std::vector<CString> params;
  } cases[] = {
      {_T(""), {}},
      {_T("   "), {}},
      {_T("a.tra"), {_T("a.tra")}},
      {_T("  /p\t a.tra  b "), {_T("/p"), _T("a.tra"), _T("b")}},
      {_T("\"C:\\Eigene Dateien\\x.tra\""), {_T("C:\\Eigene Dateien\\x.tra")}},
      {_T("\"C:\\Ordner mit Leerzeichen\\\" next"), {_T("C:\\Ordner mit Leerzeichen\\"), _T("next")}},
      {_T("pre\"fix mid\"post"), {_T("prefix midpost")}},
      {_T("\"unterminated rest"), {_T("unterminated rest")}},
      {_T("\"\""), {_T("")}},
  };
  for (const Case& c : cases) EXPECT_EQ(Split(c.line), c.params) << CStringA(c.line).GetString();
}

class CRecordingInfo : public CCommandLineInfo {
 public:
  struct Param {
    CString text;
    BOOL flag, last;
    bool operator==(const Param& o) const { return text == o.text && flag == o.flag && last == o.last; }
  };
  std::vector<Param> params;
  void ParseParam(LPCTSTR param, BOOL flag, BOOL last) override {
    params.push_back({param, flag, last});
    CCommandLineInfo::ParseParam(param, flag, last);
  }
};

TEST(CommandLine, TheFirstParameterThatIsNoFlagIsTheFileToOpen) {
  struct Case {
    LPCTSTR line;
    int command;
    LPCTSTR file;
  } cases[] = {
      {_T(""), CCommandLineInfo::FileNew, _T("")},
      {_T("/x -y"), CCommandLineInfo::FileNew, _T("")},
      {_T("/x \"C:\\a b.tra\" second.tra"), CCommandLineInfo::FileOpen, _T("C:\\a b.tra")},
      {_T("-"), CCommandLineInfo::FileNew, _T("")},
  };
  for (const Case& c : cases) {
    CCommandLineInfo info;
    lw::ParseCommandLine(c.line, info);
    EXPECT_EQ(info.m_nShellCommand, c.command) << CStringA(c.line).GetString();
    EXPECT_EQ(info.m_strFileName, CString(c.file)) << CStringA(c.line).GetString();
  }
  CRecordingInfo info;
  lw::ParseCommandLine(_T("/dde file.tra"), info);
  std::vector<CRecordingInfo::Param> expected = {{_T("dde"), TRUE, FALSE}, {_T("file.tra"), FALSE, TRUE}};
  EXPECT_EQ(info.params, expected);
}

}  // namespace
