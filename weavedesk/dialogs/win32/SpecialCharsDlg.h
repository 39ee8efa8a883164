// The modeless special-character window (template 129): characters 33 to
// 255 in a grid drawn in the text font; the character under the mouse is
// shown enlarged, a click types it into the owner's editor. The grid's
// geometry is CSpecialCharGrid's.
#pragma once

#include "FrameworkWin.h"
#include "SpecialCharGrid.h"

#include <memory>

// The window's owner (the edit view): where characters go, and who deletes
// the window when it closes.
class CSpecialCharsOwner {
 public:
  virtual ~CSpecialCharsOwner() = default;
  virtual CWnd* GetCharsParent() = 0;
  virtual void InsertChar(TCHAR ch) = 0;
  virtual void OnCharsWindowClosed() = 0;
};

class CSpecialCharsDlg : public CDialog {
 public:
  // Creates and shows the window.
  explicit CSpecialCharsDlg(CSpecialCharsOwner& owner);
  ~CSpecialCharsDlg() override;

  BOOL OnInitDialog() override;
  void OnOK() override;
  void OnCancel() override;
  void OnClose();
  void OnPaint();
  void OnMouseMove(UINT flags, CPoint point);
  void OnLButtonDown(UINT flags, CPoint point);

  int GetHoverColumn() const { return m_nHoverColumn; }
  int GetHoverRow() const { return m_nHoverRow; }
  const CSpecialCharGrid* GetGrid() const { return m_pGrid.get(); }

  DECLARE_MESSAGE_MAP()

 private:
  void DrawEnlarged(CDC& dc);

  CSpecialCharsOwner& m_owner;
  CFont m_font;
  int m_nHoverColumn = -1;
  int m_nHoverRow = -1;
  std::unique_ptr<CSpecialCharGrid> m_pGrid;
  CBitmap m_picture;
};
