// The text blocks' drawing surface over a device context: the editor's two
// fonts, tabbed text, fills, lines and cells of the shared picture strips
// (memory device contexts the edit view owns). Owns the fonts, not the DC.
#pragma once

#include "FrameworkWin.h"
#include "TextDevice.h"

#include <vector>

class CDeskPictures;

class CDcTextDevice : public CTextDevice {
 public:
  // The fonts are made from g_TextFont and g_OverlayFont.
  CDcTextDevice();
  ~CDcTextDevice() override;
  CDcTextDevice(const CDcTextDevice&) = delete;
  CDcTextDevice& operator=(const CDcTextDevice&) = delete;

  // The device drawn on and measured with; null: nothing is drawn, extents are 0.
  void SetDC(HDC dc) {
    m_hDC = dc;
    m_hSelected = nullptr;
  }
  HDC GetDC() const { return m_hDC; }
  void SetPictures(CDeskPictures* pictures) { m_pPictures = pictures; }
  // Makes both fonts anew from g_TextFont and g_OverlayFont (the fonts
  // dialog changed them).
  void ReloadFonts();
  HFONT GetFont(DeskFont font) const { return font == DESK_FONT_TEXT ? m_hText : m_hOverlay; }

  CSize MeasureText(const CString& text, DeskFont font, int tabWidth) override;
  void FillRect(const RECT& rect, COLORREF color) override;
  void DrawText(int x, int y, const CString& text, DeskFont font, int tabWidth, COLORREF background) override;
  void DrawLine(int x1, int y1, int x2, int y2, COLORREF color) override;
  void SetPixel(int x, int y, COLORREF color) override;
  void DrawCell(DeskStrip strip, int cell, int x, int y) override;

 private:
  // Selects font into the device unless it is there already.
  void Select(DeskFont font);
  HPEN PenOf(COLORREF color);
  void CreateFonts();
  void DeleteFonts();

  HDC m_hDC = nullptr;
  HFONT m_hSelected = nullptr;
  int m_nLineHeight[2] = {-1, -1};
  struct Pen {
    COLORREF color;
    HPEN pen;
  };
  std::vector<Pen> m_pens;
  HFONT m_hText = nullptr;
  HFONT m_hOverlay = nullptr;
  CDeskPictures* m_pPictures = nullptr;
};

// The shared picture strips of blocks and placeholders, each selected into a
// memory device context; made once by the edit view.
class CDeskPictures {
 public:
  ~CDeskPictures();
  void Load(HDC compatible);
  void Free();
  // The strip's DC and cell size; null DC when the bitmap is missing.
  HDC GetStrip(DeskStrip strip, SIZE& cell) const;

 private:
  struct Strip {
    HDC dc = nullptr;
    HBITMAP bitmap = nullptr;
    HGDIOBJ old = nullptr;
  };
  Strip m_strips[3];
};
