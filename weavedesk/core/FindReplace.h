// Find and replace over the blocks of a block list: the find-next step
// with its not-found message, replacing the editor's selection, and
// replace all, which always runs forward once over the whole document.
// The dialogs that drive it belong to the view.
#pragma once

#include "TextSearch.h"

class CTextBlockList;
class CUiServices;

class CFindReplace {
 public:
  CFindReplace(CTextBlockList& blocks, CUiServices& ui);

  // What the dialog holds.
  void SetDialogParams(const CString& search, const CString& replace, bool matchCase, bool wholeWord);
  void SetForward(bool forward) { m_bForward = forward; }
  bool IsForward() const { return m_bForward; }

  bool FindNext(bool advance, bool silent);
  bool Replace(bool silent);
  void ReplaceAll();
  const CTextSearch* GetSearch() const { return m_pSearch.get(); }

 private:
  void PrepareSearch();

  CTextBlockList& m_blocks;
  CUiServices& m_ui;
  std::unique_ptr<CTextSearch> m_pSearch;
  CString m_strSearch;
  CString m_strReplace;
  bool m_bMatchCase;
  bool m_bWholeWord;
  bool m_bForward;
  bool m_bReplacingAll;
};
