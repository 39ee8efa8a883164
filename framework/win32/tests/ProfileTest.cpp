#include "FrameworkWin.h"
#include "resource.h"

#include <gtest/gtest.h>

namespace {

// An application object for the test's lifetime (the profile belongs to it).
class CTestApp : public CWinApp {
 public:
  CTestApp() : CWinApp(_T("ProfileTest")) {}
};

CString UniqueKey() {
  CString key;
  key.Format(_T("LingoweaveFrameworkTest%lu"), ::GetCurrentProcessId());
  return key;
}

void DeleteTree(LPCTSTR path) { ::RegDeleteTree(HKEY_CURRENT_USER, path); }

// The same operations must behave alike over the registry and an INI file.
void ExerciseProfile(CWinApp& app) {
  EXPECT_EQ(app.GetProfileString(_T("Fenster"), _T("Titel"), _T("vorgabe")), CString(_T("vorgabe")));
  EXPECT_EQ(app.GetProfileString(_T("Fenster"), _T("Titel")), CString());
  EXPECT_EQ(app.GetProfileInt(_T("Fenster"), _T("Breite"), -7), static_cast<UINT>(-7));

  struct Case {
    LPCTSTR entry;
    LPCTSTR value;
  } texts[] = {{_T("Titel"), _T("Sch\xf6nes Fenster")}, {_T("Leer"), _T("")}, {_T("Pfad"), _T("C:\\a b\\c.tra")}};
  for (const Case& c : texts) {
    EXPECT_TRUE(app.WriteProfileString(_T("Fenster"), c.entry, c.value));
    EXPECT_EQ(app.GetProfileString(_T("Fenster"), c.entry, _T("x")), CString(c.value)) << CStringA(c.entry).GetString();
  }
  for (int value : {0, 1, -1, 2147483647, -2147483647 - 1}) {
    EXPECT_TRUE(app.WriteProfileInt(_T("Zahlen"), _T("Wert"), value));
    EXPECT_EQ(static_cast<int>(app.GetProfileInt(_T("Zahlen"), _T("Wert"), 5)), value);
  }
  CString longText(_T('z'), 5000);
  EXPECT_TRUE(app.WriteProfileString(_T("Fenster"), _T("Lang"), longText));
  EXPECT_EQ(app.GetProfileString(_T("Fenster"), _T("Lang")), longText);

  // A null value removes the entry; a null entry removes the section.
  EXPECT_TRUE(app.WriteProfileString(_T("Fenster"), _T("Titel"), nullptr));
  EXPECT_EQ(app.GetProfileString(_T("Fenster"), _T("Titel"), _T("weg")), CString(_T("weg")));
  EXPECT_EQ(app.GetProfileString(_T("Fenster"), _T("Pfad")), CString(_T("C:\\a b\\c.tra")));
  EXPECT_TRUE(app.WriteProfileString(_T("Fenster"), nullptr, nullptr));
  EXPECT_EQ(app.GetProfileString(_T("Fenster"), _T("Pfad"), _T("weg")), CString(_T("weg")));
  EXPECT_EQ(static_cast<int>(app.GetProfileInt(_T("Zahlen"), _T("Wert"), 5)), -2147483647 - 1);
}

TEST(Profile, RegistryUnderSoftwareKeyProfileSection) {
  CTestApp app;
  app.InitApplication(::GetModuleHandle(nullptr), nullptr, SW_SHOW);
  CString key = UniqueKey();
  app.SetRegistryKey(key);
  EXPECT_EQ(CString(app.m_pszProfileName), CString(_T("ProfileTest")));  // the application's name
  // A program replaces the profile name with its own copy.
  free(const_cast<LPTSTR>(app.m_pszProfileName));
  app.m_pszProfileName = _tcsdup(_T("Probe"));
  ExerciseProfile(app);

  CString path = _T("Software\\") + key + _T("\\Probe\\Zahlen");
  HKEY raw = nullptr;
  ASSERT_EQ(::RegOpenKeyEx(HKEY_CURRENT_USER, path, 0, KEY_READ | KEY_WRITE, &raw), ERROR_SUCCESS);
  DWORD type = 0;
  EXPECT_EQ(::RegQueryValueEx(raw, _T("Wert"), nullptr, &type, nullptr, nullptr), ERROR_SUCCESS);
  EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
  // Stored data without terminator, and values of the wrong type.
  const TCHAR unterminated[3] = {'a', 'b', 'c'};
  ::RegSetValueEx(raw, _T("Roh"), 0, REG_SZ, reinterpret_cast<const BYTE*>(unterminated), sizeof(unterminated));
  EXPECT_EQ(app.GetProfileString(_T("Zahlen"), _T("Roh")), CString(_T("abc")));
  EXPECT_EQ(app.GetProfileString(_T("Zahlen"), _T("Wert"), _T("kein Text")), CString(_T("kein Text")));
  EXPECT_EQ(app.GetProfileInt(_T("Zahlen"), _T("Roh"), 9), 9u);
  ::RegCloseKey(raw);

  HKEY appKey = app.GetAppRegistryKey();
  EXPECT_NE(appKey, nullptr);
  if (appKey) ::RegCloseKey(appKey);
  EXPECT_EQ(app.GetSectionKey(nullptr), nullptr);
  DeleteTree(_T("Software\\") + key);
}

TEST(Profile, IniFileWithoutRegistryKey) {
  CTestApp app;
  app.InitApplication(::GetModuleHandle(nullptr), nullptr, SW_SHOW);
  EXPECT_EQ(app.m_pszRegistryKey, nullptr);
  CString ini;
  ini.Format(_T("%s\\frameworkwin-profile-%lu.ini"), _T(LW_BINARY_DIR), ::GetCurrentProcessId());
  ::DeleteFile(ini);
  free(const_cast<LPTSTR>(app.m_pszProfileName));
  app.m_pszProfileName = _tcsdup(ini);
  ExerciseProfile(app);
  EXPECT_NE(::GetFileAttributes(ini), INVALID_FILE_ATTRIBUTES);
  ::DeleteFile(ini);
}

}  // namespace
