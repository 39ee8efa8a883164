#include "StdDlgRecognizer.h"

#include "TraNode.h"

CStdDlgRecognizer::CStdDlgRecognizer(int kind)
    : m_nKind(kind), m_model(LwGetStdDlgModel(kind)), m_texts(nullptr), m_rects(nullptr) {}

CStdDlgRecognizer::~CStdDlgRecognizer() {
  delete[] m_texts;
  delete[] m_rects;
}

CTraNode* CStdDlgRecognizer::FindEntry(CTraNode* root) const {
  if (!root || IsEmpty()) return nullptr;
  CString path[2] = {TRA_SECTION_DIALOGS, m_model.name};
  CTraNode* entry = root->FindPath(path, 2);
  if (!entry || entry->GetChildCount() != m_model.GetEntryCount()) return nullptr;
  return entry;
}

void CStdDlgRecognizer::BeginCapture() {
  delete[] m_texts;
  delete[] m_rects;
  size_t n = static_cast<size_t>(m_model.GetEntryCount());
  m_texts = new CString[n ? n : 1];
  m_rects = new RECT[n ? n : 1]();
  m_strCaption.Empty();
}

CString CStdDlgRecognizer::GetControlText(int i) const { return m_texts && InRange(i) ? m_texts[i] : CString(); }

int CStdDlgRecognizer::GetControlKind(int i) const {
  return InRange(i) ? m_model.entries[static_cast<size_t>(i)].nodeKind : 0;
}

int CStdDlgRecognizer::GetControlLeft(int i) const { return m_rects && InRange(i) ? m_rects[i].left : 0; }
int CStdDlgRecognizer::GetControlTop(int i) const { return m_rects && InRange(i) ? m_rects[i].top : 0; }
int CStdDlgRecognizer::GetControlWidth(int i) const {
  return m_rects && InRange(i) ? m_rects[i].right - m_rects[i].left : 0;
}
int CStdDlgRecognizer::GetControlHeight(int i) const {
  return m_rects && InRange(i) ? m_rects[i].bottom - m_rects[i].top : 0;
}

void CStdDlgRecognizer::StoreCapture(int i, const CString& text, const RECT& r, double unitX, double unitY) {
  if (!m_texts || !InRange(i)) return;
  m_texts[i] = text;
  RECT du = {0, 0, 0, 0};
  if (unitX > 0.0 && unitY > 0.0) {
    du.left = static_cast<LONG>(r.left / unitX);
    du.right = static_cast<LONG>(r.right / unitX);
    du.top = static_cast<LONG>(r.top / unitY);
    du.bottom = static_cast<LONG>(r.bottom / unitY);
  }
  m_rects[i] = du;
}
