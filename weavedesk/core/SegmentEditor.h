// What text segments, blocks and find-and-replace ask of the in-place
// editor: the window that covers the one segment being typed in. The
// editor control implements it; tests use a fake that keeps the text and
// the selection. Nothing here types or commits by itself.
#pragma once

#include "Framework.h"

class CTextSegment;
class CTextSearch;

class CSegmentEditor {
 public:
  virtual ~CSegmentEditor() = default;
  // Moves the editor over a rectangle in view coordinates.
  virtual void SetRect(int left, int top, int right, int bottom) = 0;
  // Attaches to a segment, showing its text; caret -1 is the end.
  virtual void BeginEdit(CTextSegment* segment, int caret) = 0;
  // Selects the end, scrolls the caret into view and detaches.
  virtual void EndEdit() = 0;
  // A mouse click at a point relative to the editor places the caret.
  virtual void ClickAt(int x, int y) = 0;
  // Whether text is narrower than a control of limit dialog units.
  virtual bool CheckWidth(int limit, const CString& text) = 0;
  // Selects length characters from position and shows them.
  virtual void SelectRange(int position, int length) = 0;
  virtual void GetSel(int& start, int& end) const = 0;
  // Replaces a selection that matches the search's text; false only when
  // the new text was refused (too wide for its control).
  virtual bool ReplaceSelection(const CTextSearch& search) = 0;
  virtual void Focus() = 0;
};
