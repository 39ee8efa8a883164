#include "MainFrame.h"

#include "DeskDialogs.h"
#include "DeskHelp.h"
#include "DeskResource.h"
#include "HeadView.h"
#include "MyEditView.h"
#include "TextEdit.h"
#include "TransDoc.h"
#include "XWinApp.h"

#include <iterator>

namespace {
const UINT kIndicators[] = {ID_SEPARATOR, IDS_POSITION_INDICATOR, ID_INDICATOR_CAPS, ID_INDICATOR_NUM,
                            ID_INDICATOR_SCRL};
const UINT kFindReplaceMessage = ::RegisterWindowMessage(FINDMSGSTRING);
const UINT kHelp = 57670;         // F1
const UINT kDefaultHelp = 57671;  // help without a context
}  // namespace

IMPLEMENT_DYNCREATE(CMainFrame, CFrameWnd)

BEGIN_MESSAGE_MAP(CMainFrame, CFrameWnd)
  ON_WM_CREATE()
  ON_COMMAND(ID_TREE_EXPAND, OnExpandAll)
  ON_COMMAND(ID_SHOW_TEXTS_TO_EDIT, OnShowTextsToEdit)
  ON_COMMAND(ID_MARK_ALL_TO_EDIT, OnMarkAllToEdit)
  ON_COMMAND(ID_MARK_ALL_EDITED, OnMarkAllEdited)
  ON_COMMAND(ID_TREE_COLLAPSE, OnCollapseAll)
  ON_COMMAND(ID_FIND, OnFind)
  ON_UPDATE_COMMAND_UI(ID_FIND, OnUpdateFindReplace)
  ON_COMMAND(ID_REPLACE, OnReplace)
  ON_UPDATE_COMMAND_UI(ID_REPLACE, OnUpdateFindReplace)
  ON_COMMAND(ID_SPECIAL_CHARS, OnSpecialChars)
  ON_UPDATE_COMMAND_UI(ID_SPECIAL_CHARS, OnUpdateSpecialChars)
  ON_COMMAND(ID_DIALOG_EDITOR, OnDialogEditor)
  ON_UPDATE_COMMAND_UI(ID_DIALOG_EDITOR, OnUpdateDialogEditor)
  ON_COMMAND(ID_EDIT_PASTE, OnEditPaste)
  ON_COMMAND(ID_EDIT_CUT, OnEditCut)
  ON_COMMAND(ID_EDIT_COPY, OnEditCopy)
  ON_COMMAND(ID_STATISTICS, OnStatistics)
  ON_COMMAND(ID_HELP_FINDER, OnHelpFinder)
  ON_COMMAND(kHelp, OnHelp)
  ON_COMMAND(ID_CONTEXT_HELP, OnContextHelp)
  ON_UPDATE_COMMAND_UI(ID_CONTEXT_HELP, OnUpdateContextHelp)
  ON_COMMAND(kDefaultHelp, OnDefaultHelp)
  ON_REGISTERED_MESSAGE(kFindReplaceMessage, OnFindReplaceMessage)
END_MESSAGE_MAP()

BOOL CMainFrame::PreCreateWindow(CREATESTRUCT& cs) {
  cs.cx = 612;
  cs.cy = ::GetSystemMetrics(SM_CYFULLSCREEN) - 40;
  return CFrameWnd::PreCreateWindow(cs);
}

int CMainFrame::OnCreate(LPCREATESTRUCT cs) {
  if (CFrameWnd::OnCreate(cs) == -1) return -1;
  if (!m_wndStatusBar.Create(this) ||
      !m_wndStatusBar.SetIndicators(kIndicators, static_cast<int>(std::size(kIndicators))))
    return -1;
  if (!m_wndToolBar.Create(this)) return -1;
  m_wndToolBar.SetButtonLayout(30, 30, 5, 0, false, nullptr, 0);
  if (!m_wndToolBar.LoadBitmaps(IDR_TOOLBAR, IDB_TOOL_NORMAL, IDB_TOOL_DISABLED, IDB_TOOL_CHECKED))
    return 0;  // runs without a toolbar
  m_wndToolBar.SetBarStyle(m_wndToolBar.GetBarStyle() | CBRS_TOOLTIPS | CBRS_FLYBY | CBRS_SIZE_DYNAMIC);
  m_wndToolBar.EnableDocking(CBRS_ALIGN_ANY);
  EnableDocking(CBRS_ALIGN_ANY);
  DockControlBar(&m_wndToolBar);
  return 0;
}

