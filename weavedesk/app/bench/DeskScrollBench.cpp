// WeaveDesk's edit view under Wine with the 20,004-node file: opens it as
// the program does (from the command line), then pages from the top to the
// bottom of the view, painting every page, and prints the time to open and
// the milliseconds per page beside the goal of 16 ms. Not a test.
#include "BenchFile.h"
#include "LwFileInfo.h"
#include "MainFrame.h"
#include "MyEditView.h"
#include "TextFonts.h"
#include "WeaveDeskApp.h"

#include <commctrl.h>

#include <cstdio>

int main() {
  INITCOMMONCONTROLSEX init = {sizeof(init), ICC_WIN95_CLASSES};
  InitCommonControlsEx(&init);
  TCHAR temp[MAX_PATH];
  GetTempPath(MAX_PATH, temp);
  const CString path = CString(temp) + _T("desk_scroll_bench.tra");
  CTraFile* built = deskbench::BuildFile();
  if (!LwWriteLanguageFile(path, *built)) {
    fprintf(stderr, "cannot write %s\n", path.GetString());
    return 1;
  }
  delete built;

  CString commandLine = _T("\"") + path + _T("\"");
  CWeaveDeskApp app;
  app.InitApplication(GetModuleHandle(nullptr), commandLine.GetBuffer(), SW_SHOWNORMAL);
  app.UseEditorProfile();
  InitDefaultFonts();
  app.RegisterTemplate();
  LARGE_INTEGER frequency, start, end;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  if (!app.OpenFirstFile()) {
    fprintf(stderr, "cannot open %s\n", path.GetString());
    return 1;
  }
  CMainFrame* frame = dynamic_cast<CMainFrame*>(app.m_pMainWnd);
  frame->ShowWindow(SW_SHOWNORMAL);
  frame->UpdateWindow();
  QueryPerformanceCounter(&end);
  const double openMs = 1000.0 * (end.QuadPart - start.QuadPart) / frequency.QuadPart;

  CMyEditView* view = frame->GetEditView();
  int pages = 0;
  QueryPerformanceCounter(&start);
  for (int last = -1; view->GetVerticalAxis().GetOffset() != last && pages < 100000; ++pages) {
    last = view->GetVerticalAxis().GetOffset();
    view->SendMessage(WM_VSCROLL, SB_PAGEDOWN, 0);
    view->UpdateWindow();  // paints the page now
  }
  QueryPerformanceCounter(&end);
  const double scrollMs = 1000.0 * (end.QuadPart - start.QuadPart) / frequency.QuadPart;
  printf("file: %d text blocks, %.0f pixels tall\n", view->GetBlocks().GetCount(), view->GetVerticalAxis().GetTotal());
  printf("open and lay out:  %8.1f ms\n", openMs);
  printf("page down:         %8.2f ms per page over %d pages (goal: at most 16 ms)\n", pages ? scrollMs / pages : 0.0,
         pages);
  app.m_pMainWnd = nullptr;
  frame->DestroyWindow();
  app.ExitInstance();
  DeleteFile(path);
  return 0;
}
