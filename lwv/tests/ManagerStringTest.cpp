// Strings by id: LWLoadString and the translation-aware string. The texts
// come from ManagerTest.rc on Windows and from the native string table
// otherwise (filled in SetUp; a no-op on Windows).
#include "ManagerFixtures.h"
#include "ManagerTestIds.h"

using namespace mgrtest;

namespace {

class LoadStringTest : public ManagerTest {
 protected:
  void SetUp() override {
    lw::ClearNativeStrings();
    lw::SetNativeString(IDS_MGR_NOT_FOUND, LW_WSTR("Datei nicht gefunden"));
    lw::SetNativeString(IDS_MGR_FILES, LW_WSTR("%d Dateien"));
    lw::SetNativeString(IDS_MGR_UNKNOWN, LW_WSTR("Unbekannt"));
    lw::SetNativeString(IDS_MGR_ZERO, LW_WSTR("Hallo"));
  }
  void TearDown() override {
    ManagerTest::TearDown();
    lw::ClearNativeStrings();
  }
  void Start(bool switchDialog, UINT switchId) {
    FileContents spec = GermanToEnglish();
    spec.switchDialog = switchDialog;
    LW_STARTPARAMS p = Params(WriteSpec(switchDialog ? "load_sw.tra" : "load_plain.tra", spec));
    p.nSwitchCommandID = switchId;
    ASSERT_TRUE(LWStart(&p));
  }
};

TEST_F(LoadStringTest, WithoutManagerLoadsUntranslated) {
  CString text;
  EXPECT_FALSE(LWLoadString(text, 100));
  EXPECT_EQ(CString(_T("Datei nicht gefunden")), text);
  __X_CString s(MAKEINTRESOURCE(100));
  EXPECT_EQ(CString(_T("Datei nicht gefunden")), s);
  __X_CString loaded;
  EXPECT_TRUE(loaded.LoadString(100));
  EXPECT_EQ(CString(_T("Datei nicht gefunden")), loaded);
}

TEST_F(LoadStringTest, LoadsTranslated) {
  Start(true, 0x1234);
  // found: LWLoadString's result (a translation); loaded: the string's
  // LoadString's (a text).
  struct Case {
    UINT id;
    BOOL found;
    BOOL loaded;
    const TCHAR* text;
  } cases[] = {
      {100, TRUE, TRUE, _T("File not found")},
      {102, FALSE, TRUE, _T("Unbekannt")},                          // resource text kept
      {0x1234, TRUE, TRUE, _T("Switches the language\nLanguage")},  // no resource needed
      {555, FALSE, FALSE, _T("")},  // no such resource: nothing to translate
  };
  for (const Case& c : cases) {
    CString text(_T("before"));
    EXPECT_EQ(c.found, LWLoadString(text, c.id)) << c.id;
    EXPECT_EQ(CString(c.text), text) << c.id;
    __X_CString loaded(_T("before"));
    EXPECT_EQ(c.loaded, loaded.LoadString(c.id)) << c.id;
    EXPECT_EQ(CString(c.text), loaded) << c.id;
  }
}

#ifdef _WIN32
// A module named by the caller is read even when the framework's resource
// module is another one, and its texts are translated the same way.
TEST_F(LoadStringTest, LoadsFromTheModuleGiven) {
  Start(true, 0x1234);
  const HINSTANCE own = GetModuleHandle(nullptr);
  AfxSetResourceHandle(GetModuleHandle(_T("ntdll.dll")));
  struct Case {
    UINT id;
    int length;
    BOOL translated;
    const TCHAR* text;
  } cases[] = {
      {100, 14, TRUE, _T("File not found")},
      {102, 9, FALSE, _T("Unbekannt")},
      {555, 0, FALSE, _T("")},
  };
  for (const Case& c : cases) {
    TCHAR text[64] = _T("before");
    BOOL translated = 2;
    EXPECT_EQ(c.length, LWLoadStringEx(own, c.id, text, 64, &translated)) << c.id;
    EXPECT_EQ(CString(c.text), CString(text)) << c.id;
    EXPECT_EQ(c.translated, translated) << c.id;
  }
  AfxSetResourceHandle(nullptr);
}
#endif

TEST_F(LoadStringTest, SwitchIdWithoutSwitchEntryLeavesTheText) {
  Start(false, 0x1234);
  CString text(_T("before"));
  EXPECT_FALSE(LWLoadString(text, 0x1234));
  EXPECT_EQ(CString(_T("before")), text);
}

TEST_F(LoadStringTest, IdZeroWithoutSwitchCommandIsAPlainLoad) {
  Start(true, 0);
  CString text;
  EXPECT_FALSE(LWLoadString(text, 0));
  EXPECT_EQ(CString(_T("Hallo")), text);  // not the switch entry, not translated
}

TEST_F(LoadStringTest, TranslationAwareString) {
  Start(true, 0x1234);
  __X_CString fromId(MAKEINTRESOURCE(100));
  EXPECT_EQ(CString(_T("File not found")), fromId);
  __X_CString untranslated(MAKEINTRESOURCE(102));
  EXPECT_EQ(CString(_T("Unbekannt")), untranslated);
  __X_CString fromText(_T("Hallo"));  // a text is never looked up
  EXPECT_EQ(CString(_T("Hallo")), fromText);

  __X_CString formatted;
  formatted.Format(101u, 3);
  EXPECT_EQ(CString(_T("3 files")), formatted);
  formatted.Format(_T("%d Dateien"), 4);
  EXPECT_EQ(CString(_T("4 Dateien")), formatted);

  // Framework strings convert both ways.
  CString base = fromId + _T("!");
  __X_CString back = base;
  EXPECT_EQ(CString(_T("File not found!")), back);
}
}  // namespace
