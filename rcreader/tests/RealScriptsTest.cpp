// Real dialog scripts from the cross compiler's packages (public domain).
#include "ResTestUtil.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

using rctest::T;

namespace {

#ifdef _WIN32
const char kFolder[] = "Z:\\usr\\x86_64-w64-mingw32\\include\\";
#else
const char kFolder[] = "/usr/x86_64-w64-mingw32/include/";
#endif

struct ScriptCase {
  const char* file;
  int dialogs;
  int controls;  // over all dialogs
  int sectionErrors;  // problem-log entries with message 113
  int controlErrors;  // and with 114; no other message occurs
};

const ScriptCase kScripts[] = {
    // "FONT 8 "MS Shell Dlg"" lacks the comma the FONT option requires:
    // the header fails.
    {"color.dlg", 0, 0, 1, 0},
    // An LTEXT followed on the same line by ",CONTROL ...": CONTROL is read
    // as the LTEXT's extended style (an unknown name, 0), and each of the
    // 31 remaining tokens of the CONTROL statement costs one entry.
    {"fileopen.dlg", 4, 54, 0, 31},
    {"findtext.dlg", 2, 21, 0, 0},
    {"font.dlg", 1, 20, 0, 0},
    {"icmui.dlg", 1, 25, 0, 0},
    {"msacmdlg.dlg", 2, 22, 0, 0},
    // Preprocessor lines inside a dialog body are not evaluated: the 7
    // tokens of #ifdef CHICO, #else and #endif cost one entry each, and the
    // controls of both branches are read.
    {"oledlg.dlg", 27, 274, 0, 7},
    {"prnsetup.dlg", 4, 90, 0, 0},
};

bool Exists(const CString& path) {
  CFileStatus status;
  return CFile::GetStatus(path, status) != FALSE;
}

TEST(RealScripts, DialogsControlsAndProblemsPerFile) {
  int found = 0;
  for (const ScriptCase& c : kScripts) {
    CString path = T(kFolder) + T(c.file);
    if (!Exists(path)) {
      std::printf("skipped: %s is not installed (package mingw-w64-x86-64-dev)\n", c.file);
      continue;
    }
    ++found;
    CRcFileSet set(&path, 1, nullptr, 0, 50);
    rctest::CIdTexts texts;
    CResProblemLog log(&texts);
    std::unique_ptr<CResFile> file = set.BuildResFile(log);
    std::unique_ptr<CTraNode> root(file->CreateNode(nullptr));
    const CTraNode* dialogs = root->GetChild(1);
    int controls = 0;
    for (int i = 0; i < dialogs->GetChildCount(); ++i) controls += dialogs->GetChild(i)->GetChildCount();
    int section = 0, control = 0, other = 0;
    for (UINT id : log.GetIds()) (id == kMsgSectionError ? section : id == kMsgControlError ? control : other)++;
    EXPECT_EQ(c.dialogs, dialogs->GetChildCount()) << c.file;
    EXPECT_EQ(c.controls, controls) << c.file;
    EXPECT_EQ(c.sectionErrors, section) << c.file;
    EXPECT_EQ(c.controlErrors, control) << c.file;
    EXPECT_EQ(0, other) << c.file;
    if (getenv("RC_SHOW_PROBLEMS")) {
      std::printf("== %s: %d dialogs, %d controls, %d problems\n%s\n", c.file, dialogs->GetChildCount(), controls,
                  section + control + other, CStringA(log.GetText()).GetString());
    }
  }
  if (!found) GTEST_SKIP() << "no dialog scripts under " << kFolder << " (install mingw-w64-x86-64-dev)";
}

}  // namespace

namespace {

TEST(RealScripts, FirstDialogOfTheFileOpenScript) {
  CString path = T(kFolder) + T("fileopen.dlg");
  if (!Exists(path)) GTEST_SKIP() << "fileopen.dlg is not installed (package mingw-w64-x86-64-dev)";
  CRcFileSet set(&path, 1, nullptr, 0, 50);
  CResProblemLog log;
  std::unique_ptr<CResFile> file = set.BuildResFile(log);
  std::unique_ptr<CTraNode> root(file->CreateNode(nullptr));
  const CTraNode* d = root->GetChild(1)->GetChild(0);
  ASSERT_NE(nullptr, d);
  EXPECT_EQ(T("Open"), d->GetOriginal());
  RECT r = {0, 0, 370, 237};
  EXPECT_TRUE(EqualRects(r, d->GetLayout()->m_rcOriginal));
  EXPECT_EQ(T("MS Shell Dlg"), d->GetLayout()->m_strFontFace);
  EXPECT_EQ(8, d->GetLayout()->m_nFontSize);
  const CTraNode* label = d->GetChild(0);
  EXPECT_EQ(T("Look &in:"), label->GetOriginal());
  EXPECT_EQ(TRA_STATIC, label->GetKind());
  RECT lr = {4, 7, 61, 15};
  EXPECT_TRUE(EqualRects(lr, label->GetLayout()->m_rcOriginal));
  EXPECT_EQ(0x50020100, label->GetLayout()->m_nStyle);  // LTEXT default | SS_NOTIFY
  EXPECT_EQ(0x1000, label->GetLayout()->m_nExStyle);    // WS_EX_RIGHT
  EXPECT_EQ(TRA_COMBOBOX, d->GetChild(1)->GetKind());
}

}  // namespace
