// What the dialog editor asks of its window, of the document and of the
// program: the seams between the window-free editor (CDialogEditor) and
// the preview dialog, the position window and the document. Declares
// interfaces only.
#pragma once

#include "Framework.h"

#include <memory>
#include <vector>

class CTraNode;

// Mouse cursor ids.
enum PreviewCursor {
  PREVIEW_CURSOR_ARROW = 32512,
  PREVIEW_CURSOR_SIZE_NWSE = 32642,
  PREVIEW_CURSOR_SIZE_NESW = 32643,
  PREVIEW_CURSOR_SIZE_WE = 32644,
  PREVIEW_CURSOR_SIZE_NS = 32645,
  PREVIEW_CURSOR_SIZE_ALL = 32646
};

// The preview window and its position window. Indexes are table indexes:
// 0 the dialog, i the control with id 255 + i. Rectangles in client pixels
// unless named otherwise.
class CPreviewWindow {
 public:
  virtual ~CPreviewWindow() = default;
  // Creates the modeless window from the template; false when it could not.
  virtual bool CreatePreview(const std::vector<BYTE>& dialogTemplate) = 0;
  virtual void DestroyPreview() = 0;
  virtual void SetCursor(int cursorId) = 0;
  virtual void DrawHoverFrame(const RECT& r) = 0;
  virtual void DrawSelectionFrame(const RECT& r) = 0;
  // Invalidates the area and updates the window at once.
  virtual void EraseRect(const RECT& r) = 0;
  virtual void InvalidateAll() = 0;
  // Drawn in XOR: a second call removes it.
  virtual void XorBand(const RECT& r) = 0;
  virtual void MoveControl(int index, const RECT& r, bool repaint) = 0;
  virtual RECT GetControlRect(int index) = 0;
  virtual void SetClientSize(int cx, int cy) = 0;
  virtual void MoveWindowBy(int dx, int dy) = 0;
  virtual void SetCaption(const CString& text) = 0;
  // Whether the preview is the active window; activates its owner (the
  // main frame) and answers whether there was one.
  virtual bool IsPreviewActive() = 0;
  virtual bool ActivateOwner() = 0;
  // Sets the captions of the preview and of its owner again to their own
  // texts, so that both are drawn anew.
  virtual void RefreshCaptions() = 0;
  virtual void SetControlText(int index, const CString& text) = 0;
  // Position window: a rectangle in dialog units or none, a point in dialog units.
  virtual void ShowPositionRect(const RECT* dialogUnits) = 0;
  virtual void ShowPositionPoint(int x, int y) = 0;
};

// The document as the dialog editor needs it.
class CPreviewDocument {
 public:
  virtual ~CPreviewDocument() = default;
  virtual bool IsOriginal() const = 0;
  virtual void SetModified() = 0;
  virtual void OfferNewTranslation() = 0;
};

// The program around the editor: the busy flag of its own translation and
// its own hint dialog.
class CPreviewProgram {
 public:
  virtual ~CPreviewProgram() = default;
  virtual void SetBusy(bool busy) = 0;
  // A fresh copy of the hint dialog of the program's own language file;
  // null when there is none.
  virtual std::unique_ptr<CTraNode> MakeHintDialog() = 0;
};