BOOL CMainFrame::OnCreateClient(LPCREATESTRUCT, CCreateContext* context) {
  if (!m_wndSplitter.CreateStatic(this, 2, 1)) return FALSE;
  if (!m_wndSplitter.CreateView(0, 0, RUNTIME_CLASS(CHeadView), CSize(100, 150), context) ||
      !m_wndSplitter.CreateView(1, 0, RUNTIME_CLASS(CMyEditView), CSize(100, 120), context))
    return FALSE;
  CMyEditView* edit = GetEditView();
  SetActiveView(edit);
  edit->SetStatusBar(&m_wndStatusBar);
  return TRUE;
}

CMyEditView* CMainFrame::GetEditView() const {
  return m_wndSplitter.GetSafeHwnd() ? dynamic_cast<CMyEditView*>(m_wndSplitter.GetPane(1, 0)) : nullptr;
}

CHeadView* CMainFrame::GetHeadView() const {
  return m_wndSplitter.GetSafeHwnd() ? dynamic_cast<CHeadView*>(m_wndSplitter.GetPane(0, 0)) : nullptr;
}

void CMainFrame::OnExpandAll() {
  if (CMyEditView* view = GetEditView()) view->ExpandAll();
}
void CMainFrame::OnShowTextsToEdit() {
  if (CMyEditView* view = GetEditView()) view->ShowTextsToEdit();
}
void CMainFrame::OnMarkAllToEdit() {
  if (CMyEditView* view = GetEditView()) view->MarkAllToEdit();
}
void CMainFrame::OnMarkAllEdited() {
  if (CMyEditView* view = GetEditView()) view->MarkAllEdited();
}
void CMainFrame::OnCollapseAll() {
  if (CMyEditView* view = GetEditView()) view->CollapseAll();
}
void CMainFrame::OnFind() {
  if (CMyEditView* view = GetEditView()) view->OnFind();
}
void CMainFrame::OnReplace() {
  if (CMyEditView* view = GetEditView()) view->OnReplace();
}
void CMainFrame::OnUpdateFindReplace(CCmdUI* ui) {
  CMyEditView* view = GetEditView();
  ui->Enable(view && view->CanFindReplace());
}
void CMainFrame::OnSpecialChars() {
  m_bSpecialChars = !m_bSpecialChars;
  if (CMyEditView* view = GetEditView()) view->ToolWindows().ToggleSpecialChars(m_bSpecialChars);
}
void CMainFrame::OnUpdateSpecialChars(CCmdUI* ui) { ui->SetCheck(m_bSpecialChars ? 1 : 0); }
void CMainFrame::OnDialogEditor() {
  if (CMyEditView* view = GetEditView()) view->ToolWindows().ToggleDialogEditor();
}
void CMainFrame::OnUpdateDialogEditor(CCmdUI* ui) {
  CMyEditView* view = GetEditView();
  ui->SetCheck(view && view->ToolWindows().IsDialogEditorShown() ? 1 : 0);
}
void CMainFrame::OnEditPaste() {
  if (CMyEditView* view = GetEditView())
    if (CTextEdit* edit = view->GetTextEdit()) edit->Paste();
}
void CMainFrame::OnEditCut() {
  if (CMyEditView* view = GetEditView())
    if (CTextEdit* edit = view->GetTextEdit()) edit->Cut();
}
void CMainFrame::OnEditCopy() {
  if (CMyEditView* view = GetEditView())
    if (CTextEdit* edit = view->GetTextEdit()) edit->Copy();
}
void CMainFrame::OnStatistics() {
  CMyEditView* view = GetEditView();
  CTransDoc* doc = view ? view->GetDoc() : nullptr;
  if (!doc) return;
  doc->UpdateAllViews(DESK_HINT_STORE);  // count what is typed so far
  DeskRunStatisticsDialog(this, doc->Desk().GetRootNode());
}
LRESULT CMainFrame::OnFindReplaceMessage(WPARAM, LPARAM lParam) {
  if (CMyEditView* view = GetEditView()) view->OnFindReplaceMessage(lParam);
  return 0;
}

