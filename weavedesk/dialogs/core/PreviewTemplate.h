// The dialog editor's in-memory dialog template, built from a dialog node's
// layout records: the classic DLGTEMPLATE form with UTF-16 strings, one
// item per child (id 256 + index, title "_%&", class by the control's
// kind). The buffer is exactly as long as PreviewTemplateSize says, however
// long the caption or the face name. Also which node a text belongs to and
// when the hint dialog stands in. Window-free: creates no window.
#pragma once

#include "Framework.h"

#include <vector>

class CTraNode;

namespace preview {

// Window and control styles the template uses, with the Windows values.
constexpr DWORD kWsPopup = 0x80000000;
constexpr DWORD kWsChild = 0x40000000;
constexpr DWORD kWsMinimize = 0x20000000;
constexpr DWORD kWsVisible = 0x10000000;
constexpr DWORD kWsDisabled = 0x08000000;
constexpr DWORD kWsMaximize = 0x01000000;
constexpr DWORD kWsBorder = 0x00800000;
constexpr DWORD kDsSetFont = 0x00000040;
constexpr DWORD kSsBlackFrame = 0x00000007;
constexpr DWORD kBsTypeMask = 0x0000000F;
constexpr DWORD kBsOwnerDraw = 0x0000000B;
constexpr DWORD kExHasMenu = 0x10;
constexpr DWORD kExClearedBits = 0x08 | 0x10 | 0x20;
constexpr DWORD kBlackFrameStyle = kWsChild | kWsVisible | kSsBlackFrame;

// Predefined window-class atoms.
enum : WORD { kButton = 0x80, kEdit = 0x81, kStatic = 0x82, kListBox = 0x83, kScrollBar = 0x84, kComboBox = 0x85 };

constexpr WORD kFirstControlId = 256;
constexpr WORD kSampleMenuId = 174;
constexpr short kOffscreen = 3000;
// Item ids are WORDs from 256 on: more children than this are not shown.
constexpr int kMaxControls = 0xFFFF - kFirstControlId;

}  // namespace preview

// The dialog a node belongs to: the node itself for a dialog (kind 1 or
// 30), else its parent when that is one, else null.
CTraNode* PreviewDialogOf(CTraNode* node);
// True when the dialog cannot be shown and the hint dialog stands in: no
// layout, a size-only translated rectangle, kind 30, or an all-zero
// original rectangle.
bool PreviewNeedsHint(const CTraNode& dialog);
// Number of the dialog's children the preview shows (and the template holds).
int PreviewControlCount(const CTraNode& dialog);

struct PreviewControlClass {
  WORD atom;
  DWORD style;
  DWORD exStyle;
};
// Class and styles of a control in the preview, by its kind and layout.
PreviewControlClass PreviewClassOf(const CTraNode& control);
// The preview window's style from the layout's; resizable is false for a
// child-style dialog (shown as a bordered popup instead).
DWORD PreviewDialogStyle(DWORD layoutStyle, bool* resizable);

// Exact byte size of the template for the dialog.
size_t PreviewTemplateSize(const CTraNode& dialog);
// The template; empty for a node without a layout.
std::vector<BYTE> BuildPreviewTemplate(const CTraNode& dialog, bool* resizable = nullptr);
