// The manager's Windows parts: "LastTraFile" in the registry and in an INI
// file, the start with a remembered file, and the hooks per thread.
#include "ManagerFixtures.h"

#include "HookInstall.h"

#include <thread>

using namespace mgrtest;

namespace {

// A key of its own below HKCU\Software for each test program.
class RegistryTest : public ManagerTest {
 protected:
  void SetUp() override {
    m_name.Format(_T("Software\\LingoweaveManagerTest%u_%d"), static_cast<unsigned>(GetCurrentProcessId()),
                  static_cast<int>(sizeof(TCHAR)));
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyEx(HKEY_CURRENT_USER, m_name, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &m_key,
                                            nullptr));
    std::memset(&m_params, 0, sizeof(m_params));
    m_params.hRegKey = m_key;
  }
  void TearDown() override {
    RegCloseKey(m_key);
    RegDeleteKey(HKEY_CURRENT_USER, m_name + _T("\\") LWV_REG_SUBKEY);
    RegDeleteKey(HKEY_CURRENT_USER, m_name);
    ManagerTest::TearDown();
  }
  // Stores a raw value under the Lingoweave subkey.
  void SetRaw(DWORD type, const void* data, DWORD bytes) {
    HKEY sub = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyEx(m_key, LWV_REG_SUBKEY, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &sub, nullptr));
    ASSERT_EQ(ERROR_SUCCESS, RegSetValueEx(sub, LWV_LAST_TRA_VALUE, 0, type, static_cast<const BYTE*>(data), bytes));
    RegCloseKey(sub);
  }
  CString ReadWithManager() {
    CTranslationManager manager;
    manager.SetParams(m_params);
    return manager.ReadLastTraFile();
  }

  CString m_name;
  HKEY m_key = nullptr;
  LW_STARTPARAMS m_params;
};

TEST_F(RegistryTest, WritesAStringWithItsTerminatorInBytes) {
  CTranslationManager manager;
  manager.SetParams(m_params);
  EXPECT_EQ(CString(), manager.ReadLastTraFile());  // nothing remembered yet
  CString path(_T("C:\\Programme\\Probe\\English.tra"));
  ASSERT_TRUE(manager.WriteLastTraFile(path));
  EXPECT_EQ(path, manager.ReadLastTraFile());

  HKEY sub = nullptr;
  ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyEx(m_key, LWV_REG_SUBKEY, 0, KEY_READ, &sub));
  DWORD type = 0, bytes = 0;
  ASSERT_EQ(ERROR_SUCCESS, RegQueryValueEx(sub, LWV_LAST_TRA_VALUE, nullptr, &type, nullptr, &bytes));
  RegCloseKey(sub);
  EXPECT_EQ(static_cast<DWORD>(REG_SZ), type);
  EXPECT_EQ((path.GetLength() + 1) * sizeof(TCHAR), bytes);
}

TEST_F(RegistryTest, OddValuesReadSafely) {
  const TCHAR text[] = _T("D:\\lang\\fr.tra");
  const DWORD textBytes = static_cast<DWORD>(lw::StrLen(text) * sizeof(TCHAR));
  DWORD number = 42;
  std::vector<TCHAR> longText(40000, _T('a'));
  longText.back() = 0;
  struct Case {
    const char* name;
    DWORD type;
    const void* data;
    DWORD bytes;
    CString expected;
  } cases[] = {
      {"dword", REG_DWORD, &number, sizeof(number), CString()},
      {"expand string", REG_EXPAND_SZ, text, static_cast<DWORD>(textBytes + sizeof(TCHAR)), CString()},
      {"binary", REG_BINARY, text, textBytes, CString()},
      {"no terminator", REG_SZ, text, textBytes, CString(text)},
      {"too long", REG_SZ, longText.data(), static_cast<DWORD>(longText.size() * sizeof(TCHAR)), CString()},
      {"empty", REG_SZ, text, 0, CString()},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SetRaw(c.type, c.data, c.bytes);
    EXPECT_EQ(c.expected, ReadWithManager());
  }
  if (sizeof(TCHAR) == 2) {  // an odd byte count keeps the whole characters
    SetRaw(REG_SZ, text, textBytes + 1);
    EXPECT_EQ(CString(text), ReadWithManager());
  }
}

