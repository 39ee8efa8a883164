// The road's version update: WeaveDesk, started on the work folder's
// SampleEN.tra, merges the rescanned original Sample.tra into it and saves
// it again. Read back with the model: every text whose original is still
// there keeps its translation, layout and mark; every new or changed text is
// marked for translation and shows its original.
#include "DeskE2e.h"

#include <vector>

namespace {

using namespace e2e;

const TCHAR kUpdateTitle[] = _T("Fremdsprache neuerer Version w\xe4hlen");

// The children of parent whose original is original.
std::vector<const CTraNode*> ChildrenWith(const CTraNode* parent, const CString& original) {
  std::vector<const CTraNode*> found;
  for (int i = 0; parent && i < parent->GetChildCount(); ++i)
    if (parent->GetChild(i)->GetOriginal() == original) found.push_back(parent->GetChild(i));
  return found;
}

struct MergeCount {
  int kept = 0;      // texts that kept the old translation
  int marked = 0;    // new or changed texts, marked
  int newGroups = 0;  // dialogs, popups or tables that are new as a whole
};

// Walks merged beside old (its counterpart in the translation before the
// update); paths with twin originals are not followed.
void CheckMerged(const CTraNode* merged, const CTraNode* old, MergeCount& count) {
  for (int i = 0; i < merged->GetChildCount(); ++i) {
    const CTraNode* child = merged->GetChild(i);
    SCOPED_TRACE(CStringA(child->GetOriginal()).GetString());
    const std::vector<const CTraNode*> twins = ChildrenWith(old, child->GetOriginal());
    if (twins.size() == 1) {
      if (child->IsTranslatable()) {
        EXPECT_EQ(twins[0]->GetTranslation(), child->GetTranslation()) << "the old translation is kept";
        if (child->GetChildCount() == 0) {
          EXPECT_EQ(twins[0]->GetState() == TRA_STATE_NEW, child->GetState() == TRA_STATE_NEW);
        }
        ++count.kept;
      }
      if (child->GetLayout() && twins[0]->GetLayout() &&
          EqualRects(child->GetLayout()->m_rcOriginal, twins[0]->GetLayout()->m_rcOriginal)) {
        EXPECT_TRUE(EqualRects(twins[0]->GetLayout()->m_rcTranslated, child->GetLayout()->m_rcTranslated));
      }
      CheckMerged(child, twins[0], count);
    } else if (twins.empty() && child->GetChildCount() == 0) {
      if (!child->IsTranslatable()) continue;
      EXPECT_EQ(TRA_STATE_NEW, child->GetState()) << "a new or changed text is marked";
      EXPECT_EQ(child->GetOriginal(), child->GetTranslation());
      ++count.marked;
    } else if (twins.empty() && child->GetState() >= TRA_STATE_NEW_GROUP) {
      // No counterpart (a group found by its children would be unmarked): new as a whole.
      ++count.newGroups;
      CheckMerged(child, nullptr, count);
    }
  }
}

class DeskMerge : public DeskE2e {
 protected:
  DeskMerge() : DeskE2e(kEnglish) {}
  void SetUp() override {
    if (!WorkFileExists(kEnglish) || !WorkFileExists(kOriginal)) GTEST_SKIP() << "no SampleEN.tra or Sample.tra";
    DeskE2e::SetUp();
  }
};

TEST_F(DeskMerge, MergesTheRescannedOriginalIntoTheTranslation) {
  Watchdog watchdog(60);
  std::unique_ptr<CTraFile> before = ReadWorkFile(kEnglish);
  std::unique_ptr<CTraFile> newer = ReadWorkFile(kOriginal);
  ASSERT_TRUE(before && newer);
  ASSERT_TRUE(newer->IsOriginal());
  Start(false);
  EXPECT_EQ(CString(_T("SampleEN.tra - Lingoweave Editor")), Caption());

  ChooseFileFor(ID_VERSION_UPDATE, WorkFile(kOriginal), kUpdateTitle);
  EXPECT_TRUE(Doc()->Desk().GetPath().IsEmpty()) << "the merged file is saved under a name of its own";
  ASSERT_NE(Doc()->Desk().GetOverlayFile(), nullptr) << "the newer original is shown beside the texts";
  // The first dialog the rescan added, brought into view and into the dialog editor.
  const int added = FindBlock([&](const CTraNode* node) {
    return node->GetKind() == TRA_DIALOG && !FindDialogNode(*before, node->GetOriginal());
  });
  ASSERT_GE(added, 0) << "no new dialog";
  View()->EnsureItemVisible(View()->GetBlocks().GetBlock(added), 0);
  ClickBlock(added);
  View()->EnsureItemVisible(View()->GetBlocks().GetBlock(added), 0);  // the editor's window took room
  Pump();
  EXPECT_EQ(TRA_STATE_NEW_GROUP_OPEN, View()->GetBlocks().GetBlock(added)->GetNode()->GetState());
  SaveScreenshot(Frame()->m_hWnd, "e2e_desk_merged_de");
  if (View()->GetDialogPreview()) SaveScreenshot(View()->GetDialogPreview()->GetSafeHwnd(), "e2e_desk_merged_dialog_de");

  SaveAs(WorkFile(kEnglish));
  EXPECT_EQ(WorkFile(kEnglish), Doc()->Desk().GetPath());
  EXPECT_FALSE(Doc()->Desk().IsModified());

  std::unique_ptr<CTraFile> merged = ReadWorkFile(kEnglish);
  ASSERT_TRUE(merged);
  EXPECT_FALSE(merged->IsOriginal());
  EXPECT_EQ(before->GetLanguageId(), merged->GetLanguageId());
  EXPECT_EQ(before->GetLanguageName(), merged->GetLanguageName());
  EXPECT_TRUE(std::equal(before->GetFlagPixels(), before->GetFlagPixels() + TRA_FLAG_PIXELS, merged->GetFlagPixels()));
  EXPECT_EQ(newer->GetRootNode()->CountNodes(), merged->GetRootNode()->CountNodes()) << "the newer original's shape";

  MergeCount count;
  CheckMerged(merged->GetRootNode(), before->GetRootNode(), count);
  EXPECT_GT(count.kept, 100);
  EXPECT_GE(count.marked, 1) << "the changed text";
  EXPECT_GE(count.newGroups, 1) << "the new dialog";

  // The texts typed in the translation step, unless the rescan changed their original.
  int typedKept = 0;
  for (const TypedText& text : kTypedTexts) {
    const CTraNode* node = FindTypedNode(*merged, text);
    if (node && node->GetTranslation() == text.english) ++typedKept;
  }
  EXPECT_GE(typedKept, static_cast<int>(std::size(kTypedTexts)) - 1);
}

}  // namespace
