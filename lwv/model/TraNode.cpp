#include "TraNode.h"

#include <memory>

bool IsLayoutKind(int kind) {
  return kind == TRA_DIALOG || kind == TRA_CONTROL || (kind >= TRA_STATIC && kind <= TRA_SWITCHDIALOG) ||
         kind == TRA_COMMONCONTROL;
}

CTraNode::CTraNode(CTraNode* parent, const CString& original, const CString& translation, int kind, LONG width,
                   LONG height)
    : CTraNode(parent, original, translation, kind) {
  if (IsLayoutKind(kind)) {
    m_pLayout = new CTraLayout;
    m_pLayout->SetSizeOnly(width, height);
  }
}

CTraNode::CTraNode(CTraNode* parent, const CString& original, const CString& translation, int kind, LONG exStyle,
                   LONG style, const RECT& translated, const RECT& original_rect)
    : CTraNode(parent, original, translation, kind) {
  if (IsLayoutKind(kind)) {
    m_pLayout = new CTraLayout;
    m_pLayout->m_nExStyle = exStyle;
    m_pLayout->m_nStyle = style;
    m_pLayout->m_rcTranslated = translated;
    m_pLayout->m_rcOriginal = original_rect;
  }
}

CTraNode::CTraNode(CTraNode* parent, const CString& original, const CString& translation, int kind)
    : m_pParent(parent),
      m_pChildren(nullptr),
      m_nChildren(0),
      m_nCapacity(0),
      m_strOriginal(original),
      m_strTranslation(translation),
      m_nKind(kind),
      m_pLayout(nullptr),
      m_nState(TRA_STATE_DONE) {}

CTraNode::CTraNode(CTraNode* parent) : CTraNode(parent, CString(), CString(), TRA_EMPTY) {}

CTraNode::~CTraNode() {
  for (int i = 0; i < m_nChildren; ++i) delete m_pChildren[i];
  delete[] m_pChildren;
  delete m_pLayout;
}

void CTraNode::AddChild(CTraNode* node) {
  if (m_nChildren >= m_nCapacity) {
    int capacity = m_nCapacity + 10;
    CTraNode** grown = new CTraNode*[static_cast<size_t>(capacity)]();
    for (int i = 0; i < m_nChildren; ++i) grown[i] = m_pChildren[i];
    delete[] m_pChildren;
    m_pChildren = grown;
    m_nCapacity = capacity;
  }
  m_pChildren[m_nChildren++] = node;
}

CTraNode* CTraNode::GetChild(int index) const {
  if (index < 0 || index >= m_nChildren) return nullptr;
  return m_pChildren[index];
}

CTraNode* CTraNode::FindPath(const CString* path, int n) {
  CTraNode* node = this;
  for (int step = 0; step < n && node; ++step) {
    CTraNode* next = nullptr;
    for (int i = 0; i < node->m_nChildren; ++i) {
      if (node->m_pChildren[i]->m_strOriginal == path[step]) {
        next = node->m_pChildren[i];
        break;
      }
    }
    node = next;
  }
  return node;
}

int CTraNode::GetDepth() const {
  int depth = 0;
  for (const CTraNode* p = m_pParent; p; p = p->m_pParent) ++depth;
  return depth;
}

int CTraNode::CountNodes() const {
  int count = 1;
  for (int i = 0; i < m_nChildren; ++i) count += m_pChildren[i]->CountNodes();
  return count;
}

int CTraNode::CountTranslatable() const {
  int count = IsTranslatable() ? 1 : 0;
  for (int i = 0; i < m_nChildren; ++i) count += m_pChildren[i]->CountTranslatable();
  return count;
}

bool CTraNode::IsNameOnly() const {
  switch (m_nKind) {
    case TRA_RCFILE:
    case TRA_DIALOGGROUP:
    case TRA_MENUGROUP:
    case TRA_STRINGGROUP:
    case TRA_MENU:         // named by its resource id
    case TRA_STRINGTABLE:  // "String Table Section %i"
      return true;
  }
  return false;
}

bool CTraNode::IsTranslatable() const {
  switch (m_nKind) {
    case TRA_CONTROL:
    case TRA_LISTBOX:
    case TRA_COMBOBOX:
    case TRA_SCROLLBAR:
    case TRA_EDIT:
    case TRA_COMMONCONTROL:
      return false;
    default:
      break;
  }
  if (m_nKind >= TRA_STATIC && m_nKind <= TRA_RADIOBUTTON && m_strOriginal.IsEmpty()) return false;
  return true;
}

CTraNode* CTraNode::Clone(CTraNode* newParent) const {
  CTraNode* copy = new CTraNode(newParent, m_strOriginal, m_strTranslation, m_nKind);
  copy->m_nState = m_nState;
  if (m_pLayout) copy->m_pLayout = m_pLayout->Clone();
  if (m_nCapacity > 0) {
    copy->m_pChildren = new CTraNode*[static_cast<size_t>(m_nCapacity)]();
    copy->m_nCapacity = m_nCapacity;
  }
  for (int i = 0; i < m_nChildren; ++i) copy->m_pChildren[copy->m_nChildren++] = m_pChildren[i]->Clone(copy);
  return copy;
}

