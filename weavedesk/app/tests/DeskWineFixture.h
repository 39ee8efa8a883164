// The test fixture of WeaveDesk's Wine tests: the real application started
// on a language file from the command line (the sample's LwvSample.tra
// unless a test names another), with helpers that
// click texts, type, send commands and answer modal windows through the UI
// test kit. Test programs only; it tests nothing itself.
#pragma once

#include "UiTestKit.h"

#include "DeskResource.h"
#include "DeskStrings.h"
#include "HeadView.h"
#include "MainFrame.h"
#include "MyEditView.h"
#include "TestPaths.h"
#include "TextEdit.h"
#include "TextFonts.h"
#include "TransDoc.h"
#include "TraFile.h"
#include "WeaveDeskApp.h"

#include <gtest/gtest.h>

#include <dlgs.h>

#include <functional>
#include <map>

using lwtest::ModalDriver;
using lwtest::Pump;
using lwtest::SaveScreenshot;
using lwtest::Watchdog;

namespace deskwine {

inline CString BuildPath(const CString& below) {
  CString path = CString(LW_BINARY_DIR) + _T("\\") + below;
  path.Replace(_T('/'), _T('\\'));
  return path;
}

// A scratch folder as the file dialogs write paths: backslashes only.
inline CString Scratch(const char* name) {
  CString folder = lwtest::ScratchDir(name);
  folder.Replace(_T('/'), _T('\\'));
  return folder;
}

inline CString SamplePath() { return BuildPath(_T("samples\\LwvSample.tra")); }

// A folder with the program's two language files, as beside the program.
inline CString LanguageFolder() {
  const CString folder = Scratch("desk_languages");
  for (const TCHAR* name : {_T("WeaveDesk.tra"), _T("WeaveDeskEN.tra")})
    EXPECT_TRUE(CopyFile(BuildPath(CString(_T("weavedesk\\app\\")) + name), folder + name, FALSE)) << name;
  return folder;
}

// The language the library remembers is forgotten: every start is German.
inline void ForgetRememberedLanguage() {
  RegDeleteKey(HKEY_CURRENT_USER, _T("Software\\Lingoweave\\Editor\\Lingoweave"));
}

inline HWND TopDialog() {
  std::vector<HWND> dialogs = lwtest::OwnDialogs();
  return dialogs.empty() ? nullptr : dialogs.front();
}

inline HWND FileNameField(HWND dialog) {
  HWND field = ::GetDlgItem(dialog, cmb13);
  return field ? field : ::GetDlgItem(dialog, edt1);
}

// The colour the screen shows at a point of wnd's window rectangle (window
// DCs cannot be read under Wine; the screen can).
inline COLORREF ScreenPixel(HWND wnd, int x, int y) {
  RECT window;
  ::GetWindowRect(wnd, &window);
  HDC screen = ::GetDC(nullptr);
  HDC memory = ::CreateCompatibleDC(screen);
  HBITMAP bitmap = ::CreateCompatibleBitmap(screen, 1, 1);
  HGDIOBJ old = ::SelectObject(memory, bitmap);
  ::BitBlt(memory, 0, 0, 1, 1, screen, window.left + x, window.top + y, SRCCOPY);
  const COLORREF color = ::GetPixel(memory, 0, 0);
  ::SelectObject(memory, old);
  ::DeleteObject(bitmap);
  ::DeleteDC(memory);
  ::ReleaseDC(nullptr, screen);
  return color;
}

// The toolbar's gripper on the screen: its three parallel lines, across
// them at the bar's middle, and the border beside them in the background.
// The bar repaints after a move in more than one step, so the whole gripper
// is waited for before each line is checked.
inline void ExpectGripperOnScreen(CZweiToolBar& bar, ZweiOrientation orientation) {
  CRect window;
  bar.GetWindowRect(&window);
  const bool vertical = orientation == ZWEI_DOCKED_VERTICAL;
  const std::vector<ZweiLine> lines = ZweiGripperLines(RECT{0, 0, window.Width(), window.Height()}, orientation);
  ASSERT_EQ(4u, lines.size());
  const size_t kParallel = 3;
  auto across = [&](const ZweiLine& line) {
    return POINT{vertical ? window.Width() / 2 : line.from.x, vertical ? line.from.y : window.Height() / 2};
  };
  const POINT border{vertical ? window.Width() / 2 : 1, vertical ? 1 : window.Height() / 2};
  EXPECT_TRUE(lwtest::WaitUntil(_T("the toolbar's gripper on the screen"), [&] {
    if (ScreenPixel(bar.m_hWnd, border.x, border.y) != CZweiTool::kBackground) return false;
    for (size_t i = 0; i < kParallel; ++i) {
      const POINT at = across(lines[i]);
      if (ScreenPixel(bar.m_hWnd, at.x, at.y) != lines[i].color) return false;
    }
    return true;
  }));
  EXPECT_EQ(CZweiTool::kBackground, ScreenPixel(bar.m_hWnd, border.x, border.y)) << "the border";
  for (size_t i = 0; i < kParallel; ++i) {
    const POINT at = across(lines[i]);
    EXPECT_EQ(lines[i].color, ScreenPixel(bar.m_hWnd, at.x, at.y)) << "line " << i << " at " << at.x << "," << at.y;
  }
}

// One part of every string of a language file, original to translation:
// the prompt (up to the line break, or the whole text) or, for strings with
// a line break on both sides, the tip after it.
enum StringPart { kPromptPart, kTipPart };
inline std::map<CString, CString> StringPartsOf(const CString& path, StringPart part) {
  std::map<CString, CString> parts;
  CTraFile file;
  if (!LwReadLanguageFile(path, file, LW_READ_WHOLE)) return parts;
  std::function<void(const CTraNode*)> walk = [&](const CTraNode* node) {
    const int o = node->GetOriginal().Find(_T('\n'));
    const int t = node->GetTranslation().Find(_T('\n'));
    if (node->GetKind() == TRA_STRING && part == kTipPart && o >= 0 && t >= 0)
      parts[node->GetOriginal().Mid(o + 1)] = node->GetTranslation().Mid(t + 1);
    if (node->GetKind() == TRA_STRING && part == kPromptPart)
      parts[o >= 0 ? node->GetOriginal().Left(o) : node->GetOriginal()] =
          t >= 0 ? node->GetTranslation().Left(t) : node->GetTranslation();
    for (int i = 0; i < node->GetChildCount(); ++i) walk(node->GetChild(i));
  };
  if (file.GetRootNode()) walk(file.GetRootNode());
  return parts;
}

class DeskWine : public ::testing::Test {
 protected:
  void SetUp() override {
    INITCOMMONCONTROLSEX init = {sizeof(init), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&init);
    ForgetRememberedLanguage();
    m_commandLine = _T("\"") + CommandLineFile() + _T("\"");
    m_app.reset(new CWeaveDeskApp);
    m_app->InitApplication(GetModuleHandle(nullptr), m_commandLine.GetBuffer(), SW_SHOWNORMAL);
    m_app->UseEditorProfile();
    InitDefaultFonts();
  }

