#include "FindReplace.h"

#include "DeskStrings.h"
#include "SegmentEditor.h"
#include "TextBlockHost.h"
#include "TextBlockList.h"
#include "UiServices.h"

CFindReplace::CFindReplace(CTextBlockList& blocks, CUiServices& ui)
    : m_blocks(blocks), m_ui(ui), m_bMatchCase(false), m_bWholeWord(false), m_bForward(true),
      m_bReplacingAll(false) {}

void CFindReplace::SetDialogParams(const CString& search, const CString& replace, bool matchCase,
                                   bool wholeWord) {
  m_strSearch = search;
  m_strReplace = replace;
  m_bMatchCase = matchCase;
  m_bWholeWord = wholeWord;
}

void CFindReplace::PrepareSearch() {
  m_pSearch.reset(new CTextSearch());
  int block = 0, item = 0, position = 0;
  CTextBlock* current = m_blocks.GetCurrentBlock();
  if (current) {
    block = m_blocks.GetCurrent();
    item = current->GetCurrentItem();
    CSegmentEditor* editor = m_blocks.GetHost()->GetEditor();
    int start = 0, end = 0;
    if (item >= 0 && editor) {
      editor->Focus();
      editor->GetSel(start, end);
    }
    if (item < 0) {
      // A current block without an edited item: from its start or its end.
      item = m_bForward ? 0 : -1;
      position = m_bForward ? 0 : -1;
    } else if (m_bForward) {
      // Past the start of a selected hit; from the caret when nothing is selected.
      position = start < end ? start + 1 : start;
    } else {
      // Before the end of a selected hit, so that an earlier hit overlapping it is found.
      position = start < end ? end - 1 : start;
      if (position < 0) position = 0;
    }
  }
  m_pSearch->SetStart(block, item, position, m_blocks.GetCount());
  TakeDialogParams();
  m_pSearch->SetNoWrap(m_bReplacingAll);
}

void CFindReplace::TakeDialogParams() {
  m_pSearch->SetParams(m_strSearch, m_bForward, m_bMatchCase, m_bWholeWord, m_strReplace);
}

bool CFindReplace::FindNext(bool advance, bool silent) {
  PrepareSearch();
  CTextSearch& search = *m_pSearch;
  bool hit = false;
  if (m_blocks.GetCount() > 0) {
    bool searching = advance ? search.StepBlock() : true;
    while (searching) {
      if (search.SearchBlock(*m_blocks.GetBlock(search.m_nCurrentBlock))) {
        hit = true;
        break;
      }
      searching = search.StepBlock();
    }
  }
  if (!hit) {
    if (!silent) m_ui.ShowMessage(DeskText(IDS_DESK_NOT_FOUND), MB_OK | MB_ICONINFORMATION);
    return false;
  }
  CTextBlockHost* host = m_blocks.GetHost();
  m_blocks.SetCurrent(search.m_nCurrentBlock);
  m_blocks.ExpandToCurrent();
  CTextBlock* block = m_blocks.GetCurrentBlock();
  // Placed twice: the first placement may scroll, which moves the block's origin.
  for (int pass = 0; pass < 2; ++pass) {
    host->PlaceCurrentBlock(true, true);
    block->BeginEditAtHit(search.m_nCurrentItem, search.m_nPosition, search.m_strSearch.GetLength());
  }
  host->Invalidate();
  return true;
}

bool CFindReplace::Replace(bool silent) {
  bool replaced = false;
  CSegmentEditor* editor = m_blocks.GetHost()->GetEditor();
  if (m_blocks.GetCurrentBlock() && m_pSearch && editor) {
    TakeDialogParams();  // not those of the last Find Next
    replaced = editor->ReplaceSelection(*m_pSearch);
  }
  if (!replaced && !silent) m_ui.ShowMessage(DeskText(IDS_DESK_REPLACE_REFUSED), MB_OK | MB_ICONEXCLAMATION);
  return FindNext(!replaced, silent);
}

bool CFindReplace::FindNextCommand(bool forward, bool dialogOpen) {
  if (!dialogOpen) return false;
  m_bForward = forward;
  FindNext(false, false);
  return true;
}

bool CFindReplace::MayReplace() {
  CTextBlockHost* host = m_blocks.GetHost();
  if (!host || !host->IsOriginal()) return true;
  host->OfferNewTranslation();
  return false;
}

bool CFindReplace::OnDialogRequest(const FindDialogRequest& request) {
  if (request.terminating) return false;
  SetDialogParams(request.search, request.replaceWith, request.matchCase, request.wholeWord);
  m_bForward = request.forward;
  if (request.findNext) {
    FindNext(false, false);
  } else if (request.replace || request.replaceAll) {
    // An original is never changed: it offers a new translation instead.
    if (!MayReplace()) return true;
    if (request.replace)
      Replace(false);
    else
      ReplaceAll();
  }
  return true;
}

void CFindReplace::ReplaceAll() {
  const bool forward = m_bForward;
  m_bForward = true;
  m_bReplacingAll = true;
  m_blocks.SetCurrent(-1);
  // Every step consumes at least one character of the original texts.
  long long bound = 1;
  for (int i = 0; i < m_blocks.GetCount(); ++i) {
    const CTextBlock* block = m_blocks.GetBlock(i);
    bound += 1;
    for (int k = 0; k < block->GetItemCount(); ++k) bound += block->GetItem(k)->m_strText.GetLength();
  }
  if (FindNext(false, true)) {
    for (long long step = 0; step < bound && Replace(true); ++step) {
    }
  }
  m_bReplacingAll = false;
  m_bForward = forward;
}
