#include "WinApp.h"

#include "Controls.h"
#include "FrameWnd.h"
#include "Gdi.h"
#include "Menu.h"

#include <cstdlib>

namespace {
CWinApp* g_app = nullptr;

LPTSTR Duplicate(LPCTSTR text) { return text ? _tcsdup(text) : nullptr; }

void Replace(LPCTSTR& field, LPCTSTR text) {
  free(const_cast<LPTSTR>(field));
  field = Duplicate(text);
}

CString ModuleBaseName(HINSTANCE instance) {
  TCHAR path[MAX_PATH + 1] = {};
  DWORD length = ::GetModuleFileName(instance, path, MAX_PATH);
  return lw::TitleOf(CString(path, static_cast<int>(length < MAX_PATH ? length : MAX_PATH)));
}

// Largest registry text value read (bytes); longer ones count as absent.
const DWORD kMaxRegistryText = 1 << 20;
}  // namespace

CWinApp* AfxGetApp() { return g_app; }

HINSTANCE AfxGetInstanceHandle() {
  return g_app && g_app->m_hInstance ? g_app->m_hInstance : ::GetModuleHandle(nullptr);
}

CWnd* AfxGetMainWnd() { return g_app ? g_app->GetMainWnd() : nullptr; }

CAppServices* LwGetAppServices() { return g_app; }

LPCTSTR LwAppNameOr(LPCTSTR fallback) { return g_app && g_app->m_pszAppName ? g_app->m_pszAppName : fallback; }

CWinApp::CWinApp(LPCTSTR appName) {
  m_pszAppName = Duplicate(appName);
  g_app = this;
}

CWinApp::~CWinApp() {
  DeleteDocTemplates();
  for (LPCTSTR* field : {&m_pszAppName, &m_pszExeName, &m_pszProfileName, &m_pszRegistryKey}) Replace(*field, nullptr);
  if (g_app == this) g_app = nullptr;
}

void CWinApp::InitApplication(HINSTANCE instance, LPTSTR commandLine, int cmdShow) {
  m_hInstance = instance;
  m_lpCmdLine = commandLine;
  m_nCmdShow = cmdShow;
  CString exe = ModuleBaseName(instance);
  if (!m_pszExeName) Replace(m_pszExeName, exe);
  if (!m_pszAppName) {
    CString title;
    if (!title.LoadString(AFX_IDS_APP_TITLE) || title.IsEmpty()) title = exe;
    Replace(m_pszAppName, title);
  }
  if (!m_pszProfileName) Replace(m_pszProfileName, exe + _T(".INI"));
}

BOOL CWinApp::InitInstance() { return TRUE; }

int CWinApp::ExitInstance() {
  SaveStdProfileSettings();
  return m_nExitCode;
}

BOOL CWinApp::OnIdle(LONG count) {
  if (count == 0) {
    if (auto* frame = dynamic_cast<CFrameWnd*>(m_pMainWnd)) frame->OnIdleUpdateCmdUI();
    CWnd::DeleteTempMap();
    CScrollBar::DeleteTempMap();
    CMenu::DeleteTempMap();
    CDC::DeleteTempMap();
    CGdiObject::DeleteTempMap();
  }
  return FALSE;
}

BOOL CWinApp::PreTranslateMessage(MSG* msg) { return CWnd::WalkPreTranslateTree(nullptr, msg); }

int CWinApp::Run() {
  LONG idleCount = 0;
  for (;;) {
    while (!::PeekMessage(&m_msgCur, nullptr, 0, 0, PM_NOREMOVE)) {
      BOOL more = FALSE;
      lw::Guarded([&] { more = OnIdle(idleCount++); });
      if (!more) break;
    }
    BOOL got = ::GetMessage(&m_msgCur, nullptr, 0, 0);
    if (got == 0 || got == -1) {
      m_nExitCode = got == 0 ? static_cast<int>(m_msgCur.wParam) : -1;
      return m_nExitCode;
    }
    BOOL taken = FALSE;
    lw::Guarded([&] { taken = PreTranslateMessage(&m_msgCur); });
    if (!taken) {
      ::TranslateMessage(&m_msgCur);
      ::DispatchMessage(&m_msgCur);
    }
    if (m_msgCur.message != WM_TIMER && m_msgCur.message != WM_PAINT && m_msgCur.message != WM_MOUSEMOVE)
      idleCount = 0;
  }
}