  void TearDown() override {
    if (m_app->m_pMainWnd) {
      CWnd* frame = m_app->m_pMainWnd;
      m_app->m_pMainWnd = nullptr;  // its end posts no quit message
      if (IsWindow(frame->m_hWnd)) frame->DestroyWindow();
    }
    Pump();
    m_app->ExitInstance();
    m_app.reset();
  }

  // The language file the program is started on.
  virtual CString CommandLineFile() const { return SamplePath(); }

  // Template, document and frame as the program makes them; translated by
  // the program's own files when translated is set.
  void Start(bool translated) {
    if (translated) m_app->StartTranslation(LanguageFolder().TrimRight(_T('\\')));
    m_app->RegisterTemplate();
    ASSERT_TRUE(m_app->OpenFirstFile());
    ASSERT_NE(m_app->m_pMainWnd, nullptr);
    m_app->m_pMainWnd->ShowWindow(SW_SHOWNORMAL);
    m_app->m_pMainWnd->UpdateWindow();
    Pump();
  }

  CMainFrame* Frame() const { return dynamic_cast<CMainFrame*>(m_app->m_pMainWnd); }
  CMyEditView* View() const { return Frame()->GetEditView(); }
  CHeadView* Head() const { return Frame()->GetHeadView(); }
  CTransDoc* Doc() const { return Frame() && View() ? View()->GetDoc() : nullptr; }
  CTextEdit* Editor() const { return View()->GetTextEdit(); }
  void Command(UINT id) { SendMessage(Frame()->m_hWnd, WM_COMMAND, MAKEWPARAM(id, 0), 0); }
  CString Status() const { return Frame()->GetStatusBar().GetPaneText(1); }
  CString Caption() const { return lwtest::WindowText(Frame()->m_hWnd); }

