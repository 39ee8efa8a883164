#include "DialogPreview.h"

#include "DeskDialogIds.h"
#include "LwvProgram.h"
#include "PreviewTemplate.h"
#include "TraFile.h"
#include "TraNode.h"

namespace {

const UINT_PTR kRedrawFrames = 32778;
const UINT_PTR kGiveBackActivation = 32779;
const UINT kTimerMs = 20;

// A device context of the window with a dotted or solid black pen and no brush.
class FrameDc {
 public:
  FrameDc(HWND wnd, int penStyle, int width, int rop = R2_COPYPEN) : m_wnd(wnd), m_dc(::GetDC(wnd)) {
    m_pen = ::CreatePen(penStyle, width, RGB(0, 0, 0));
    m_oldPen = ::SelectObject(m_dc, m_pen);
    m_oldBrush = ::SelectObject(m_dc, ::GetStockObject(NULL_BRUSH));
    m_oldRop = ::SetROP2(m_dc, rop);
    m_oldBk = ::SetBkMode(m_dc, TRANSPARENT);
  }
  ~FrameDc() {
    ::SetBkMode(m_dc, m_oldBk);
    ::SetROP2(m_dc, m_oldRop);
    ::SelectObject(m_dc, m_oldBrush);
    ::SelectObject(m_dc, m_oldPen);
    ::DeleteObject(m_pen);
    ::ReleaseDC(m_wnd, m_dc);
  }
  FrameDc(const FrameDc&) = delete;
  FrameDc& operator=(const FrameDc&) = delete;
  void Rectangle(const RECT& r) { ::Rectangle(m_dc, r.left, r.top, r.right, r.bottom); }

 private:
  HWND m_wnd;
  HDC m_dc;
  HPEN m_pen;
  HGDIOBJ m_oldPen, m_oldBrush;
  int m_oldRop, m_oldBk;
};

}  // namespace

void CLwvPreviewProgram::SetBusy(bool busy) { LWSetBusy(busy ? TRUE : FALSE); }

std::unique_ptr<CTraNode> CLwvPreviewProgram::MakeHintDialog() {
  const std::shared_ptr<const CTraFile> file = LWGetCurrentFile();
  return CopyHintDialog(file.get());
}

BEGIN_MESSAGE_MAP(CDialogPreview, CDialog)
  ON_WM_MOUSEMOVE()
  ON_WM_LBUTTONDOWN()
  ON_WM_LBUTTONUP()
  ON_WM_RBUTTONDOWN()
  ON_WM_RBUTTONUP()
  ON_MESSAGE(WM_NCMOUSEMOVE, OnNcMouseMove)
  ON_MESSAGE(WM_NCLBUTTONDOWN, OnNcLButtonDown)
  ON_MESSAGE(WM_NCRBUTTONDOWN, OnNcRButtonDown)
  ON_WM_SETCURSOR()
  ON_WM_PAINT()
  ON_WM_MOVE()
  ON_WM_ACTIVATE()
  ON_WM_CLOSE()
  ON_WM_DESTROY()
  ON_WM_TIMER()
  ON_MESSAGE(kRedrawFrames, OnRedrawFrames)
  ON_MESSAGE(kGiveBackActivation, OnGiveBackActivation)
  ON_COMMAND(ID_DESK_PREVIEW_UNDO, OnUndo)
  ON_COMMAND(ID_DESK_PREVIEW_UNDO_ALL, OnUndoAll)
  ON_COMMAND(ID_DESK_PREVIEW_LOAD_ORIGINAL, OnLoadOriginal)
  ON_COMMAND(ID_DESK_PREVIEW_LOAD_ALL_ORIGINALS, OnLoadAllOriginals)
END_MESSAGE_MAP()

CDialogPreview::CDialogPreview(CWnd* frame, CPreviewDocument& document, CUiServices& ui, CPreviewProgram* program)
    : m_pFrame(frame),
      m_editor(*this, document, program ? *program : m_lwvProgram, ui),
      m_hCursor(::LoadCursor(nullptr, IDC_ARROW)) {}

