// The in-place editor: an edit control placed exactly over the one text
// segment being typed in. It grows with the text, refuses a text too wide
// for its control, splits and joins lines on Enter, Backspace and Delete,
// moves across segments and lines with the arrow keys, and commits every
// accepted change at once into segment, block and document. Read-only
// while an original language file is open; without a segment it changes
// nothing.
#pragma once

#include "SegmentEditor.h"
#include "TextBlockHost.h"

#include "FrameworkWin.h"

// What the in-place editor asks of the view it lies in, beyond what the
// blocks ask: the current block drawn again after a commit, and the
// blocks' Page Up and Page Down. The edit view implements it.
class CTextEditHost : public CTextBlockHost {
 public:
  virtual void RedrawCurrentBlock() = 0;
  virtual void PageCurrent(bool up) = 0;
};

class CTextEdit : public CEdit, public CSegmentEditor {
 public:
  static constexpr UINT kControlId = 123;

  explicit CTextEdit(CTextEditHost& view);
  ~CTextEdit() override;

  BOOL CreateIn(CWnd* parent);
  CTextSegment* GetSegment() const { return m_pSegment; }
  const RECT& GetRect() const { return m_rect; }
  bool IsReadOnly() const { return m_bReadOnly; }
  void Offset(int dx, int dy);
  void InsertChar(TCHAR character);
  bool Cut();
  bool Copy();
  bool Paste();

  // CSegmentEditor
  void SetRect(int left, int top, int right, int bottom) override;
  void BeginEdit(CTextSegment* segment, int caret) override;
  void EndEdit() override;
  void ClickAt(int x, int y) override;
  bool CheckWidth(int limit, const CString& text) override;
  void SelectRange(int position, int length) override;
  void GetSel(int& start, int& end) const override { CEdit::GetSel(start, end); }
  bool ReplaceSelection(const CTextSearch& search) override;
  void Focus() override { SetFocus(); }

 protected:
  RECT GrowFor(const CString& inserted);
  bool Commit(const RECT& old);
  // The control types the character (repeat times) itself; the text then commits.
  void TypeByDefault(UINT character, UINT repeat);
  void SplitAtCaret();
  bool JoinAtEdge(UINT key);
  bool MoveAcross(bool left);
  void DrawShadow(bool active);
  void SetTabStop();
  bool IsOriginalOpen() const;
  void OfferNewTranslation();

  void OnChar(UINT character, UINT repeat, UINT flags);
  void OnSysChar(UINT character, UINT repeat, UINT flags);
  void OnKeyDown(UINT key, UINT repeat, UINT flags);
  void OnKeyUp(UINT key, UINT repeat, UINT flags);
  void OnPaint();
  void OnRButtonUp(UINT, CPoint) {}
  LRESULT OnMouseWheel(WPARAM wParam, LPARAM lParam);

  CTextEditHost& m_view;
  CTextSegment* m_pSegment = nullptr;
  RECT m_rect{-10, -10, -5, -5};
  HFONT m_hFont = nullptr;
  bool m_bDeletePassed = false;
  bool m_bReadOnly = true;

  DECLARE_MESSAGE_MAP()
};
