// WeaveGuide's windows in-process under Wine, translated by its own language
// files: the welcome dialog, the sheet walked along the roads the page road
// gives for a few sets of answers (forward with Next, back with Back), the
// scan of a project of our own with the pages that show its findings, a
// project that cannot be read, and the whole assistant in English after the
// switch from the welcome dialog. Modal windows are driven by the UI test
// kit's driver. ctest runs the groups one by one (GTEST_FILTER).
#include "GuideApp.h"
#include "GuidePictureChoice.h"
#include "GuideIds.h"
#include "GuidePages.h"
#include "LwvMessage.h"
#include "LwvSDK.h"
#include "GuideTexts.h"
#include "LwvSwitchDlg.h"
#include "RememberedLanguage.h"
#include "ScanNowPage.h"
#include "PageFlow.h"
#include "UiTestKit.h"
#include "WelcomeDlg.h"

#include <gtest/gtest.h>

#include <dlgs.h>

#include <algorithm>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

using lwtest::Step;
using lwtest::When;

namespace {

const int kWizBack = 0x3023;
const int kWizNext = 0x3024;
const int kWizFinish = 0x3025;

CString FixtureFolder() {
  CString folder(LW_TEST_SOURCE_DIR);
  folder.Replace(_T('/'), _T('\\'));
  return _T("Z:") + folder + _T("\\demo\\");
}

CString BinaryFolder() {
  CString folder(LW_BINARY_DIR);
  folder.Replace(_T('/'), _T('\\'));
  return folder;
}

// A folder of its own with the program's two language files.
CString LanguageFolder() {
  CString folder = BinaryFolder() + _T("\\guide_wine");
  CreateDirectory(folder, nullptr);
  for (const TCHAR* name : {_T("WeaveGuideU.tra"), _T("WeaveGuideUEN.tra")})
    EXPECT_TRUE(CopyFile(BinaryFolder() + _T("\\weaveguide\\") + name, folder + _T("\\") + name, FALSE))
        << "no " << CStringA(name).GetString();
  return folder;
}

// The library starts in the file it remembers: forget it.
void ForgetLastLanguage() { lwtest::ForgetLanguageFile(_T("Software\\Lingoweave\\Assistant")); }


HWND ActivePageWindow(HWND sheet) { return reinterpret_cast<HWND>(SendMessage(sheet, PSM_GETCURRENTPAGEHWND, 0, 0)); }

int ActivePageId(HWND sheet) {
  auto* page = dynamic_cast<CGuidePage*>(CWnd::FromHandlePermanent(ActivePageWindow(sheet)));
  return page ? static_cast<int>(page->GetPageId()) : 0;
}

bool ButtonEnabled(HWND sheet, int id) {
  HWND button = GetDlgItem(sheet, id);
  return button && IsWindowVisible(button) && IsWindowEnabled(button);
}

int WizardButtons(HWND sheet) {
  return (ButtonEnabled(sheet, kWizBack) ? kButtonBack : 0) | (ButtonEnabled(sheet, kWizNext) ? kButtonNext : 0) |
         (ButtonEnabled(sheet, kWizFinish) ? kButtonFinish : 0);
}

bool Checked(HWND page, int id) { return IsDlgButtonChecked(page, id) == BST_CHECKED; }
void Click(HWND page, int id) { SendDlgItemMessage(page, id, BM_CLICK, 0, 0); }
void SetCheck(HWND page, int id, bool on) {
  if (Checked(page, id) != on) Click(page, id);
}
CString Item(HWND page, int id) { return lwtest::ItemText(page, id); }
bool Shown(HWND page, int id) { return IsWindowVisible(GetDlgItem(page, id)) != FALSE; }

// The sheet's client area as the sheet paints it into a DC of ours (it
// draws the page header in WM_PAINT), top row first.
struct PaintedClient {
  int width = 0, height = 0;
  std::vector<COLORREF> pixels;
  COLORREF At(int x, int y) const { return pixels[static_cast<size_t>(y * width + x)]; }
};

// Pixels of 32 bits, top row first.
BITMAPINFO TopDown32(int width, int height) {
  BITMAPINFO bi = {};
  bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
  bi.bmiHeader.biWidth = width;
  bi.bmiHeader.biHeight = -height;
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  return bi;
}
COLORREF ColourOf(uint32_t pixel) { return RGB(pixel >> 16 & 0xFF, pixel >> 8 & 0xFF, pixel & 0xFF); }

// A colour the sheet never paints: what is left of it was not painted.
const COLORREF kUnpainted = RGB(1, 2, 3);

PaintedClient PaintClient(HWND wnd) {
  PaintedClient painted;
  RECT client;
  GetClientRect(wnd, &client);
  painted.width = client.right;
  painted.height = client.bottom;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO bi = TopDown32(painted.width, painted.height);
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (bitmap) {
    HGDIOBJ old = SelectObject(memory, bitmap);
    HBRUSH unpainted = CreateSolidBrush(kUnpainted);
    FillRect(memory, &client, unpainted);
    DeleteObject(unpainted);
    SendMessage(wnd, WM_PAINT, reinterpret_cast<WPARAM>(memory), 0);
    GdiFlush();
    const auto* pixel = static_cast<const uint32_t*>(bits);
    for (int i = 0; i < painted.width * painted.height; ++i)
      painted.pixels.push_back(ColourOf(pixel[i]));
    SelectObject(memory, old);
    DeleteObject(bitmap);
  }
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return painted;
}

// The colours of the header picture the assistant shows, without its
// top-left pixel (the field, which the sheet spreads over the header).
std::set<COLORREF> HeaderPictureColours() {
  const bool high = GuideUsesHighColourPictures(CWeaveGuideApp::ScreenColourBits());
  HBITMAP header = LoadBitmap(GetModuleHandle(nullptr), MAKEINTRESOURCE(high ? IDB_HEADER : IDB_HEADER_LOW));
  std::set<COLORREF> colours;
  BITMAP size = {};
  if (!header || !GetObject(header, sizeof(size), &size)) return colours;
  BITMAPINFO bi = TopDown32(size.bmWidth, size.bmHeight);
  std::vector<uint32_t> pixels(static_cast<size_t>(size.bmWidth * size.bmHeight));
  HDC screen = GetDC(nullptr);
  const int rows = GetDIBits(screen, header, 0, size.bmHeight, pixels.data(), &bi, DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  DeleteObject(header);
  if (rows != size.bmHeight) return colours;
  for (uint32_t p : pixels) colours.insert(ColourOf(p));
  colours.erase(ColourOf(pixels[0]));
  return colours;
}

// The last page has no header and stands on the watermark: the sheet paints
// the picture down to the line above its buttons and fills what the picture
// leaves with its top-left pixel (the woven band's colour) across the
// picture's width. The picture covers it all: right of the band (80 pixels)
// no pixel above the line has that colour.
void ExpectWatermarkCoversTheLastPage(HWND sheet) {
  const bool high = GuideUsesHighColourPictures(CWeaveGuideApp::ScreenColourBits());
  HBITMAP mark = LoadBitmap(GetModuleHandle(nullptr), MAKEINTRESOURCE(high ? IDB_WATERMARK : IDB_WATERMARK_LOW));
  ASSERT_NE(nullptr, mark);
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HGDIOBJ old = SelectObject(memory, mark);
  const COLORREF corner = GetPixel(memory, 0, 0);
  SelectObject(memory, old);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  BITMAP size = {};
  GetObject(mark, sizeof(size), &size);
  DeleteObject(mark);
  RECT line;
  GetWindowRect(GetDlgItem(sheet, 0x3026), &line);  // the sheet's line above the buttons
  MapWindowPoints(nullptr, sheet, reinterpret_cast<POINT*>(&line), 2);
  const PaintedClient painted = PaintClient(sheet);
  int filled = 0;
  for (int y = 0; y < std::min<int>(line.top, painted.height); ++y)
    for (int x = 120; x < std::min<int>(size.bmWidth, painted.width); ++x) filled += painted.At(x, y) == corner;
  EXPECT_EQ(0, filled) << "band colour right of the band above the line at " << line.top;
}

// Where the sheet painted the header picture and the lines of header text
// (title, subtitle), in client pixels above the page.
struct HeaderLayout {
  CRect picture;
  std::vector<CRect> textLines;
};

void Include(CRect& box, int x, int y) {
  if (box.IsRectEmpty()) {
    box = CRect(x, y, x + 1, y + 1);
    return;
  }
  box.left = std::min<LONG>(box.left, x);
  box.top = std::min<LONG>(box.top, y);
  box.right = std::max<LONG>(box.right, x + 1);
  box.bottom = std::max<LONG>(box.bottom, y + 1);
}

HeaderLayout ReadHeader(HWND sheet) {
  HeaderLayout layout;
  RECT page;
  GetWindowRect(ActivePageWindow(sheet), &page);
  MapWindowPoints(nullptr, sheet, reinterpret_cast<POINT*>(&page), 2);
  const PaintedClient painted = PaintClient(sheet);
  const std::set<COLORREF> pictureColours = HeaderPictureColours();
  const COLORREF text = RGB(0, 0, 0);
  CRect line;
  for (int y = 0; y < std::min<int>(page.top, painted.height); ++y) {
    bool textInRow = false;
    for (int x = 0; x < painted.width; ++x) {
      const COLORREF c = painted.At(x, y);
      if (pictureColours.count(c)) Include(layout.picture, x, y);
      if (c == text) {
        Include(line, x, y);
        textInRow = true;
      }
    }
    if (!textInRow && !line.IsRectEmpty()) {
      layout.textLines.push_back(line);
      line.SetRectEmpty();
    }
  }
  if (!line.IsRectEmpty()) layout.textLines.push_back(line);
  return layout;
}

// The header's title and subtitle are painted clear of the header picture.
void ExpectHeaderTextClearOfPicture(HWND sheet) {
  const HeaderLayout header = ReadHeader(sheet);
  ASSERT_FALSE(header.picture.IsRectEmpty()) << "no header picture painted";
  ASSERT_GE(header.textLines.size(), 2u) << "no title and subtitle painted";
  for (const CRect& line : header.textLines) {
    CRect common;
    EXPECT_FALSE(common.IntersectRect(line, header.picture))
        << "text " << ::testing::PrintToString(line) << " over the picture "
        << ::testing::PrintToString(header.picture);
  }
}

// A text's size in the control's own font; wrapped at width when it is > 0.
CSize TextExtent(HWND control, const CString& text, int width) {
  HDC dc = GetDC(control);
  HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessage(control, WM_GETFONT, 0, 0)));
  RECT rect = {0, 0, width > 0 ? width : 0, 0};
  DrawText(dc, text, -1, &rect, DT_CALCRECT | DT_NOPREFIX | (width > 0 ? DT_WORDBREAK : DT_SINGLELINE));
  SelectObject(dc, previous);
  ReleaseDC(control, dc);
  return CSize(rect.right - rect.left, rect.bottom - rect.top);
}

