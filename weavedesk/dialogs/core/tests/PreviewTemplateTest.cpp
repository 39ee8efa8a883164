// The preview's in-memory template: exact size for any caption and face
// length (run under the sanitizers, an overrun is a failure), the fields
// read back, and the style and class rules.
#include "DialogTestSupport.h"
#include "PreviewTemplate.h"

#include "CodePage.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace dlgtest;
using namespace preview;

namespace {

// The template read back.
struct ParsedItem {
  DWORD style, exStyle;
  short x, y, cx, cy;
  WORD id, atom;
  lw::WString title;
};
struct Parsed {
  DWORD style, exStyle;
  WORD count;
  short x, y, cx, cy;
  WORD menu;
  lw::WString caption, face;
  WORD pointSize;
  std::vector<ParsedItem> items;
  size_t end;
};

class Reader {
 public:
  explicit Reader(const std::vector<BYTE>& b) : m_b(b) {}
  template <class T>
  T Get() {
    T v{};
    EXPECT_LE(m_at + sizeof v, m_b.size());
    if (m_at + sizeof v <= m_b.size()) memcpy(&v, m_b.data() + m_at, sizeof v);
    m_at += sizeof v;
    return v;
  }
  lw::WString Text() {
    lw::WString s;
    for (WCHAR c = Get<WCHAR>(); c && m_at <= m_b.size(); c = Get<WCHAR>()) s += c;
    return s;
  }
  void Align() { m_at = (m_at + 3) & ~size_t(3); }
  size_t At() const { return m_at; }

