#include "SampleLayouts.h"

#include "SampleTexts.h"

namespace {

struct Box {
  int x, y, cx, cy;
};

struct LayoutChange {
  const char* caption;  // the dialog's German caption
  int control;          // index of the control, -1 for the dialog itself
  Box german;           // as in the script
  Box english;
};

const LayoutChange kChanges[] = {
    // "Anschrift": longer labels, the fields moved right, the dialog wider.
    {u8"Anschrift", -1, {0, 0, 200, 92}, {0, 0, 236, 92}},
    {u8"Anschrift", 0, {7, 9, 36, 8}, {7, 9, 62, 8}},
    {u8"Anschrift", 1, {45, 7, 148, 12}, {72, 7, 157, 12}},
    {u8"Anschrift", 2, {7, 25, 36, 8}, {7, 25, 62, 8}},
    {u8"Anschrift", 3, {45, 23, 148, 12}, {72, 23, 157, 12}},
    {u8"Anschrift", 4, {7, 41, 36, 8}, {7, 41, 62, 8}},
    {u8"Anschrift", 5, {45, 39, 148, 12}, {72, 39, 157, 12}},
    {u8"Anschrift", 6, {7, 57, 60, 10}, {7, 57, 110, 10}},
    {u8"Anschrift", 7, {89, 71, 50, 14}, {125, 71, 50, 14}},
    {u8"Anschrift", 8, {143, 71, 50, 14}, {179, 71, 50, 14}},
    // "Steuerelemente": "&Keyboard shortcut:" takes the column's width.
    {u8"Steuerelemente", 16, {160, 122, 60, 8}, {160, 122, 103, 8}},
    // "Darstellung": "&Brightness:" gets a little more room from the slider.
    {u8"Darstellung", 3, {7, 45, 50, 8}, {7, 45, 56, 8}},
    {u8"Darstellung", 4, {60, 42, 143, 16}, {66, 42, 137, 16}},
};

RECT ToRect(const Box& b) { return RECT{b.x, b.y, b.x + b.cx, b.y + b.cy}; }

CTraNode* FindDialog(CTraNode* dialogs, const CString& caption) {
  for (int i = 0; i < dialogs->GetChildCount(); ++i) {
    CTraNode* dialog = dialogs->GetChild(i);
    if (dialog->GetKind() == TRA_DIALOG && dialog->GetOriginal() == caption) return dialog;
  }
  return nullptr;
}

}  // namespace

void ApplyEnglishLayouts(CTraNode* dialogs, std::vector<CString>& problems) {
  for (const LayoutChange& change : kChanges) {
    const CString caption = SampleText(change.caption);
    CTraNode* dialog = FindDialog(dialogs, caption);
    CTraNode* node = !dialog ? nullptr : change.control < 0 ? dialog : dialog->GetChild(change.control);
    CString where;
    where.Format(_T("%s, control %d"), caption.GetString(), change.control);
    if (!node || !node->GetLayout()) {
      problems.push_back(_T("no such dialog or control for the English layout: ") + where);
      continue;
    }
    if (!EqualRects(node->GetLayout()->m_rcOriginal, ToRect(change.german))) {
      problems.push_back(_T("the script moved a control the English layout changes: ") + where);
      continue;
    }
    node->GetLayout()->m_rcTranslated = ToRect(change.english);
  }
}
