#include "DialogMatcher.h"

#include <cstdlib>

namespace {

int64_t Width(const RECT& r) { return static_cast<int64_t>(r.right) - r.left; }
int64_t Height(const RECT& r) { return static_cast<int64_t>(r.bottom) - r.top; }
int64_t Distance(int64_t a, int64_t b) { return a > b ? a - b : b - a; }

LONG ClampCoordinate(LONG v) { return v < -32768 ? -32768 : (v > 32767 ? 32767 : v); }

int ToInt(int64_t v) {
  return v < -2147483647LL ? -2147483647 : (v > 2147483647LL ? 2147483647 : static_cast<int>(v));
}

// A cheap hash of a text from its length and a few of its characters:
// equal texts always share it, so a child whose hash no live text has cannot
// match. Reads at most five characters whatever the length.
uint32_t TextHash(const CString& text) {
  const size_t n = static_cast<size_t>(text.GetLength());
  if (n == 0) return 0;
  const TCHAR* s = text.GetString();
  uint32_t h = static_cast<uint32_t>(n) * 0x9E3779B1u;
  const size_t at[5] = {0, n - 1, n / 2, n / 3, (2 * n) / 3};
  for (size_t k = 0; k < 5; ++k) h = (h ^ static_cast<uint32_t>(static_cast<uint16_t>(s[at[k]]))) * 0x01000193u;
  return h ^ (h >> 15);
}

}  // namespace

bool LwvHasPosition(const CTraLayout* layout) { return layout && !layout->IsSizeOnly(); }

RECT LwvMapRect(const CLwvDialogUnits& units, const RECT& dialogUnits) {
  RECT rc = {ClampCoordinate(dialogUnits.left), ClampCoordinate(dialogUnits.top), ClampCoordinate(dialogUnits.right),
             ClampCoordinate(dialogUnits.bottom)};
  units.MapDialogRect(rc);
  return rc;
}

bool LwvComputePlacement(int kind, const RECT& original, const RECT& translated, const RECT& mappedOriginal,
                         const RECT& mappedTranslated, const RECT& measured, LwvPlacement& out) {
  // A combo box's live height is its edit part, never the list height of the
  // script: only its width is compared and applied.
  const bool combo = kind == TRA_COMBOBOX;
  UINT flags = LWV_NOZORDER;
  const bool sameWidth = Width(translated) == Width(original);
  const bool sameHeight = Height(translated) == Height(original);
  if (sameWidth && (combo || sameHeight)) flags |= LWV_NOSIZE;
  if ((!combo && Distance(Height(measured), Height(mappedOriginal)) > 4) ||
      Distance(Width(measured), Width(mappedOriginal)) > 4)
    flags |= LWV_NOSIZE;
  if (Distance(measured.top, mappedOriginal.top) > 4 || Distance(measured.left, mappedOriginal.left) > 4)
    flags |= LWV_NOMOVE;
  if ((flags & LWV_NOSIZE) && (flags & LWV_NOMOVE)) return false;
  out.flags = flags;
  out.target = mappedTranslated;
  out.keepHeight = combo;
  return true;
}

CDialogMatcher::CDialogMatcher() : m_nControls(0) { m_textBits.fill(0); }

CDialogMatcher::~CDialogMatcher() = default;

double CDialogMatcher::Score(int liveCount, int entryCount, int missing, int extra) {
  const double s1 = liveCount > 0 ? static_cast<double>(liveCount - missing + 1) / (liveCount + 1) : 0.0;
  const double s2 = entryCount > 0 ? static_cast<double>(entryCount - extra + 1) / (entryCount + 1) : 0.0;
  return s1 + s2;
}

void CDialogMatcher::CollectControls(CLwvDialogAccess& dialog) {
  m_strCaption = dialog.GetCaption();
  int n = dialog.CollectChildren(kMaxControls);
  if (n < 0) n = 0;
  if (n > kMaxControls) n = kMaxControls;
  std::vector<CString> texts(static_cast<size_t>(n));
  for (int i = 0; i < n; ++i) texts[static_cast<size_t>(i)] = dialog.GetChildText(i);
  SetControls(m_strCaption, texts.data(), n);
}

