#include "HeadView.h"

#include "DeskResource.h"
#include "DeskViewHints.h"
#include "TraFile.h"
#include "TransDoc.h"

#include "LwvMFC.h"  // last: it renames CString

IMPLEMENT_DYNCREATE(CHeadView, CFormView)

BEGIN_MESSAGE_MAP(CHeadView, CFormView)
  ON_WM_LBUTTONDOWN()
  ON_WM_PAINT()
  ON_EN_CHANGE(IDC_HEAD_LANGUAGE, OnChangeHeaderEdit)
  ON_EN_CHANGE(IDC_HEAD_COMMENT, OnChangeHeaderEdit)
  ON_EN_CHANGE(IDC_HEAD_AUTHOR, OnChangeHeaderEdit)
END_MESSAGE_MAP()

CHeadView::CHeadView() : CFormView(IDD_HEADVIEW) {}

CTransDoc* CHeadView::GetDoc() const { return dynamic_cast<CTransDoc*>(GetDocument()); }

void CHeadView::OnInitialUpdate() {
  CFormView::OnInitialUpdate();
  LWTranslateDialog(this, 0);
  SetScrollSizes(MM_TEXT, CSize(1, 1));
  // The flags are drawn at the places of these statics, which would paint over them.
  for (int id : {IDC_HEAD_FLAG, IDC_HEAD_OVERLAY_FLAG})
    if (CWnd* place = GetDlgItem(id)) place->ShowWindow(SW_HIDE);
  FillFromDocument();
}

void CHeadView::FillFromDocument() {
  CTransDoc* doc = GetDoc();
  if (!doc || !m_hWnd) return;
  CDeskDocument& desk = doc->Desk();
  m_bFilling = true;
  SetDlgItemText(IDC_HEAD_LANGUAGE, desk.GetLanguageName());
  SetDlgItemText(IDC_HEAD_PROGRAM, desk.GetProgramName());
  SetDlgItemText(IDC_HEAD_VERSION, desk.GetVersion());
  SetDlgItemText(IDC_HEAD_COMMENT, desk.GetComment());
  SetDlgItemText(IDC_HEAD_DATE, desk.GetDate());
  SetDlgItemText(IDC_HEAD_AUTHOR, desk.GetAuthor());
  const bool overlay = desk.GetOverlayRootNode() != nullptr;
  SetDlgItemText(IDC_HEAD_OVERLAY, desk.GetOverlayLanguageName());  // empty without an overlay
  if (CWnd* item = GetDlgItem(IDC_HEAD_OVERLAY)) item->EnableWindow(overlay);
  if (CWnd* item = GetDlgItem(IDC_HEAD_OVERLAY_LABEL)) item->EnableWindow(overlay);
  CTraFile* file = desk.GetFile();
  const bool addOns = file && file->GetAddOnFiles() && file->GetAddOnFiles()->GetCount() > 0;
  if (CWnd* item = GetDlgItem(IDC_HEAD_ADDONS)) item->EnableWindow(addOns);
  m_bFilling = false;
}

void CHeadView::Refresh() {
  if (CTransDoc* doc = GetDoc()) SetDlgItemText(IDC_HEAD_DATE, doc->Desk().GetDate());
}

void CHeadView::OnUpdate(CView*, LPARAM hint, CObject*) {
  CTransDoc* doc = GetDoc();
  if (!doc || !m_hWnd) return;
  switch (hint) {
    case DESK_HINT_REBUILD:
      FillFromDocument();
      Invalidate(TRUE);
      break;
    case DESK_HINT_STORE: {
      CString text;
      GetDlgItemText(IDC_HEAD_LANGUAGE, text);
      doc->Desk().SetLanguageName(text);
      GetDlgItemText(IDC_HEAD_COMMENT, text);
      doc->Desk().SetComment(text);
      GetDlgItemText(IDC_HEAD_AUTHOR, text);
      doc->Desk().SetAuthor(text);
      break;
    }
    case DESK_HINT_REPAINT:
      Invalidate(TRUE);
      break;
    case DESK_HINT_REPAINT_KEEP:
      Invalidate(FALSE);
      break;
    case DESK_HINT_REFRESH_HEADER:
      Refresh();
      break;
    default:
      break;
  }
}

