#include "SampleFrame.h"

#include "resource.h"

#include <iterator>

namespace {
const UINT kButtons[] = {ID_FILE_FORM, ID_TOOLS_CONTROLS, ID_TOOLS_LAYOUT, ID_TOOLS_PROPERTIES, ID_SEPARATOR,
                         ID_APP_ABOUT};
const int kButtonImages[] = {STD_FILENEW, STD_FIND, STD_PRINTPRE, STD_PROPERTIES, 0, STD_HELP};
const UINT kIndicators[] = {ID_SEPARATOR};

// The "Meldungen" commands: text and kind of each message box.
struct SampleMessage {
  UINT command;
  UINT text;
  UINT type;
};
const SampleMessage kMessages[] = {
    {ID_MSG_INFO, IDS_MSG_INFO, MB_OK | MB_ICONINFORMATION},
    {ID_MSG_QUESTION, IDS_MSG_QUESTION, MB_YESNOCANCEL | MB_ICONQUESTION},
    {ID_MSG_WARNING, IDS_MSG_WARNING, MB_OKCANCEL | MB_ICONWARNING},
    {ID_MSG_ERROR, IDS_MSG_ERROR, MB_ABORTRETRYIGNORE | MB_ICONERROR},
};

// Room for the form beside the bars.
const int kFrameWidth = 640, kFrameHeight = 440;

// What the find dialog tells its owner.
const UINT kFindMessage = ::RegisterWindowMessage(FINDMSGSTRING);
}  // namespace

BEGIN_MESSAGE_MAP(CSampleFrame, CFrameWnd)
  ON_WM_CREATE()
  ON_WM_CLOSE()
  ON_COMMAND(ID_FILE_FORM, OnFileForm)
  ON_COMMAND(ID_FILE_FIND, OnFileFind)
  ON_COMMAND(ID_FILE_COLOR, OnFileColor)
  ON_REGISTERED_MESSAGE(kFindMessage, OnFindMessage)
  ON_COMMAND(ID_TOOLS_CONTROLS, OnToolsControls)
  ON_COMMAND(ID_TOOLS_LAYOUT, OnToolsLayout)
  ON_COMMAND(ID_TOOLS_PROPERTIES, OnToolsProperties)
  ON_COMMAND_RANGE(ID_MSG_INFO, ID_MSG_ERROR, OnMessageBox)
  ON_COMMAND(ID_APP_ABOUT, OnAppAbout)
  ON_MESSAGE(WM_SAMPLE_LANGUAGE_CHANGED, OnLanguageChanged)
END_MESSAGE_MAP()

BOOL CSampleFrame::LoadFrame(UINT resourceId, DWORD style, CWnd* parent) {
  SetTitle(SampleText(AFX_IDS_APP_TITLE));
  if (!CFrameWnd::LoadFrame(resourceId, style, parent)) return FALSE;
  SetWindowPos(nullptr, 0, 0, kFrameWidth, kFrameHeight, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  return TRUE;
}

int CSampleFrame::OnCreate(LPCREATESTRUCT cs) {
  if (CFrameWnd::OnCreate(cs) == -1) return -1;
  if (!m_wndToolBar.Create(this) || !m_wndToolBar.LoadStandardImages() ||
      !m_wndToolBar.SetButtons(kButtons, static_cast<int>(std::size(kButtons)), kButtonImages))
    return -1;
  if (!m_wndStatusBar.Create(this) ||
      !m_wndStatusBar.SetIndicators(kIndicators, static_cast<int>(std::size(kIndicators))))
    return -1;
  return 0;
}

CSampleDlg* CSampleFrame::GetForm() { return m_form.m_hWnd ? &m_form : nullptr; }

// Opens the form below the toolbar, or brings the open one forward.
void CSampleFrame::OnFileForm() {
  if (m_form.m_hWnd) {
    m_form.SetActiveWindow();
    return;
  }
  if (!m_form.Create(IDD_SAMPLE_FORM, this)) return;
  CRect bar;
  m_wndToolBar.GetWindowRect(&bar);
  CPoint at(bar.left + 16, bar.bottom + 16);
  m_form.SetWindowPos(nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  m_form.ShowWindow(SW_SHOW);
}

// The system's find dialog, modeless, or the open one brought forward.
void CSampleFrame::OnFileFind() {
  if (m_pFind) {
    m_pFind->SetActiveWindow();
    return;
  }
  CFindReplaceDialog* find = new CFindReplaceDialog;
  if (!find->Create(TRUE, _T(""), nullptr, FR_DOWN, this)) {
    if (find->m_hWnd)
      find->DestroyWindow();  // deletes the object
    else
      delete find;
    return;
  }
  m_pFind = find;
}

// The find dialog closes itself; there is nothing in the sample to search.
LRESULT CSampleFrame::OnFindMessage(WPARAM, LPARAM lParam) {
  const FINDREPLACE* fr = reinterpret_cast<const FINDREPLACE*>(lParam);
  if (fr && (fr->Flags & FR_DIALOGTERM)) m_pFind = nullptr;
  return 0;
}

// The system's colour dialog, opened with the colour chosen last.
void CSampleFrame::OnFileColor() {
  CColorDialog dialog(m_color, CC_FULLOPEN, this);
  if (dialog.DoModal() == IDOK) m_color = dialog.GetColor();
}

void CSampleFrame::OnToolsControls() {
  CSampleControlsDlg dialog(this);
  dialog.DoModal();
}

void CSampleFrame::OnToolsLayout() {
  CDialog dialog(IDD_SAMPLE_LAYOUT, this);
  dialog.DoModal();
}

void CSampleFrame::OnToolsProperties() {
  CPropertySheet sheet(SampleText(IDS_PROPERTIES), this);
  sheet.m_psh.dwFlags |= PSH_HASHELP;
  sheet.AddPage(&m_generalPage);
  sheet.AddPage(&m_displayPage);
  sheet.DoModal();
}

void CSampleFrame::OnMessageBox(UINT id) {
  for (const SampleMessage& m : kMessages)
    if (m.command == id) LWAfxMessageBox(m.text, m.type);
}

void CSampleFrame::OnAppAbout() { ShowSampleAboutBox(this); }

// "Beenden" and the close box ask first.
void CSampleFrame::OnClose() {
  if (LWAfxMessageBox(IDS_CONFIRM_EXIT, MB_YESNO) != IDYES) return;
  CFrameWnd::OnClose();
}

// The title and the idle text of the new language. A common dialog is not
// translated again, so an open find dialog is closed (as by its Cancel).
LRESULT CSampleFrame::OnLanguageChanged(WPARAM, LPARAM) {
  if (m_pFind && m_pFind->m_hWnd) m_pFind->SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
  SetTitle(SampleText(AFX_IDS_APP_TITLE));
  OnUpdateFrameTitle();
  SetMessageText(AFX_IDS_IDLEMESSAGE);
  return 0;
}
