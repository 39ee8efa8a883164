// The dialog editor's current dialog, its window and the rectangle table.
#include "DialogEditor.h"

#include "PreviewTemplate.h"
#include "TraFile.h"
#include "TraNode.h"
#include "UiServices.h"

namespace {

// Sets the program's busy flag for its lifetime: the program's own
// translation leaves the preview alone while it is created, and is back on
// whatever the creation gives.
class BusyScope {
 public:
  explicit BusyScope(CPreviewProgram& program) : m_program(program) { m_program.SetBusy(true); }
  ~BusyScope() { m_program.SetBusy(false); }
  BusyScope(const BusyScope&) = delete;
  BusyScope& operator=(const BusyScope&) = delete;

 private:
  CPreviewProgram& m_program;
};

}  // namespace

CDialogEditor::CDialogEditor(CPreviewWindow& window, CPreviewDocument& document, CPreviewProgram& program,
                             CUiServices& ui)
    : m_window(window),
      m_document(document),
      m_program(program),
      m_ui(ui),
      m_pDialog(nullptr),
      m_bHintShown(false),
      m_bSwitchedOn(true),
      m_bResizable(true),
      m_bLeftDown(false),
      m_bMenuPending(false),
      m_bRightDrag(false),
      m_bTransition(false),
      m_bClickWithoutMove(false),
      m_bDragging(false),
      m_bEdgeGrab(false),
      m_bBandDrawn(false),
      m_nHover(-1),
      m_nSelected(-1),
      m_start{0, 0},
      m_band{0, 0, 0, 0},
      m_pixelsX(1.0),
      m_pixelsY(1.0),
      m_nCursor(PREVIEW_CURSOR_ARROW) {}

CDialogEditor::~CDialogEditor() = default;

const CTraNode* CDialogEditor::GetShownNode() const { return m_bHintShown ? m_pHint.get() : m_pDialog; }

bool CDialogEditor::SetDialogNode(CTraNode* node) {
  if (node == m_pDialog) return true;
  CTraNode* dialog = PreviewDialogOf(node);
  if (m_bHintShown && dialog && PreviewNeedsHint(*dialog)) {
    m_pDialog = dialog;  // the hint window stays as it is
    return true;
  }
  if (m_bSwitchedOn) DestroyWindow();
  m_pDialog = dialog;
  if (m_bSwitchedOn) BuildWindow();
  return true;
}

void CDialogEditor::Show(bool on) {
  if (on == m_bSwitchedOn) return;
  m_bSwitchedOn = on;
  if (on)
    BuildWindow();
  else
    DestroyWindow();
}

void CDialogEditor::Detach() {
  DestroyWindow();
  m_pDialog = nullptr;
}

bool CDialogEditor::BuildWindow() {
  m_bHintShown = false;
  m_pHint.reset();
  if (!m_pDialog) return false;
  const CTraNode* shown = m_pDialog;
  if (PreviewNeedsHint(*m_pDialog)) {
    m_pHint = m_program.MakeHintDialog();
    if (!m_pHint || !m_pHint->GetLayout()) {
      m_pHint.reset();
      return false;
    }
    m_bHintShown = true;
    shown = m_pHint.get();
  }
  std::vector<BYTE> bytes = BuildPreviewTemplate(*shown, &m_bResizable);
  if (bytes.empty()) return false;
  BusyScope busy(m_program);
  return m_window.CreatePreview(bytes);
}

void CDialogEditor::DestroyWindow() {
  if (HasWindow()) m_window.DestroyPreview();
  // A window that failed to come up leaves no table; nothing else to free.
  m_rects.clear();
  m_changed.clear();
}

bool CDialogEditor::SelectItem(CTraNode* node) {
  if (!node) return false;
  if (node->GetParent() != m_pDialog) SetDialogNode(node);
  if (m_bHintShown || !m_pDialog) return false;
  int index = -1;
  if (node != m_pDialog) {
    for (int i = 0; i < m_pDialog->GetChildCount(); ++i)
      if (m_pDialog->GetChild(i) == node) index = i + 1;
  }
  if (index != m_nSelected) {
    if (m_bSwitchedOn && HasWindow())
      SetSelected(index);
    else
      m_nSelected = index;
  }
  return true;
}

