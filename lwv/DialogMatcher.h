// Finds the "Dialoge" entry of a live dialog by its caption, control texts
// and geometry, and writes the entry's translated texts and layout into it.
#pragma once

#include "DialogAccess.h"
#include "TraNode.h"

#include <array>
#include <vector>

// Modes of a dialog translation; bit 0: the property sheet around a page is translated too.
enum { LWV_MODE_DIALOG = 0, LWV_MODE_PAGE_TITLE = 1, LWV_MODE_PAGE = 3 };

namespace lwv_detail {
struct SectionIndex;
}

class CDialogMatcher {
 public:
  // Direct children collected per dialog; further children stay untranslated.
  static constexpr int kMaxControls = 250;

  CDialogMatcher();
  virtual ~CDialogMatcher();

  // Collects, matches and applies; returns the entry applied (null when none).
  // useIndex: see FindBestNode.
  CTraNode* Translate(CLwvDialogAccess& dialog, CTraNode* section, bool useIndex = false);

  // The steps, public for the tests and the benchmark.
  void CollectControls(CLwvDialogAccess& dialog);
  // A plain description instead of a live dialog (texts only; rectangles empty).
  void SetControls(const CString& caption, const CString* texts, int count);
  void SetControlRect(int index, const RECT& rc);
  void MatchTexts(const CTraNode* entry, int& missing, int& extra) const;
  // useIndex keeps hashes of the section's texts between calls of this
  // thread, made again when the section's tree has changed since.
  CTraNode* FindBestNode(const CTraNode* section, bool useIndex = false) const;
  // The entry child for live control i, given the entry children's original
  // rectangles already mapped to pixels (index parallel to the children).
  CTraNode* ScoreNode(int index, const CTraNode* entry, const std::vector<RECT>& mappedOriginals) const;
  void ApplyNode(CLwvDialogAccess& dialog, const CTraNode* entry);

  int GetControlCount() const { return m_nControls; }
  const CString& GetCaption() const { return m_strCaption; }
  const CString& GetControlText(int i) const { return m_texts[static_cast<size_t>(i)]; }
  const RECT& GetControlRect(int i) const { return m_rects[static_cast<size_t>(i)]; }

  // The score of one entry with the given counts (the matching formula).
  static double Score(int liveCount, int entryCount, int missing, int extra);

 private:
  CTraNode* FindBestIn(lwv_detail::SectionIndex& index) const;
  void MapOriginals(const CLwvDialogUnits& units, const CTraNode* entry, std::vector<RECT>& out) const;
  void PlaceControl(CLwvDialogAccess& dialog, int index, const CTraNode* child, const RECT& mappedOriginal);

  CString m_strCaption;
  std::vector<CString> m_texts;
  std::vector<RECT> m_rects;
  int m_nControls;
  // One bit per live text's hash, for skipping entries that cannot fit.
  static constexpr uint32_t kTextBits = 1024;
  std::array<uint64_t, kTextBits / 64> m_textBits;
};

// True when a layout carries a position (not a size-only rectangle).
bool LwvHasPosition(const CTraLayout* layout);
// A dialog-unit rectangle from a file, limited to what a window can take, mapped to pixels.
RECT LwvMapRect(const CLwvDialogUnits& units, const RECT& dialogUnits);

// Placement of one control: the SetWindowPos flags and target, from the
// entry's original and translated rectangles (dialog units), their mapped
// pixels and the control's measured rectangle. Returns false when nothing moves.
struct LwvPlacement {
  UINT flags;
  RECT target;
  bool keepHeight;
};
bool LwvComputePlacement(int kind, const RECT& original, const RECT& translated, const RECT& mappedOriginal,
                         const RECT& mappedTranslated, const RECT& measured, LwvPlacement& out);