CDialogPreview::~CDialogPreview() {
  if (GetSafeHwnd()) DestroyWindow();
}

bool CDialogPreview::CreatePreview(const std::vector<BYTE>& dialogTemplate) {
  m_template = dialogTemplate;
  const BOOL made = CreateIndirect(reinterpret_cast<LPCDLGTEMPLATE>(m_template.data()), m_pFrame);
  return made && GetSafeHwnd() != nullptr;
}

void CDialogPreview::DestroyPreview() {
  if (GetSafeHwnd()) DestroyWindow();
}

BOOL CDialogPreview::OnInitDialog() {
  CDialog::OnInitDialog();
  if (m_remembered.x < -2999) {
    RECT me, frame;
    GetWindowRect(&me);
    if (m_pFrame && m_pFrame->GetSafeHwnd())
      m_pFrame->GetWindowRect(&frame);
    else
      ::SystemParametersInfo(SPI_GETWORKAREA, 0, &frame, 0);
    m_remembered.x = frame.right < me.left ? frame.right : me.left;
    const LONG y = frame.top + (frame.bottom - frame.top) / 3;
    m_remembered.y = y < me.top ? y : me.top;
  }
  SetWindowPos(nullptr, m_remembered.x, m_remembered.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  if (!m_pPosition) m_pPosition.reset(new CPositionInfoDlg(m_pFrame));
  m_pPosition->MoveBeside(m_remembered.x, m_remembered.y);

  std::vector<RECT> rects;
  RECT client;
  GetClientRect(&client);
  rects.push_back(client);
  const CTraNode* shown = m_editor.GetShownNode();
  const int count = shown ? PreviewControlCount(*shown) : 0;
  for (int i = 0; i < count; ++i) {
    RECT r = {0, 0, 0, 0};
    if (CWnd* control = GetDlgItem(preview::kFirstControlId + i)) {
      control->SetWindowText(shown->GetChild(i)->GetTranslation());
      control->GetWindowRect(&r);
      ScreenToClient(&r);
      if (r.left > r.right) std::swap(r.left, r.right);
      if (r.top > r.bottom) std::swap(r.top, r.bottom);
    }
    rects.push_back(r);
  }
  RECT units = {0, 0, 1000, 1000};
  MapDialogRect(&units);
  m_pPosition->ShowWindow(SW_SHOWNOACTIVATE);
  m_editor.OnWindowCreated(rects, units.right * 0.001, units.bottom * 0.001);
  return TRUE;
}

// ---- mouse ----

void CDialogPreview::TakeMouse() {
  if (GetCapture() != this) {
    SetCapture();
    m_editor.ResetButtons();
  }
  ::SetCursor(m_hCursor);
}

void CDialogPreview::OnMouseMove(UINT flags, CPoint point) {
  CDialog::OnMouseMove(flags, point);
  RECT client;
  GetClientRect(&client);
  if (::PtInRect(&client, point))
    TakeMouse();
  else if (!m_editor.IsDragging() && GetCapture() == this)
    ::ReleaseCapture();
  m_editor.OnMouseMove(point);
}

void CDialogPreview::OnLButtonDown(UINT flags, CPoint point) {
  CDialog::OnLButtonDown(flags, point);
  m_editor.OnLeftDown(point);
}

void CDialogPreview::OnLButtonUp(UINT flags, CPoint point) {
  CDialog::OnLButtonUp(flags, point);
  m_editor.OnLeftUp(point);
  SetTimer(kGiveBackActivation, kTimerMs);
}

void CDialogPreview::OnRButtonDown(UINT flags, CPoint point) {
  CDialog::OnRButtonDown(flags, point);
  m_editor.OnRightDown(point);
}

void CDialogPreview::OnRButtonUp(UINT flags, CPoint point) {
  CDialog::OnRButtonUp(flags, point);
  if (!m_editor.IsRightDrag()) return;
  if (m_editor.OnRightUp(point)) ShowContextMenu(point);
  SetTimer(kRedrawFrames, kTimerMs);
  SetTimer(kGiveBackActivation, kTimerMs);
}

CPoint CDialogPreview::NcToClient(LPARAM lParam, bool* besideClient) const {
  CPoint p(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
  RECT window;
  GetWindowRect(&window);
  const bool inWindow = ::PtInRect(&window, p) != FALSE;
  ScreenToClient(&p);
  RECT client;
  GetClientRect(&client);
  *besideClient = inWindow && (p.x >= client.right || p.y >= client.bottom);
  return p;
}

LRESULT CDialogPreview::OnNcMouseMove(WPARAM, LPARAM lParam) {
  bool beside = false;
  const CPoint p = NcToClient(lParam, &beside);
  if (beside)
    TakeMouse();
  else if (!m_editor.IsDragging() && GetCapture() == this)
    ::ReleaseCapture();
  m_editor.OnMouseMove(p);
  return Default();
}

LRESULT CDialogPreview::OnNcLButtonDown(WPARAM, LPARAM lParam) {
  bool beside = false;
  const CPoint p = NcToClient(lParam, &beside);
  if (beside) {
    TakeMouse();
    m_editor.OnLeftDown(p);  // a resize of the dialog from its border
    return 0;
  }
  if (!m_editor.IsDragging() && GetCapture() == this) ::ReleaseCapture();
  m_editor.OnMouseMove(p);
  return Default();
}

LRESULT CDialogPreview::OnNcRButtonDown(WPARAM, LPARAM lParam) {
  bool beside = false;
  const CPoint p = NcToClient(lParam, &beside);
  TakeMouse();
  m_editor.OnRightDown(p);  // the window can be dragged by its caption or border
  return 0;
}

BOOL CDialogPreview::OnSetCursor(CWnd* wnd, UINT hitTest, UINT message) {
  if (hitTest == HTCLIENT) {
    ::SetCursor(m_hCursor);
    return TRUE;
  }
  return CDialog::OnSetCursor(wnd, hitTest, message);
}

void CDialogPreview::ShowContextMenu(CPoint point) {
  const PreviewMenuState state = m_editor.PrepareContextMenu(point);
  CMenu menu;
  if (!menu.LoadMenu(IDR_DESK_PREVIEW_CONTEXT)) return;
  CMenu* popup = menu.GetSubMenu(0);
  if (!popup) return;
  auto enable = [&](UINT id, bool on) { ::EnableMenuItem(popup->GetSafeHmenu(), id, MF_BYCOMMAND | (on ? MF_ENABLED : MF_GRAYED)); };
  enable(ID_DESK_PREVIEW_UNDO, state.undo);
  enable(ID_DESK_PREVIEW_UNDO_ALL, state.undoAll);
  enable(ID_DESK_PREVIEW_LOAD_ORIGINAL, state.loadOriginal);
  enable(ID_DESK_PREVIEW_LOAD_ALL_ORIGINALS, state.loadAllOriginals);
  CPoint screen = point;
  ClientToScreen(&screen);
  popup->TrackPopupMenu(TPM_RIGHTBUTTON, screen.x, screen.y, this);
  menu.DestroyMenu();
  m_editor.OnMouseMove(point);
}

// ---- painting, timers, window ----

void CDialogPreview::OnPaint() {
  { CPaintDC dc(this); }
  SetTimer(kRedrawFrames, kTimerMs);
}

void CDialogPreview::OnTimer(UINT_PTR id) {
  KillTimer(id);
  if (id == kRedrawFrames)
    m_editor.DrawFrames();
  else if (id == kGiveBackActivation)
    m_editor.GiveBackActivation();
  else
    CDialog::OnTimer(id);
}

LRESULT CDialogPreview::OnRedrawFrames(WPARAM, LPARAM) {
  m_editor.DrawFrames();
  return 0;
}

LRESULT CDialogPreview::OnGiveBackActivation(WPARAM, LPARAM) {
  m_editor.GiveBackActivation();
  return 0;
}

bool CDialogPreview::IsPreviewActive() { return GetActiveWindow() == this; }

bool CDialogPreview::ActivateOwner() {
  if (!m_pFrame || !m_pFrame->GetSafeHwnd()) return false;
  m_pFrame->SetActiveWindow();
  return true;
}

void CDialogPreview::RefreshCaptions() {
  for (CWnd* wnd : {static_cast<CWnd*>(this), m_pFrame}) {
    if (!wnd || !wnd->GetSafeHwnd()) continue;
    CString text;
    wnd->GetWindowText(text);
    wnd->SetWindowText(text);
  }
}

void CDialogPreview::OnActivate(UINT state, CWnd* other, BOOL minimized) {
  CDialog::OnActivate(state, other, minimized);
  if (state != WA_INACTIVE) SetTimer(kGiveBackActivation, kTimerMs);
}

void CDialogPreview::OnMove(int x, int y) {
  CDialog::OnMove(x, y);
  if (!m_pPosition) return;
  RECT r;
  GetWindowRect(&r);
  m_pPosition->MoveBeside(r.left, r.top);
}

void CDialogPreview::OnClose() {
  if (m_closeCommand)
    m_closeCommand();
  else
    m_editor.Show(false);
}

void CDialogPreview::OnDestroy() {
  RECT r;
  GetWindowRect(&r);
  m_remembered = {r.left, r.top};
  if (GetCapture() == this) ::ReleaseCapture();
  m_editor.OnWindowDestroyed();
  if (m_pPosition) m_pPosition->ShowWindow(SW_HIDE);
  m_template.clear();
  CDialog::OnDestroy();
}

// ---- what the editor asks of the window ----

void CDialogPreview::SetCursor(int cursorId) {
  m_hCursor = ::LoadCursor(nullptr, MAKEINTRESOURCE(cursorId));
  ::SetCursor(m_hCursor);
}

void CDialogPreview::DrawHoverFrame(const RECT& r) {
  FrameDc dc(m_hWnd, PS_DOT, 1);
  dc.Rectangle(r);
}

void CDialogPreview::DrawSelectionFrame(const RECT& r) {
  FrameDc dc(m_hWnd, PS_DOT, 2);
  dc.Rectangle(r);
}

void CDialogPreview::XorBand(const RECT& r) {
  FrameDc dc(m_hWnd, PS_DOT, 1, R2_XORPEN);
  dc.Rectangle(r);
}

void CDialogPreview::EraseRect(const RECT& r) {
  ::InvalidateRect(m_hWnd, &r, TRUE);
  UpdateWindow();
}

void CDialogPreview::InvalidateAll() { Invalidate(); }

void CDialogPreview::MoveControl(int index, const RECT& r, bool repaint) {
  if (CWnd* control = GetDlgItem(preview::kFirstControlId - 1 + index))
    control->MoveWindow(r.left, r.top, r.right - r.left, r.bottom - r.top, repaint ? TRUE : FALSE);
}

RECT CDialogPreview::GetControlRect(int index) {
  RECT r = {0, 0, 0, 0};
  if (CWnd* control = GetDlgItem(preview::kFirstControlId - 1 + index)) {
    control->GetWindowRect(&r);
    ScreenToClient(&r);
  }
  return r;
}

void CDialogPreview::SetClientSize(int cx, int cy) {
  RECT r = {0, 0, cx, cy};
  ::AdjustWindowRectEx(&r, GetStyle(), ::GetMenu(m_hWnd) != nullptr, GetExStyle());
  SetWindowPos(nullptr, 0, 0, r.right - r.left, r.bottom - r.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CDialogPreview::MoveWindowBy(int dx, int dy) {
  RECT r;
  GetWindowRect(&r);
  SetWindowPos(nullptr, r.left + dx, r.top + dy, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CDialogPreview::SetCaption(const CString& text) { SetWindowText(text); }

void CDialogPreview::SetControlText(int index, const CString& text) {
  if (CWnd* control = GetDlgItem(preview::kFirstControlId - 1 + index)) control->SetWindowText(text);
}

void CDialogPreview::ShowPositionRect(const RECT* units) {
  if (m_pPosition) m_pPosition->SetRect(units);
}

void CDialogPreview::ShowPositionPoint(int x, int y) {
  if (m_pPosition) m_pPosition->SetPoint(x, y);
}
