#include <gtest/gtest.h>

#include <functional>

#include "LwvTestSupport.h"
#include "TraNode.h"

using namespace lwvtest;

namespace {

TEST(TraNode, SizeOnlyRectangleKeepsWidthAndHeight) {
  CTraNode node(nullptr, _T("Dlg"), _T("Dlg"), TRA_DIALOG, 200, 100);
  ASSERT_NE(nullptr, node.GetLayout());
  EXPECT_TRUE(node.GetLayout()->IsSizeOnly());
  EXPECT_EQ(200, node.GetLayout()->GetWidth());
  EXPECT_EQ(100, node.GetLayout()->GetHeight());
  RECT zero = {0, 0, 0, 0};
  EXPECT_TRUE(EqualRects(zero, node.GetLayout()->m_rcOriginal));
}

TEST(TraNode, OnlyLayoutKindsGetALayout) {
  struct Case {
    int kind;
    bool layout;
  } cases[] = {{TRA_DIALOG, true},   {TRA_CONTROL, true},        {TRA_MENU, false},   {TRA_POPUP, false},
               {TRA_MENUITEM, false}, {TRA_STRINGTABLE, false},  {TRA_RCFILE, false}, {TRA_STRINGGROUP, false},
               {TRA_STRING, false},   {TRA_STATIC, true},        {TRA_EDIT, true},    {TRA_SWITCHDIALOG, true},
               {TRA_COMMONCONTROL, true}, {TRA_EMPTY, false},    {31, false},         {40, false}};
  for (const Case& c : cases) {
    CTraNode sized(nullptr, _T("a"), _T("b"), c.kind, 10, 10);
    RECT r = {1, 2, 3, 4};
    CTraNode placed(nullptr, _T("a"), _T("b"), c.kind, 0, 0, r, r);
    CTraNode plain(nullptr, _T("a"), _T("b"), c.kind);
    EXPECT_EQ(c.layout, sized.GetLayout() != nullptr) << c.kind;
    EXPECT_EQ(c.layout, placed.GetLayout() != nullptr) << c.kind;
    EXPECT_EQ(nullptr, plain.GetLayout()) << c.kind;
  }
  CTraNode empty(nullptr);
  EXPECT_EQ(TRA_EMPTY, empty.GetKind());
  EXPECT_TRUE(empty.GetOriginal().IsEmpty());
}

TEST(TraNode, AddChildGrowsByTenAndKeepsOrder) {
  CTraNode parent(nullptr, _T("p"), _T("p"), TRA_DIALOGGROUP);
  EXPECT_EQ(0, parent.GetCapacity());
  for (int i = 0; i < 10; ++i) {
    CString name;
    name.Format(_T("c%d"), i);
    AddNode(&parent, name, name, TRA_STRING);
  }
  EXPECT_EQ(10, parent.GetCapacity());
  AddNode(&parent, _T("c10"), _T("c10"), TRA_STRING);
  EXPECT_EQ(20, parent.GetCapacity());
  ASSERT_EQ(11, parent.GetChildCount());
  for (int i = 0; i <= 10; ++i) {
    CString name;
    name.Format(_T("c%d"), i);
    EXPECT_EQ(parent.GetChild(i)->GetOriginal(), name);
  }
}

TEST(TraNode, GetChildOutsideTheRangeIsNull) {
  CTraNode parent(nullptr, _T("p"), _T("p"), TRA_DIALOGGROUP);
  AddNode(&parent, _T("a"), _T("a"), TRA_STRING);
  for (int index : {-1, -1000, 1, 2, 10}) EXPECT_EQ(nullptr, parent.GetChild(index)) << index;
  EXPECT_NE(nullptr, parent.GetChild(0));
}

TEST(TraNode, FindPathFollowsFirstEqualOriginal) {
  auto file = MakeSampleFile();
  CTraNode* root = file->GetRootNode();
  EXPECT_EQ(root, root->FindPath(nullptr, 0));
  CString path[] = {TRA_SECTION_DIALOGS, _T("Info")};
  CTraNode* info = root->FindPath(path, 2);
  ASSERT_NE(nullptr, info);
  EXPECT_EQ(info->GetTranslation(), _T("About"));
  EXPECT_EQ(2, info->GetDepth());
  CString missing[] = {TRA_SECTION_DIALOGS, _T("Nope"), _T("x")};
  EXPECT_EQ(nullptr, root->FindPath(missing, 2));
  EXPECT_EQ(nullptr, root->FindPath(missing, 3));
  CString wrongCase[] = {_T("dialoge")};
  EXPECT_EQ(nullptr, root->FindPath(wrongCase, 1));

  CTraNode twins(nullptr, _T("r"), _T("r"), TRA_RCFILE);
  CTraNode* first = AddNode(&twins, _T("same"), _T("1"), TRA_STRING);
  AddNode(&twins, _T("same"), _T("2"), TRA_STRING);
  CString same[] = {_T("same")};
  EXPECT_EQ(first, twins.FindPath(same, 1));
}

TEST(TraNode, TranslatableKinds) {
  struct Case {
    int kind;
    const TCHAR* text;
    bool translatable;
  } cases[] = {
      {TRA_STATIC, _T(""), false},      {TRA_STATIC, _T("Name:"), true},  {TRA_GROUPBOX, _T(""), false},
      {TRA_PUSHBUTTON, _T("OK"), true}, {TRA_RADIOBUTTON, _T(""), false}, {TRA_LISTBOX, _T("x"), false},
      {TRA_COMBOBOX, _T("x"), false},   {TRA_SCROLLBAR, _T("x"), false},  {TRA_EDIT, _T("x"), false},
      {TRA_CONTROL, _T("x"), false},    {TRA_COMMONCONTROL, _T("x"), false}, {TRA_DIALOG, _T(""), true},
      {TRA_MENUITEM, _T(""), true},     {TRA_STRINGGROUP, _T(""), true},  {TRA_SWITCHDIALOG, _T(""), true},
  };
  for (const Case& c : cases) {
    CTraNode node(nullptr, c.text, c.text, c.kind);
    EXPECT_EQ(c.translatable, node.IsTranslatable()) << c.kind;
  }
}

TEST(TraNode, CountsDepthAndTranslatable) {
  auto file = MakeSampleFile();
  CTraNode* root = file->GetRootNode();
  // root, 3 sections, menu, popup, 2 items, 3 dialogs, 5 controls, 2 tables, 3 strings
  EXPECT_EQ(21, root->CountNodes());
  EXPECT_EQ(19, root->CountTranslatable());  // the edit and the list view are not
  EXPECT_EQ(0, root->GetDepth());
  EXPECT_EQ(4, root->GetChild(0)->GetChild(0)->GetChild(0)->GetChild(0)->GetDepth());
}

TEST(TraNode, CloneIsDeepAndIndependent) {
  auto file = MakeSampleFile();
  CTraNode* root = file->GetRootNode();
  std::unique_ptr<CTraNode> copy = root->Clone(nullptr);
  EXPECT_EQ(nullptr, copy->GetParent());
  ExpectSameTree(root, copy.get());
  EXPECT_EQ(root->GetChild(1)->GetCapacity(), copy->GetChild(1)->GetCapacity());
  EXPECT_NE(root->GetChild(1)->GetChild(0)->GetLayout(), copy->GetChild(1)->GetChild(0)->GetLayout());
  copy->GetChild(1)->GetChild(0)->SetTranslation(_T("changed"));
  copy.reset();
  EXPECT_EQ(root->GetChild(1)->GetChild(0)->GetTranslation(), _T("Change size"));
  EXPECT_EQ(21, root->CountNodes());
}

TEST(TraNode, DumpShowsSizesAndNesting) {
  CTraNode dlg(nullptr, _T("A"), _T("B"), TRA_DIALOG, 30, 40);
  AddPlaced(&dlg, _T("C"), _T("D"), TRA_PUSHBUTTON, 1, 2, 3, 4);
  EXPECT_EQ(dlg.Dump(), _T("|Base:A / B / (30 40) |\r\n{\r\n|Base:C / D / (9999 9999) |\r\n}\r\n"));
}

// Builds a dialog whose children have the given states.
std::unique_ptr<CTraNode> DialogWith(int own, std::initializer_list<int> children) {
  std::unique_ptr<CTraNode> dlg(new CTraNode(nullptr, _T("d"), _T("d"), TRA_DIALOG));
  dlg->SetState(own);
  for (int s : children) AddNode(dlg.get(), _T("c"), _T("c"), TRA_PUSHBUTTON)->SetState(s);
  return dlg;
}

TEST(TraNode, PropagateStatesTable) {
  struct Case {
    int own;
    std::initializer_list<int> children;
    int expected;
    bool reported;
  } cases[] = {
      {1, {3}, 2, true},  {0, {3}, 2, true},   {2, {3}, 2, false}, {0, {0}, 1, false}, {2, {0, 1}, 1, true},
      {3, {0}, 4, false}, {4, {5}, 5, true},   {3, {2}, 5, true},  {5, {0}, 4, true},  {5, {4}, 5, false},
      {7, {3}, 0, false}, {-1, {0}, 0, false}, {1, {}, 1, false},  {3, {}, 3, false},
  };
  for (const Case& c : cases) {
    auto dlg = DialogWith(c.own, c.children);
    EXPECT_EQ(c.reported, dlg->PropagateStates()) << c.own;
    EXPECT_EQ(c.expected, dlg->GetState()) << c.own;
  }
}

TEST(TraNode, PropagateStatesReportsOnceAndRepairsFromTheBottom) {
  auto dlg = DialogWith(1, {3});
  EXPECT_TRUE(dlg->PropagateStates());
  EXPECT_EQ(2, dlg->GetState());
  EXPECT_FALSE(dlg->PropagateStates());

  CTraNode group(nullptr, _T("g"), _T("g"), TRA_DIALOGGROUP);
  group.SetState(1);
  CTraNode* inner = AddNode(&group, _T("d"), _T("d"), TRA_DIALOG);
  inner->SetState(1);
  AddNode(inner, _T("c"), _T("c"), TRA_PUSHBUTTON)->SetState(3);
  EXPECT_TRUE(group.PropagateStates());
  EXPECT_EQ(2, inner->GetState());
  EXPECT_EQ(2, group.GetState());
}

TEST(TraNode, ResetAndMarkNewStates) {
  auto file = MakeSampleFile();
  CTraNode* root = file->GetRootNode();
  root->MarkStatesNew();
  CTraNode* dialog = root->GetChild(1)->GetChild(0);
  EXPECT_EQ(5, root->GetState());
  EXPECT_EQ(5, dialog->GetState());
  EXPECT_EQ(3, dialog->GetChild(0)->GetState());             // push button
  EXPECT_EQ(0, dialog->GetChild(3)->GetState());             // edit: nothing to translate
  EXPECT_EQ(3, root->GetChild(1)->GetChild(1)->GetState());  // a dialog without children is a leaf
  root->ResetStates();
  EXPECT_EQ(1, root->GetState());
  EXPECT_EQ(1, dialog->GetState());
  EXPECT_EQ(0, dialog->GetChild(0)->GetState());
}

TEST(TraNodeStamp, OriginalsAndChildrenMoveItTranslationsStatesKindsAndLayoutsDoNot) {
  struct Case {
    const char* change;
    std::function<void(CTraNode* root)> apply;
    bool moves;
  } cases[] = {
      {"original deep down", [](CTraNode* r) { r->GetChild(1)->GetChild(0)->GetChild(0)->SetOriginal(_T("Neu")); },
       true},
      {"original of the root", [](CTraNode* r) { r->SetOriginal(_T("Other")); }, true},
      {"child added deep down", [](CTraNode* r) { AddNode(r->GetChild(2)->GetChild(0), _T("x"), _T("x"), TRA_STRING); },
       true},
      {"child added to the root", [](CTraNode* r) { AddNode(r, _T("x"), _T("x"), TRA_STRINGGROUP); }, true},
      {"originals taken from translations",
       [](CTraNode* r) {
         auto other = MakeSampleFile();
         r->TakeTranslations(other->GetRootNode(), 0);
       },
       true},
      {"translation", [](CTraNode* r) { r->GetChild(1)->GetChild(0)->SetTranslation(_T("Neu")); }, false},
      {"state", [](CTraNode* r) { r->GetChild(1)->GetChild(0)->SetState(TRA_STATE_NEW); }, false},
      {"states over the tree",
       [](CTraNode* r) {
         r->MarkStatesNew();
         r->ResetStates();
         r->PropagateStates();
       },
       false},
      {"kind", [](CTraNode* r) { r->GetChild(1)->GetChild(0)->SetKind(TRA_SWITCHDIALOG); }, false},
      {"layout dropped", [](CTraNode* r) { r->GetChild(1)->GetChild(0)->SetLayout(nullptr); }, false},
      {"layout changed", [](CTraNode* r) { r->GetChild(1)->GetChild(0)->GetLayout()->m_nStyle = 1; }, false},
      {"test markers", [](CTraNode* r) { r->MarkTestTexts(true, _T("<"), true, _T(">")); }, false},
  };
  for (const Case& c : cases) {
    auto file = MakeSampleFile();
    CTraNode* root = file->GetRootNode();
    const uint64_t before = root->GetTreeStamp();
    c.apply(root);
    EXPECT_EQ(c.moves, root->GetTreeStamp() != before) << c.change;
    // Every node of the tree answers its root's stamp.
    EXPECT_EQ(root->GetTreeStamp(), root->GetChild(1)->GetChild(0)->GetTreeStamp()) << c.change;
  }
}

TEST(TraNodeStamp, NoTwoTreesShareAStamp) {
  auto file = MakeSampleFile();
  CTraNode* root = file->GetRootNode();
  std::unique_ptr<CTraNode> copy = root->Clone(nullptr);
  EXPECT_NE(root->GetTreeStamp(), copy->GetTreeStamp());
  // A tree read from a stream is a new tree, too.
  auto read = RoundTrip(*file);
  ASSERT_NE(nullptr, read->GetRootNode());
  EXPECT_NE(root->GetTreeStamp(), read->GetRootNode()->GetTreeStamp());
  EXPECT_NE(copy->GetTreeStamp(), read->GetRootNode()->GetTreeStamp());
  // A child made for a parent and added to another belongs to the other's tree.
  CTraNode other(nullptr, _T("o"), _T("o"), TRA_DIALOGGROUP);
  CTraNode* moved = other.AddChild(std::make_unique<CTraNode>(root, _T("m"), _T("m"), TRA_DIALOG));
  EXPECT_EQ(&other, moved->GetParent());
  EXPECT_EQ(other.GetTreeStamp(), moved->GetTreeStamp());
  EXPECT_EQ(nullptr, other.AddChild(nullptr));
  EXPECT_EQ(1, other.GetChildCount());
}

}  // namespace
