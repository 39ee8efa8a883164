// The editor's upper pane: a form on template 147 with the open language
// file's header (program, version, language, overlay language, comment,
// author, date), both flags, the add-on marker and the "Add-Ons" button.
// Language, comment and author are edited here and reach the document on
// the store hint; a click on the flag opens the flag choice.
#pragma once

#include "FrameworkWin.h"
#include "FormView.h"

class CTransDoc;

class CHeadView : public CFormView {
  DECLARE_DYNCREATE(CHeadView)

 public:
  CHeadView();
  CTransDoc* GetDoc() const;

  void OnInitialUpdate() override;
  void OnUpdate(CView* sender, LPARAM hint, CObject* hintObject) override;
  void OnDraw(CDC* dc) override;
  void FillFromDocument();
  void Refresh();
  // The 32 x 32 square of the language's flag in client coordinates.
  CRect FlagSquare() const;

 protected:
  void OnChangeHeaderEdit();
  void OnLButtonDown(UINT flags, CPoint point);
  void OnPaint();
  void DrawFlag(HDC dc, int controlId, const COLORREF* pixels);
  void DrawAddOnMarker(HDC dc);
  CRect ControlRect(int id) const;

  bool m_bFilling = false;

  DECLARE_MESSAGE_MAP()
};