void CDialogMatcher::SetControls(const CString& caption, const CString* texts, int count) {
  if (count < 0) count = 0;
  if (count > kMaxControls) count = kMaxControls;
  m_strCaption = caption;
  m_nControls = count;
  m_texts.assign(texts, texts + count);
  m_rects.assign(static_cast<size_t>(count), RECT{0, 0, 0, 0});
  m_textBits.fill(0);
  for (const CString& t : m_texts) {
    const uint32_t bit = TextHash(t) % kTextBits;
    m_textBits[bit / 64] |= uint64_t(1) << (bit % 64);
  }
}

void CDialogMatcher::SetControlRect(int index, const RECT& rc) {
  if (index >= 0 && index < m_nControls) m_rects[static_cast<size_t>(index)] = rc;
}

void CDialogMatcher::MatchTexts(const CTraNode* entry, int& missing, int& extra) const {
  missing = 0;
  extra = 0;
  const int n = entry->GetChildCount();
  std::vector<char> taken(static_cast<size_t>(n), 0);
  if (m_strCaption != entry->GetOriginal()) {
    ++missing;
    ++extra;
  }
  for (int i = 0; i < m_nControls; ++i) {
    const CString& text = m_texts[static_cast<size_t>(i)];
    bool found = false;
    for (int j = 0; j < n; ++j) {
      const CTraNode* child = entry->GetChild(j);
      if (!taken[static_cast<size_t>(j)] && child && child->GetOriginal() == text) {
        taken[static_cast<size_t>(j)] = 1;
        found = true;
        break;
      }
    }
    if (!found) ++missing;
  }
  for (int j = 0; j < n; ++j) {
    const CTraNode* child = entry->GetChild(j);
    if (!taken[static_cast<size_t>(j)] && child) extra += child->CountNodes();
  }
}

namespace lwv_detail {

// Hashes of a section's entries, kept between matches of one thread: the
// count and the text hashes of every entry's children in one flat array.
// Checked against the stamp of the section's tree on every use.
struct SectionIndex {
  const CTraNode* section = nullptr;
  uint64_t treeStamp = 0;
  std::vector<CTraNode*> entries;
  std::vector<int> counts;
  std::vector<uint32_t> captions;
  std::vector<size_t> first;
  std::vector<uint32_t> hashes;

  bool Fits(const CTraNode* s) const {
    return section == s && treeStamp == s->GetTreeStamp();
  }
  void Build(const CTraNode* s) {
    section = s;
    treeStamp = s->GetTreeStamp();
    entries.clear();
    for (int e = 0; e < s->GetChildCount(); ++e) entries.push_back(s->GetChild(e));
    counts.assign(entries.size(), 0);
    captions.assign(entries.size(), 0);
    first.assign(entries.size() + 1, 0);
    hashes.clear();
    for (size_t e = 0; e < entries.size(); ++e) {
      first[e] = hashes.size();
      const CTraNode* entry = entries[e];
      if (!entry) continue;
      counts[e] = entry->GetChildCount();
      captions[e] = TextHash(entry->GetOriginal());
      for (int j = 0; j < counts[e]; ++j) {
        const CTraNode* child = entry->GetChild(j);
        hashes.push_back(child ? TextHash(child->GetOriginal()) : 0xFFFFFFFFu);
      }
    }
    first[entries.size()] = hashes.size();
  }
};

thread_local SectionIndex t_index;

}  // namespace lwv_detail

using lwv_detail::SectionIndex;
using lwv_detail::t_index;

