#include "TraNode.h"

#include <atomic>

bool IsLayoutKind(int kind) {
  return kind == TRA_DIALOG || kind == TRA_CONTROL || (kind >= TRA_STATIC && kind <= TRA_SWITCHDIALOG) ||
         kind == TRA_COMMONCONTROL;
}

bool IsTextlessControlKind(int kind) {
  switch (kind) {
    case TRA_CONTROL:
    case TRA_LISTBOX:
    case TRA_COMBOBOX:
    case TRA_SCROLLBAR:
    case TRA_EDIT:
    case TRA_COMMONCONTROL:
      return true;
    default:
      return false;
  }
}

namespace {

// One sequence for every tree: a stamp is never handed out twice.
std::atomic<uint64_t> g_nextTreeStamp{1};

uint64_t NextTreeStamp() { return g_nextTreeStamp.fetch_add(1, std::memory_order_relaxed); }

}  // namespace

CTraNode::CTraNode(CTraNode* parent, const CString& original, const CString& translation, int kind, LONG width,
                   LONG height)
    : CTraNode(parent, original, translation, kind) {
  if (IsLayoutKind(kind)) {
    m_pLayout = std::make_unique<CTraLayout>();
    m_pLayout->SetSizeOnly(width, height);
  }
}

CTraNode::CTraNode(CTraNode* parent, const CString& original, const CString& translation, int kind, LONG exStyle,
                   LONG style, const RECT& translated, const RECT& original_rect)
    : CTraNode(parent, original, translation, kind) {
  if (IsLayoutKind(kind)) {
    m_pLayout = std::make_unique<CTraLayout>();
    m_pLayout->m_nExStyle = exStyle;
    m_pLayout->m_nStyle = style;
    m_pLayout->m_rcTranslated = translated;
    m_pLayout->m_rcOriginal = original_rect;
  }
}

CTraNode::CTraNode(CTraNode* parent, const CString& original, const CString& translation, int kind)
    : m_pParent(parent),
      m_strOriginal(original),
      m_strTranslation(translation),
      m_nKind(kind),
      m_nState(TRA_STATE_DONE),
      m_nTreeStamp(NextTreeStamp()) {}

CTraNode::CTraNode(CTraNode* parent) : CTraNode(parent, CString(), CString(), TRA_EMPTY) {}

CTraNode::~CTraNode() = default;

CTraNode* CTraNode::AddChild(std::unique_ptr<CTraNode> node) {
  if (!node) return nullptr;
  ReserveChildren(GetChildCount() + 1);
  node->m_pParent = this;
  m_children.push_back(std::move(node));
  TreeChanged();
  return m_children.back().get();
}

void CTraNode::ReserveChildren(int needed) {
  const int capacity = GetCapacity();
  if (needed <= capacity) return;
  // In steps of ten: the capacity adding one child at a time would reach.
  m_children.reserve(static_cast<size_t>(capacity + (needed - capacity + 9) / 10 * 10));
}

CTraNode* CTraNode::GetChild(int index) const {
  if (index < 0 || index >= GetChildCount()) return nullptr;
  return m_children[static_cast<size_t>(index)].get();
}

void CTraNode::SetOriginal(const CString& original) {
  m_strOriginal = original;
  TreeChanged();
}

void CTraNode::TreeChanged() {
  CTraNode* root = this;
  while (root->m_pParent) root = root->m_pParent;
  root->m_nTreeStamp = NextTreeStamp();
}

uint64_t CTraNode::GetTreeStamp() const {
  const CTraNode* root = this;
  while (root->m_pParent) root = root->m_pParent;
  return root->m_nTreeStamp;
}