int CWinApp::DoMessageBox(LPCTSTR text, UINT type, UINT) {
  if (!(type & MB_ICONMASK)) {
    UINT buttons = type & MB_TYPEMASK;
    type |= buttons == MB_YESNO || buttons == MB_YESNOCANCEL ? MB_ICONQUESTION : MB_ICONEXCLAMATION;
  }
  HWND owner = ::GetActiveWindow();
  if (!owner && m_pMainWnd) owner = m_pMainWnd->m_hWnd;
  if (owner) owner = ::GetLastActivePopup(::GetAncestor(owner, GA_ROOT));
  return ::MessageBox(owner, text ? text : _T(""), m_pszAppName ? m_pszAppName : _T(""), type);
}

int AfxMessageBox(LPCTSTR text, UINT type, UINT helpId) {
  if (CWinApp* app = AfxGetApp()) return app->DoMessageBox(text, type, helpId);
  return ::MessageBox(::GetActiveWindow(), text ? text : _T(""), ModuleBaseName(nullptr), type);
}

int AfxMessageBox(UINT stringId, UINT type, UINT helpId) {
  CString text;
  text.LoadString(stringId);
  return AfxMessageBox(text, type, helpId == UINT(-1) ? stringId : helpId);
}

// ---- profile ------------------------------------------------------------------

void CWinApp::SetRegistryKey(LPCTSTR key) {
  Replace(m_pszRegistryKey, key);
  Replace(m_pszProfileName, m_pszAppName);
}

void CWinApp::SetRegistryKey(UINT stringId) {
  CString key;
  key.LoadString(stringId);
  SetRegistryKey(key);
}

HKEY CWinApp::GetAppRegistryKey() const {
  if (!m_pszRegistryKey || !*m_pszRegistryKey || !m_pszProfileName || !*m_pszProfileName) return nullptr;
  CString path = CString(_T("Software\\")) + m_pszRegistryKey + _T("\\") + m_pszProfileName;
  HKEY key = nullptr;
  DWORD disposition = 0;
  if (::RegCreateKeyEx(HKEY_CURRENT_USER, path, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_READ | KEY_WRITE, nullptr,
                       &key, &disposition) != ERROR_SUCCESS)
    return nullptr;
  return key;
}

HKEY CWinApp::GetSectionKey(LPCTSTR section) const {
  if (!section || !*section) return nullptr;
  HKEY app = GetAppRegistryKey();
  if (!app) return nullptr;
  HKEY key = nullptr;
  DWORD disposition = 0;
  LONG status = ::RegCreateKeyEx(app, section, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_READ | KEY_WRITE, nullptr,
                                 &key, &disposition);
  ::RegCloseKey(app);
  return status == ERROR_SUCCESS ? key : nullptr;
}