bool CDialogEditor::SetItemText(CTraNode* node, const CString& text) {
  if (!node || !m_pDialog || m_bHintShown) return false;
  if (!HasWindow()) return true;
  if (node == m_pDialog) {
    m_window.SetCaption(text);
    return true;
  }
  for (int i = 0; i < m_pDialog->GetChildCount() && i + 1 < GetCount(); ++i) {
    if (m_pDialog->GetChild(i) == node) {
      m_window.SetControlText(i + 1, text);
      return true;
    }
  }
  return false;
}

void CDialogEditor::OnWindowCreated(const std::vector<RECT>& rects, double pixelsX, double pixelsY) {
  m_rects = rects;
  m_changed.assign(rects.size(), 0);
  m_pixelsX = pixelsX > 0 ? pixelsX : 1.0;
  m_pixelsY = pixelsY > 0 ? pixelsY : 1.0;
  m_bLeftDown = m_bMenuPending = m_bRightDrag = m_bTransition = false;
  m_bDragging = m_bEdgeGrab = m_bBandDrawn = m_bClickWithoutMove = false;
  m_nHover = m_nSelected = -1;
  m_nCursor = PREVIEW_CURSOR_ARROW;
  m_window.ShowPositionRect(nullptr);
  m_window.ShowPositionPoint(-1000, 0);
}

void CDialogEditor::OnWindowDestroyed() {
  CommitRects();
  m_rects.clear();
  m_changed.clear();
  m_bDragging = false;
}

bool CDialogEditor::IsChanged(int index) const {
  return index >= 0 && index < static_cast<int>(m_changed.size()) && m_changed[index] != 0;
}

RECT CDialogEditor::GetRect(int index) const {
  return index >= 0 && index < GetCount() ? m_rects[index] : RECT{0, 0, 0, 0};
}

RECT CDialogEditor::ToDialogUnits(const RECT& r) const {
  return {static_cast<LONG>(r.left / m_pixelsX + 0.5), static_cast<LONG>(r.top / m_pixelsY + 0.5),
          static_cast<LONG>(r.right / m_pixelsX + 0.5), static_cast<LONG>(r.bottom / m_pixelsY + 0.5)};
}

RECT CDialogEditor::ToPixels(const RECT& r) const {
  return {static_cast<LONG>(r.left * m_pixelsX + 0.5), static_cast<LONG>(r.top * m_pixelsY + 0.5),
          static_cast<LONG>(r.right * m_pixelsX + 0.5), static_cast<LONG>(r.bottom * m_pixelsY + 0.5)};
}

CTraNode* CDialogEditor::ControlNode(int index) const {
  const CTraNode* shown = GetShownNode();
  if (!shown || index < 1 || index > shown->GetChildCount()) return nullptr;
  return shown->GetChild(index - 1);
}

int CDialogEditor::ControlKind(int index) const {
  CTraNode* node = ControlNode(index);
  return node ? node->GetKind() : 0;
}

bool CDialogEditor::IsMoveOnly(int index) const {
  CTraNode* node = ControlNode(index);
  if (!node) return false;
  return node->GetKind() == TRA_CONTROL || (node->GetKind() == TRA_STATIC && node->GetTranslation().IsEmpty());
}

std::unique_ptr<CTraNode> CopyHintDialog(const CTraFile* file) {
  const CTraNode* root = file ? file->GetRootNode() : nullptr;
  if (!root) return nullptr;
  for (int i = 0; i < root->GetChildCount(); ++i) {
    const CTraNode* section = root->GetChild(i);
    if (section->GetOriginal() != TRA_SECTION_DIALOGS) continue;
    for (int j = 0; j < section->GetChildCount(); ++j) {
      const CTraNode* dialog = section->GetChild(j);
      if (dialog->GetOriginal() == _T("Hinweis") && dialog->GetKind() == TRA_DIALOG)
        return dialog->Clone(nullptr);
    }
  }
  return nullptr;
}