void CHeadView::OnChangeHeaderEdit() {
  if (m_bFilling) return;
  CTransDoc* doc = GetDoc();
  if (!doc) return;
  if (doc->Desk().IsOriginal()) {
    FillFromDocument();
    doc->Desk().OfferNewTranslation();
    return;
  }
  doc->Desk().SetModified();
}

CRect CHeadView::ControlRect(int id) const {
  CRect rect(0, 0, 0, 0);
  if (CWnd* item = GetDlgItem(id)) {
    item->GetWindowRect(&rect);
    ScreenToClient(&rect);
  }
  return rect;
}

CRect CHeadView::FlagSquare() const {
  const CRect place = ControlRect(IDC_HEAD_FLAG);
  return CRect(place.left, place.top, place.left + 32, place.top + 32);
}

void CHeadView::OnPaint() {
  PAINTSTRUCT paint;
  HDC dc = ::BeginPaint(m_hWnd, &paint);
  OnDraw(CDC::FromHandle(dc));
  ::EndPaint(m_hWnd, &paint);
}

void CHeadView::OnDraw(CDC* dc) {
  CTransDoc* doc = GetDoc();
  if (!doc || !dc) return;
  CDeskDocument& desk = doc->Desk();
  DrawAddOnMarker(dc->GetSafeHdc());
  if (CTraFile* file = desk.GetFile()) DrawFlag(dc->GetSafeHdc(), IDC_HEAD_FLAG, file->GetFlagPixels());
  if (CTraFile* overlay = desk.GetOverlayFile())
    DrawFlag(dc->GetSafeHdc(), IDC_HEAD_OVERLAY_FLAG, overlay->GetFlagPixels());
}

void CHeadView::DrawFlag(HDC dc, int controlId, const COLORREF* pixels) {
  const CRect place = ControlRect(controlId);
  if (place.IsRectEmpty() || !pixels) return;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = 32;
  info.bmiHeader.biHeight = -32;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  DWORD bits[32 * 32];
  for (int i = 0; i < 32 * 32; ++i)
    bits[i] = (GetRValue(pixels[i]) << 16) | (GetGValue(pixels[i]) << 8) | GetBValue(pixels[i]);
  ::SetDIBitsToDevice(dc, place.left, place.top, 32, 32, 0, 0, 0, 32, bits, &info, DIB_RGB_COLORS);
}

void CHeadView::DrawAddOnMarker(HDC dc) {
  CTransDoc* doc = GetDoc();
  CTraFile* file = doc ? doc->Desk().GetFile() : nullptr;
  CWnd* marker = GetDlgItem(IDC_HEAD_ADDON_MARKER);
  if (!marker) return;
  const bool none = !file || file->IsOriginal() || !file->GetAddOnFiles() || file->GetAddOnFiles()->GetCount() == 0;
  marker->ShowWindow(none ? SW_SHOW : SW_HIDE);
  if (none) return;
  const CRect place = ControlRect(IDC_HEAD_ADDON_MARKER);
  HBITMAP bitmap = ::LoadBitmap(AfxGetInstanceHandle(),
                                MAKEINTRESOURCE(file->AreAddOnFilesImported() ? IDB_ADDON_IMPORTED : IDB_ADDON_OPEN));
  if (!bitmap) return;
  HDC memory = ::CreateCompatibleDC(dc);
  HGDIOBJ old = ::SelectObject(memory, bitmap);
  ::BitBlt(dc, place.left, place.top, 32, 32, memory, 0, 0, SRCCOPY);
  ::SelectObject(memory, old);
  ::DeleteDC(memory);
  ::DeleteObject(bitmap);
}

void CHeadView::OnLButtonDown(UINT, CPoint point) {
  CTransDoc* doc = GetDoc();
  if (doc && FlagSquare().PtInRect(point)) {
    if (doc->Desk().IsOriginal()) {
      doc->Desk().OfferNewTranslation();
      return;
    }
    doc->Desk().OnChooseFlag();
  }
  Default();
}
