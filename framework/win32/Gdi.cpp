#include "Gdi.h"

#include "HandleMap.h"

namespace {
template <class T>
lw::HandleMap<T, HGDIOBJ>& GdiTemporaries() {
  thread_local lw::HandleMap<T, HGDIOBJ> map;
  return map;
}

template <class T>
T* TemporaryGdi(HGDIOBJ object) {
  return GdiTemporaries<T>().FromHandle(object, [](HGDIOBJ h) {
    T* o = new T;
    o->m_hObject = h;
    return o;
  });
}

lw::HandleMap<CDC, HDC>& DcTemporaries() {
  thread_local lw::HandleMap<CDC, HDC> map;
  return map;
}
}  // namespace

CDC* lw::DcFromHandle(HDC dc) { return CDC::FromHandle(dc); }

// ---- a window's font and device contexts ---------------------------------------

void CWnd::SetFont(CFont* font, BOOL redraw) {
  ::SendMessage(m_hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(font ? font->m_hObject : nullptr), redraw);
}
CFont* CWnd::GetFont() const {
  return CFont::FromHandle(reinterpret_cast<HFONT>(::SendMessage(m_hWnd, WM_GETFONT, 0, 0)));
}
CDC* CWnd::GetDC() { return CDC::FromHandle(::GetDC(m_hWnd)); }
CDC* CWnd::GetWindowDC() { return CDC::FromHandle(::GetWindowDC(m_hWnd)); }
int CWnd::ReleaseDC(CDC* dc) { return dc ? ::ReleaseDC(m_hWnd, dc->m_hDC) : 0; }

// ---- GDI objects --------------------------------------------------------------

CGdiObject::~CGdiObject() { DeleteObject(); }

HGDIOBJ CGdiObject::GetSafeHandle() const {
  const CGdiObject* self = lw::Opaque(this);
  return self ? self->m_hObject : nullptr;
}

CGdiObject* CGdiObject::FromHandle(HGDIOBJ object) { return TemporaryGdi<CGdiObject>(object); }

void CGdiObject::DeleteTempMap() {
  GdiTemporaries<CGdiObject>().DeleteTemporaries();
  GdiTemporaries<CPen>().DeleteTemporaries();
  GdiTemporaries<CBrush>().DeleteTemporaries();
  GdiTemporaries<CFont>().DeleteTemporaries();
  GdiTemporaries<CBitmap>().DeleteTemporaries();
}

BOOL CGdiObject::Attach(HGDIOBJ object) {
  if (!object || m_hObject) return FALSE;
  m_hObject = object;
  return TRUE;
}

HGDIOBJ CGdiObject::Detach() {
  HGDIOBJ object = m_hObject;
  m_hObject = nullptr;
  return object;
}

BOOL CGdiObject::DeleteObject() {
  HGDIOBJ object = Detach();
  return object ? ::DeleteObject(object) : FALSE;
}

BOOL CGdiObject::CreateStockObject(int index) { return !m_hObject && Attach(::GetStockObject(index)); }

int CGdiObject::GetObject(int size, LPVOID buffer) const { return ::GetObject(m_hObject, size, buffer); }

CPen* CPen::FromHandle(HPEN pen) { return TemporaryGdi<CPen>(pen); }
BOOL CPen::CreatePen(int style, int width, COLORREF color) {
  return !m_hObject && Attach(::CreatePen(style, width, color));
}

CBrush* CBrush::FromHandle(HBRUSH brush) { return TemporaryGdi<CBrush>(brush); }
BOOL CBrush::CreateSolidBrush(COLORREF color) { return !m_hObject && Attach(::CreateSolidBrush(color)); }
BOOL CBrush::CreateSysColorBrush(int index) { return !m_hObject && Attach(::GetSysColorBrush(index)); }
BOOL CBrush::CreatePatternBrush(CBitmap* bitmap) {
  return bitmap && !m_hObject && Attach(::CreatePatternBrush(static_cast<HBITMAP>(bitmap->m_hObject)));
}

CFont* CFont::FromHandle(HFONT font) { return TemporaryGdi<CFont>(font); }

BOOL CFont::CreateFont(int height, int width, int escapement, int orientation, int weight, BYTE italic,
                       BYTE underline, BYTE strikeOut, BYTE charSet, BYTE outPrecision, BYTE clipPrecision,
                       BYTE quality, BYTE pitchAndFamily, LPCTSTR faceName) {
  return !m_hObject && Attach(::CreateFont(height, width, escapement, orientation, weight, italic, underline,
                                           strikeOut, charSet, outPrecision, clipPrecision, quality,
                                           pitchAndFamily, faceName));
}

