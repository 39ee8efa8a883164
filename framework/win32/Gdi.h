// Device contexts and GDI objects.
#pragma once

#include "Wnd.h"

class CGdiObject : public CObject {
 public:
  CGdiObject() = default;
  CGdiObject(const CGdiObject&) = delete;
  CGdiObject& operator=(const CGdiObject&) = delete;
  ~CGdiObject() override;  // deletes the object it holds

  HGDIOBJ m_hObject = nullptr;
  operator HGDIOBJ() const { return m_hObject; }
  HGDIOBJ GetSafeHandle() const;

  static CGdiObject* FromHandle(HGDIOBJ object);  // temporary, freed at idle time
  static void DeleteTempMap();
  BOOL Attach(HGDIOBJ object);
  HGDIOBJ Detach();
  void DetachTemporary() { m_hObject = nullptr; }
  BOOL DeleteObject();
  BOOL CreateStockObject(int index);
  int GetObject(int size, LPVOID buffer) const;
};

class CPen : public CGdiObject {
 public:
  CPen() = default;
  CPen(int style, int width, COLORREF color) { CreatePen(style, width, color); }
  static CPen* FromHandle(HPEN pen);
  BOOL CreatePen(int style, int width, COLORREF color);
  operator HPEN() const { return static_cast<HPEN>(m_hObject); }
};

class CBrush : public CGdiObject {
 public:
  CBrush() = default;
  explicit CBrush(COLORREF color) { CreateSolidBrush(color); }
  static CBrush* FromHandle(HBRUSH brush);
  BOOL CreateSolidBrush(COLORREF color);
  BOOL CreateSysColorBrush(int index);
  BOOL CreatePatternBrush(class CBitmap* bitmap);
  operator HBRUSH() const { return static_cast<HBRUSH>(m_hObject); }
};

class CFont : public CGdiObject {
 public:
  static CFont* FromHandle(HFONT font);
  BOOL CreateFont(int height, int width, int escapement, int orientation, int weight, BYTE italic,
                  BYTE underline, BYTE strikeOut, BYTE charSet, BYTE outPrecision, BYTE clipPrecision,
                  BYTE quality, BYTE pitchAndFamily, LPCTSTR faceName);
  BOOL CreateFontIndirect(const LOGFONT* font);
  // Size in tenths of a point, converted with the screen's (or dc's) resolution.
  BOOL CreatePointFont(int pointSize, LPCTSTR faceName, class CDC* dc = nullptr);
  BOOL CreatePointFontIndirect(const LOGFONT* font, class CDC* dc = nullptr);
  int GetLogFont(LOGFONT* font) const;
  operator HFONT() const { return static_cast<HFONT>(m_hObject); }
};

class CBitmap : public CGdiObject {
 public:
  static CBitmap* FromHandle(HBITMAP bitmap);
  BOOL LoadBitmap(UINT id);
  BOOL LoadBitmap(LPCTSTR name);
  BOOL LoadOEMBitmap(UINT id);
  BOOL CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits);
  BOOL CreateCompatibleBitmap(class CDC* dc, int width, int height);
  int GetBitmap(BITMAP* info) const;
  CSize GetSize() const;
  operator HBITMAP() const { return static_cast<HBITMAP>(m_hObject); }
};

class CPalette : public CGdiObject {
 public:
  static CPalette* FromHandle(HPALETTE palette);
  BOOL CreatePalette(const LOGPALETTE* logPalette);
  int GetEntryCount() const;
  operator HPALETTE() const { return static_cast<HPALETTE>(m_hObject); }
};

class CDC : public CObject {
 public:
  CDC() = default;
  CDC(const CDC&) = delete;
  CDC& operator=(const CDC&) = delete;
  ~CDC() override;  // deletes a DC it created or attached

  HDC m_hDC = nullptr;
  BOOL m_bPrinting = FALSE;  // set by a print job on its printer's DC
  operator HDC() const { return m_hDC; }
  BOOL IsPrinting() const { return m_bPrinting; }
  HDC GetSafeHdc() const;

  static CDC* FromHandle(HDC dc);  // temporary, freed at idle time
  static void DeleteTempMap();
  BOOL Attach(HDC dc);
  HDC Detach();
  void DetachTemporary() { m_hDC = nullptr; }
  BOOL CreateCompatibleDC(CDC* dc);
  BOOL DeleteDC();
  int SaveDC();
  BOOL RestoreDC(int saved);