CTraNode* CDialogMatcher::FindBestNode(const CTraNode* section, bool useIndex) const {
  if (!section) return nullptr;
  if (useIndex) {
    SectionIndex& index = t_index;
    if (!index.Fits(section)) index.Build(section);
    return FindBestIn(index);
  }
  SectionIndex once;
  once.Build(section);
  return FindBestIn(once);
}

CTraNode* CDialogMatcher::FindBestIn(SectionIndex& index) const {
  const int live = m_nControls;
  const uint32_t captionHash = TextHash(m_strCaption);
  double best = 0.0;
  CTraNode* chosen = nullptr;
  for (size_t e = 0; e < index.entries.size(); ++e) {
    if (!index.entries[e]) continue;
    const int n = index.counts[e];
    if (std::abs(live - n) > 0.1 * live + 3.0) continue;
    // Upper bound of the score from the children that could be taken at all;
    // an entry that cannot reach 1.0 or beat the best is not compared.
    const int caption = index.captions[e] == captionHash ? 0 : 1;
    int hits = 0;
    for (size_t k = index.first[e]; k < index.first[e + 1]; ++k) {
      const uint32_t bit = index.hashes[k] % kTextBits;
      if (m_textBits[bit / 64] & (uint64_t(1) << (bit % 64))) ++hits;
    }
    const int takenMax = hits < live ? hits : live;
    const double bound = Score(live, n, caption + live - takenMax, caption + n - takenMax);
    if (bound < 1.0 || bound <= best) continue;
    CTraNode* entry = index.entries[e];
    int missing = 0;
    int extra = 0;
    MatchTexts(entry, missing, extra);
    const double score = Score(live, n, missing, extra);
    if (score > best) {
      best = score;
      chosen = entry;
      if (best >= 2.0) break;  // nothing scores higher
    }
  }
  return best >= 1.0 ? chosen : nullptr;
}

CTraNode* CDialogMatcher::ScoreNode(int index, const CTraNode* entry, const std::vector<RECT>& mappedOriginals) const {
  if (index < 0 || index >= m_nControls) return nullptr;
  const CString& text = m_texts[static_cast<size_t>(index)];
  const RECT& measured = m_rects[static_cast<size_t>(index)];
  int bestMismatches = 99;
  int64_t bestDistance = 999999;
  CTraNode* chosen = nullptr;
  const int n = entry->GetChildCount();
  for (int j = 0; j < n; ++j) {
    CTraNode* child = entry->GetChild(j);
    if (!child) continue;
    int mismatches = 0;
    int64_t distance = 0;
    if (child->GetKind() == TRA_EDIT) {
      distance = 100;
    } else if (child->GetOriginal() != text) {
      mismatches = 1;
      distance = 1000;
    }
    if (LwvHasPosition(child->GetLayout()) && static_cast<size_t>(j) < mappedOriginals.size()) {
      const RECT& o = mappedOriginals[static_cast<size_t>(j)];
      int64_t d[4] = {Distance(measured.top, o.top), Distance(measured.left, o.left),
                      Distance(Height(measured), Height(o)), Distance(Width(measured), Width(o))};
      for (int k = 0; k < 4; ++k) {
        if (k == 2 && child->GetKind() == TRA_COMBOBOX) continue;
        distance += d[k];
        if (d[k] > 3) ++mismatches;
      }
    }
    if (mismatches < bestMismatches || (mismatches == bestMismatches && distance <= bestDistance)) {
      bestMismatches = mismatches;
      bestDistance = distance;
      chosen = child;
    }
  }
  return bestMismatches < 2 ? chosen : nullptr;
}

void CDialogMatcher::MapOriginals(const CLwvDialogUnits& units, const CTraNode* entry, std::vector<RECT>& out) const {
  const int n = entry->GetChildCount();
  out.assign(static_cast<size_t>(n), RECT{0, 0, 0, 0});
  for (int j = 0; j < n; ++j) {
    const CTraNode* child = entry->GetChild(j);
    if (child && LwvHasPosition(child->GetLayout()))
      out[static_cast<size_t>(j)] = LwvMapRect(units, child->GetLayout()->m_rcOriginal);
  }
}