BOOL CFont::CreateFontIndirect(const LOGFONT* font) {
  return font && !m_hObject && Attach(::CreateFontIndirect(font));
}

BOOL CFont::CreatePointFont(int pointSize, LPCTSTR faceName, CDC* dc) {
  LOGFONT font{};
  font.lfCharSet = DEFAULT_CHARSET;
  font.lfHeight = pointSize;
  if (faceName) lstrcpyn(font.lfFaceName, faceName, LF_FACESIZE);
  return CreatePointFontIndirect(&font, dc);
}

// lfHeight holds tenths of a point; it becomes a character height in pixels.
BOOL CFont::CreatePointFontIndirect(const LOGFONT* font, CDC* dc) {
  if (!font) return FALSE;
  HDC hdc = dc ? dc->m_hDC : ::GetDC(nullptr);
  LOGFONT copy = *font;
  int dpi = hdc ? ::GetDeviceCaps(hdc, LOGPIXELSY) : 96;
  copy.lfHeight = -::MulDiv(font->lfHeight, dpi, 720);
  if (!dc && hdc) ::ReleaseDC(nullptr, hdc);
  return CreateFontIndirect(&copy);
}

int CFont::GetLogFont(LOGFONT* font) const { return ::GetObject(m_hObject, sizeof(LOGFONT), font); }

CPalette* CPalette::FromHandle(HPALETTE palette) { return TemporaryGdi<CPalette>(palette); }
BOOL CPalette::CreatePalette(const LOGPALETTE* logPalette) {
  return !m_hObject && logPalette && Attach(::CreatePalette(logPalette));
}
int CPalette::GetEntryCount() const {
  WORD count = 0;
  return m_hObject && ::GetObject(m_hObject, sizeof(count), &count) ? count : 0;
}

CBitmap* CBitmap::FromHandle(HBITMAP bitmap) { return TemporaryGdi<CBitmap>(bitmap); }
BOOL CBitmap::LoadBitmap(UINT id) { return LoadBitmap(MAKEINTRESOURCE(id)); }
BOOL CBitmap::LoadBitmap(LPCTSTR name) {
  return !m_hObject && Attach(::LoadBitmap(AfxGetResourceHandle(), name));
}
BOOL CBitmap::LoadOEMBitmap(UINT id) { return !m_hObject && Attach(::LoadBitmap(nullptr, MAKEINTRESOURCE(id))); }
BOOL CBitmap::CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits) {
  return !m_hObject && Attach(::CreateBitmap(width, height, planes, bitsPerPixel, bits));
}
BOOL CBitmap::CreateCompatibleBitmap(CDC* dc, int width, int height) {
  return dc && !m_hObject && Attach(::CreateCompatibleBitmap(dc->m_hDC, width, height));
}
int CBitmap::GetBitmap(BITMAP* info) const { return ::GetObject(m_hObject, sizeof(BITMAP), info); }
CSize CBitmap::GetSize() const {
  BITMAP info{};
  return GetBitmap(&info) ? CSize(info.bmWidth, info.bmHeight) : CSize();
}

// ---- device contexts ------------------------------------------------------

CDC::~CDC() {
  if (m_release == Release::deleteDC) DeleteDC();
}

HDC CDC::GetSafeHdc() const {
  const CDC* self = lw::Opaque(this);
  return self ? self->m_hDC : nullptr;
}

CDC* CDC::FromHandle(HDC dc) {
  return DcTemporaries().FromHandle(dc, [](HDC h) {
    CDC* c = new CDC;
    c->m_hDC = h;
    return c;
  });
}

void CDC::DeleteTempMap() { DcTemporaries().DeleteTemporaries(); }

BOOL CDC::Attach(HDC dc) {
  if (!dc || m_hDC) return FALSE;
  m_hDC = dc;
  m_release = Release::deleteDC;
  return TRUE;
}

HDC CDC::Detach() {
  HDC dc = m_hDC;
  m_hDC = nullptr;
  m_release = Release::none;
  return dc;
}

BOOL CDC::CreateCompatibleDC(CDC* dc) {
  return !m_hDC && Attach(::CreateCompatibleDC(dc ? dc->m_hDC : nullptr));
}

BOOL CDC::DeleteDC() {
  HDC dc = Detach();
  return dc ? ::DeleteDC(dc) : FALSE;
}

int CDC::SaveDC() { return ::SaveDC(m_hDC); }
BOOL CDC::RestoreDC(int saved) { return ::RestoreDC(m_hDC, saved); }

