// Copies of whole files and the version update that carries translations
// from an older file onto the tree of a newer one.
#include "TraFile.h"

#include <cstdlib>
#include <cstring>
#include <memory>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

CTraFile* CTraFile::Clone() const {
  CTraFile* copy = new CTraFile(m_pRoot ? m_pRoot->Clone(nullptr).release() : nullptr);
  copy->m_strProgramName = m_strProgramName;
  copy->m_strProgramVersion = m_strProgramVersion;
  copy->m_strLanguageName = m_strLanguageName;
  copy->m_strComment = m_strComment;
  copy->m_strAuthor = m_strAuthor;
  copy->m_strDate = m_strDate;
  copy->m_strFifth = m_strFifth;
  copy->m_nVersion = m_nVersion;
  copy->m_nReserved = m_nReserved;
  copy->m_nFlags = m_nFlags;
  copy->m_nCarried = m_nCarried;
  copy->m_nLanguageId = m_nLanguageId;
  copy->m_nTextCodePage = m_nTextCodePage;
  memcpy(copy->m_flag, m_flag, sizeof m_flag);
  for (int i = 0; i < TRA_OPTION_COUNT; ++i) copy->m_options[i] = m_options[i] ? 1 : 0;
  copy->SetAddOnFiles(m_pAddOnFiles->Clone());
  return copy;
}

bool CTraFile::UpdateFrom(const CTraFile& other) {
  if (m_strProgramName != other.m_strProgramName) m_strProgramName = other.m_strProgramName;

  // A missing tree on either side is an empty tree.
  bool foundNew = false;
  CTraNode* merged = other.m_pRoot ? other.m_pRoot->Clone(nullptr).release() : nullptr;
  if (merged) foundNew = merged->Merge(m_pRoot);
  SetRootNode(merged);

  m_nVersion = other.m_nVersion;
  memcpy(m_options, other.m_options, sizeof m_options);
  m_strProgramVersion = other.m_strProgramVersion;
  m_nCarried = other.m_nCarried;
  const bool bothOriginal = IsOriginal() && other.IsOriginal();
  m_nFlags = other.m_nFlags;
  SetOriginal(bothOriginal);

  std::unique_ptr<CAddOnFileList> old(m_pAddOnFiles);
  m_pAddOnFiles = other.m_pAddOnFiles->Clone();
  for (int i = 0; i < m_pAddOnFiles->GetCount(); ++i) {
    CAddOnFile* entry = m_pAddOnFiles->GetAt(i);
    for (int j = 0; j < old->GetCount(); ++j) {
      const CAddOnFile* kept = old->GetAt(j);
      if (kept->GetFileName() != entry->GetFileName()) continue;
      if (!(kept->GetDate() < entry->GetDate())) entry->CopyContentFrom(*kept);
      break;
    }
  }
  return foundNew;
}

// ---- node merge ----

namespace {

bool HoldsPosition(const CTraLayout* layout) { return layout && !layout->IsSizeOnly(); }

long long Penalty(long long x, long long cap) {
  if (x == 0) return 0;
  return x <= cap ? x + 20 : cap;
}

long long Distance(LONG a, LONG b) { return std::llabs(static_cast<long long>(a) - b); }

long long Extent(LONG from, LONG to) { return static_cast<long long>(to) - from; }

bool HasChildWithOriginal(const CTraNode* node, const CString& original) {
  for (int i = 0; i < node->GetChildCount(); ++i)
    if (node->GetChild(i)->GetOriginal() == original) return true;
  return false;
}

typedef std::basic_string_view<TCHAR> TextView;

std::unordered_set<TextView> OriginalsOf(const CTraNode* node) {
  std::unordered_set<TextView> set(static_cast<size_t>(node->GetChildCount()) * 2);
  for (int i = 0; i < node->GetChildCount(); ++i) set.insert(TextView(node->GetChild(i)->GetOriginal().Std()));
  return set;
}

// For each original among node's children: how many children hold it, and
// the last of them (what FindBestMatch's first step finds).
std::unordered_map<TextView, std::pair<int, const CTraNode*>> ChildrenByOriginal(const CTraNode* node) {
  std::unordered_map<TextView, std::pair<int, const CTraNode*>> map(static_cast<size_t>(node->GetChildCount()) * 2);
  for (int i = 0; i < node->GetChildCount(); ++i) {
    auto& entry = map[TextView(node->GetChild(i)->GetOriginal().Std())];
    ++entry.first;
    entry.second = node->GetChild(i);
  }
  return map;
}

int CountMissing(const CTraNode* node, const std::unordered_set<TextView>& in) {
  int missing = 0;
  for (int i = 0; i < node->GetChildCount(); ++i)
    if (!in.count(TextView(node->GetChild(i)->GetOriginal().Std()))) ++missing;
  return missing;
}

}  // namespace

