// An edit view without a window, for tests, the fuzz target and the
// benchmark: a fixed-pitch device, an in-place editor that keeps its text
// and selection in memory (commits like the real one: segment, edit mark,
// modified), the block list, and counters for the view's chrome.
#pragma once

#include "FixedPitchDevice.h"
#include "SegmentEditor.h"
#include "TextBlockHost.h"
#include "TextBlockList.h"
#include "TextSearch.h"
#include "TraNode.h"

class CMemoryEditor : public CSegmentEditor {
 public:
  explicit CMemoryEditor(CTextBlockHost& host) : m_host(host) {}

  void SetRect(int left, int top, int right, int bottom) override { m_rect = RECT{left, top, right, bottom}; }
  void BeginEdit(CTextSegment* segment, int caret) override {
    m_pSegment = segment;
    m_strText = segment->m_strText;
    m_nSelStart = m_nSelEnd = caret < 0 || caret > m_strText.GetLength() ? m_strText.GetLength() : caret;
  }
  void EndEdit() override { m_pSegment = nullptr; }
  void ClickAt(int x, int) override {
    int caret = x / CFixedPitchDevice::kCharWidth;
    if (caret > m_strText.GetLength()) caret = m_strText.GetLength();
    m_nSelStart = m_nSelEnd = caret < 0 ? 0 : caret;
  }
  bool CheckWidth(int, const CString&) override { return !m_bRefuse; }
  void SelectRange(int position, int length) override {
    m_nSelStart = position;
    m_nSelEnd = position + length;
  }
  void GetSel(int& start, int& end) const override {
    start = m_nSelStart;
    end = m_nSelEnd;
  }
  bool ReplaceSelection(const CTextSearch& search) override {
    if (!m_pSegment) return true;
    if (!search.Matches(m_strText.Mid(m_nSelStart, m_nSelEnd - m_nSelStart))) return true;
    return Type(search.m_strReplace);
  }
  void Focus() override {}

  // Replaces the selection with text and commits; false when refused.
  bool Type(const CString& text) {
    if (!m_pSegment || m_bRefuse) return false;
    m_strText = m_strText.Left(m_nSelStart) + text + m_strText.Mid(m_nSelEnd);
    m_nSelStart = m_nSelEnd = m_nSelStart + text.GetLength();
    m_pSegment->SetText(m_strText);
    m_pSegment->m_pBlock->Layout(m_host.GetClientDevice());
    m_pSegment->ClearEditMark();
    m_host.SetModified();
    m_pSegment->m_pBlock->CommitText();
    return true;
  }

  CTextBlockHost& m_host;
  CTextSegment* m_pSegment = nullptr;
  CString m_strText;
  int m_nSelStart = 0;
  int m_nSelEnd = 0;
  bool m_bRefuse = false;
  RECT m_rect{0, 0, 0, 0};
};

class CHeadlessView : public CTextBlockHost {
 public:
  CHeadlessView() : m_editor(*this), m_blocks(this) {}

  void Rebuild(CTraNode* root, CTraNode* overlayRoot) {
    m_blocks.Build(root, overlayRoot);
    m_nTotalHeight = m_blocks.LayoutAll(m_device);
  }

  int GetTabWidth() const override { return 28; }
  CTextDevice& GetClientDevice() override { return m_device; }
  CSegmentEditor* GetEditor() override { return &m_editor; }
  POINT GetCurrentBlockOrigin() const override { return POINT{0, 0}; }
  void MoveCurrent(int step, bool enterAtStart, bool caretAtStart) override {
    ++m_nMoves;
    const std::vector<bool> visible = m_blocks.VisibleBlocks();
    int index = m_blocks.GetCurrent();
    for (int n = step; n != 0 && index >= 0;) {
      int next = index + (n > 0 ? 1 : -1);
      while (next >= 0 && next < m_blocks.GetCount() && !visible[static_cast<size_t>(next)]) next += n > 0 ? 1 : -1;
      if (next < 0 || next >= m_blocks.GetCount()) break;
      index = next;
      n += n > 0 ? -1 : 1;
    }
    m_blocks.SetCurrent(index);
    PlaceCurrentBlock(enterAtStart, caretAtStart);
  }
  void PlaceCurrentBlock(bool enterAtStart, bool caretAtStart) override {
    if (CTextBlock* block = m_blocks.GetCurrentBlock()) block->EnterEdit(&m_editor, enterAtStart, caretAtStart);
  }
  void EnsureItemVisible(CTextBlock*, int) override {}
  void RecalcTotalHeight() override {}
  void UpdateScrollBars(bool) override {}
  void Invalidate() override { ++m_nInvalidations; }
  void PropagateStates() override {
    if (m_blocks.GetRoot()) m_blocks.GetRoot()->PropagateStates();
  }
  void SelectDialogNode(CTraNode* node) override { m_pSelectedNode = node; }
  void CommitBlockText(CTextBlock*) override { ++m_nCommits; }
  void SetModified() override { ++m_nModified; }
  bool IsOriginal() const override { return m_bOriginal; }
  void OfferNewTranslation() override { ++m_nOffers; }
  void FocusEditor() override {}

  CFixedPitchDevice m_device;
  CMemoryEditor m_editor;
  CTextBlockList m_blocks;
  long long m_nTotalHeight = 0;
  int m_nMoves = 0;
  int m_nInvalidations = 0;
  int m_nCommits = 0;
  int m_nModified = 0;
  bool m_bOriginal = false;
  int m_nOffers = 0;
  CTraNode* m_pSelectedNode = nullptr;
};
