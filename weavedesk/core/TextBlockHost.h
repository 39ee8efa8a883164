// What text blocks and the block list ask of the edit view that shows
// them: the measuring device, the in-place editor, the current block's
// origin, scrolling and repainting, moving to another block, the dialog
// editor and the document's modified mark and original state. The edit
// view implements it; tests use a fake that records the calls.
#pragma once

#include "Framework.h"

class CTextBlock;
class CTextDevice;
class CSegmentEditor;
class CTraNode;

class CTextBlockHost {
 public:
  virtual ~CTextBlockHost() = default;
  virtual int GetTabWidth() const = 0;
  // A device of the view's client area, for laying blocks out again.
  virtual CTextDevice& GetClientDevice() = 0;
  virtual CSegmentEditor* GetEditor() = 0;
  // Window position at which the current block was last drawn.
  virtual POINT GetCurrentBlockOrigin() const = 0;
  // Makes another visible block current, step blocks away.
  virtual void MoveCurrent(int step, bool enterAtStart, bool caretAtStart) = 0;
  // Scrolls so that the current block is in view and enters it.
  virtual void PlaceCurrentBlock(bool enterAtStart, bool caretAtStart) = 0;
  virtual void EnsureItemVisible(CTextBlock* block, int itemTop) = 0;
  virtual void RecalcTotalHeight() = 0;
  virtual void UpdateScrollBars(bool keepOffset) = 0;
  virtual void Invalidate() = 0;
  // Recomputes the groups' edit states of the whole tree.
  virtual void PropagateStates() = 0;
  // The dialog editor shows this node's control selected.
  virtual void SelectDialogNode(CTraNode* node) = 0;
  // A block's text was committed (the dialog editor shows it at once).
  virtual void CommitBlockText(CTextBlock* block) = 0;
  // The document's saved data changed.
  virtual void SetModified() = 0;
  // An original language file is open: nothing may change it.
  virtual bool IsOriginal() const = 0;
  // Asks whether to start a new translation from the original.
  virtual void OfferNewTranslation() = 0;
  virtual void FocusEditor() = 0;
};