CString CTraNode::Dump() const {
  LONG width = 9999, height = 9999;
  if (m_pLayout && m_pLayout->IsSizeOnly()) {
    width = m_pLayout->GetWidth();
    height = m_pLayout->GetHeight();
  }
  CString size;
  size.Format(_T(" / (%i %i) |"), static_cast<int>(width), static_cast<int>(height));
  CString out = _T("|Base:") + m_strOriginal + _T(" / ") + m_strTranslation + size + _T("\r\n");
  if (m_nChildren > 0) {
    out += _T("{\r\n");
    for (int i = 0; i < m_nChildren; ++i) out += m_pChildren[i]->Dump();
    out += _T("}\r\n");
  }
  return out;
}

void CTraNode::ResetStates() {
  m_nState = m_nChildren > 0 ? TRA_STATE_GROUP : TRA_STATE_DONE;
  for (int i = 0; i < m_nChildren; ++i) m_pChildren[i]->ResetStates();
}

void CTraNode::MarkStatesNew() {
  if (m_nChildren > 0)
    m_nState = TRA_STATE_NEW_GROUP_OPEN;
  else
    m_nState = IsTranslatable() ? TRA_STATE_NEW : TRA_STATE_DONE;
  for (int i = 0; i < m_nChildren; ++i) m_pChildren[i]->MarkStatesNew();
}

namespace {

bool NeedsAttention(int state) { return state >= TRA_STATE_GROUP_OPEN && state <= TRA_STATE_NEW_GROUP_OPEN; }

}  // namespace

bool CTraNode::PropagateStates() {
  if (m_nChildren == 0) return false;
  bool changed = false;
  bool open = false;
  for (int i = 0; i < m_nChildren; ++i) {
    if (m_pChildren[i]->PropagateStates()) changed = true;
    if (NeedsAttention(m_pChildren[i]->m_nState)) open = true;
  }
  int old = m_nState;
  int now;
  if (old >= TRA_STATE_DONE && old <= TRA_STATE_GROUP_OPEN)
    now = open ? TRA_STATE_GROUP_OPEN : TRA_STATE_GROUP;
  else if (old >= TRA_STATE_NEW && old <= TRA_STATE_NEW_GROUP_OPEN)
    now = open ? TRA_STATE_NEW_GROUP_OPEN : TRA_STATE_NEW_GROUP;
  else
    now = TRA_STATE_DONE;
  m_nState = now;
  if ((now == TRA_STATE_GROUP_OPEN && (old == TRA_STATE_DONE || old == TRA_STATE_GROUP)) ||
      (now == TRA_STATE_GROUP && old == TRA_STATE_GROUP_OPEN) ||
      (now == TRA_STATE_NEW_GROUP_OPEN && (old == TRA_STATE_NEW || old == TRA_STATE_NEW_GROUP)) ||
      (now == TRA_STATE_NEW_GROUP && old == TRA_STATE_NEW_GROUP_OPEN))
    changed = true;
  return changed;
}

// ---- stream record ----

namespace {

// Smallest record a child can occupy: count, two empty texts, kind, state.
const ULONGLONG kMinNodeBytes = 4 + 1 + 1 + 4 + 4;
const ULONGLONG kMinOldNodeBytes = kMinNodeBytes + 8;

}  // namespace

void CTraNode::Serialize(CArchive& ar, int version) { SerializeAt(ar, version, 0); }

void CTraNode::SerializeAt(CArchive& ar, int version, int depth) {
  if (ar.IsStoring()) {
    ar << static_cast<int32_t>(m_nChildren) << m_strOriginal << m_strTranslation << static_cast<int32_t>(m_nKind);
    if (version >= 30000) {
      if (IsLayoutKind(m_nKind)) {
        if (m_pLayout) {
          m_pLayout->Serialize(ar, m_nKind, version);
        } else {
          CTraLayout empty;  // the reader expects a record for this kind
          empty.Serialize(ar, m_nKind, version);
        }
      }
    } else {
      int32_t width = 9999, height = 9999;
      if (m_pLayout && m_pLayout->IsSizeOnly()) {
        width = m_pLayout->GetWidth();
        height = m_pLayout->GetHeight();
      }
      ar << width << height;
    }
    ar << static_cast<int32_t>(m_nState);
    for (int i = 0; i < m_nChildren; ++i) m_pChildren[i]->SerializeAt(ar, version, depth + 1);
    return;
  }

  if (depth > TRA_MAX_DEPTH) AfxThrowArchiveException(CArchiveException::badSchema, ar.m_strFileName);
  int32_t count, kind, state;
  ar >> count >> m_strOriginal >> m_strTranslation >> kind;
  m_nKind = kind;
  if (count < 0) AfxThrowArchiveException(CArchiveException::badSchema, ar.m_strFileName);
  if (version >= 30000) {
    if (IsLayoutKind(m_nKind)) {
      delete m_pLayout;
      m_pLayout = nullptr;
      m_pLayout = new CTraLayout;
      m_pLayout->Serialize(ar, m_nKind, version);
    }
  } else {
    int32_t width, height;
    ar >> width >> height;
    if (IsLayoutKind(m_nKind)) {
      delete m_pLayout;
      m_pLayout = nullptr;
      m_pLayout = new CTraLayout;
      m_pLayout->SetSizeOnly(width, height);
    }
  }
  ar >> state;
  m_nState = state;
  ULONGLONG minBytes = version >= 30000 ? kMinNodeBytes : kMinOldNodeBytes;
  if (!ar.HasBytes(static_cast<ULONGLONG>(count) * minBytes))
    AfxThrowArchiveException(CArchiveException::endOfFile, ar.m_strFileName);
  for (int32_t i = 0; i < count; ++i) {
    std::unique_ptr<CTraNode> child(new CTraNode(this));
    child->SerializeAt(ar, version, depth + 1);
    AddChild(child.release());
  }
}
