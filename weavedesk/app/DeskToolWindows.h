// The edit view's two tool windows: the dialog editor, made on the first
// update beside the frame and fed with the current node and the texts as
// they are committed, and the modeless special-character window, whose
// characters go to the in-place editor. A special-character window closed
// from its own buttons is hidden at once and deleted after its message,
// through a message posted to the view. Knows nothing of blocks or
// scrolling.
#pragma once

#include "DeskDialogs.h"
#include "FrameworkWin.h"

#include <functional>
#include <memory>

class CDeskDocument;
class CTraNode;
class CUiServices;

class CDeskToolWindows : public CSpecialCharsOwner {
 public:
  // Posted to the view when a closed special-character window can go.
  static constexpr UINT kDropClosedCharsWindow = WM_APP + 21;

  // view: the special-character window's parent. insertChar types a
  // character; charsClosed tells the frame the window went.
  CDeskToolWindows(CWnd& view, CUiServices& ui, std::function<void(TCHAR)> insertChar,
                   std::function<void()> charsClosed);
  ~CDeskToolWindows() override;
  CDeskToolWindows(const CDeskToolWindows&) = delete;
  CDeskToolWindows& operator=(const CDeskToolWindows&) = delete;

  // Makes the dialog editor once, beside frame, on document.
  void CreateDialogEditor(CWnd* frame, CDeskDocument& document);
  CDialogPreview* GetDialogPreview() const { return m_pPreview.get(); }
  void ToggleDialogEditor();
  bool IsDialogEditorShown() const { return m_pPreview && m_pPreview->IsShown(); }
  void CommitDialogRects();
  void DetachDialogEditor();
  // Builds a shown dialog editor again (after the program's language changed).
  void RebuildDialogEditor();
  void SelectDialogNode(CTraNode* node);
  // A node's text was committed: an active dialog editor shows it at once.
  bool IsDialogEditorActive() const { return m_pPreview && m_pPreview->IsActive(); }
  void ShowCommittedText(CTraNode* node, const CString& text);

  void ToggleSpecialChars(bool on);
  CSpecialCharsDlg* GetSpecialCharsWindow() const { return m_pSpecialChars.get(); }
  void DropClosedCharsWindow() { m_pClosedChars.reset(); }

  // The view is being destroyed: the dialog editor writes its rectangles
  // while the document still exists, the windows go.
  void CloseAll();

  // CSpecialCharsOwner
  CWnd* GetCharsParent() override { return &m_view; }
  void InsertChar(TCHAR ch) override { m_insertChar(ch); }
  void OnCharsWindowClosed() override;

 private:
  CWnd& m_view;
  CUiServices& m_ui;
  std::function<void(TCHAR)> m_insertChar;
  std::function<void()> m_charsClosed;
  std::unique_ptr<CDeskPreviewDocument> m_pPreviewDocument;
  std::unique_ptr<CDialogPreview> m_pPreview;
  std::unique_ptr<CSpecialCharsDlg> m_pSpecialChars;
  // A window closed from its own buttons, deleted once its message is done.
  std::unique_ptr<CSpecialCharsDlg> m_pClosedChars;
};