TEST_F(RegistryTest, RegistryKeyWinsOverTheIniFile) {
  CString ini = TempPath("regwins.ini");
  WritePrivateProfileString(LWV_REG_SUBKEY, LWV_LAST_TRA_VALUE, _T("from.ini"), ini);
  lw::StrCpyN(m_params.szIniFilePath, (LPCTSTR)ini, LW_PATH_CHARS);
  EXPECT_EQ(CString(), ReadWithManager());
  RemoveFile(ini);
}

TEST(IniFileTest, RemembersInTheNamedFile) {
  CString ini = TempPath("remember.ini");
  RemoveFile(ini);
  CTranslationManager manager;
  EXPECT_EQ(CString(), manager.ReadLastTraFile());  // neither key nor INI file
  EXPECT_FALSE(manager.WriteLastTraFile(_T("x.tra")));

  LW_STARTPARAMS withIni = *manager.GetParams();
  lw::StrCpyN(withIni.szIniFilePath, (LPCTSTR)ini, LW_PATH_CHARS);
  manager.SetParams(withIni);
  EXPECT_EQ(CString(), manager.ReadLastTraFile());  // no file yet
  CString path(_T("C:\\Programme\\Probe\\English.tra"));
  ASSERT_TRUE(manager.WriteLastTraFile(path));
  EXPECT_EQ(path, manager.ReadLastTraFile());
  TCHAR raw[300] = {0};
  GetPrivateProfileString(_T("Lingoweave"), _T("LastTraFile"), _T(""), raw, 300, ini);
  EXPECT_EQ(path, CString(raw));

  // the longest path a field holds is read back whole; a value too long
  // for a path is no path
  struct Case {
    int length;
    bool kept;
  } cases[] = {{LW_PATH_CHARS - 2, true}, {LW_PATH_CHARS - 1, true}, {LW_PATH_CHARS, false}, {300, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.length);
    const CString value = _T("C:\\") + CString(_T('p'), c.length - 3);
    ASSERT_TRUE(WritePrivateProfileString(LWV_REG_SUBKEY, LWV_LAST_TRA_VALUE, value, ini));
    EXPECT_EQ(c.kept ? value : CString(), manager.ReadLastTraFile());
  }
  RemoveFile(ini);
}

FileContents Probe() {
  FileContents spec;
  spec.strings = {{_T("Hallo"), _T("Hello")}};
  spec.addOnName = _T("mgr_addon_remembered.txt");
  spec.addOnBytes = "help";
  return spec;
}

TEST_F(ManagerTest, RememberedFileThatCannotBeUsedKeepsTheStandardFileComplete) {
  CString stdFile = WriteSpec("remembered_std.tra", Probe());
  CString missing = TempPath("remembered_missing.tra");
  RemoveFile(missing);
  CString exported = GetDirectoryPart(stdFile) + _T("mgr_addon_remembered.txt");
  RemoveFile(exported);
  CString ini = TempPath("remembered.ini");
  WritePrivateProfileString(LWV_REG_SUBKEY, LWV_LAST_TRA_VALUE, missing, ini);

  LW_STARTPARAMS p = Params(stdFile);
  lw::StrCpyN(p.szIniFilePath, (LPCTSTR)ini, LW_PATH_CHARS);
  EXPECT_TRUE(LWStart(&p));
  ASSERT_EQ(1u, m_capture.Messages().size());
  const CString& warning = m_capture.Messages()[0];
  EXPECT_EQ(0, warning.Find(_T("Warning!\nThe translation file ")));
  EXPECT_EQ(1, CountOf(warning, missing));
  EXPECT_EQ(1, CountOf(warning, stdFile));
  EXPECT_EQ(stdFile, LwGetManager()->GetCurrentPath());
  CString text(_T("Hallo"));
  EXPECT_TRUE(LWTranslateString(text));
  EXPECT_NE(nullptr, LwGetManager()->GetCurrentFile()->GetStringIndex(TRA_PART_WHOLE));
  EXPECT_EQ(4u, ReadBytes(exported).size());
  RemoveFile(exported);
  RemoveFile(ini);
}

TEST_F(ManagerTest, RememberedStandardFileStartsWithoutWarning) {
  CString stdFile = WriteSpec("remembered_same.tra", Probe());
  CString ini = TempPath("remembered_same.ini");
  WritePrivateProfileString(LWV_REG_SUBKEY, LWV_LAST_TRA_VALUE, stdFile, ini);
  LW_STARTPARAMS p = Params(stdFile);
  lw::StrCpyN(p.szIniFilePath, (LPCTSTR)ini, LW_PATH_CHARS);
  EXPECT_TRUE(LWStart(&p));
  EXPECT_TRUE(m_capture.Messages().empty());
  CString text(_T("Hallo"));
  EXPECT_TRUE(LWTranslateString(text));
  RemoveFile(ini);
}

