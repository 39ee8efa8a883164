// The file's string indexes and the text parts they key on.
#include "TraStringIndex.h"

TraTextView TraStringPartView(const CString& text, TraStringPart part) {
  const TraTextView whole(text.GetString(), static_cast<size_t>(text.GetLength()));
  size_t at;
  switch (part) {
    case TRA_PART_PROMPT:
      at = whole.find(_T('\n'));
      return at == TraTextView::npos ? whole : whole.substr(0, at);
    case TRA_PART_TIP:
      at = whole.rfind(_T('\n'));
      return at == TraTextView::npos ? whole : whole.substr(at + 1);
    default:
      return whole;
  }
}

CString TraStringPartOf(const CString& text, TraStringPart part) {
  if (part == TRA_PART_WHOLE) return text;
  const TraTextView view = TraStringPartView(text, part);
  return CString(view.data(), static_cast<int>(view.size()));
}

namespace {

size_t PowerOfTwoAbove(size_t n) {
  size_t size = 8;
  while (size < n) size *= 2;
  return size;
}

}  // namespace

// Twice the keys expected: short probe runs (at three quarters load the
// runs grew and reading a file took longer).
CTraStringIndex::CTraStringIndex(size_t buckets)
    : m_slots(PowerOfTwoAbove(buckets * 2), Slot{nullptr, 0, 0, nullptr}) {}

size_t CTraStringIndex::SlotOf(TraTextView key, size_t hash) const {
  const size_t mask = m_slots.size() - 1;
  const uint32_t low = static_cast<uint32_t>(hash);
  size_t i = low & mask;
  while (m_slots[i].node && !(m_slots[i].hash == low && m_slots[i].Key() == key)) i = (i + 1) & mask;
  return i;
}

void CTraStringIndex::WatchTree(const CTraNode* root) {
  m_pTree = root;
  m_nTreeStamp = root ? root->GetTreeStamp() : 0;
}

CTraNode* CTraStringIndex::Find(const CString& key) const {
  ASSERT(IsCurrent());  // a key may view a freed or changed original
  const TraTextView view(key.GetString(), static_cast<size_t>(key.GetLength()));
  return m_slots[SlotOf(view, HashOf(view))].node;
}

void CTraStringIndex::Put(TraTextView key, size_t hash, CTraNode* node, bool replace) {
  if (!node) return;
  if ((m_count + 1) * 4 > m_slots.size() * 3) Grow();  // at most three quarters full
  Slot& slot = m_slots[SlotOf(key, hash)];
  if (slot.node) {
    if (replace) slot.node = node;
    return;
  }
  slot = Slot{key.data(), static_cast<uint32_t>(key.size()), static_cast<uint32_t>(hash), node};
  ++m_count;
}

void CTraStringIndex::Grow() {
  std::vector<Slot> old(m_slots.size() * 2, Slot{nullptr, 0, 0, nullptr});
  old.swap(m_slots);
  for (const Slot& s : old)
    if (s.node) m_slots[SlotOf(s.Key(), s.hash)] = s;
}

int StringIndexSize(int count) {
  if (count < 0) count = 0;
  long long n = count % 2 == 0 ? count + 1 : count;
  for (;;) {
    n += 2;
    if (n < 9) return static_cast<int>(n);
    bool prime = true;
    for (long long d = 3; d * d <= n; d += 2) {
      if (n % d == 0) {
        prime = false;
        break;
      }
    }
    if (prime) return static_cast<int>(n);
  }
}

namespace {

// The keys of one original in the three indexes. A text without a line
// break is its own prompt and tip: one view and one hash serve all three.
struct PartKeys {
  TraTextView view[3];
  size_t hash[3];

  explicit PartKeys(const CString& text) {
    const TraTextView whole(text.GetString(), static_cast<size_t>(text.GetLength()));
    const size_t first = whole.find(_T('\n'));
    view[TRA_PART_WHOLE] = whole;
    hash[TRA_PART_WHOLE] = CTraStringIndex::HashOf(whole);
    if (first == TraTextView::npos) {
      view[TRA_PART_PROMPT] = view[TRA_PART_TIP] = whole;
      hash[TRA_PART_PROMPT] = hash[TRA_PART_TIP] = hash[TRA_PART_WHOLE];
      return;
    }
    view[TRA_PART_PROMPT] = whole.substr(0, first);
    view[TRA_PART_TIP] = whole.substr(whole.rfind(_T('\n')) + 1);
    for (int part = TRA_PART_PROMPT; part <= TRA_PART_TIP; ++part) hash[part] = CTraStringIndex::HashOf(view[part]);
  }
};

// Nodes of the section that are no strings (the section, its tables and
// anything below a string), in depth-first order.
void AddOtherNodes(CTraNode* node, int level, const std::unique_ptr<CTraStringIndex>* index) {
  if (level != 2) {
    const PartKeys keys(node->GetOriginal());
    for (int part = 0; part < 3; ++part) index[part]->AddIfAbsent(keys.view[part], keys.hash[part], node);
  }
  for (int i = 0; i < node->GetChildCount(); ++i) AddOtherNodes(node->GetChild(i), level + 1, index);
}

}  // namespace

// ---- the three indexes of a section ----

void BuildStringIndexes(CTraNode* root, CTraNode* section, std::unique_ptr<CTraStringIndex> (&index)[3]) {
  const int size = StringIndexSize(section ? section->CountNodes() : 0);
  for (auto& one : index) {
    one.reset(new CTraStringIndex(static_cast<size_t>(size)));
    one->WatchTree(root);
  }
  if (!section) return;
  for (int t = 0; t < section->GetChildCount(); ++t) {
    CTraNode* table = section->GetChild(t);
    for (int s = 0; s < table->GetChildCount(); ++s) {
      CTraNode* string = table->GetChild(s);
      const PartKeys keys(string->GetOriginal());
      for (int part = 0; part < 3; ++part) index[part]->Set(keys.view[part], keys.hash[part], string);
    }
  }
  AddOtherNodes(section, 0, index);
}
