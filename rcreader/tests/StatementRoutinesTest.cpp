#include "ResTestUtil.h"
#include "StyleNames.h"

#include <gtest/gtest.h>

using rctest::T;

namespace {

// An item that only runs the statement routines over a script.
class CProbe : public CResItem {
 public:
  explicit CProbe(const char* script) {
    std::string s(script);
    m_own.reset(new CSourceTokenList(_T("p.rc"), reinterpret_cast<const BYTE*>(s.data()), s.size()));
    Begin(m_own.get(), 0);
  }
  int Parse(const CSourceTokenList*, int, CResProblemLog&) override { return kResParseFailed; }
  int GetKind() const override { return 0; }
  CTraNode* CreateNode(CTraNode*) override { return nullptr; }

 private:
  std::unique_ptr<CSourceTokenList> m_own;
};

TEST(StatementRoutines, ParseInteger) {
  struct Case {
    const char* script;
    bool ok;
    int value;
    int pos;
  } cases[] = {
      {"12 ,", true, 12, 1},
      {"- 7", true, -7, 2},
      {"-x", false, 0, 0},
      {"x", false, 0, 0},
      {"", false, 0, 0},
      // Longer than 32 bits: saturated like the Windows C library.
      {"99999999999", true, 2147483647, 1},
      {"-99999999999", true, -2147483647 - 1, 2},
      {"4294967296", true, 2147483647, 1},
  };
  for (const Case& c : cases) {
    CProbe p(c.script);
    int v = 0;
    EXPECT_EQ(c.ok, p.ParseInteger(v)) << c.script;
    if (c.ok) {
      EXPECT_EQ(c.value, v) << c.script;
    }
    EXPECT_EQ(c.pos, p.GetPosition()) << c.script;
  }
}

TEST(StatementRoutines, ParseIdOrText) {
  struct Case {
    const char* script;
    bool ok;
    const char* text;
    int pos;
  } cases[] = {
      {"IDD_ABOUT DIALOG", true, "IDD_ABOUT", 1},
      {"100 DIALOG", true, "100", 1},
      {"-1 ,", true, "-1", 2},
      {"- x", false, "", 0},
      {"IDC_BASE + 3 ,", true, "IDC_BASE+3", 3},
      {"IDC_BASE + X", true, "IDC_BASE", 1},
      {"\"name\" MENU", true, "name", 1},
      {"", false, "", 0},
  };
  for (const Case& c : cases) {
    CProbe p(c.script);
    CString text;
    EXPECT_EQ(c.ok, p.ParseIdOrText(text)) << c.script;
    if (c.ok) {
      EXPECT_EQ(T(c.text), text) << c.script;
    }
    EXPECT_EQ(c.pos, p.GetPosition()) << c.script;
  }
}

TEST(StatementRoutines, SkipMemoryFlags) {
  CProbe p("PRELOAD MOVEABLE DISCARDABLE PURE 1");
  CString text;
  p.SkipMemoryFlags(text);
  EXPECT_EQ(T("PRELOAD MOVEABLE DISCARDABLE PURE "), text);
  EXPECT_EQ(4, p.GetPosition());
  CProbe none("preload");
  none.SkipMemoryFlags(text);
  EXPECT_EQ(0, none.GetPosition());
}

TEST(StatementRoutines, ParseFlagText) {
  struct Case {
    const char* script;
    bool ok;
    const char* text;
    int pos;
  } cases[] = {
      {"0 ,", true, "", 1},
      {"0x10", true, "0x10 ", 2},
      {"0X10", true, "0X10 ", 2},  // an upper-case prefix works like the lower-case one
      {"GRAYED | CHECKED ,", true, "GRAYED CHECKED ", 3},
      {"NOT CHECKED", true, "NOT CHECKED ", 2},
      {"NOT 5", false, "", 0},
      {"12", false, "", 0},
      {"\"x\"", false, "", 0},
      {"", false, "", 0},
      // After "| 0" the next token continues the number only when it is
      // the second half of a hexadecimal number; the comma stays.
      {"MFT_STRING | 0 , 5", true, "MFT_STRING 0 ", 3},
      {"A | 0 B", true, "A 0 ", 3},
      {"A | 0xFF | B", true, "A 0xFF B ", 6},
  };
  for (const Case& c : cases) {
    CProbe p(c.script);
    CString text;
    bool ok = p.ParseFlagText(text);
    EXPECT_EQ(c.ok, ok) << c.script;
    if (c.ok) {
      EXPECT_EQ(T(c.text), text) << c.script;
      EXPECT_EQ(c.pos, p.GetPosition()) << c.script;
    }
  }
}

TEST(StatementRoutines, ParseStyle) {
  struct Case {
    const char* script;
    DWORD start;
    DWORD value;
    int pos;
  } cases[] = {
      {"WS_CHILD | WS_VISIBLE ,", 0, 0x50000000, 3},
      {"NOT WS_GROUP", 0x50020000, 0x50000000, 2},
      {"WS_TABSTOP", 0x50010000, 0x50010000, 1},
      {"010", 0, 8, 1},
      {"09", 0, 0, 1},
      {"0x1F | 0X20", 0, 0x3F, 5},
      {"0xFFFFFFFFF", 0, 0xFFFFFFFF, 2},   // saturated
      {"99999999999", 0, 0xFFFFFFFF, 1},
      {"UNKNOWN_NAME | 4", 0, 4, 3},
      {"ws_child", 0, 0, 1},               // names compare with exact case
      {"", 0x10, 0x10, 0},
      {"NOT", 0x10, 0x10, 1},
  };
  for (const Case& c : cases) {
    CProbe p(c.script);
    DWORD v = c.start;
    p.ParseStyle(v);
    EXPECT_EQ(c.value, v) << c.script;
    EXPECT_EQ(c.pos, p.GetPosition()) << c.script;
  }
}

TEST(StatementRoutines, ExpectComma) {
  CProbe p(", x");
  EXPECT_TRUE(p.ExpectComma());
  EXPECT_FALSE(p.ExpectComma());
  EXPECT_EQ(1, p.GetPosition());
}

TEST(StyleNames, TableHasTheNamesWithTheirValues) {
  int count = 0;
  const ResStyleName* names = GetStyleNames(count);
  EXPECT_EQ(161, count);
  for (int i = 0; i < count; ++i) EXPECT_EQ(names[i].value, LookupStyleName(names[i].name)) << i;
  struct Case {
    const char* name;
    DWORD value;
  } cases[] = {
      {"WS_OVERLAPPEDWINDOW", 0xCF0000}, {"WS_POPUPWINDOW", 0x80880000}, {"WS_EX_OVERLAPPEDWINDOW", 0x300},
      {"WS_EX_PALETTEWINDOW", 0x188},    {"LBS_STANDARD", 0xA00003},     {"DS_MODALFRAME", 0x80},
      {"BS_AUTOCHECKBOX", 3},            {"SS_ELLIPSISMASK", 0xC000},    {"ES_NUMBER", 0x2000},
      {"NO_SUCH_STYLE", 0},              {"", 0},
  };
  for (const Case& c : cases) EXPECT_EQ(c.value, LookupStyleName(T(c.name))) << c.name;
}

}  // namespace
