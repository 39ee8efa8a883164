#include "DeskToolWindows.h"

#include "TraNode.h"

CDeskToolWindows::CDeskToolWindows(CWnd& view, CUiServices& ui, std::function<void(TCHAR)> insertChar,
                                   std::function<void()> charsClosed)
    : m_view(view), m_ui(ui), m_insertChar(std::move(insertChar)), m_charsClosed(std::move(charsClosed)) {}

CDeskToolWindows::~CDeskToolWindows() = default;

void CDeskToolWindows::CreateDialogEditor(CWnd* frame, CDeskDocument& document) {
  if (m_pPreview) return;
  m_pPreviewDocument.reset(new CDeskPreviewDocument(document));
  m_pPreview.reset(new CDialogPreview(frame, *m_pPreviewDocument, m_ui));
  m_pPreview->SetCloseCommand([this] { ToggleDialogEditor(); });
}

void CDeskToolWindows::ToggleDialogEditor() {
  if (m_pPreview) m_pPreview->Show(!m_pPreview->IsShown());
}

void CDeskToolWindows::CommitDialogRects() {
  if (m_pPreview) m_pPreview->CommitRects();
}

void CDeskToolWindows::DetachDialogEditor() {
  if (m_pPreview) m_pPreview->Detach();
}

void CDeskToolWindows::RebuildDialogEditor() {
  if (!IsDialogEditorShown()) return;
  m_pPreview->Show(false);
  m_pPreview->Show(true);
}

void CDeskToolWindows::SelectDialogNode(CTraNode* node) {
  if (m_pPreview) m_pPreview->SelectItem(node);
}

void CDeskToolWindows::ShowCommittedText(CTraNode* node, const CString& text) {
  if (IsDialogEditorActive()) m_pPreview->SetItemText(node, text);
}

void CDeskToolWindows::ToggleSpecialChars(bool on) {
  if (!on) {
    m_pSpecialChars.reset();
    return;
  }
  if (!m_pSpecialChars) m_pSpecialChars.reset(new CSpecialCharsDlg(*this));
}

void CDeskToolWindows::OnCharsWindowClosed() {
  // Called from the window's own message: hide it now, delete it afterwards.
  if (!m_pSpecialChars) return;
  m_pSpecialChars->ShowWindow(SW_HIDE);
  m_pClosedChars = std::move(m_pSpecialChars);
  m_view.PostMessage(kDropClosedCharsWindow, 0, 0);
  if (m_charsClosed) m_charsClosed();
}

void CDeskToolWindows::CloseAll() {
  if (m_pPreview) m_pPreview->Show(false);
  m_pSpecialChars.reset();
  m_pClosedChars.reset();
}
