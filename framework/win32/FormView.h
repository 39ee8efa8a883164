// CFormView: a view made from a child dialog template (WS_CHILD, DS_CONTROL).
// Its controls exchange data through DoDataExchange, Tab and the other
// dialog keys move between them (after the frame's accelerators had their
// chance), and their notifications go through the view to its document.
#pragma once

#include "ScrollView.h"

class CFormView : public CScrollView {
  DECLARE_DYNAMIC(CFormView)

 public:
  explicit CFormView(UINT templateId) : m_nIDTemplate(templateId) {}

  BOOL CreateView(CWnd* parent, UINT id, const RECT& rect, CCreateContext* context) override;
  // Fills the controls (UpdateData(FALSE)); the scroll size is the template's.
  void OnInitialUpdate() override;
  BOOL PreTranslateMessage(MSG* msg) override;
  void OnDraw(CDC*) override {}

 protected:
  UINT m_nIDTemplate;
};
