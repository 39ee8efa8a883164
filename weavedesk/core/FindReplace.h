// Find and replace over the blocks of a block list: the find-next step
// with its not-found message, replacing the editor's selection, and
// replace all, which always runs forward once over the whole document;
// what the find commands and the dialog's requests do. The dialogs
// themselves belong to the view.
#pragma once

#include "TextSearch.h"

class CTextBlockList;
class CUiServices;

// What the find or replace dialog asks for with one message.
struct FindDialogRequest {
  bool terminating = false;
  bool findNext = false;
  bool replace = false;
  bool replaceAll = false;
  bool forward = true;
  bool matchCase = false;
  bool wholeWord = false;
  CString search;
  CString replaceWith;
};

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

  // F3 (forward) and Shift+F3: false when no dialog is open, and the
  // caller opens the find dialog; otherwise a search from the caret.
  bool FindNextCommand(bool forward, bool dialogOpen);
  // A message of the dialog; false when it says the dialog is going away.
  bool OnDialogRequest(const FindDialogRequest& request);
  // Before the replace dialog opens: an original file offers a new
  // translation instead, and the answer is false.
  bool MayReplace();
  const CTextSearch* GetSearch() const { return m_pSearch.get(); }

 private:
  void PrepareSearch();
  // The search takes the dialog's texts and options as they are now.
  void TakeDialogParams();

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
