// The dialog editor's commands on the rectangle table: undo, undo all,
// the original layout back, and writing changed rectangles into the
// layout records.
#include "DialogEditor.h"

#include "DeskStrings.h"
#include "TraNode.h"
#include "UiServices.h"

RECT CDialogEditor::LayoutRect(int index, bool original) const {
  const CTraNode* node = index == 0 ? GetShownNode() : ControlNode(index);
  if (!node || !node->GetLayout()) return {0, 0, 0, 0};
  const CTraLayout& layout = *node->GetLayout();
  if (index == 0) {
    // The dialog's entry is its client rectangle: only the size counts.
    const RECT& r = original ? layout.m_rcOriginal : layout.m_rcTranslated;
    return {0, 0, static_cast<LONG>(static_cast<int64_t>(r.right) - r.left),
            static_cast<LONG>(static_cast<int64_t>(r.bottom) - r.top)};
  }
  return original ? layout.m_rcOriginal : layout.m_rcTranslated;
}

void CDialogEditor::SetLayoutRect(int index, const RECT& units) {
  CTraNode* node = index == 0 ? m_pDialog : ControlNode(index);
  if (node && node->GetLayout()) node->GetLayout()->m_rcTranslated = units;
}

bool CDialogEditor::DiffersFromOriginal(int index) const {
  const RECT a = LayoutRect(index, false), b = LayoutRect(index, true);
  if (index == 0) return a.right != b.right || a.bottom != b.bottom;
  return a.left != b.left || a.top != b.top || a.right != b.right || a.bottom != b.bottom;
}

void CDialogEditor::RestoreEntry(int index, bool repaint) {
  const RECT pixels = ToPixels(LayoutRect(index, false));
  if (index == 0) {
    m_window.SetClientSize(pixels.right, pixels.bottom);
    m_rects[0] = pixels;
    return;
  }
  m_window.MoveControl(index, pixels, repaint);
  // A combo box's window is taller or shorter than its layout says.
  m_rects[index] = ControlKind(index) == TRA_COMBOBOX ? m_window.GetControlRect(index) : pixels;
}

void CDialogEditor::OnUndo() {
  if (!HasWindow() || m_bHintShown) return;
  const int s = EntryOrDialog(m_nSelected);
  m_changed[s] = 0;
  EraseFrames();
  RestoreEntry(s, true);
  DrawFrames();
}

void CDialogEditor::OnUndoAll() {
  if (!HasWindow() || m_bHintShown) return;
  if (m_ui.ShowMessage(DeskText(IDS_DESK_UNDO_ALL_QUESTION), MB_YESNO | MB_ICONQUESTION) != IDYES) return;
  EraseFrames();
  for (int i = 0; i < GetCount(); ++i) m_changed[i] = 0;
  for (int i = 1; i < GetCount(); ++i) RestoreEntry(i, false);
  m_window.InvalidateAll();
  RestoreEntry(0, false);
}

void CDialogEditor::OnLoadOriginal() {
  if (!HasWindow() || m_bHintShown) return;
  if (m_document.IsOriginal()) {
    m_document.OfferNewTranslation();
    return;
  }
  const int s = EntryOrDialog(m_nSelected);
  EraseFrames();
  m_changed[s] = 0;
  CTraNode* node = s == 0 ? m_pDialog : ControlNode(s);
  if (node && node->GetLayout()) node->GetLayout()->m_rcTranslated = node->GetLayout()->m_rcOriginal;
  RestoreEntry(s, true);
  DrawFrames();
  m_document.SetModified();
}

void CDialogEditor::OnLoadAllOriginals() {
  if (!HasWindow() || m_bHintShown) return;
  if (m_document.IsOriginal()) {
    m_document.OfferNewTranslation();
    return;
  }
  if (m_ui.ShowMessage(DeskText(IDS_DESK_ORIGINALS_QUESTION), MB_YESNO | MB_ICONQUESTION) != IDYES) return;
  EraseFrames();
  for (int i = 0; i < GetCount(); ++i) {
    m_changed[i] = 0;
    CTraNode* node = i == 0 ? m_pDialog : ControlNode(i);
    if (node && node->GetLayout()) node->GetLayout()->m_rcTranslated = node->GetLayout()->m_rcOriginal;
  }
  for (int i = 1; i < GetCount(); ++i) RestoreEntry(i, false);
  m_window.InvalidateAll();
  RestoreEntry(0, false);
  m_document.SetModified();
}

void CDialogEditor::CommitRects() {
  if (m_bHintShown || !m_pDialog) return;  // the hint belongs to the program, not the document
  for (int i = 0; i < GetCount(); ++i) {
    if (!m_changed[i]) continue;
    RECT units = ToDialogUnits(m_rects[i]);
    if (ControlKind(i) == TRA_COMBOBOX) {
      // The table holds the combo box's shown field; its layout's height is
      // the dropped-down list's and is never edited.
      const RECT layout = LayoutRect(i, false);
      units.bottom = static_cast<LONG>(units.top + (static_cast<int64_t>(layout.bottom) - layout.top));
    }
    SetLayoutRect(i, units);
  }
}