// A thread that lives (with a message queue) until it is told to end.
class WaitingThread {
 public:
  WaitingThread() : m_ready(CreateEvent(nullptr, TRUE, FALSE, nullptr)) {
    m_thread = std::thread([this] {
      MSG msg;
      PeekMessage(&msg, nullptr, 0, 0, PM_NOREMOVE);
      m_id = GetCurrentThreadId();
      SetEvent(m_ready);
      while (GetMessage(&msg, nullptr, 0, 0) > 0) {
      }
    });
    WaitForSingleObject(m_ready, 5000);
  }
  ~WaitingThread() {
    PostThreadMessage(m_id, WM_QUIT, 0, 0);
    m_thread.join();
    CloseHandle(m_ready);
  }
  DWORD Id() const { return m_id; }

 private:
  HANDLE m_ready;
  DWORD m_id = 0;
  std::thread m_thread;
};

TEST_F(ManagerTest, OneHookPairPerThreadAllRemovedAtTheEnd) {
  LW_STARTPARAMS p = Params(WriteSpec("hooks.tra", Probe()));
  ASSERT_TRUE(LWStart(&p));
  WaitingThread other;
  ASSERT_TRUE(LWAddThread(GetCurrentThreadId()));
  ASSERT_TRUE(LWAddThread(GetCurrentThreadId()));  // again: nothing new
  EXPECT_EQ(1, LwGetManager()->GetHookCount());
  ASSERT_TRUE(LWAddThread(other.Id()));
  EXPECT_EQ(2, LwGetManager()->GetHookCount());
  EXPECT_FALSE(LWAddThread(0));
  std::vector<HHOOK> handles;
  for (DWORD id : {GetCurrentThreadId(), other.Id()}) {
    const LwThreadHooks* h = LwGetManager()->FindHooks(id);
    ASSERT_NE(nullptr, h);
    handles.push_back(h->callWnd);
    handles.push_back(h->callWndRet);
  }
  LWEnd();
  // all four are gone: removing them again fails
  for (HHOOK h : handles) EXPECT_FALSE(UnhookWindowsHookEx(h));
  // messages on the formerly hooked thread still pass
  HWND wnd = CreateWindow(_T("STATIC"), _T("probe"), 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(nullptr, wnd);
  SetWindowText(wnd, _T("after"));
  TCHAR buffer[16] = {0};
  GetWindowText(wnd, buffer, 16);
  EXPECT_EQ(CString(_T("after")), CString(buffer));
  DestroyWindow(wnd);
}

std::vector<HHOOK> g_installed;
HHOOK FailSecond(int idHook, HOOKPROC proc, DWORD threadId) {
  if (idHook == WH_CALLWNDPROCRET) return nullptr;
  HHOOK h = SetWindowsHookEx(idHook, proc, nullptr, threadId);
  g_installed.push_back(h);
  return h;
}

TEST_F(ManagerTest, FirstHookRemovedWhenTheSecondFails) {
  LW_STARTPARAMS p = Params(WriteSpec("hookfail.tra", Probe()));
  ASSERT_TRUE(LWStart(&p));
  g_installed.clear();
  LwHookInstaller previous = LwSetHookInstaller(FailSecond);
  EXPECT_FALSE(LWAddThread(GetCurrentThreadId()));
  LwSetHookInstaller(previous);
  EXPECT_EQ(0, LwGetManager()->GetHookCount());
  ASSERT_EQ(1u, g_installed.size());
  EXPECT_FALSE(UnhookWindowsHookEx(g_installed[0]));  // already removed
  // a later registration works normally
  EXPECT_TRUE(LWAddThread(GetCurrentThreadId()));
  EXPECT_EQ(1, LwGetManager()->GetHookCount());
}

TEST_F(ManagerTest, HooksOfAThreadThatCannotBeHookedAreNotKept) {
  LW_STARTPARAMS p = Params(WriteSpec("hooknothread.tra", Probe()));
  ASSERT_TRUE(LWStart(&p));
  EXPECT_FALSE(LWAddThread(0xFFFFFFF0u));  // no such thread
  EXPECT_EQ(0, LwGetManager()->GetHookCount());
}

}  // namespace