  // A click on the first text item of block index (scrolled into view first).
  void ClickBlock(int index) {
    CMyEditView* view = View();
    CTextBlock* block = view->GetBlocks().GetBlock(index);
    ASSERT_GT(block->GetItemCount(), 0);
    const RECT& item = block->GetItem(0)->m_rect;
    const int x = view->GetBlocks().GetLevel(index) * CTextBlock::kIndent + item.left + 3;
    const int y = view->BlockTop(index) - view->GetVerticalAxis().GetOffset() + item.top + 3;
    SendMessage(view->m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    SendMessage(view->m_hWnd, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
  }
  void Type(const CString& text) {
    for (int i = 0; i < text.GetLength(); ++i) SendMessage(Editor()->m_hWnd, WM_CHAR, static_cast<BYTE>(text[i]), 1);
  }
  void Key(UINT key) {
    SendMessage(Editor()->m_hWnd, WM_KEYDOWN, key, 1);
    SendMessage(Editor()->m_hWnd, WM_KEYUP, key, 0xC0000001);
  }
  CString Expected(UINT id, int value) const {
    CString text;
    text.Format(DeskText(id), value);
    return text;
  }
  CString Position(int current) const {
    CString text;
    text.Format(DeskText(IDS_DESK_POSITION), current, View()->GetBlocks().GetCount());
    return text;
  }
  // In the dialog editor's window: a click selects the control, a drag
  // from its middle moves it by dx, dy dialog units.
  void DragControl(HWND editor, int id, int dx, int dy) {
    RECT live;
    ::GetWindowRect(::GetDlgItem(editor, id), &live);
    ::MapWindowPoints(nullptr, editor, reinterpret_cast<POINT*>(&live), 2);
    const POINT from = {(live.left + live.right) / 2, (live.top + live.bottom) / 2};
    RECT by = {0, 0, dx, dy};
    ::MapDialogRect(editor, &by);
    const POINT to = {from.x + by.right, from.y + by.bottom};
    for (int press = 0; press < 2; ++press) {
      ::SendMessage(editor, WM_MOUSEMOVE, 0, MAKELPARAM(from.x, from.y));
      ::SendMessage(editor, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(from.x, from.y));
      if (press == 0) ::SendMessage(editor, WM_LBUTTONUP, 0, MAKELPARAM(from.x, from.y));
    }
    ::SendMessage(editor, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(to.x, to.y));
    ::SendMessage(editor, WM_LBUTTONUP, 0, MAKELPARAM(to.x, to.y));
    Pump();
  }
  // A command whose modal windows the steps answer.
  void RunModal(std::vector<lwtest::Step> steps, const std::function<void()>& start) {
    ModalDriver driver(std::move(steps));
    start();
    EXPECT_TRUE(driver.WaitUntilFinished());
  }
  // "Neue Übersetzung" with the flag picker cancelled.
  void NewTranslation() {
    RunModal({lwtest::When(_T("flag picker"), [] { return TopDialog(); },
                           [](HWND dialog) { PostMessage(dialog, WM_COMMAND, IDCANCEL, 0); })},
             [&] { Command(ID_NEW_TRANSLATION); });
    Pump();
  }
  // A command whose file dialog is given path; title, when given, is the dialog's caption.
  void ChooseFileFor(UINT command, const CString& path, const CString& title = CString()) {
    RunModal({{_T("file dialog"),
               [&] {
                 HWND dialog = TopDialog();
                 if (!dialog || !FileNameField(dialog)) return false;
                 if (!title.IsEmpty()) {
                   EXPECT_EQ(title, lwtest::WindowText(dialog));
                 }
                 ::SetWindowText(FileNameField(dialog), path);
                 ::PostMessage(dialog, WM_COMMAND, IDOK, 0);
                 return true;
               }}},
             [&] { Command(command); });
    Pump();
  }
  void SaveAs(const CString& path) {
    DeleteFile(path);
    ChooseFileFor(ID_DESK_SAVE_AS, path);
  }

  CString m_commandLine;
  std::unique_ptr<CWeaveDeskApp> m_app;
};

}  // namespace deskwine
