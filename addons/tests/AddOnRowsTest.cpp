#include <gtest/gtest.h>

#include "AddOnRows.h"

#include <string>

namespace {

std::string Narrow(const CString& s) {
  std::string out;
  for (int i = 0; i < s.GetLength(); ++i) out += static_cast<char>(s[i]);
  return out;
}

TEST(AddOnRows, ImageByExtension) {
  struct Case {
    const TCHAR* name;
    AddOnImage image;
  } cases[] = {
      {_T("setup.exe"), kAddOnImageProgram}, {_T("run.com"), kAddOnImageProgram},
      {_T("liesmich.txt"), kAddOnImageText}, {_T("a.zip"), kAddOnImageArchive},
      {_T("b.rar"), kAddOnImageArchive},     {_T("ARCHIVE.ZIP"), kAddOnImageOther},
      {_T("Setup.Exe"), kAddOnImageOther},   {_T("exe"), kAddOnImageOther},
      {_T("a.txt.bak"), kAddOnImageOther},   {_T("x.tar.zip"), kAddOnImageArchive},
      {_T(""), kAddOnImageOther},            {_T("noext."), kAddOnImageOther},
  };
  for (const Case& c : cases) EXPECT_EQ(c.image, AddOnImageFor(c.name)) << Narrow(c.name);
}

TEST(AddOnRows, SizeText) {
  EXPECT_EQ(CString(_T("0 Byte")), AddOnSizeText(0));
  EXPECT_EQ(CString(_T("1234567 Byte")), AddOnSizeText(1234567));
}

TEST(AddOnRows, RefusedFilesByExtensionOnlyInAnyCase) {
  struct Case {
    const TCHAR* name;
    bool refused;
  } cases[] = {
      {_T("app.tra"), true},     {_T("APP.TRA"), true},   {_T("a.Lwp"), true},
      {_T("x.lwp"), true},       {_T("tra"), false},      {_T("lwp"), false},
      {_T("extra.txt"), false},  {_T("a.trax"), false},   {_T("a.tra.txt"), false},
      {_T("hilfe.hlp"), false},  {_T(".tra"), true},   {_T("x.tra."), true},
      {_T("x.TRA "), true},
  };
  for (const Case& c : cases) EXPECT_EQ(c.refused, IsRefusedAddOnFile(c.name)) << Narrow(c.name);
}

TEST(AddOnRows, ExportPathChecks) {
  struct Case {
    const TCHAR* path;
    AddOnPathProblem problem;
  } cases[] = {
      {_T(""), AddOnPathProblem::kNone},
      {_T("hilfe\\"), AddOnPathProblem::kNone},
      {_T("..\\docs\\"), AddOnPathProblem::kNone},
      {_T("mit leer\\zeichen"), AddOnPathProblem::kNone},
      {_T("C:\\windows\\"), AddOnPathProblem::kDrive},
      {_T("c:relative"), AddOnPathProblem::kDrive},
      {_T("\\root\\"), AddOnPathProblem::kRooted},
      {_T("\\\\server\\share\\"), AddOnPathProblem::kRooted},
      {_T("/etc/"), AddOnPathProblem::kRooted},
      {_T("a:b"), AddOnPathProblem::kDrive},
      {_T("ab:c"), AddOnPathProblem::kInvalidChars},
      {_T("???\\"), AddOnPathProblem::kInvalidChars},
      {_T("a*b"), AddOnPathProblem::kInvalidChars},
      {_T("a<b"), AddOnPathProblem::kInvalidChars},
      {_T("a|b"), AddOnPathProblem::kInvalidChars},
      {_T("a\"b"), AddOnPathProblem::kInvalidChars},
      {_T("a\tb"), AddOnPathProblem::kInvalidChars},
  };
  for (const Case& c : cases)
    EXPECT_EQ(static_cast<int>(c.problem), static_cast<int>(CheckAddOnExportPath(c.path))) << Narrow(c.path);
}

}  // namespace
