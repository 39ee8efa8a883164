// The editor's lower pane: every text of the open language file as a text
// block in tree order, drawn through an offscreen bitmap, scrolled by its
// own proportional model, with the in-place editor over the segment being
// typed in, block navigation, collapsing, the edit-mark commands, the find
// dialogs, and the position text of the status bar. Its scroll bars are
// drawn through CScrollBarThrottle; its tool windows (dialog editor,
// special characters) live in CDeskToolWindows; it reaches its frame
// through CEditViewFrame only.
#pragma once

#include "DcTextDevice.h"
#include "DeskScroll.h"
#include "DeskToolWindows.h"
#include "FindReplace.h"
#include "ScrollBarThrottle.h"
#include "TextBlockList.h"
#include "TextEdit.h"
#include "WinUiServices.h"

#include "FrameworkWin.h"
#include "ScrollView.h"

#include <memory>

class CTransDoc;

class CMyEditView : public CScrollView, public CTextEditHost {
  DECLARE_DYNCREATE(CMyEditView)

 public:
  static constexpr int kTopMargin = 20;

  CMyEditView();
  ~CMyEditView() override;

  CTransDoc* GetDoc() const;
  CTextEdit* GetTextEdit() const { return m_pEdit.get(); }
  CTextBlockList& GetBlocks() { return m_blocks; }
  const CDeskScrollAxis& GetVerticalAxis() const { return m_v; }
  int GetVisibleCount() const { return m_nVisibleCount; }
  void SetStatusBar(CStatusBar* bar) { m_pStatusBar = bar; }
  // The position text as the status bar shows it.
  CString PositionText() const;

  void OnInitialUpdate() override;
  void OnUpdate(CView* sender, LPARAM hint, CObject* hintObject) override;
  void OnDraw(CDC* dc) override;
  void OnPrepareDC(CDC*) override {}

  // Commands of the frame.
  void ExpandAll();
  void CollapseAll();
  void ShowTextsToEdit();
  void MarkAllToEdit();
  void MarkAllEdited();
  void OnFind();
  void OnReplace();
  bool CanFindReplace() const { return m_pFindDialog == nullptr; }
  void OnFindReplaceMessage(LPARAM lParam);
  void OnFindNextForward();
  void OnFindNextBackward();
  // The find dialog when none is open, else a search from the caret.
  void FindNextCommand(bool forward);
  CDeskToolWindows& ToolWindows() { return m_tools; }
  bool IsDialogEditorShown() const { return m_tools.IsDialogEditorShown(); }
  CDialogPreview* GetDialogPreview() const { return m_tools.GetDialogPreview(); }
  CSpecialCharsDlg* GetSpecialCharsWindow() const { return m_tools.GetSpecialCharsWindow(); }
  // Writes the position or count into the status bar, in the current language.
  void UpdatePositionText();

  // CTextEditHost
  void PageCurrent(bool up) override;
  void RedrawCurrentBlock() override;
  // Document y of a block's top (blocks hidden by a collapsed group have the
  // top of the next visible one).
  int BlockTop(int index) const;

  // CTextBlockHost
  int GetTabWidth() const override { return m_nTabWidth; }
  CTextDevice& GetClientDevice() override { return m_device; }
  CSegmentEditor* GetEditor() override;
  POINT GetCurrentBlockOrigin() const override { return m_ptOrigin; }
  void MoveCurrent(int step, bool enterAtStart, bool caretAtStart) override;
  void PlaceCurrentBlock(bool enterAtStart, bool caretAtStart) override;
  void EnsureItemVisible(CTextBlock* block, int itemTop) override;
  void RecalcTotalHeight() override;
  void UpdateScrollBars(bool keepOffset) override;
  void Invalidate() override { CWnd::Invalidate(FALSE); }
  void PropagateStates() override;
  void SelectDialogNode(CTraNode* node) override;
  void CommitBlockText(CTextBlock* block) override;
  void SetModified() override;
  bool IsOriginal() const override;
  void OfferNewTranslation() override;
  void FocusEditor() override;

 protected:
  void RebuildBlocks();
  void StoreTexts() { m_blocks.StoreTexts(); }
  void CreateOffscreen();
  void FreeOffscreen();
  int MeasureTabWidth();
  void PaintBlocks();
  void EnsureCurrentVisible();
  // Moves the editor window by the change of the offsets.
  void MoveEditorBy(int dx, int dy);
  void ScrollByPixels(int delta);
  // One scroll-bar request on bar (SB_VERT, SB_HORZ); the change of that offset.
  int ScrollBar(int bar, UINT code, UINT pos);
  // Block under a window point: index and the point relative to the block.
  int HitBlock(CPoint point, CPoint& inBlock, bool& onBox) const;
  void CopyAroundItem(HDC screen, const RECT& band);

  void OnLButtonDown(UINT flags, CPoint point);
  void OnSize(UINT type, int cx, int cy);
  void OnVScroll(UINT code, UINT pos, CScrollBar* bar);
  void OnHScroll(UINT code, UINT pos, CScrollBar* bar);
  LRESULT OnMouseWheel(WPARAM wParam, LPARAM lParam);
  BOOL OnEraseBkgnd(CDC*) { return TRUE; }
  void OnDestroy();
  void OnTimer(UINT_PTR id);
  LRESULT OnDropClosedCharsWindow(WPARAM, LPARAM);
  void InsertChar(TCHAR ch);

  CTextBlockList m_blocks;
  std::unique_ptr<CTextEdit> m_pEdit;
  POINT m_ptOrigin{-1, -1};
  int m_nVisibleCount = 5;
  CDeskScrollAxis m_v;
  CDeskScrollAxis m_h;
  CScrollBarThrottle m_bars;
  CDeskWheel m_wheel;
  bool m_bReady = false;
  HDC m_hMemDC = nullptr;
  HBITMAP m_hMemBitmap = nullptr;
  HGDIOBJ m_hOldBitmap = nullptr;
  SIZE m_memSize{0, 0};
  CDcTextDevice m_device;
  CDeskPictures m_pictures;
  int m_nTabWidth = 28;
  CWinUiServices m_ui;
  CFindReplace m_find;
  CFindReplaceDialog* m_pFindDialog = nullptr;
  CStatusBar* m_pStatusBar = nullptr;
  CDeskToolWindows m_tools;

  DECLARE_MESSAGE_MAP()
};