HGDIOBJ CDC::SelectObject(HGDIOBJ object) { return object ? ::SelectObject(m_hDC, object) : nullptr; }
CGdiObject* CDC::SelectObject(CGdiObject* object) {
  return object ? CGdiObject::FromHandle(SelectObject(object->m_hObject)) : nullptr;
}
CPen* CDC::SelectObject(CPen* pen) {
  return pen ? CPen::FromHandle(static_cast<HPEN>(SelectObject(pen->m_hObject))) : nullptr;
}
CBrush* CDC::SelectObject(CBrush* brush) {
  return brush ? CBrush::FromHandle(static_cast<HBRUSH>(SelectObject(brush->m_hObject))) : nullptr;
}
CFont* CDC::SelectObject(CFont* font) {
  return font ? CFont::FromHandle(static_cast<HFONT>(SelectObject(font->m_hObject))) : nullptr;
}
CBitmap* CDC::SelectObject(CBitmap* bitmap) {
  return bitmap ? CBitmap::FromHandle(static_cast<HBITMAP>(SelectObject(bitmap->m_hObject))) : nullptr;
}
CGdiObject* CDC::SelectStockObject(int index) {
  return CGdiObject::FromHandle(SelectObject(::GetStockObject(index)));
}

COLORREF CDC::SetTextColor(COLORREF color) { return ::SetTextColor(m_hDC, color); }
COLORREF CDC::GetTextColor() const { return ::GetTextColor(m_hDC); }
COLORREF CDC::SetBkColor(COLORREF color) { return ::SetBkColor(m_hDC, color); }
COLORREF CDC::GetBkColor() const { return ::GetBkColor(m_hDC); }
int CDC::SetBkMode(int mode) { return ::SetBkMode(m_hDC, mode); }
int CDC::GetBkMode() const { return ::GetBkMode(m_hDC); }
UINT CDC::SetTextAlign(UINT flags) { return ::SetTextAlign(m_hDC, flags); }

BOOL CDC::TextOut(int x, int y, LPCTSTR text, int count) { return ::TextOut(m_hDC, x, y, text, count); }
BOOL CDC::TextOut(int x, int y, const CString& text) { return TextOut(x, y, text, text.GetLength()); }
BOOL CDC::ExtTextOut(int x, int y, UINT options, LPCRECT rect, LPCTSTR text, UINT count, const int* dx) {
  return ::ExtTextOut(m_hDC, x, y, options, rect, text, count, dx);
}
int CDC::DrawText(LPCTSTR text, int count, LPRECT rect, UINT format) {
  return ::DrawText(m_hDC, text, count, rect, format);
}
int CDC::DrawText(const CString& text, LPRECT rect, UINT format) {
  return DrawText(text, text.GetLength(), rect, format);
}
CSize CDC::GetTextExtent(LPCTSTR text, int count) const {
  SIZE size{};
  ::GetTextExtentPoint32(m_hDC, text, count, &size);
  return CSize(size);
}
CSize CDC::GetTextExtent(const CString& text) const { return GetTextExtent(text, text.GetLength()); }
BOOL CDC::GetTextMetrics(LPTEXTMETRIC metrics) const { return ::GetTextMetrics(m_hDC, metrics); }
int CDC::GetDeviceCaps(int index) const { return ::GetDeviceCaps(m_hDC, index); }

BOOL CDC::BitBlt(int x, int y, int width, int height, CDC* source, int srcX, int srcY, DWORD rop) {
  return ::BitBlt(m_hDC, x, y, width, height, source ? source->m_hDC : nullptr, srcX, srcY, rop);
}
BOOL CDC::StretchBlt(int x, int y, int width, int height, CDC* source, int srcX, int srcY, int srcWidth,
                     int srcHeight, DWORD rop) {
  return ::StretchBlt(m_hDC, x, y, width, height, source ? source->m_hDC : nullptr, srcX, srcY, srcWidth,
                      srcHeight, rop);
}
BOOL CDC::PatBlt(int x, int y, int width, int height, DWORD rop) {
  return ::PatBlt(m_hDC, x, y, width, height, rop);
}