int CTraNode::CompareChildren(const CTraNode* other, int& missingHere, int& missingThere) const {
  missingHere = missingThere = 0;
  if (static_cast<long long>(GetChildCount()) * other->GetChildCount() <= 64) {
    for (int i = 0; i < GetChildCount(); ++i)
      if (!HasChildWithOriginal(other, GetChild(i)->GetOriginal())) ++missingThere;
    for (int i = 0; i < other->GetChildCount(); ++i)
      if (!HasChildWithOriginal(this, other->GetChild(i)->GetOriginal())) ++missingHere;
  } else {
    // Large string tables: sets keep a language switch linear in their size.
    missingThere = CountMissing(this, OriginalsOf(other));
    missingHere = CountMissing(other, OriginalsOf(this));
  }
  return missingHere + missingThere;
}

const CTraNode* CTraNode::FindBestMatch(const CTraNode* otherParent) const {
  if (!otherParent) return nullptr;
  const bool stringGroup = otherParent->GetKind() == TRA_STRINGGROUP;
  int equal = 0;
  const CTraNode* equalNode = nullptr;
  if (!stringGroup) {
    for (int i = 0; i < otherParent->GetChildCount(); ++i) {
      if (otherParent->GetChild(i)->GetOriginal() == m_strOriginal) {
        ++equal;
        equalNode = otherParent->GetChild(i);
      }
    }
    if (equal == 1) return equalNode;
  }

  const CTraNode* best = nullptr;
  long long bestScore = 0;
  for (int i = 0; i < otherParent->GetChildCount(); ++i) {
    const CTraNode* candidate = otherParent->GetChild(i);
    int here, there;
    long long score = CompareChildren(candidate, here, there);
    if (!stringGroup && candidate->GetOriginal() != m_strOriginal) score += 1500;
    if (candidate->GetKind() != m_nKind) score += 500;
    if (HoldsPosition(m_pLayout.get()) && HoldsPosition(candidate->GetLayout()) &&
        !EqualRects(m_pLayout->m_rcOriginal, candidate->GetLayout()->m_rcOriginal)) {
      const RECT& a = m_pLayout->m_rcOriginal;
      const RECT& b = candidate->GetLayout()->m_rcOriginal;
      long long position = Distance(a.left, b.left) + Distance(a.top, b.top);
      long long size = std::llabs(Extent(a.left, a.right) - Extent(b.left, b.right)) +
                       std::llabs(Extent(a.top, a.bottom) - Extent(b.top, b.bottom));
      score += Penalty(position, 400) + Penalty(size, 300);
    }
    if (score > 9999) continue;
    if (!best || score <= bestScore) {
      best = candidate;
      bestScore = score;
    }
  }
  if (!best || equal > 0) return best;
  int here, there;
  CompareChildren(best, here, there);
  bool shared = there < GetChildCount() && here < best->GetChildCount();
  return shared ? best : nullptr;
}

bool CTraNode::Merge(const CTraNode* other) {
  if (other && m_strOriginal == other->GetOriginal()) m_strTranslation = other->GetTranslation();
  if (other && HoldsPosition(m_pLayout.get()) && HoldsPosition(other->GetLayout()) &&
      EqualRects(m_pLayout->m_rcOriginal, other->GetLayout()->m_rcOriginal))
    m_pLayout->m_rcTranslated = other->GetLayout()->m_rcTranslated;
  bool remembered = false;
  // Many children (a string table): the one child of other with the same
  // original is found by hash, as FindBestMatch would find it by a search.
  const bool byHash = other && other->GetKind() != TRA_STRINGGROUP && GetChildCount() * other->GetChildCount() > 64;
  std::unordered_map<TextView, std::pair<int, const CTraNode*>> byOriginal;
  if (byHash) byOriginal = ChildrenByOriginal(other);
  for (int i = 0; i < GetChildCount(); ++i) {
    CTraNode* child = GetChild(i);
    const CTraNode* counterpart = nullptr;
    if (byHash) {
      auto it = byOriginal.find(TextView(child->GetOriginal().Std()));
      if (it != byOriginal.end() && it->second.first == 1) counterpart = it->second.second;
    }
    if (!counterpart) counterpart = child->FindBestMatch(other);
    if (counterpart) {
      if (child->Merge(counterpart)) remembered = true;
    } else {
      child->MarkStatesNew();
      remembered = true;
    }
  }
  // A text the translator has not done yet stays marked while its original is unchanged.
  const bool stillMarked = other && m_strOriginal == other->GetOriginal() && other->GetState() >= TRA_STATE_NEW;
  if (GetChildCount() == 0)
    m_nState = stillMarked ? TRA_STATE_NEW : TRA_STATE_DONE;
  else if (stillMarked)
    m_nState = remembered ? TRA_STATE_NEW_GROUP_OPEN : TRA_STATE_NEW_GROUP;
  else
    m_nState = remembered ? TRA_STATE_GROUP_OPEN : TRA_STATE_GROUP;
  return remembered;
}

void CTraNode::TakeTranslations(const CTraNode* other, int depth) {
  if (!other) return;
  if (depth > 1) SetOriginal(other->GetTranslation());
  if (HoldsPosition(m_pLayout.get()) && other->GetLayout())
    m_pLayout->m_rcOriginal = other->GetLayout()->m_rcTranslated;
  const int n = GetChildCount() < other->GetChildCount() ? GetChildCount() : other->GetChildCount();
  for (int i = 0; i < n; ++i) GetChild(i)->TakeTranslations(other->GetChild(i), depth + 1);
}
