#include "Framework.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

namespace {

std::vector<CString> Names(const CRecentFileList& list) {
  std::vector<CString> names;
  for (int i = 0; i < list.GetSize(); ++i) names.push_back(list[i]);
  return names;
}

TEST(RecentFileList, AddPutsFirstMovesRepeatsAndKeepsTheLimit) {
  CRecentFileList list(0xE110, _T("Recent File List"), _T("File%d"), 3);
  struct Step {
    LPCTSTR add;
    std::vector<CString> expected;
  } steps[] = {
      {_T("C:\\a.tra"), {_T("C:\\a.tra")}},
      {_T("C:\\b.tra"), {_T("C:\\b.tra"), _T("C:\\a.tra")}},
      {_T(""), {_T("C:\\b.tra"), _T("C:\\a.tra")}},
      {_T("c:\\A.TRA"), {_T("c:\\A.TRA"), _T("C:\\b.tra")}},
      {_T("C:\\c.tra"), {_T("C:\\c.tra"), _T("c:\\A.TRA"), _T("C:\\b.tra")}},
      {_T("C:\\d.tra"), {_T("C:\\d.tra"), _T("C:\\c.tra"), _T("c:\\A.TRA")}},
      {_T("C:\\c.tra"), {_T("C:\\c.tra"), _T("C:\\d.tra"), _T("c:\\A.TRA")}},
  };
  for (const Step& s : steps) {
    list.Add(s.add);
    EXPECT_EQ(Names(list), s.expected) << CStringA(s.add).GetString();
  }
  list.Remove(1);
  EXPECT_EQ(Names(list), (std::vector<CString>{_T("C:\\c.tra"), _T("c:\\A.TRA")}));
  list.Remove(5);
  list.Remove(-1);
  EXPECT_EQ(list.GetSize(), 2);
}

TEST(RecentFileList, DisplayNamesAreNumberedWithAmpersandsDoubled) {
  CRecentFileList list(0xE110, _T("Recent File List"), _T("File%d"), 4);
  list.Add(_T("C:\\Dies & Das\\x.tra"));
  list.Add(_T("C:\\y.tra"));
  EXPECT_EQ(list.GetDisplayName(0), CString(_T("&1 C:\\y.tra")));
  EXPECT_EQ(list.GetDisplayName(1), CString(_T("&2 C:\\Dies && Das\\x.tra")));
  EXPECT_EQ(list.GetDisplayName(2), CString());
}

TEST(RecentFileList, ProfileRoundTripDropsGapsAndRepeats) {
  std::map<CString, CString> profile = {
      {_T("File1"), _T("C:\\a.tra")}, {_T("File2"), _T("")}, {_T("File3"), _T("C:\\A.tra")},
      {_T("File4"), _T("C:\\b.tra")}, {_T("File5"), _T("C:\\never.tra")}};
  CRecentFileList list(0xE110, _T("Recent File List"), _T("File%d"), 4);
  list.ReadList([&](const CString& entry) { return profile[entry]; });
  EXPECT_EQ(Names(list), (std::vector<CString>{_T("C:\\a.tra"), _T("C:\\b.tra")}));

  list.Add(_T("C:\\c.tra"));
  std::map<CString, CString> written;
  list.WriteList([&](const CString& entry, const CString& value) { written[entry] = value; });
  std::map<CString, CString> expected = {{_T("File1"), _T("C:\\c.tra")},
                                         {_T("File2"), _T("C:\\a.tra")},
                                         {_T("File3"), _T("C:\\b.tra")},
                                         {_T("File4"), _T("")}};
  EXPECT_EQ(written, expected);
}

TEST(RecentFileList, AListOfSizeZeroStaysEmpty) {
  CRecentFileList list(0xE110, _T("Recent File List"), _T("File%d"), 0);
  list.Add(_T("C:\\a.tra"));
  EXPECT_EQ(list.GetSize(), 0);
}

}  // namespace
