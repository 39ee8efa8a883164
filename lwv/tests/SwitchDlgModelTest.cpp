// The switch dialog's texts, file lists and control places, without windows.
#include "SwitchDlgModel.h"

#include "ManagerFixtures.h"
#include "TraNode.h"

#include <memory>

namespace {

std::unique_ptr<CTraNode> Entry(int children) {
  std::unique_ptr<CTraNode> entry(new CTraNode(nullptr, _T("Sprache"), _T("Language"), TRA_SWITCHDIALOG, 10, 10));
  for (int i = 0; i < children; ++i) {
    CString text;
    text.Format(_T("t%d"), i);
    entry->AddChild(std::make_unique<CTraNode>(entry.get(), _T("o"), text, TRA_STATIC, 10, 10));
  }
  return entry;
}

TEST(SwitchTextsTest, FullLayoutNeedsEighteenChildren) {
  std::unique_ptr<CTraNode> full = Entry(18);
  LwvSwitchTexts t = LwvSwitchTexts::FromEntry(full.get());
  EXPECT_EQ(CString(_T("Language")), t.caption);
  EXPECT_EQ(CString(_T("t0")), t.showAll);
  EXPECT_EQ(CString(_T("t1")), t.listLabel);
  EXPECT_EQ(CString(_T("t2")), t.group);
  EXPECT_EQ(CString(_T("t6")), t.rowLabel[3]);
  EXPECT_EQ(CString(_T("t7")), t.warning);
  EXPECT_EQ(CString(_T("t8")), t.failure);
  EXPECT_EQ(CString(_T("t11")), t.versionPrefix);
  EXPECT_EQ(CString(_T("t12")), t.ok);
  EXPECT_EQ(CString(_T("t15")), t.about);
  EXPECT_EQ(CString(_T("t16")), t.aboutCaption);
  EXPECT_EQ(CString(_T("t17")), t.aboutInfo);

  // 16 or 17 children: the earlier set, nothing read beyond the children.
  for (int n : {16, 17, 9}) {
    SCOPED_TRACE(n);
    std::unique_ptr<CTraNode> e = Entry(n);
    LwvSwitchTexts o = LwvSwitchTexts::FromEntry(e.get());
    EXPECT_EQ(CString(_T("t0")), o.listLabel);
    EXPECT_EQ(CString(_T("t3")), o.ok);
    EXPECT_EQ(CString(_T("t4")), o.cancel);
    EXPECT_EQ(CString(_T("t5")), o.help);
    EXPECT_EQ(CString(_T("t6")), o.versionPrefix);
    EXPECT_EQ(CString(_T("t8")), o.failure);
    EXPECT_TRUE(o.showAll.IsEmpty());
    EXPECT_TRUE(o.group.IsEmpty());
    EXPECT_TRUE(o.about.IsEmpty());
    EXPECT_TRUE(o.aboutInfo.IsEmpty());
  }
  // Too few children: the missing ones are empty.
  std::unique_ptr<CTraNode> few = Entry(4);
  LwvSwitchTexts f = LwvSwitchTexts::FromEntry(few.get());
  EXPECT_EQ(CString(_T("t3")), f.ok);
  EXPECT_TRUE(f.cancel.IsEmpty());
  EXPECT_TRUE(f.failure.IsEmpty());
  EXPECT_TRUE(LwvSwitchTexts::FromEntry(nullptr).caption.IsEmpty());
  EXPECT_TRUE(LwvChildText(few.get(), -1).IsEmpty());
}

TEST(SwitchTextsTest, CallerTextsTakeTheEarlierPlaces) {
  LwvSwitchTexts t = LwvSwitchTexts::FromCaller(_T("Cap"), _T("List"), _T("OK"), _T("Cancel"), nullptr, _T("v"),
                                                 _T("Warn"), _T("Fail"));
  EXPECT_EQ(CString(_T("Cap")), t.caption);
  EXPECT_EQ(CString(_T("List")), t.listLabel);
  EXPECT_EQ(CString(_T("Cancel")), t.cancel);
  EXPECT_TRUE(t.help.IsEmpty());
  EXPECT_EQ(CString(_T("v")), t.versionPrefix);
  EXPECT_EQ(CString(_T("Warn")), t.warning);
  EXPECT_EQ(CString(_T("Fail")), t.failure);
  EXPECT_TRUE(t.about.IsEmpty());
}

LW_FILEINFO Info(const TCHAR* program, const TCHAR* version, DWORD flags, const TCHAR* path) {
  LW_FILEINFO i;
  i.strProgramName = program;
  i.strProgramVersion = version;
  i.dwFlags = flags;
  i.strFilePath = path;
  i.strLanguageName = _T("English");
  return i;
}

TEST(SwitchFileListsTest, ClassifiesByProgramVersionAndWizardMark) {
  const LW_FILEINFO plain = Info(_T("Probe"), _T("1.0"), 0, _T("cur"));
  const LW_FILEINFO marked = Info(_T("Probe"), _T("1.0"), TRA_FLAG_WIZARD, _T("cur"));
  struct Case {
    const char* name;
    const LW_FILEINFO& current;
    LW_FILEINFO file;
    int list;
  } cases[] = {
      {"same version", plain, Info(_T("Probe"), _T("1.0"), 0, _T("a")), CLwvSwitchFileLists::kSameVersion},
      {"other version", plain, Info(_T("Probe"), _T("0.9"), 0, _T("a")), CLwvSwitchFileLists::kOtherVersion},
      {"other program", plain, Info(_T("Probe2"), _T("1.0"), 0, _T("a")), CLwvSwitchFileLists::kNone},
      {"name case differs", plain, Info(_T("probe"), _T("1.0"), 0, _T("a")), CLwvSwitchFileLists::kNone},
      {"mark wanted, missing", marked, Info(_T("Probe"), _T("1.0"), 0, _T("a")), CLwvSwitchFileLists::kNone},
      {"mark wanted, there", marked, Info(_T("Probe"), _T("1.0"), 3, _T("a")), CLwvSwitchFileLists::kSameVersion},
      {"mark not wanted", plain, Info(_T("Probe"), _T("1.0"), TRA_FLAG_WIZARD, _T("a")),
       CLwvSwitchFileLists::kSameVersion},
  };
  for (const Case& c : cases) EXPECT_EQ(c.list, CLwvSwitchFileLists::Classify(c.current, c.file)) << c.name;
}

TEST(SwitchFileListsTest, PositionsAndTheLimitOf128) {
  const LW_FILEINFO current = Info(_T("Probe"), _T("1.0"), 0, _T("cur"));
  CLwvSwitchFileLists lists;
  for (int i = 0; i < 200; ++i) {
    CString path;
    path.Format(_T("same%d"), i);
    const int list = lists.Offer(current, Info(_T("Probe"), _T("1.0"), 0, path));
    EXPECT_EQ(i < 128 ? CLwvSwitchFileLists::kSameVersion : CLwvSwitchFileLists::kNone, list);
  }
  for (int i = 0; i < 3; ++i) {
    CString path;
    path.Format(_T("old%d"), i);
    lists.Offer(current, Info(_T("Probe"), _T("0.9"), 0, path));
  }
  EXPECT_EQ(128, lists.GetCount(CLwvSwitchFileLists::kSameVersion));
  EXPECT_EQ(3, lists.GetCount(CLwvSwitchFileLists::kOtherVersion));
  EXPECT_EQ(128, lists.GetShownCount(false));
  EXPECT_EQ(131, lists.GetShownCount(true));
  bool other = true;
  EXPECT_EQ(CString(_T("same0")), lists.AtPosition(0, true, &other)->strFilePath);
  EXPECT_FALSE(other);
  EXPECT_EQ(CString(_T("old1")), lists.AtPosition(129, true, &other)->strFilePath);
  EXPECT_TRUE(other);
  EXPECT_EQ(nullptr, lists.AtPosition(129, false));
  EXPECT_EQ(nullptr, lists.AtPosition(131, true));
  EXPECT_EQ(nullptr, lists.AtPosition(-1, true));
  lists.Clear();
  EXPECT_EQ(0, lists.GetShownCount(true));

  LW_FILEINFO old = Info(_T("Probe"), _T("0.9"), 0, _T("x"));
  EXPECT_EQ(CString(_T("English \n(Version 0.9)")), CLwvSwitchFileLists::OtherVersionText(old, _T("Version ")));
}

TEST(SwitchLayoutTest, ControlsFollowClientSizeAndLineHeight) {
  const int W = 375, H = 406, l = 13;
  LwvSwitchLayout s = LwvComputeSwitchLayout(W, H, l, 60, true, true);
  const int b = (W - 50) / 4;
  EXPECT_EQ(b, s.buttonWidth);
  EXPECT_EQ((W - 180) / 2, s.banner.x);
  EXPECT_EQ(100 + l, s.check.bottom);
  EXPECT_EQ(100 + l + 10, s.listLabel.top);
  const int buttonTop = H - 2 * l - 10;
  EXPECT_EQ(buttonTop, s.ok.top);
  EXPECT_EQ(H - 10, s.ok.bottom);
  EXPECT_EQ(b + 10, s.ok.right);
  EXPECT_EQ(b + 20, s.cancel.left);
  EXPECT_EQ(2 * b + 30, s.help.left);
  EXPECT_EQ(3 * b + 30, s.help.right);
  EXPECT_EQ(W - b - 10, s.about.left);
  EXPECT_EQ(W - 10, s.about.right);
  const int g = buttonTop - 6 * l - 10;
  EXPECT_EQ(g, s.group.top);
  EXPECT_EQ(buttonTop - 10, s.group.bottom);
  EXPECT_EQ(g + l + 5, s.rowLabel[0].top);
  EXPECT_EQ(g + 5 * l + 5, s.rowLabel[3].bottom);
  EXPECT_EQ(90, s.rowValue[2].left);
  EXPECT_EQ(100 + l + l + 15, s.flagList.top);
  EXPECT_EQ(g - 10, s.flagList.bottom);
  // Nothing overlaps vertically: list above the group, group above the buttons.
  EXPECT_LT(s.listLabel.bottom, s.flagList.top);
  EXPECT_LT(s.rowLabel[3].bottom, s.group.bottom);

  // Without the check box the list label moves up by l + 10; without help
  // three buttons share the width.
  LwvSwitchLayout n = LwvComputeSwitchLayout(W, H, l, 60, false, false);
  EXPECT_EQ(s.listLabel.top - (l + 10), n.listLabel.top);
  EXPECT_EQ((W - 40) / 3, n.buttonWidth);
  EXPECT_FALSE(n.hasCheck);
  EXPECT_FALSE(n.hasHelp);
}

TEST(AboutLayoutTest, WidthAtLeast250AndOkBelowTheLastLine) {
  for (int width : {100, 250, 300}) {
    SCOPED_TRACE(width);
    const int l = 14;
    LwvAboutLayout s = LwvComputeAboutLayout(l, width);
    const int a = width < 250 ? 250 : width;
    EXPECT_EQ(a, s.a);
    EXPECT_EQ(a + 20, s.client.cx);
    EXPECT_EQ((a - 230) / 2, s.picture.x);
    EXPECT_EQ(125 + 3 * l, s.line[0].top);
    EXPECT_EQ(125 + 15 * l + l, s.line[6].bottom);
    EXPECT_EQ(a + 10, s.line[3].right);
    EXPECT_EQ(s.line[6].bottom + l + 10, s.ok.top);
    EXPECT_EQ(100, s.ok.right - s.ok.left);
    EXPECT_EQ(s.client.cx - s.ok.right, s.ok.left);  // centred
    EXPECT_EQ(s.ok.bottom + 10, s.client.cy);
  }
}

}  // namespace