// ---- help ----

void CMainFrame::ShowHelp(UINT command, DWORD data) {
  const CString file = __X_CWinApp::ProgramHelpFile();
  // WinHelp waits for a help file that is not there.
  if (file.IsEmpty() || ::GetFileAttributes(file) == INVALID_FILE_ATTRIBUTES) return;
  ::WinHelp(m_hWnd, file, command, data);
}

void CMainFrame::OnHelp() { ShowHelp(HELP_CONTEXT, DeskHelpContext(0, 0, IDR_MAINFRAME)); }
void CMainFrame::OnHelpFinder() { ShowHelp(HELP_FINDER, 0); }
void CMainFrame::OnDefaultHelp() { ShowHelp(HELP_CONTENTS, 0); }

void CMainFrame::OnContextHelp() {
  if (m_bContextHelp) {
    EndContextHelp();
    return;
  }
  m_bContextHelp = true;
  ::SetCursor(::LoadCursor(nullptr, IDC_HELP));
}

void CMainFrame::OnUpdateContextHelp(CCmdUI* ui) { ui->SetCheck(m_bContextHelp ? 1 : 0); }

void CMainFrame::EndContextHelp() {
  m_bContextHelp = false;
  ::SetCursor(::LoadCursor(nullptr, IDC_ARROW));
}

DWORD CMainFrame::HelpContextAt(HWND wnd, POINT point) const {
  UINT command = 0;
  UINT control = 0;
  if (wnd == m_wndToolBar.GetSafeHwnd()) {
    const LRESULT hit = ::SendMessage(wnd, TB_HITTEST, 0, reinterpret_cast<LPARAM>(&point));
    if (hit >= 0 && hit < m_wndToolBar.GetCount()) {
      const UINT id = m_wndToolBar.GetItemID(static_cast<int>(hit));
      if (id != ID_SEPARATOR) command = id;
    }
  } else if (wnd && (::GetWindowLong(wnd, GWL_STYLE) & WS_CHILD)) {
    // A control of a view: a child of a child of the splitter's panes.
    HWND parent = ::GetParent(wnd);
    if (parent && parent != m_hWnd && ::GetParent(parent) != m_hWnd) control = static_cast<UINT>(::GetDlgCtrlID(wnd));
  }
  return DeskHelpContext(command, control, IDR_MAINFRAME);
}

BOOL CMainFrame::PreTranslateMessage(MSG* msg) {
  if (m_bContextHelp && (msg->hwnd == m_hWnd || ::IsChild(m_hWnd, msg->hwnd))) {
    switch (msg->message) {
      case WM_MOUSEMOVE:
        ::SetCursor(::LoadCursor(nullptr, IDC_HELP));
        return TRUE;
      case WM_LBUTTONDOWN: {
        const POINT point{static_cast<short>(LOWORD(msg->lParam)), static_cast<short>(HIWORD(msg->lParam))};
        const DWORD context = HelpContextAt(msg->hwnd, point);
        EndContextHelp();
        ShowHelp(HELP_CONTEXT, context);
        return TRUE;
      }
      case WM_LBUTTONUP:
        return TRUE;
      case WM_KEYDOWN:
        if (msg->wParam == VK_ESCAPE) {
          EndContextHelp();
          return TRUE;
        }
        break;
      case WM_RBUTTONDOWN:
        EndContextHelp();
        return TRUE;
      default:
        break;
    }
  }
  return CFrameWnd::PreTranslateMessage(msg);
}