// The welcome dialog draws its texts at the controls' places, wrapped at
// their right edges: each fits its control, and the control the dialog.
void ExpectWelcomeTextsFit(HWND welcome) {
  RECT client;
  GetClientRect(welcome, &client);
  for (int id : CWelcomeDlg::kDrawnTexts) {
    HWND control = GetDlgItem(welcome, id);
    const CString text = Item(welcome, id);
    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, welcome, reinterpret_cast<POINT*>(&rect), 2);
    const CSize size = TextExtent(control, text, rect.right - rect.left);
    EXPECT_LE(size.cx, rect.right - rect.left) << CStringA(text).GetString();
    EXPECT_LE(size.cy, rect.bottom - rect.top) << CStringA(text).GetString();
    EXPECT_LE(rect.right, client.right) << CStringA(text).GetString();
  }
}

// The welcome dialog as it is on the screen: every text pixel (black) lies
// inside one of the drawn texts' controls or a button, so no text runs past
// its control.
void ExpectWelcomeTextsInPlace(HWND welcome) {
  UpdateWindow(welcome);
  RECT client;
  GetClientRect(welcome, &client);
  std::vector<CRect> places;
  for (HWND child = GetWindow(welcome, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    CRect rect;
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, welcome, reinterpret_cast<POINT*>(&rect), 2);
    places.push_back(rect);
  }
  HDC window = GetDC(welcome);
  HDC memory = CreateCompatibleDC(window);
  BITMAPINFO bi = TopDown32(client.right, client.bottom);
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(window, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  ASSERT_NE(nullptr, bitmap);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, client.right, client.bottom, window, 0, 0, SRCCOPY);
  GdiFlush();
  const auto* pixels = static_cast<const uint32_t*>(bits);
  int outside = 0;
  CPoint first(-1, -1);
  for (int y = 0; y < client.bottom; ++y)
    for (int x = 0; x < client.right; ++x) {
      if (ColourOf(pixels[y * client.right + x]) != RGB(0, 0, 0)) continue;
      bool placed = false;
      for (const CRect& place : places) placed = placed || place.PtInRect(CPoint(x, y));
      if (!placed && outside++ == 0) first = CPoint(x, y);
    }
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(welcome, window);
  EXPECT_EQ(0, outside) << "text pixels outside their controls, the first at " << first.x << "," << first.y;
}