CTraNode* CTraNode::FindPath(const CString* path, int n) {
  CTraNode* node = this;
  for (int step = 0; step < n && node; ++step) {
    CTraNode* next = nullptr;
    for (const auto& child : node->m_children) {
      if (child->m_strOriginal == path[step]) {
        next = child.get();
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
  for (const auto& child : m_children) count += child->CountNodes();
  return count;
}

int CTraNode::CountTranslatable() const {
  int count = IsTranslatable() ? 1 : 0;
  for (const auto& child : m_children) count += child->CountTranslatable();
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
  if (IsTextlessControlKind(m_nKind)) return false;
  if (m_nKind >= TRA_STATIC && m_nKind <= TRA_RADIOBUTTON && m_strOriginal.IsEmpty()) return false;
  return true;
}

std::unique_ptr<CTraNode> CTraNode::Clone(CTraNode* newParent) const {
  auto copy = std::make_unique<CTraNode>(newParent, m_strOriginal, m_strTranslation, m_nKind);
  copy->m_nState = m_nState;
  if (m_pLayout) copy->m_pLayout.reset(m_pLayout->Clone());
  copy->m_children.reserve(m_children.capacity());
  for (const auto& child : m_children) copy->m_children.push_back(child->Clone(copy.get()));
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
  if (!m_children.empty()) {
    out += _T("{\r\n");
    for (const auto& child : m_children) out += child->Dump();
    out += _T("}\r\n");
  }
  return out;
}

void CTraNode::ResetStates() {
  m_nState = m_children.empty() ? TRA_STATE_DONE : TRA_STATE_GROUP;
  for (const auto& child : m_children) child->ResetStates();
}

void CTraNode::MarkStatesNew() {
  if (!m_children.empty())
    m_nState = TRA_STATE_NEW_GROUP_OPEN;
  else
    m_nState = IsTranslatable() ? TRA_STATE_NEW : TRA_STATE_DONE;
  for (const auto& child : m_children) child->MarkStatesNew();
}

namespace {

bool NeedsAttention(int state) { return state >= TRA_STATE_GROUP_OPEN && state <= TRA_STATE_NEW_GROUP_OPEN; }

}  // namespace

bool CTraNode::PropagateStates() {
  if (m_children.empty()) return false;
  bool changed = false;
  bool open = false;
  for (const auto& child : m_children) {
    if (child->PropagateStates()) changed = true;
    if (NeedsAttention(child->m_nState)) open = true;
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

void CTraNode::Serialize(CArchive& ar, int version) {
  SerializeAt(ar, version, 0);
  if (ar.IsLoading()) TreeChanged();
}

void CTraNode::SerializeAt(CArchive& ar, int version, int depth) {
  if (ar.IsStoring()) {
    ar << static_cast<int32_t>(GetChildCount()) << m_strOriginal << m_strTranslation << static_cast<int32_t>(m_nKind);
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
    for (const auto& child : m_children) child->SerializeAt(ar, version, depth + 1);
    return;
  }

  if (depth > TRA_MAX_DEPTH) AfxThrowArchiveException(CArchiveException::badSchema, ar.m_strFileName);
  int32_t count, kind, state;
  ar >> count >> m_strOriginal >> m_strTranslation >> kind;
  m_nKind = kind;
  if (count < 0) AfxThrowArchiveException(CArchiveException::badSchema, ar.m_strFileName);
  if (version >= 30000) {
    if (IsLayoutKind(m_nKind)) {
      m_pLayout = std::make_unique<CTraLayout>();
      m_pLayout->Serialize(ar, m_nKind, version);
    }
  } else {
    int32_t width, height;
    ar >> width >> height;
    if (IsLayoutKind(m_nKind)) {
      m_pLayout = std::make_unique<CTraLayout>();
      m_pLayout->SetSizeOnly(width, height);
    }
  }
  ar >> state;
  m_nState = state;
  ULONGLONG minBytes = version >= 30000 ? kMinNodeBytes : kMinOldNodeBytes;
  if (!ar.HasBytes(static_cast<ULONGLONG>(count) * minBytes))
    AfxThrowArchiveException(CArchiveException::endOfFile, ar.m_strFileName);
  ReserveChildren(GetChildCount() + count);  // once, not once per ten children
  for (int32_t i = 0; i < count; ++i) {
    auto child = std::make_unique<CTraNode>(this);
    child->SerializeAt(ar, version, depth + 1);
    m_children.push_back(std::move(child));
  }
}
