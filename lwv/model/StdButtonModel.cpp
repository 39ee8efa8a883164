#include "StdButtonModel.h"

#include "TraNode.h"

namespace {

const int kIndexIds[LWV_MB_BUTTONS] = {1, 2, 3, 4, 5, 6, 7, 12321, 9, 12323, 12324, 12325};
const int kTryAgain = 10;

bool HasAll(const std::vector<int>& have, std::initializer_list<int> want) {
  for (int w : want) {
    bool found = false;
    for (int h : have)
      if (h == w) found = true;
    if (!found) return false;
  }
  return true;
}

// Buttons of a message box: visible push buttons other than Try Again.
std::vector<int> MessageBoxButtons(const std::vector<LwChildInfo>& children) {
  std::vector<int> ids;
  for (const LwChildInfo& c : children)
    if (c.button && c.visible && c.id != kTryAgain) ids.push_back(c.id);
  return ids;
}

// Every child that is not a button is a static, at most two, one unnamed.
bool LooksLikeMessageBox(const std::vector<LwChildInfo>& children) {
  int others = 0;
  bool text = false;
  for (const LwChildInfo& c : children) {
    if (c.button) continue;
    if (!c.isStatic) return false;
    ++others;
    if (c.id == 0xFFFF) text = true;
  }
  return text && others <= 2;
}

}  // namespace

int LwButtonIndex(int id) {
  for (int i = 0; i < LWV_MB_BUTTONS; ++i)
    if (kIndexIds[i] == id) return i;
  return -1;
}

int LwButtonIdAt(int index) { return index >= 0 && index < LWV_MB_BUTTONS ? kIndexIds[index] : 0; }

std::vector<int> LwButtonsOfKind(int type) {
  switch (type) {
    case 0: return {1};
    case 1: return {1, 2};
    case 2: return {3, 4, 5};
    case 3: return {6, 7, 2};
    case 4: return {6, 7};
    case 5: return {4, 2};
    case LWV_MB_PROPSHEET: return {1, 2, 12321, 9};
    case LWV_MB_WIZARD: return {12323, 12324, 12325, 2, 9};
  }
  return {};
}

CStdButtonModel::CStdButtonModel()
    : m_nType(LWV_MB_NONE),
      m_nChildCount(0),
      m_widths(new int[LWV_MB_BUTTONS]()),
      m_heights(new int[LWV_MB_BUTTONS]()),
      m_texts(new CString[LWV_MB_BUTTONS]),
      m_ids(new int[LWV_MB_BUTTONS]()),
      m_nCaptureType(0) {}

CStdButtonModel::~CStdButtonModel() {
  delete[] m_widths;
  delete[] m_heights;
  delete[] m_texts;
  delete[] m_ids;
}

bool CStdButtonModel::IsUnfinishedMessageBox(const std::vector<LwChildInfo>& children) {
  if (!LooksLikeMessageBox(children)) return false;
  int boxButtons = 0;
  for (int id : MessageBoxButtons(children))
    if (id >= 1 && id <= 7) ++boxButtons;
  return boxButtons > 3;
}

bool CStdButtonModel::ClassifyChildren(const std::vector<LwChildInfo>& children) {
  m_childIds.clear();
  for (const LwChildInfo& c : children) m_childIds.push_back(c.id);
  m_nChildCount = static_cast<int>(children.size());
  m_nType = LWV_MB_NONE;

  if (LooksLikeMessageBox(children)) {
    std::vector<int> b = MessageBoxButtons(children);
    if (b.size() == 3) {
      if (HasAll(b, {3, 4, 5}))
        m_nType = 2;
      else if (HasAll(b, {6, 7, 2}))
        m_nType = 3;
    } else if (b.size() == 1) {
      if (b[0] == 1) m_nType = 0;
    } else if (b.size() == 2) {
      if (HasAll(b, {1, 2}))
        m_nType = 1;
      else if (HasAll(b, {4, 2}))
        m_nType = 5;
      else if (HasAll(b, {6, 7}))
        m_nType = 4;
    }
    if (m_nType != LWV_MB_NONE) return true;
  }
  std::vector<int> visible;
  for (const LwChildInfo& c : children)
    if (c.visible) visible.push_back(c.id);
  if (HasAll(m_childIds, {1, 2, 12321}) && HasAll(visible, {9}))
    m_nType = LWV_MB_PROPSHEET;
  else if (HasAll(m_childIds, {12323, 12324, 12325, 2, 9}))
    m_nType = LWV_MB_WIZARD;
  return m_nType != LWV_MB_NONE;
}

bool CStdButtonModel::HasControl(int id) const {
  for (int c : m_childIds)
    if (c == id) return true;
  return false;
}

CTraNode* CStdButtonModel::FindEntry(CTraNode* root) {
  if (!root) return nullptr;
  CString path[2] = {TRA_SECTION_DIALOGS, TRA_MESSAGEBOX_NAME};
  return root->FindPath(path, 2);
}

bool CStdButtonModel::GetButtonTranslation(const CTraNode* entry, int id, CString& text) {
  int index = LwButtonIndex(id);
  if (!entry || index < 0) return false;
  const CTraNode* child = entry->GetChild(index);
  if (!child || child->GetTranslation().IsEmpty()) return false;
  text = child->GetTranslation();
  return true;
}

void CStdButtonModel::StoreMeasure(int index, int id, const CString& text, const RECT& r, double unitX, double unitY) {
  if (!InRange(index) || unitX <= 0.0 || unitY <= 0.0) return;
  int left = static_cast<int>(r.left / unitX), right = static_cast<int>(r.right / unitX);
  int top = static_cast<int>(r.top / unitY), bottom = static_cast<int>(r.bottom / unitY);
  m_widths[index] = right - left;
  m_heights[index] = bottom - top;
  m_texts[index] = text;
  m_ids[index] = id;
}

std::vector<int> CStdButtonModel::MeasuredButtons(int captureType, bool* inParent) {
  if (inParent) *inParent = false;
  switch (captureType) {
    case LWV_MB_PROPSHEET:
      if (inParent) *inParent = true;
      return {12321, 9};
    case LWV_MB_WIZARD:
      if (inParent) *inParent = true;
      return {12323, 12324, 12325};
    default:
      return LwButtonsOfKind(captureType);
  }
}

bool CStdButtonModel::HasResults() const {
  for (int i = 0; i < LWV_MB_BUTTONS; ++i)
    if (m_ids[i] != 0) return true;
  return false;
}
