#include "DialogTestSupport.h"

namespace dlgtest {

std::unique_ptr<CTraNode> MakeDialog(const CString& caption, const RECT& rect, LONG style, LONG exStyle,
                                     const CString& face, WORD size) {
  std::unique_ptr<CTraNode> dialog(new CTraNode(nullptr, caption, caption, TRA_DIALOG, exStyle, style, rect, rect));
  dialog->GetLayout()->m_strFontFace = face;
  dialog->GetLayout()->m_nFontSize = size;
  return dialog;
}

CTraNode* AddControl(CTraNode* dialog, int kind, const CString& text, const RECT& rect, LONG style) {
  CTraNode* node = dialog->AddChild(std::make_unique<CTraNode>(dialog, text, text, kind, 0, style, rect, rect));
  return node;
}

std::vector<RECT> LiveRects(const CTraNode& dialog, double px, double py) {
  auto map = [&](const RECT& r) {
    return RECT{static_cast<LONG>(r.left * px + 0.5), static_cast<LONG>(r.top * py + 0.5),
                static_cast<LONG>(r.right * px + 0.5), static_cast<LONG>(r.bottom * py + 0.5)};
  };
  std::vector<RECT> rects;
  rects.push_back(map(RECT{0, 0, dialog.GetLayout()->GetWidth(), dialog.GetLayout()->GetHeight()}));
  for (int i = 0; i < dialog.GetChildCount(); ++i) {
    const CTraNode* c = dialog.GetChild(i);
    rects.push_back(c->GetLayout() ? map(c->GetLayout()->m_rcTranslated) : RECT{0, 0, 0, 0});
  }
  return rects;
}

}  // namespace dlgtest