// Every shown static text of the page fits its control, wrapped as the
// control wraps it.
void ExpectStaticTextsFit(HWND page) {
  for (HWND child = GetWindow(page, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    TCHAR className[32] = {};
    GetClassName(child, className, 32);
    const LONG style = GetWindowLong(child, GWL_STYLE);
    if (lstrcmpi(className, _T("Static")) || !IsWindowVisible(child) || (style & SS_TYPEMASK) > SS_RIGHT) continue;
    const CString text = lwtest::WindowText(child);
    RECT client;
    GetClientRect(child, &client);
    const CSize size = TextExtent(child, text, client.right);
    EXPECT_LE(size.cy, client.bottom) << CStringA(text).GetString();
  }
}

// The snippet box shows every line of its text, none under its scroll bar.
void ExpectAllLinesVisible(HWND page, int id) {
  HWND edit = GetDlgItem(page, id);
  ASSERT_NE(nullptr, edit);
  CString text = Item(page, id);
  const int lines = static_cast<int>(SendMessage(edit, EM_GETLINECOUNT, 0, 0));
  EXPECT_EQ(text.Replace(_T("\r\n"), _T("\r\n")) + 1, lines) << CStringA(text).GetString();
  const int lineHeight = TextExtent(edit, _T("#"), 0).cy;
  RECT client, format;
  GetClientRect(edit, &client);
  SendMessage(edit, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
  const int visible = (std::min(format.bottom, client.bottom) - format.top) / lineHeight;
  EXPECT_EQ(0, SendMessage(edit, EM_GETFIRSTVISIBLELINE, 0, 0));
  EXPECT_GE(visible, lines) << CStringA(text).GetString();
  // Nothing below the box covers it.
  RECT box;
  GetWindowRect(edit, &box);
  for (HWND child = GetWindow(page, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    RECT rect, common;
    GetWindowRect(child, &rect);
    if (child != edit && IsWindowVisible(child) && IntersectRect(&common, &rect, &box))
      ADD_FAILURE() << "control " << GetDlgCtrlID(child) << " over the snippet box " << id;
  }
}

// The developer's answers on the asking pages.
struct Answers {
  const char* name;
  int ide;  // radio value of the environment page
  bool mfc;
  int charset;
  bool preprocessor;
  bool menu;
  bool compileErrors;
  bool runtimeProblems;
  CString project;  // typed into the file dialog of the options page
};

// The road PageFlow gives for the answers and the scan's findings.
GuideRoad RoadOf(const Answers& a, bool externHeaders, bool fixHits) {
  GuideRoad road;
  road.ide = a.ide;
  road.mfc = a.ide != kIdeOther && a.mfc;
  road.menu = a.menu;
  road.compileErrors = a.compileErrors;
  road.runtimeProblems = a.runtimeProblems;
  road.externHeaders = externHeaders;
  road.fixHits = fixHits;
  return road;
}

std::vector<int> Walk(int from, int to, const GuideRoad& road, bool forward) {
  std::vector<int> pages = {from};
  while (pages.back() != to && pages.size() <= 30) {
    const int page = pages.back();
    pages.push_back(GuideResolvePage(page, forward ? GuideNextPage(page, road) : GuideBackPage(page, road), forward));
  }
  return pages;
}

// The library's own diagnostics, kept instead of shown.
std::vector<CString> g_libraryMessages;
void KeepLibraryMessage(LPCTSTR text) { g_libraryMessages.push_back(text); }

std::string Name(const char* prefix, int page) { return std::string(prefix) + std::to_string(page); }

class GuideWine : public ::testing::Test {
 protected:
  void SetUp() override {
    INITCOMMONCONTROLSEX init = {sizeof(init), ICC_WIN95_CLASSES | ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&init);
    g_libraryMessages.clear();
    m_previousHandler = LwvSetMessageHandler(KeepLibraryMessage);
    m_app.reset(new CWeaveGuideApp);
    m_app->InitApplication(GetModuleHandle(nullptr), const_cast<LPTSTR>(_T("")), SW_SHOWNORMAL);
    m_app->UseGuideProfile();
    ForgetLastLanguage();
    m_app->StartTranslation(LanguageFolder());
  }

  void TearDown() override {
    m_app->ExitInstance();  // ends the library
    m_app.reset();
    LwvSetMessageHandler(m_previousHandler);
    EXPECT_EQ(0u, g_libraryMessages.size()) << CStringA(g_libraryMessages.empty() ? CString() : g_libraryMessages[0]).GetString();
  }

  // Runs the assistant with the steps; every step must run.
  void RunAssistant(std::vector<Step> steps) {
    lwtest::ModalDriver driver(std::move(steps), 15000);
    m_app->RunAssistant();
    EXPECT_TRUE(driver.Finished());
  }

  // The welcome dialog, left with "Beginnen".
  static Step Welcome(const char* shot) {
    return When(_T("the welcome dialog"), lwtest::Settled([] { return lwtest::FindOwnDialog(_T("Lingoweave Assistant")); }),
                [shot](HWND welcome) {
                  if (lwtest::IsPropertySheet(welcome)) ADD_FAILURE() << "the sheet came first";
                  ExpectWelcomeTextsFit(welcome);
                  ExpectWelcomeTextsInPlace(welcome);
                  if (*shot) lwtest::SaveScreenshot(welcome, shot);
                  PostMessage(welcome, WM_COMMAND, IDOK, 0);
                });
  }

  // Waits until the sheet shows page, then checks and acts on it.
  Step Arrive(int page, std::function<void(HWND sheet, HWND page)> act = {}) {
    CString what;
    what.Format(_T("page %d"), page);
    return When(what,
                lwtest::Settled([page]() -> HWND {
                  HWND sheet = lwtest::FindOwnPropertySheet();
                  return sheet && ActivePageId(sheet) == page ? sheet : nullptr;
                }),
                [this, page, act](HWND sheet) {
                  m_visited.push_back(page);
                  if (m_shots.insert(page).second) lwtest::SaveScreenshot(sheet, Name(m_language, page).c_str());
                  if (act) act(sheet, ActivePageWindow(sheet));
                });
  }

  // Presses a wizard button once it is enabled.
  static Step Press(int button) {
    CString what;
    what.Format(_T("wizard button %x enabled"), button);
    return Step(what, [button] {
      HWND sheet = lwtest::FindOwnPropertySheet();
      if (!sheet || !lwtest::ThreadSettled() || !ButtonEnabled(sheet, button)) return false;
      const int which = button == kWizBack ? PSBTN_BACK : button == kWizNext ? PSBTN_NEXT : PSBTN_FINISH;
      PostMessage(sheet, PSM_PRESSBUTTON, which, 0);
      return true;
    });
  }

  static Step Cancel() {
    return Step(_T("the sheet to cancel"), [] {
      HWND sheet = lwtest::FindOwnPropertySheet();
      if (!sheet || !lwtest::ThreadSettled()) return false;
      PostMessage(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
      return true;
    });
  }

  // The file dialog of the options page: the path typed in, then OK.
  static Step ChooseFile(const CString& path) {
    return When(_T("the file dialog"),
                lwtest::Settled([] {
                  return lwtest::FindOwnWindowIf([](HWND w) {
                    return lwtest::IsDialogWindow(w) && !lwtest::IsPropertySheet(w) &&
                           (GetDlgItem(w, cmb13) || GetDlgItem(w, edt1));
                  });
                }),
                [path](HWND dialog) {
                  HWND field = GetDlgItem(dialog, cmb13) ? GetDlgItem(dialog, cmb13) : GetDlgItem(dialog, edt1);
                  SetWindowText(field, path);
                  PostMessage(dialog, WM_COMMAND, IDOK, 0);
                });
  }

  // The answers given on the asking pages of the forward road; page checks
  // run when a page is reached.
  void AddForward(std::vector<Step>& steps, const Answers& a, const std::vector<int>& road,
                  const std::map<int, std::function<void(HWND)>>& checks,
                  std::map<int, std::vector<Step>> extras = {}) {
    for (int page : road) {
      auto check = checks.find(page);
      std::function<void(HWND)> pageCheck = check == checks.end() ? std::function<void(HWND)>() : check->second;
      steps.push_back(Arrive(page, [a, page, pageCheck](HWND sheet, HWND wnd) {
        if (pageCheck) pageCheck(wnd);
        if (page == kPageChooseIde) {
          EXPECT_EQ(kButtonBack, WizardButtons(sheet)) << "no environment chosen yet";
          const int radios[] = {IDC_IDE_VISUALCPP, IDC_IDE_OTHER_CPP, IDC_IDE_OTHER};
          Click(wnd, radios[a.ide]);
          if (a.ide != kIdeOther) SetCheck(wnd, IDC_USES_MFC, a.mfc);
        } else if (page == kPageOptions) {
          const int radios[] = {IDC_CHARSET_8BIT, IDC_CHARSET_UNICODE, IDC_CHARSET_BOTH};
          Click(wnd, radios[a.charset]);
          if (a.ide != kIdeOther) SetCheck(wnd, IDC_PREPROCESSOR, a.preprocessor);
          SetCheck(wnd, IDC_MENU, a.menu);
          if (a.ide == kIdeVisualCpp && a.mfc) {
            EXPECT_EQ(kButtonBack, WizardButtons(sheet)) << "no project chosen yet";
            PostMessage(GetDlgItem(wnd, IDC_BROWSE), BM_CLICK, 0, 0);
          }
        } else if (page == kPageCompileCast || page == kPageTestProgram) {
          EXPECT_EQ(kButtonBack, WizardButtons(sheet)) << "no result chosen yet";
          const bool problems = page == kPageCompileCast ? a.compileErrors : a.runtimeProblems;
          Click(wnd, problems ? IDC_RESULT_PROBLEMS : IDC_RESULT_FINE);
        }
      }));
      if (page == kPageOptions && a.ide == kIdeVisualCpp && a.mfc) steps.push_back(ChooseFile(a.project));
      for (Step& extra : extras[page]) steps.push_back(std::move(extra));
      if (page != kPageCompletion) steps.push_back(Press(kWizNext));
    }
  }

  void AddBackward(std::vector<Step>& steps, const std::vector<int>& road) {
    for (size_t i = 1; i < road.size(); ++i) {
      steps.push_back(Press(kWizBack));
      steps.push_back(Arrive(road[i]));
    }
  }

  LwvMessageHandler m_previousHandler = nullptr;
  std::unique_ptr<CWeaveGuideApp> m_app;
  std::vector<int> m_visited;
  std::set<int> m_shots;
  const char* m_language = "guide_de_";
};

const Answers kAnotherEnvironment = {"another environment, menu, problems", kIdeOther, false, kCharset8Bit, true,
                                     true, true, true, CString()};
const Answers kOtherCppWithFramework = {"other C++ with the framework, errors, no menu", kIdeOtherCpp, true,
                                        kCharsetBoth, true, false, true, false, CString()};
const Answers kOtherCppPlain = {"other C++ without the framework, no menu", kIdeOtherCpp, false, kCharset8Bit, false,
                                false, false, true, CString()};
const Answers kVisualCppPlain = {"Visual C++ without the framework", kIdeVisualCpp, false, kCharsetUnicode, true, true,
                                 false, false, CString()};

Answers DemoProject() {
  return {"Visual C++ with the framework, the demo project", kIdeVisualCpp, true, kCharset8Bit, true, true, false,
          false, FixtureFolder() + _T("Demo.dsp")};
}

// What the demo project's scan finds, as the pages show it.
const TCHAR kDemoFixMacros[] =
    _T("Datei .\\MainFrm.h, Zeile 7 (Klasse CMainFrame)\r\n")
    _T("virtual void GetMessageString ( UINT nID , CString & rMessage ) const ; \r\n")
    _T("eintragen:\r\n")
    _T("\t#ifdef _LINGOWEAVE\r\n\tLWFIX_CFRAMEWND_GETMESSAGESTRING()\r\n\t#endif\r\n\r\n");
const TCHAR kDemoExternHeaders[] =
    _T("Datei .\\MainFrm.cpp, Zeile 3\r\n")
    _T("\t#include \"..\\Shared\\Grid.h\"\r\n")
    _T("ersetzen durch\r\n")
    _T("\t#ifdef _LINGOWEAVE\r\n\t#undef CString\r\n\t#include \"..\\Shared\\Grid.h\"\r\n")
    _T("\t#define CString __X_CString\r\n\t#else\r\n\t#include \"..\\Shared\\Grid.h\"\r\n\t#endif\r\n\r\n");

class GuideWineRoads : public GuideWine {
 protected:
  // Walks the road of the answers forward to the end and back to the start.
  void WalkRoad(const Answers& a, bool externHeaders, bool fixHits, std::vector<Step> before,
                const std::map<int, std::function<void(HWND)>>& checks = {},
                std::map<int, std::vector<Step>> extras = {}, bool back = true) {
    SCOPED_TRACE(a.name);
    m_visited.clear();
    const GuideRoad road = RoadOf(a, externHeaders, fixHits);
    const std::vector<int> forward = Walk(kPageCompileProject, kPageCompletion, road, true);
    const std::vector<int> backward =
        back ? Walk(kPageCompletion, kPageCompileProject, road, false) : std::vector<int>{kPageCompletion};
    std::vector<Step> steps = std::move(before);
    std::map<int, std::function<void(HWND)>> allChecks = checks;
    allChecks.emplace(kPageCompletion, [](HWND) {
      EXPECT_EQ(kButtonBack | kButtonFinish, WizardButtons(lwtest::FindOwnPropertySheet()));
      ExpectWatermarkCoversTheLastPage(lwtest::FindOwnPropertySheet());
    });
    // Every page's texts fit; the snippet boxes show all their lines.
    for (int page : forward) {
      std::function<void(HWND)> own = allChecks.count(page) ? allChecks[page] : std::function<void(HWND)>();
      allChecks[page] = [own, page](HWND wnd) {
        if (own) own(wnd);
        SCOPED_TRACE(page);
        ExpectStaticTextsFit(wnd);
        if (page == kPageHeaderToStdafx || page == kPageIncludeSdkHeader) ExpectAllLinesVisible(wnd, IDC_INCLUDE_LINES);
        if (page == kPageAddHandler && Shown(wnd, IDC_SWITCH_CALL)) ExpectAllLinesVisible(wnd, IDC_SWITCH_CALL);
      };
    }
    AddForward(steps, a, forward, allChecks, std::move(extras));
    AddBackward(steps, backward);
    steps.push_back(Cancel());
    delete m_app->m_settings;
    m_app->m_settings = new CIntegrationSettings;
    RunAssistant(std::move(steps));
    std::vector<int> expected = forward;
    expected.insert(expected.end(), backward.begin() + 1, backward.end());
    EXPECT_EQ(expected, m_visited);
  }
};

// Welcome, then the roads without a scan, forward to the end and back to
// the start, as the page road gives them.
TEST_F(GuideWineRoads, WalksTheRoadsOfThePageRoad) {
  lwtest::Watchdog watchdog(120);
  bool first = true;
  for (const Answers* a : {&kAnotherEnvironment, &kOtherCppWithFramework, &kVisualCppPlain}) {
    WalkRoad(*a, false, false, {Welcome(first ? "guide_de_welcome" : "")});
    first = false;
  }
}

// The IDE set-up dialog hides the sheet while it is open.
std::vector<Step> IdeSetupSteps(const char* shot) {
  return {
      Step(_T("the integrate button"),
           [] {
             HWND sheet = lwtest::FindOwnPropertySheet();
             if (!sheet || !lwtest::ThreadSettled()) return false;
             HWND page = ActivePageWindow(sheet);
             if (!Shown(page, IDC_INTEGRATE)) return false;
             ExpectStaticTextsFit(page);
             PostMessage(GetDlgItem(page, IDC_INTEGRATE), BM_CLICK, 0, 0);
             return true;
           }),
      When(_T("the IDE set-up dialog"),
           lwtest::Settled([] {
             return lwtest::FindOwnWindowIf([](HWND w) {
               HWND owner = GetWindow(w, GW_OWNER);
               return lwtest::IsDialogWindow(w) && !lwtest::IsPropertySheet(w) && GetDlgItem(w, IDOK) && owner &&
                      lwtest::IsPropertySheet(owner);
             });
           }),
           [shot](HWND dialog) {
             EXPECT_FALSE(IsWindowVisible(GetWindow(dialog, GW_OWNER))) << "the sheet is hidden";
             lwtest::SaveScreenshot(dialog, shot);
             PostMessage(dialog, WM_COMMAND, IDOK, 0);
           }),
      // The finder sees visible windows only.
      Step(_T("the sheet shown again"), [] { return lwtest::FindOwnPropertySheet() != nullptr; }),
  };
}

// The checks of the demo project's pages; language-neutral where the text
// comes from a string.
std::map<int, std::function<void(HWND)>> DemoChecks(bool german) {
  std::map<int, std::function<void(HWND)>> checks;
  checks[kPageVirtFunc] = [german](HWND page) {
    EXPECT_EQ(GuideFixMacroList(GuideSettings(), GuideProgramStrings()), Item(page, IDC_FIX_MACROS));
    if (german) {
      EXPECT_EQ(CString(kDemoFixMacros), Item(page, IDC_FIX_MACROS));
    }
  };
  checks[kPageExternHeader] = [german](HWND page) {
    EXPECT_EQ(GuideExternHeaderList(GuideSettings(), GuideProgramStrings()), Item(page, IDC_EXTERN_HEADERS));
    if (german) {
      EXPECT_EQ(CString(kDemoExternHeaders), Item(page, IDC_EXTERN_HEADERS));
    }
  };
  checks[kPageHeaderToStdafx] = [](HWND page) {
    EXPECT_EQ(CString(_T("#ifdef _LINGOWEAVE\r\n#include \"LwvMFC.h\"\r\n#endif")), Item(page, IDC_INCLUDE_LINES));
  };
  checks[kPageLibToProject] = [](HWND page) {
    EXPECT_EQ(GuideProgramStrings().Load(IDS_LIBRARIES_8BIT), Item(page, IDC_LIBRARY_LIST));
    EXPECT_TRUE(Shown(page, IDC_PREPROCESSOR_STEP));
    EXPECT_TRUE(Shown(page, IDC_PREPROCESSOR_DEFINE));
  };
  checks[kPageStartCode] = [](HWND page) {
    const CString code = Item(page, IDC_START_CODE);
    EXPECT_EQ(GuideStartCode(GuideSettings()), code);
    EXPECT_EQ(0, code.Find(_T("#ifdef _LINGOWEAVE\r\n\t/* This fills Lwv start params.")));
    EXPECT_NE(-1, code.Find(_T("_T(\"Demo.tra\")")));
    EXPECT_NE(-1, code.Find(_T("_T(\"Demo.ini\")")));
    EXPECT_TRUE(Shown(page, IDC_START_CODE_MFC));
    EXPECT_FALSE(Shown(page, IDC_START_CODE_PLAIN));
  };
  return checks;
}

// The scan runs with the progress bar to 100 % and ends with string 110.
Step ScanDone() {
  return Step(_T("the scan done"), [] {
    HWND sheet = lwtest::FindOwnPropertySheet();
    if (!sheet || ActivePageId(sheet) != kPageScanNow || !ButtonEnabled(sheet, kWizNext)) return false;
    HWND page = ActivePageWindow(sheet);
    auto* scan = dynamic_cast<CScanNowPage*>(CWnd::FromHandlePermanent(page));
    EXPECT_NE(nullptr, scan);
    if (scan) {
      EXPECT_EQ(100, scan->m_progress.GetShownPercent());
    }
    EXPECT_EQ(GuideProgramStrings().Load(IDS_SCAN_DONE), Item(page, IDC_SCAN_STATE));
    EXPECT_FALSE(Shown(page, IDC_SCAN_PROGRESS));
    EXPECT_EQ(kButtonBack | kButtonNext, WizardButtons(sheet));
    lwtest::SaveScreenshot(sheet, GuideProgramStrings().Load(IDS_SCAN_DONE) == _T("Vorgang erfolgreich beendet !")
                                      ? "guide_de_134_done"
                                      : "guide_en_134_done");
    return true;
  });
}

// Visual C++ with the framework: the demo project is chosen, scanned, and its
// findings shown on the fix-macro and extern-header pages.
TEST_F(GuideWineRoads, ScansTheDemoProjectAndShowsItsFindings) {
  lwtest::Watchdog watchdog(120);
  std::map<int, std::vector<Step>> extras;
  extras[kPageChooseIde] = IdeSetupSteps("guide_de_143");
  extras[kPageScanNow].push_back(ScanDone());
  WalkRoad(DemoProject(), true, true, {Welcome("")}, DemoChecks(true), std::move(extras));
  EXPECT_EQ(FixtureFolder() + _T("Demo.dsp"), GuideSettings().m_projectPath);
}

// A project file that cannot be read: the error is shown, and Back leads to
// the options page for another choice.
TEST_F(GuideWineRoads, UnreadableProjectLeavesBackEnabled) {
  lwtest::Watchdog watchdog(60);
  Answers a = DemoProject();
  a.project = FixtureFolder() + _T("Missing.dsp");
  std::vector<Step> steps = {Welcome("")};
  AddForward(steps, a, {kPageCompileProject, kPageChooseIde, kPageOptions}, {});
  steps.push_back(When(_T("the file error"), lwtest::MessageBoxWith(_T("Missing.dsp")), [](HWND box) {
    lwtest::SaveScreenshot(box, "guide_de_file_error");
    PostMessage(box, WM_COMMAND, IDOK, 0);
  }));
  steps.push_back(Step(_T("Back alone on the scan page"), [] {
    HWND sheet = lwtest::FindOwnPropertySheet();
    if (!sheet || !lwtest::ThreadSettled() || lwtest::FindMessageBox() || ActivePageId(sheet) != kPageScanNow)
      return false;
    if (WizardButtons(sheet) != kButtonBack) return false;
    lwtest::SaveScreenshot(sheet, "guide_de_134_error");
    return true;
  }));
  steps.push_back(Press(kWizBack));
  steps.push_back(Arrive(kPageOptions));
  steps.push_back(Cancel());
  RunAssistant(std::move(steps));
  EXPECT_FALSE(GuideSettings().HasFixHits());
  EXPECT_EQ(nullptr, GuideSettings().GetScanResults());
}

// A header of the project that exists but cannot be read (another program
// holds it open without sharing): the file error names it and ends the
// scan, which is not reported as done; Back leads to the options page.
TEST_F(GuideWineRoads, UnreadableHeaderEndsTheScan) {
  lwtest::Watchdog watchdog(60);
  HANDLE locked = CreateFile(FixtureFolder() + _T("MainFrm.h"), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(INVALID_HANDLE_VALUE, locked);
  std::vector<Step> steps = {Welcome("")};
  AddForward(steps, DemoProject(), {kPageCompileProject, kPageChooseIde, kPageOptions}, {});
  steps.push_back(When(_T("the file error"), lwtest::MessageBoxWith(_T("MainFrm.h")), [](HWND box) {
    lwtest::SaveScreenshot(box, "guide_de_header_error");
    PostMessage(box, WM_COMMAND, IDOK, 0);
  }));
  steps.push_back(Step(_T("the scan stopped"), [] {
    HWND sheet = lwtest::FindOwnPropertySheet();
    if (!sheet || !lwtest::ThreadSettled() || lwtest::FindMessageBox() || ActivePageId(sheet) != kPageScanNow)
      return false;
    if (WizardButtons(sheet) != kButtonBack) return false;
    EXPECT_EQ(GuideProgramStrings().Load(IDS_SCAN_TAKES_TIME), Item(ActivePageWindow(sheet), IDC_SCAN_STATE));
    return true;
  }));
  steps.push_back(Press(kWizBack));
  steps.push_back(Arrive(kPageOptions));
  steps.push_back(Cancel());
  RunAssistant(std::move(steps));
  CloseHandle(locked);
  EXPECT_EQ(nullptr, GuideSettings().GetScanResults());
}

// The pages' header picture, as the sheet paints it, leaves the title and
// subtitle free, in German and in English.
TEST_F(GuideWineRoads, HeaderPictureLeavesTheTitleFree) {
  lwtest::Watchdog watchdog(60);
  for (const char* language : {"guide_de_", "guide_en_"}) {
    SCOPED_TRACE(language);
    m_language = language;
    m_shots.clear();
    if (language == std::string("guide_en_")) {
      ASSERT_TRUE(LWSwitchFile(LanguageFolder() + _T("\\WeaveGuideUEN.tra")));
    }
    std::vector<Step> steps = {Welcome("")};
    steps.push_back(Arrive(kPageCompileProject, [](HWND sheet, HWND) { ExpectHeaderTextClearOfPicture(sheet); }));
    steps.push_back(Press(kWizNext));
    steps.push_back(Arrive(kPageChooseIde, [](HWND sheet, HWND) { ExpectHeaderTextClearOfPicture(sheet); }));
    steps.push_back(Cancel());
    RunAssistant(std::move(steps));
  }
}

// Cancel while the scan page runs the analyser (pressed from inside one of
// the bar's steps): the modal sheet ends once the scan handler has returned,
// nothing is sent to its windows after they are gone, and no message box
// reports a failure.
TEST_F(GuideWineRoads, CancelDuringTheScanEndsCleanly) {
  lwtest::Watchdog watchdog(60);
  struct ScanWatch {
    HWND sheet = nullptr;
    HWND progress = nullptr;
    int cancelledAt = -1;  // the percentage shown when Cancel was pressed
    int messagesAfterSheetGone = 0;
    bool sheetGone = false;
  };
  static ScanWatch watch;
  watch = ScanWatch();
  // Sees every message sent on this thread; presses Cancel once the bar
  // shows a step between start and end. Nothing here may throw.
  struct Hook {
    static LRESULT CALLBACK Sent(int code, WPARAM wParam, LPARAM lParam) {
      const auto* m = reinterpret_cast<const CWPSTRUCT*>(lParam);
      if (code == HC_ACTION && m) {
        if (watch.sheetGone && (m->hwnd == watch.progress || m->hwnd == watch.sheet)) ++watch.messagesAfterSheetGone;
        if (m->message == PBM_SETPOS && GetDlgCtrlID(m->hwnd) == IDC_SCAN_PROGRESS) {
          watch.progress = m->hwnd;
          watch.sheet = GetParent(GetParent(m->hwnd));
          const int percent = static_cast<int>(m->wParam);
          if (watch.cancelledAt < 0 && percent > 0 && percent < 100) {
            watch.cancelledAt = percent;
            PostMessage(watch.sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
          }
        }
        if (m->message == WM_NCDESTROY && m->hwnd == watch.sheet) watch.sheetGone = true;
      }
      return CallNextHookEx(nullptr, code, wParam, lParam);
    }
  };
  HHOOK hook = SetWindowsHookEx(WH_CALLWNDPROC, Hook::Sent, nullptr, GetCurrentThreadId());
  ASSERT_NE(nullptr, hook);

  // Next on the options page leads to the scan; the hook cancels it.
  std::vector<Step> steps = {Welcome("")};
  AddForward(steps, DemoProject(), {kPageCompileProject, kPageChooseIde, kPageOptions}, {});
  lwtest::ModalDriver driver(std::move(steps), 15000);
  const size_t boxes = 0;
  driver.AnswerEvery(When(_T("a message box"), [] { return lwtest::FindMessageBox(); }, [](HWND box) {
    lwtest::SaveScreenshot(box, "guide_de_134_cancel_box");
    PostMessage(box, WM_COMMAND, IDOK, 0);
  }));
  m_app->RunAssistant();
  EXPECT_TRUE(driver.Finished());
  // Messages that were still queued for the gone windows.
  MSG msg;
  while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessage(&msg);
  UnhookWindowsHookEx(hook);

  EXPECT_GT(watch.cancelledAt, 0) << "Cancel came before the scan's steps";
  EXPECT_LT(watch.cancelledAt, 100) << "Cancel came after the scan";
  EXPECT_TRUE(watch.sheetGone);
  EXPECT_EQ(nullptr, lwtest::FindOwnPropertySheet());
  EXPECT_EQ(0, driver.Answered(boxes)) << "a message box came up";
  EXPECT_EQ(0, watch.messagesAfterSheetGone);
  EXPECT_EQ(std::vector<int>({kPageCompileProject, kPageChooseIde, kPageOptions}), m_visited);
}

// "Sprache..." in the welcome dialog: the library's switch dialog, English
// chosen; the welcome texts are drawn again in English, and the sheet runs in
// English along three roads that together show every page.
TEST_F(GuideWineRoads, InEnglishAfterTheSwitchFromTheWelcomeDialog) {
  lwtest::Watchdog watchdog(150);
  m_language = "guide_en_";
  std::vector<Step> switchSteps = {
      When(_T("the welcome dialog"), lwtest::Settled([] { return lwtest::FindOwnDialog(_T("Lingoweave Assistant")); }),
           [](HWND welcome) {
             EXPECT_EQ(CString(_T("Willkommen zum")), Item(welcome, IDC_WELCOME_TO));
             PostMessage(GetDlgItem(welcome, IDC_LANGUAGE), BM_CLICK, 0, 0);
           }),
      When(_T("the switch dialog"),
           [] {
             return lwtest::FindOwnWindowIf(
                 [](HWND wnd) { return dynamic_cast<CLwvSwitchDlg*>(CWnd::FromHandlePermanent(wnd)) != nullptr; });
           },
           [](HWND dialog) {
             CLwvSwitchDlg* dlg = dynamic_cast<CLwvSwitchDlg*>(CWnd::FromHandlePermanent(dialog));
             CLwvFlagList* list = dlg->GetFlagList();
             int english = -1;
             for (int i = 0; i < list->GetItemCount(); ++i)
               if (list->GetItemText(i) == _T("English")) english = i;
             ASSERT_GE(english, 0) << "English is not listed";
             ListView_SetItemState(list->m_hWnd, english, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
             NMHDR header = {list->m_hWnd, LWV_ID_FLAG_LIST, static_cast<UINT>(NM_CLICK)};
             SendMessage(dialog, WM_NOTIFY, LWV_ID_FLAG_LIST, reinterpret_cast<LPARAM>(&header));
             SendMessage(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
           }),
      When(_T("the welcome dialog in English"),
           lwtest::Settled([] {
             HWND welcome = lwtest::FindOwnDialog(_T("Lingoweave Assistant"));
             return welcome && Item(welcome, IDC_WELCOME_TO) == _T("Welcome to the") ? welcome : nullptr;
           }),
           [](HWND welcome) {
             EXPECT_EQ(CString(_T("&Begin >")), Item(welcome, IDOK));
             EXPECT_EQ(CString(_T("Language...")), Item(welcome, IDC_LANGUAGE));
             ExpectWelcomeTextsFit(welcome);
             ExpectWelcomeTextsInPlace(welcome);
             lwtest::SaveScreenshot(welcome, "guide_en_welcome");
             PostMessage(welcome, WM_COMMAND, IDOK, 0);
           }),
  };
  std::map<int, std::vector<Step>> extras;
  extras[kPageChooseIde] = IdeSetupSteps("guide_en_143");
  extras[kPageScanNow].push_back(ScanDone());
  std::map<int, std::function<void(HWND)>> checks = DemoChecks(false);
  checks[kPageCompileProject] = [](HWND page) {
    const std::vector<CString> texts = lwtest::ChildTexts(page);
    EXPECT_NE(texts.end(), std::find(texts.begin(), texts.end(), CString(_T("Then click \"Next\"."))));
  };
  Answers a = DemoProject();
  a.compileErrors = true;
  WalkRoad(a, true, true, std::move(switchSteps), checks, std::move(extras));
}

// The pages the demo project's road does not pass, in English, forward only.
TEST_F(GuideWineRoads, InEnglishTheOtherPages) {
  lwtest::Watchdog watchdog(120);
  m_language = "guide_en_";
  ASSERT_TRUE(LWSwitchFile(LanguageFolder() + _T("\\WeaveGuideUEN.tra")));
  for (const Answers* a : {&kAnotherEnvironment, &kOtherCppWithFramework, &kVisualCppPlain})
    WalkRoad(*a, false, false, {Welcome("")}, {}, {}, false);
  for (int page : {kPageDllToProject, kPageIncludeDllHeader, kPageStartNoCode, kPageLoadString, kPageTraCreate2,
                   kPageLib2ToProject, kPageVirtFunc2, kPageAddHandler, kPageIncludeSdkHeader})
    EXPECT_EQ(1u, m_shots.count(page)) << "no English picture of page " << page;
}

}  // namespace