void CDialogMatcher::PlaceControl(CLwvDialogAccess& dialog, int index, const CTraNode* child,
                                  const RECT& mappedOriginal) {
  const CTraLayout* layout = child->GetLayout();
  const RECT& measured = m_rects[static_cast<size_t>(index)];
  const RECT now = dialog.GetChildRect(index);
  if (EqualRects(layout->m_rcTranslated, layout->m_rcOriginal) && EqualRects(now, measured)) return;
  const RECT mappedTranslated = LwvMapRect(dialog, layout->m_rcTranslated);
  LwvPlacement placement;
  if (!LwvComputePlacement(child->GetKind(), layout->m_rcOriginal, layout->m_rcTranslated, mappedOriginal,
                           mappedTranslated, measured, placement))
    return;
  const RECT& t = placement.target;
  dialog.SetChildPos(index, t.left, t.top, ToInt(Width(t)), ToInt(Height(t)), placement.flags, placement.keepHeight);
}

void CDialogMatcher::ApplyNode(CLwvDialogAccess& dialog, const CTraNode* entry) {
  const CTraLayout* layout = entry->GetLayout();
  const bool positioned = LwvHasPosition(layout);
  bool restore = false;
  int liveWidth = 0;
  int liveHeight = 0;
  int translatedWidth = 0;
  int translatedHeight = 0;
  if (positioned) {
    const RECT o = LwvMapRect(dialog, layout->m_rcOriginal);
    const RECT c = LwvMapRect(dialog, layout->m_rcTranslated);
    const RECT client = dialog.GetClientRect();
    const RECT window = dialog.GetWindowRect();
    const int64_t frameWidth = Width(window) - Width(client);
    const int64_t frameHeight = Height(window) - Height(client);
    const int originalWidth = ToInt(Width(o) + frameWidth);
    const int originalHeight = ToInt(Height(o) + frameHeight);
    translatedWidth = ToInt(Width(c) + frameWidth);
    translatedHeight = ToInt(Height(c) + frameHeight);
    liveWidth = ToInt(Width(window));
    liveHeight = ToInt(Height(window));
    if (Distance(liveWidth, originalWidth) > 1 || Distance(liveHeight, originalHeight) > 1) {
      dialog.SetWindowSize(originalWidth, originalHeight);
      restore = true;
    }
  }
  for (int i = 0; i < m_nControls; ++i) m_rects[static_cast<size_t>(i)] = dialog.GetChildRect(i);
  if (positioned && !EqualRects(layout->m_rcTranslated, layout->m_rcOriginal))
    dialog.SetWindowSize(translatedWidth, translatedHeight);

  std::vector<RECT> mapped;
  MapOriginals(dialog, entry, mapped);
  for (int i = 0; i < m_nControls; ++i) {
    CTraNode* child = ScoreNode(i, entry, mapped);
    if (!child) continue;
    if (child->GetTranslation() != child->GetOriginal() && m_texts[static_cast<size_t>(i)] == child->GetOriginal())
      dialog.SetChildText(i, child->GetTranslation());
    if (LwvHasPosition(child->GetLayout()))
      PlaceControl(dialog, i, child, LwvMapRect(dialog, child->GetLayout()->m_rcOriginal));
  }
  if (m_strCaption == entry->GetOriginal() && entry->GetTranslation() != m_strCaption)
    dialog.SetCaption(entry->GetTranslation());
  if (restore) dialog.SetWindowSize(liveWidth, liveHeight);
  dialog.Redraw();
}

CTraNode* CDialogMatcher::Translate(CLwvDialogAccess& dialog, CTraNode* section, bool useIndex) {
  CollectControls(dialog);
  CTraNode* entry = FindBestNode(section, useIndex);
  if (!entry || entry->GetKind() == TRA_SWITCHDIALOG) return nullptr;
  ApplyNode(dialog, entry);
  return entry;
}
