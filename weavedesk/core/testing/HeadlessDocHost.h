// The document's host without windows, for the fuzz target and the
// benchmark: the views are one headless view that rebuilds its blocks on
// hint 1 and writes them back on hint 2; no dialog opens.
#pragma once

#include "DeskDocument.h"
#include "HeadlessView.h"

class CHeadlessDocHost : public CDeskDocumentHost {
 public:
  void UpdateAllViews(int hint) override {
    if (hint == DESK_HINT_REBUILD) m_view.Rebuild(m_pDoc->GetRootNode(), m_pDoc->GetOverlayRootNode());
    if (hint == DESK_HINT_STORE) m_view.m_blocks.StoreTexts();
  }
  void CommitDialogRects() override {}
  void DetachDialogEditor() override {}
  void RefreshHeader() override {}
  bool RunFontsDialog() override { return false; }
  void RunAddOnsDialog(CTraFile&) override {}
  void SetTitle(const CString&) override {}

  CDeskDocument* m_pDoc = nullptr;
  CHeadlessView m_view;
};