  CGdiObject* SelectObject(CGdiObject* object);
  CPen* SelectObject(CPen* pen);
  CBrush* SelectObject(CBrush* brush);
  CFont* SelectObject(CFont* font);
  CBitmap* SelectObject(CBitmap* bitmap);
  HGDIOBJ SelectObject(HGDIOBJ object);
  CGdiObject* SelectStockObject(int index);

  COLORREF SetTextColor(COLORREF color);
  COLORREF GetTextColor() const;
  COLORREF SetBkColor(COLORREF color);
  COLORREF GetBkColor() const;
  int SetBkMode(int mode);
  int GetBkMode() const;
  UINT SetTextAlign(UINT flags);

  BOOL TextOut(int x, int y, LPCTSTR text, int count);
  BOOL TextOut(int x, int y, const CString& text);
  BOOL ExtTextOut(int x, int y, UINT options, LPCRECT rect, LPCTSTR text, UINT count, const int* dx = nullptr);
  int DrawText(LPCTSTR text, int count, LPRECT rect, UINT format);
  int DrawText(const CString& text, LPRECT rect, UINT format);
  CSize GetTextExtent(LPCTSTR text, int count) const;
  CSize GetTextExtent(const CString& text) const;
  BOOL GetTextMetrics(LPTEXTMETRIC metrics) const;
  int GetDeviceCaps(int index) const;

  BOOL BitBlt(int x, int y, int width, int height, CDC* source, int srcX, int srcY, DWORD rop);
  BOOL StretchBlt(int x, int y, int width, int height, CDC* source, int srcX, int srcY, int srcWidth,
                  int srcHeight, DWORD rop);
  BOOL PatBlt(int x, int y, int width, int height, DWORD rop);
  void FillSolidRect(LPCRECT rect, COLORREF color);
  void FillSolidRect(int x, int y, int cx, int cy, COLORREF color);
  void FillRect(LPCRECT rect, CBrush* brush);
  void FrameRect(LPCRECT rect, CBrush* brush);
  void Draw3dRect(LPCRECT rect, COLORREF topLeft, COLORREF bottomRight);
  void Draw3dRect(int x, int y, int cx, int cy, COLORREF topLeft, COLORREF bottomRight);
  void DrawFocusRect(LPCRECT rect);
  BOOL DrawEdge(LPRECT rect, UINT edge, UINT flags);
  BOOL DrawIcon(int x, int y, HICON icon);
  COLORREF GetPixel(int x, int y) const;
  COLORREF SetPixel(int x, int y, COLORREF color);
  CPoint MoveTo(int x, int y);
  CPoint MoveTo(POINT point) { return MoveTo(point.x, point.y); }
  BOOL LineTo(int x, int y);
  BOOL LineTo(POINT point) { return LineTo(point.x, point.y); }
  BOOL Rectangle(int left, int top, int right, int bottom);
  BOOL Rectangle(LPCRECT rect);
  BOOL Ellipse(int left, int top, int right, int bottom);
  int SetMapMode(int mode);
  int GetMapMode() const;
  CPoint SetViewportOrg(int x, int y);
  CPoint SetViewportOrg(POINT point) { return SetViewportOrg(point.x, point.y); }
  CPoint GetViewportOrg() const;
  int IntersectClipRect(int left, int top, int right, int bottom);
  int IntersectClipRect(LPCRECT rect);

 protected:
  enum class Release { none, deleteDC, releaseDC, endPaint };
  Release m_release = Release::none;
};

class CPaintDC : public CDC {
 public:
  explicit CPaintDC(CWnd* wnd);
  ~CPaintDC() override;
  PAINTSTRUCT m_ps{};

 protected:
  HWND m_hWnd;
};

class CClientDC : public CDC {
 public:
  explicit CClientDC(CWnd* wnd);
  ~CClientDC() override;

 protected:
  HWND m_hWnd;
};

class CWindowDC : public CDC {
 public:
  explicit CWindowDC(CWnd* wnd);
  ~CWindowDC() override;

 protected:
  HWND m_hWnd;
};