namespace {
// A REG_SZ value as text; the stored data need not be terminated.
BOOL ReadRegistryText(HKEY key, LPCTSTR entry, CString& text) {
  for (int attempt = 0; attempt < 3; ++attempt) {
    DWORD type = 0, size = 0;
    if (::RegQueryValueEx(key, entry, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return FALSE;
    if ((type != REG_SZ && type != REG_EXPAND_SZ) || size > kMaxRegistryText) return FALSE;
    int chars = static_cast<int>(size / sizeof(TCHAR));
    LPTSTR buffer = text.GetBuffer(chars + 1);
    DWORD got = static_cast<DWORD>(chars) * sizeof(TCHAR);
    LONG status = ::RegQueryValueEx(key, entry, nullptr, &type, reinterpret_cast<LPBYTE>(buffer), &got);
    if (status == ERROR_MORE_DATA) continue;  // grew in between
    if (status != ERROR_SUCCESS) {
      text.Empty();
      return FALSE;
    }
    int length = static_cast<int>(got / sizeof(TCHAR));
    buffer[length] = 0;
    text.ReleaseBuffer();  // up to the first terminator
    return TRUE;
  }
  text.Empty();
  return FALSE;
}
}  // namespace

CString CWinApp::GetProfileString(LPCTSTR section, LPCTSTR entry, LPCTSTR defaultValue) const {
  CString fallback(defaultValue ? defaultValue : _T(""));
  if (!section || !entry) return fallback;
  if (m_pszRegistryKey) {
    HKEY key = GetSectionKey(section);
    if (!key) return fallback;
    CString text;
    BOOL found = ReadRegistryText(key, entry, text);
    ::RegCloseKey(key);
    return found ? text : fallback;
  }
  if (!m_pszProfileName) return fallback;
  for (DWORD size = 256; size <= (1u << 20); size *= 4) {
    CString text;
    DWORD got = ::GetPrivateProfileString(section, entry, fallback, text.GetBuffer(static_cast<int>(size)), size,
                                          m_pszProfileName);
    if (got < size - 1) {
      text.ReleaseBuffer(static_cast<int>(got));
      return text;
    }
  }
  return fallback;
}

UINT CWinApp::GetProfileInt(LPCTSTR section, LPCTSTR entry, int defaultValue) const {
  if (!section || !entry) return static_cast<UINT>(defaultValue);
  if (m_pszRegistryKey) {
    HKEY key = GetSectionKey(section);
    if (!key) return static_cast<UINT>(defaultValue);
    DWORD type = 0, value = 0, size = sizeof(value);
    LONG status = ::RegQueryValueEx(key, entry, nullptr, &type, reinterpret_cast<LPBYTE>(&value), &size);
    ::RegCloseKey(key);
    if (status != ERROR_SUCCESS || type != REG_DWORD || size != sizeof(value)) return static_cast<UINT>(defaultValue);
    return value;
  }
  if (!m_pszProfileName) return static_cast<UINT>(defaultValue);
  return ::GetPrivateProfileInt(section, entry, defaultValue, m_pszProfileName);
}

BOOL CWinApp::WriteProfileString(LPCTSTR section, LPCTSTR entry, LPCTSTR value) {
  if (!section) return FALSE;
  if (m_pszRegistryKey) {
    if (!entry) {  // removes the whole section
      HKEY app = GetAppRegistryKey();
      if (!app) return FALSE;
      LONG status = ::RegDeleteKey(app, section);
      ::RegCloseKey(app);
      return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
    }
    HKEY key = GetSectionKey(section);
    if (!key) return FALSE;
    LONG status;
    if (!value) {
      status = ::RegDeleteValue(key, entry);
      if (status == ERROR_FILE_NOT_FOUND) status = ERROR_SUCCESS;
    } else {
      DWORD bytes = static_cast<DWORD>((lw::StrLen(value) + 1) * sizeof(TCHAR));
      status = ::RegSetValueEx(key, entry, 0, REG_SZ, reinterpret_cast<const BYTE*>(value), bytes);
    }
    ::RegCloseKey(key);
    return status == ERROR_SUCCESS;
  }
  if (!m_pszProfileName) return FALSE;
  return ::WritePrivateProfileString(section, entry, value, m_pszProfileName);
}

BOOL CWinApp::WriteProfileInt(LPCTSTR section, LPCTSTR entry, int value) {
  if (!section || !entry) return FALSE;
  if (m_pszRegistryKey) {
    HKEY key = GetSectionKey(section);
    if (!key) return FALSE;
    DWORD data = static_cast<DWORD>(value);
    LONG status = ::RegSetValueEx(key, entry, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data), sizeof(data));
    ::RegCloseKey(key);
    return status == ERROR_SUCCESS;
  }
  CString text;
  text.Format(_T("%d"), value);
  return WriteProfileString(section, entry, text);
}

// ---- start ----------------------------------------------------------------------

LPTSTR lw::SkipProgramName(LPTSTR commandLine) {
  if (!commandLine) return nullptr;
  LPTSTR p = commandLine;
  if (*p == '"') {
    ++p;
    while (*p && *p != '"') ++p;
    if (*p == '"') ++p;
  } else {
    while (*p && *p != ' ' && *p != '\t') ++p;
  }
  while (*p == ' ' || *p == '\t') ++p;
  return p;
}

int AfxWinMain(HINSTANCE instance, LPTSTR commandLine, int cmdShow) {
  CWinApp* app = AfxGetApp();
  if (!app) {
    ::MessageBox(nullptr, _T("The program has no application object."), ModuleBaseName(instance), MB_OK | MB_ICONERROR);
    return -1;
  }
  INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES};
  ::InitCommonControlsEx(&controls);
  int code = -1;
  lw::Guarded([&] {
    app->InitApplication(instance, commandLine, cmdShow);
    if (app->InitInstance()) app->Run();
    code = app->ExitInstance();
  });
  return code;
}