 private:
  const std::vector<BYTE>& m_b;
  size_t m_at = 0;
};

Parsed Parse(const std::vector<BYTE>& bytes) {
  Reader r(bytes);
  Parsed p;
  p.style = r.Get<DWORD>();
  p.exStyle = r.Get<DWORD>();
  p.count = r.Get<WORD>();
  p.x = r.Get<short>();
  p.y = r.Get<short>();
  p.cx = r.Get<short>();
  p.cy = r.Get<short>();
  p.menu = r.Get<WORD>();
  if (p.menu == 0xFFFF) p.menu = r.Get<WORD>();
  EXPECT_EQ(0, r.Get<WORD>());  // class
  p.caption = r.Text();
  p.pointSize = r.Get<WORD>();
  p.face = r.Text();
  for (int i = 0; i < p.count; ++i) {
    r.Align();
    ParsedItem item;
    item.style = r.Get<DWORD>();
    item.exStyle = r.Get<DWORD>();
    item.x = r.Get<short>();
    item.y = r.Get<short>();
    item.cx = r.Get<short>();
    item.cy = r.Get<short>();
    item.id = r.Get<WORD>();
    EXPECT_EQ(0xFFFF, r.Get<WORD>());
    item.atom = r.Get<WORD>();
    item.title = r.Text();
    EXPECT_EQ(0, r.Get<WORD>());  // creation data
    p.items.push_back(item);
  }
  p.end = r.At();
  return p;
}

std::string N(const lw::WString& w) { return lw::Narrow(w, CP_UTF8); }

TEST(PreviewTemplate, SizeIsExactForLongCaptionsAndFaces) {
  struct Case {
    int captionLength, faceLength, controls;
  } cases[] = {{0, 0, 0}, {1, 1, 1}, {2, 3, 2}, {127, 31, 3}, {300, 200, 0}, {5000, 2000, 4}, {3, 4000, 1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.captionLength << "/" << c.faceLength << "/" << c.controls);
    CString caption(_T('C'), c.captionLength), face(_T('F'), c.faceLength);
    auto dialog = MakeDialog(caption, RECT{0, 0, 200, 100}, 0x80C80000, 0, face, 9);
    dialog->SetTranslation(caption);
    for (int i = 0; i < c.controls; ++i)
      AddControl(dialog.get(), TRA_PUSHBUTTON, CString(_T('x'), c.captionLength), RECT{i, i, i + 30, i + 12});
    const std::vector<BYTE> bytes = BuildPreviewTemplate(*dialog);
    ASSERT_EQ(PreviewTemplateSize(*dialog), bytes.size());
    const Parsed p = Parse(bytes);
    EXPECT_EQ(bytes.size(), p.end);
    EXPECT_EQ(static_cast<size_t>(c.captionLength), p.caption.size());
    EXPECT_EQ(static_cast<size_t>(c.faceLength), p.face.size());
    EXPECT_EQ(c.controls, p.count);
  }
}

TEST(PreviewTemplate, FieldsReadBack) {
  auto dialog = MakeDialog(_T("Adresse"), RECT{10, 20, 190, 120}, 0x80C80000, 0, _T("MS Sans Serif"), 8);
  dialog->SetTranslation(_T("Address"));
  AddControl(dialog.get(), TRA_PUSHBUTTON, _T("OK"), RECT{5, 6, 55, 20}, 0x50010001);
  AddControl(dialog.get(), TRA_EDIT, _T(""), RECT{60, 6, 150, 18}, 0x50810080);
  const Parsed p = Parse(BuildPreviewTemplate(*dialog));
  EXPECT_EQ(kOffscreen, p.x);
  EXPECT_EQ(kOffscreen, p.y);
  EXPECT_EQ(180, p.cx);
  EXPECT_EQ(100, p.cy);
  EXPECT_EQ(0, p.menu);
  EXPECT_EQ("Address", N(p.caption));
  EXPECT_EQ(8, p.pointSize);
  EXPECT_EQ("MS Sans Serif", N(p.face));
  ASSERT_EQ(2u, p.items.size());
  EXPECT_EQ(256, p.items[0].id);
  EXPECT_EQ(257, p.items[1].id);
  EXPECT_EQ(kButton, p.items[0].atom);
  EXPECT_EQ(kEdit, p.items[1].atom);
  EXPECT_EQ(5, p.items[0].x);
  EXPECT_EQ(6, p.items[0].y);
  EXPECT_EQ(50, p.items[0].cx);
  EXPECT_EQ(14, p.items[0].cy);
  EXPECT_EQ(0x50810080u, p.items[1].style);
  EXPECT_EQ("_%&", N(p.items[0].title));
}

TEST(PreviewTemplate, ExtendedStyleAndMenu) {
  auto withMenu = MakeDialog(_T("M"), RECT{0, 0, 50, 50}, 0x80C80000, 0x10 | 0x08 | 0x20 | 0x100);
  Parsed p = Parse(BuildPreviewTemplate(*withMenu));
  EXPECT_EQ(kSampleMenuId, p.menu);
  EXPECT_EQ(0x100u, p.exStyle);
  auto plain = MakeDialog(_T("M"), RECT{0, 0, 50, 50}, 0x80C80000, 0x08);
  p = Parse(BuildPreviewTemplate(*plain));
  EXPECT_EQ(0, p.menu);
  EXPECT_EQ(0u, p.exStyle);
}

TEST(PreviewTemplate, ExtremeRectanglesAreClampedNotWrapped) {
  auto dialog = MakeDialog(_T("D"), RECT{-2000000000, 0, 2000000000, 70000});
  AddControl(dialog.get(), TRA_EDIT, _T("e"), RECT{-100000, 5, 100000, 40000});
  const Parsed p = Parse(BuildPreviewTemplate(*dialog));
  EXPECT_EQ(32767, p.cx);
  EXPECT_EQ(32767, p.cy);
  ASSERT_EQ(1u, p.items.size());
  EXPECT_EQ(-32768, p.items[0].x);
  EXPECT_EQ(32767, p.items[0].cx);
}

TEST(PreviewTemplate, NoLayoutGivesNoTemplate) {
  CTraNode dialog(nullptr, _T("x"), _T("x"), TRA_MENU);
  EXPECT_EQ(0u, PreviewTemplateSize(dialog));
  EXPECT_TRUE(BuildPreviewTemplate(dialog).empty());
}

TEST(PreviewTemplate, DialogStyles) {
  struct Case {
    DWORD in, out;
    bool resizable;
  } cases[] = {
      {kWsPopup | 0x00C00000, kWsPopup | 0x00C00000 | kWsVisible | kDsSetFont, true},
      {kWsChild | 0x00040000, kWsPopup | kWsBorder | 0x00040000 | kWsVisible | kDsSetFont, false},
      {kWsPopup | kWsMinimize | kWsMaximize | kWsDisabled, kWsPopup | kWsVisible | kDsSetFont, true},
      {kWsChild | kWsPopup | kWsBorder | kWsVisible, kWsPopup | kWsBorder | kWsVisible | kDsSetFont, false},
  };
  for (const Case& c : cases) {
    bool resizable = !c.resizable;
    EXPECT_EQ(c.out, PreviewDialogStyle(c.in, &resizable)) << std::hex << c.in;
    EXPECT_EQ(c.resizable, resizable) << std::hex << c.in;
  }
}

TEST(PreviewTemplate, ControlClasses) {
  auto dialog = MakeDialog(_T("D"), RECT{0, 0, 100, 100});
  struct Case {
    int kind;
    const TCHAR* text;
    DWORD style;
    WORD atom;
    DWORD outStyle;
    DWORD outExStyle;
  } cases[] = {
      {TRA_STATIC, _T("Name:"), 0x50020000, kStatic, 0x50020000, 0x200u},
      {TRA_STATIC, _T(""), 0x5002000E, kStatic, kBlackFrameStyle, 0u},
      {TRA_GROUPBOX, _T("G"), 0x50000007, kButton, 0x50000007, 0x200u},
      {TRA_PUSHBUTTON, _T("P"), 0x5001000B, kButton, 0x50010000, 0x200u},
      {TRA_CHECKBOX, _T("C"), 0x50010003, kButton, 0x50010003, 0x200u},
      {TRA_RADIOBUTTON, _T("R"), 0x50010009, kButton, 0x50010009, 0x200u},
      {TRA_LISTBOX, _T(""), 0x50A10001, kListBox, 0x50A10001, 0x200u},
      {TRA_COMBOBOX, _T(""), 0x50210003, kComboBox, 0x50210003, 0x200u},
      {TRA_SCROLLBAR, _T(""), 0x50000000, kScrollBar, 0x50000000, 0x200u},
      {TRA_EDIT, _T(""), 0x50810080, kEdit, 0x50810080, 0x200u},
      {TRA_CONTROL, _T("x"), 0x50010000, kStatic, kBlackFrameStyle, 0u},
      {TRA_COMMONCONTROL, _T("x"), 0x50010000, kStatic, kBlackFrameStyle, 0u},
  };
  for (const Case& c : cases) {
    CTraNode* node = AddControl(dialog.get(), c.kind, c.text, RECT{0, 0, 10, 10}, static_cast<LONG>(c.style));
    node->GetLayout()->m_nExStyle = 0x200;
    const PreviewControlClass cls = PreviewClassOf(*node);
    EXPECT_EQ(c.atom, cls.atom) << c.kind;
    EXPECT_EQ(c.outStyle, cls.style) << c.kind;
    EXPECT_EQ(c.outExStyle, cls.exStyle) << c.kind;
  }
}

TEST(PreviewTemplate, DialogOfAndHint) {
  auto dialog = MakeDialog(_T("D"), RECT{0, 0, 100, 100});
  CTraNode* button = AddControl(dialog.get(), TRA_PUSHBUTTON, _T("OK"), RECT{0, 0, 10, 10});
  CTraNode menu(nullptr, _T("m"), _T("m"), TRA_MENU);
  EXPECT_EQ(dialog.get(), PreviewDialogOf(dialog.get()));
  EXPECT_EQ(dialog.get(), PreviewDialogOf(button));
  EXPECT_EQ(nullptr, PreviewDialogOf(&menu));
  EXPECT_EQ(nullptr, PreviewDialogOf(nullptr));

  EXPECT_FALSE(PreviewNeedsHint(*dialog));
  auto sizeOnly = MakeDialog(_T("S"), RECT{0, 0, 100, 100});
  sizeOnly->GetLayout()->SetSizeOnly(100, 100);
  EXPECT_TRUE(PreviewNeedsHint(*sizeOnly));
  auto zero = MakeDialog(_T("Z"), RECT{0, 0, 0, 0});
  EXPECT_TRUE(PreviewNeedsHint(*zero));
  auto atOrigin = MakeDialog(_T("O"), RECT{0, 0, 1, 0});
  EXPECT_FALSE(PreviewNeedsHint(*atOrigin));
  auto switchDialog = MakeDialog(_T("W"), RECT{0, 0, 100, 100});
  switchDialog->SetKind(TRA_SWITCHDIALOG);
  EXPECT_TRUE(PreviewNeedsHint(*switchDialog));
  CTraNode noLayout(nullptr, _T("N"), _T("N"), TRA_MENU);
  EXPECT_TRUE(PreviewNeedsHint(noLayout));
}

}  // namespace