void CDC::FillSolidRect(LPCRECT rect, COLORREF color) {
  COLORREF old = ::SetBkColor(m_hDC, color);
  ::ExtTextOut(m_hDC, 0, 0, ETO_OPAQUE, rect, nullptr, 0, nullptr);
  ::SetBkColor(m_hDC, old);
}
void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF color) {
  CRect rect(x, y, x + cx, y + cy);
  FillSolidRect(&rect, color);
}
void CDC::FillRect(LPCRECT rect, CBrush* brush) {
  ::FillRect(m_hDC, rect, brush ? static_cast<HBRUSH>(brush->m_hObject) : nullptr);
}
void CDC::FrameRect(LPCRECT rect, CBrush* brush) {
  ::FrameRect(m_hDC, rect, brush ? static_cast<HBRUSH>(brush->m_hObject) : nullptr);
}
void CDC::Draw3dRect(LPCRECT rect, COLORREF topLeft, COLORREF bottomRight) {
  Draw3dRect(rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top, topLeft, bottomRight);
}
void CDC::Draw3dRect(int x, int y, int cx, int cy, COLORREF topLeft, COLORREF bottomRight) {
  FillSolidRect(x, y, cx - 1, 1, topLeft);
  FillSolidRect(x, y, 1, cy - 1, topLeft);
  FillSolidRect(x + cx - 1, y, 1, cy, bottomRight);
  FillSolidRect(x, y + cy - 1, cx, 1, bottomRight);
}
void CDC::DrawFocusRect(LPCRECT rect) { ::DrawFocusRect(m_hDC, rect); }
BOOL CDC::DrawEdge(LPRECT rect, UINT edge, UINT flags) { return ::DrawEdge(m_hDC, rect, edge, flags); }
BOOL CDC::DrawIcon(int x, int y, HICON icon) { return ::DrawIcon(m_hDC, x, y, icon); }
COLORREF CDC::GetPixel(int x, int y) const { return ::GetPixel(m_hDC, x, y); }
COLORREF CDC::SetPixel(int x, int y, COLORREF color) { return ::SetPixel(m_hDC, x, y, color); }
CPoint CDC::MoveTo(int x, int y) {
  POINT old{};
  ::MoveToEx(m_hDC, x, y, &old);
  return CPoint(old);
}
BOOL CDC::LineTo(int x, int y) { return ::LineTo(m_hDC, x, y); }
BOOL CDC::Rectangle(int left, int top, int right, int bottom) { return ::Rectangle(m_hDC, left, top, right, bottom); }
BOOL CDC::Rectangle(LPCRECT rect) { return Rectangle(rect->left, rect->top, rect->right, rect->bottom); }
BOOL CDC::Ellipse(int left, int top, int right, int bottom) { return ::Ellipse(m_hDC, left, top, right, bottom); }
int CDC::SetMapMode(int mode) { return ::SetMapMode(m_hDC, mode); }
int CDC::GetMapMode() const { return ::GetMapMode(m_hDC); }
CPoint CDC::SetViewportOrg(int x, int y) {
  POINT old{0, 0};
  ::SetViewportOrgEx(m_hDC, x, y, &old);
  return CPoint(old.x, old.y);
}
CPoint CDC::GetViewportOrg() const {
  POINT origin{0, 0};
  ::GetViewportOrgEx(m_hDC, &origin);
  return CPoint(origin.x, origin.y);
}

int CDC::IntersectClipRect(int left, int top, int right, int bottom) {
  return ::IntersectClipRect(m_hDC, left, top, right, bottom);
}
int CDC::IntersectClipRect(LPCRECT rect) {
  return IntersectClipRect(rect->left, rect->top, rect->right, rect->bottom);
}

CPaintDC::CPaintDC(CWnd* wnd) : m_hWnd(wnd ? wnd->m_hWnd : nullptr) {
  m_hDC = ::BeginPaint(m_hWnd, &m_ps);
  m_release = Release::endPaint;
}
CPaintDC::~CPaintDC() {
  if (m_hDC) ::EndPaint(m_hWnd, &m_ps);
  m_hDC = nullptr;
  m_release = Release::none;
}

CClientDC::CClientDC(CWnd* wnd) : m_hWnd(wnd ? wnd->m_hWnd : nullptr) {
  m_hDC = ::GetDC(m_hWnd);
  m_release = Release::releaseDC;
}
CClientDC::~CClientDC() {
  if (m_hDC) ::ReleaseDC(m_hWnd, m_hDC);
  m_hDC = nullptr;
  m_release = Release::none;
}

CWindowDC::CWindowDC(CWnd* wnd) : m_hWnd(wnd ? wnd->m_hWnd : nullptr) {
  m_hDC = ::GetWindowDC(m_hWnd);
  m_release = Release::releaseDC;
}
CWindowDC::~CWindowDC() {
  if (m_hDC) ::ReleaseDC(m_hWnd, m_hDC);
  m_hDC = nullptr;
  m_release = Release::none;
}
