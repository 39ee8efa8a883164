#include "PreviewTemplate.h"

#include "CodePage.h"
#include "TraNode.h"

#include <cstring>

using namespace preview;

namespace {

const WCHAR kItemTitle[] = {'_', '%', '&', 0};
const size_t kHeaderBytes = 4 + 4 + 2 + 4 * 2;
const size_t kItemHeaderBytes = 4 + 4 + 4 * 2 + 2;

lw::WString Wide(const CString& text) { return lw::ToWide(text.GetString(), static_cast<size_t>(text.GetLength())); }

size_t TextBytes(const lw::WString& text) { return (text.size() + 1) * sizeof(WCHAR); }

size_t AlignedToDword(size_t n) { return (n + 3) & ~static_cast<size_t>(3); }

short ToShort(int64_t v) {
  if (v < -32768) return -32768;
  if (v > 32767) return 32767;
  return static_cast<short>(v);
}

bool HasMenu(const CTraLayout& layout) { return (static_cast<DWORD>(layout.m_nExStyle) & kExHasMenu) != 0; }

// Writes into a buffer of a size fixed beforehand; never past its end.
class TemplateWriter {
 public:
  explicit TemplateWriter(std::vector<BYTE>& out) : m_out(out), m_at(0) {}
  void Word(WORD v) { Put(&v, sizeof v); }
  void Dword(DWORD v) { Put(&v, sizeof v); }
  void Short(short v) { Put(&v, sizeof v); }
  void Text(const WCHAR* text, size_t n) {
    Put(text, n * sizeof(WCHAR));
    Word(0);
  }
  void Align() {
    while (m_at % 4) Word(0);
  }
  size_t Written() const { return m_at; }

 private:
  void Put(const void* p, size_t n) {
    if (n > m_out.size() - m_at) {
      m_at = m_out.size() + 1;  // marks the overrun; the caller discards the buffer
      return;
    }
    memcpy(m_out.data() + m_at, p, n);
    m_at += n;
  }
  std::vector<BYTE>& m_out;
  size_t m_at;
};

}  // namespace

CTraNode* PreviewDialogOf(CTraNode* node) {
  if (!node) return nullptr;
  if (node->GetKind() == TRA_DIALOG || node->GetKind() == TRA_SWITCHDIALOG) return node;
  CTraNode* parent = node->GetParent();
  if (parent && (parent->GetKind() == TRA_DIALOG || parent->GetKind() == TRA_SWITCHDIALOG)) return parent;
  return nullptr;
}

bool PreviewNeedsHint(const CTraNode& dialog) {
  const CTraLayout* layout = dialog.GetLayout();
  if (!layout || layout->IsSizeOnly() || dialog.GetKind() == TRA_SWITCHDIALOG) return true;
  const RECT& r = layout->m_rcOriginal;
  return r.left == 0 && r.top == 0 && r.right == 0 && r.bottom == 0;
}

int PreviewControlCount(const CTraNode& dialog) {
  return dialog.GetChildCount() < kMaxControls ? dialog.GetChildCount() : kMaxControls;
}

PreviewControlClass PreviewClassOf(const CTraNode& control) {
  const PreviewControlClass frame = {kStatic, kBlackFrameStyle, 0};
  if (!control.GetLayout()) return frame;
  const DWORD style = static_cast<DWORD>(control.GetLayout()->m_nStyle);
  const DWORD exStyle = static_cast<DWORD>(control.GetLayout()->m_nExStyle);
  switch (control.GetKind()) {
    case TRA_STATIC:
      if (control.GetTranslation().IsEmpty()) return frame;
      return {kStatic, style, exStyle};
    case TRA_GROUPBOX:
    case TRA_PUSHBUTTON:
    case TRA_CHECKBOX:
    case TRA_RADIOBUTTON:
      return {kButton, (style & kBsTypeMask) == kBsOwnerDraw ? style & ~kBsTypeMask : style, exStyle};
    case TRA_LISTBOX:
      return {kListBox, style, exStyle};
    case TRA_COMBOBOX:
      return {kComboBox, style, exStyle};
    case TRA_SCROLLBAR:
      return {kScrollBar, style, exStyle};
    case TRA_EDIT:
      return {kEdit, style, exStyle};
    default:
      return frame;
  }
}

DWORD PreviewDialogStyle(DWORD style, bool* resizable) {
  const bool child = (style & kWsChild) != 0;
  if (child) style = (style & ~(kWsChild | kWsPopup | kWsBorder)) | kWsPopup | kWsBorder;
  if (resizable) *resizable = !child;
  return (style & ~(kWsMinimize | kWsMaximize | kWsDisabled)) | kWsVisible | kDsSetFont;
}

size_t PreviewTemplateSize(const CTraNode& dialog) {
  if (!dialog.GetLayout()) return 0;
  size_t n = kHeaderBytes;
  n += HasMenu(*dialog.GetLayout()) ? 4 : 2;
  n += 2;  // no window class
  n += TextBytes(Wide(dialog.GetTranslation()));
  n += 2 + TextBytes(Wide(dialog.GetLayout()->m_strFontFace));
  const size_t item = kItemHeaderBytes + 4 + sizeof kItemTitle + 2;
  for (int i = 0; i < PreviewControlCount(dialog); ++i) n = AlignedToDword(n) + item;
  return n;
}

std::vector<BYTE> BuildPreviewTemplate(const CTraNode& dialog, bool* resizable) {
  std::vector<BYTE> bytes(PreviewTemplateSize(dialog));
  if (bytes.empty()) return bytes;
  const CTraLayout& layout = *dialog.GetLayout();
  const int count = PreviewControlCount(dialog);
  TemplateWriter w(bytes);
  w.Dword(PreviewDialogStyle(static_cast<DWORD>(layout.m_nStyle), resizable));
  w.Dword(static_cast<DWORD>(layout.m_nExStyle) & ~kExClearedBits);
  w.Word(static_cast<WORD>(count));
  w.Short(kOffscreen);
  w.Short(kOffscreen);
  const RECT& size = layout.m_rcTranslated;
  w.Short(ToShort(static_cast<int64_t>(size.right) - size.left));
  w.Short(ToShort(static_cast<int64_t>(size.bottom) - size.top));
  if (HasMenu(layout)) {
    w.Word(0xFFFF);
    w.Word(kSampleMenuId);
  } else {
    w.Word(0);
  }
  w.Word(0);
  const lw::WString caption = Wide(dialog.GetTranslation());
  w.Text(caption.data(), caption.size());
  w.Word(layout.m_nFontSize);
  const lw::WString face = Wide(layout.m_strFontFace);
  w.Text(face.data(), face.size());
  for (int i = 0; i < count; ++i) {
    const CTraNode& control = *dialog.GetChild(i);
    const PreviewControlClass cls = PreviewClassOf(control);
    RECT r = {0, 0, 0, 0};
    if (control.GetLayout()) r = control.GetLayout()->m_rcTranslated;
    w.Align();
    w.Dword(cls.style);
    w.Dword(cls.exStyle);
    w.Short(ToShort(r.left));
    w.Short(ToShort(r.top));
    w.Short(ToShort(static_cast<int64_t>(r.right) - r.left));
    w.Short(ToShort(static_cast<int64_t>(r.bottom) - r.top));
    w.Word(static_cast<WORD>(kFirstControlId + i));
    w.Word(0xFFFF);
    w.Word(cls.atom);
    w.Text(kItemTitle, 3);
    w.Word(0);
  }
  if (w.Written() != bytes.size()) bytes.clear();
  return bytes;
}
