#include <gtest/gtest.h>

#include "LwvTestSupport.h"
#include "TraNode.h"

using namespace lwvtest;

namespace {

TEST(TraNode, SizeOnlyRectangleKeepsWidthAndHeight) {
  CTraNode node(nullptr, _T("Dlg"), _T("Dlg"), TRA_DIALOG, 200, 100);
  ASSERT_NE(nullptr, node.m_pLayout);
  EXPECT_TRUE(node.m_pLayout->IsSizeOnly());
  EXPECT_EQ(200, node.m_pLayout->GetWidth());
  EXPECT_EQ(100, node.m_pLayout->GetHeight());
  RECT zero = {0, 0, 0, 0};
  EXPECT_TRUE(EqualRects(zero, node.m_pLayout->m_rcOriginal));
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
    EXPECT_EQ(c.layout, sized.m_pLayout != nullptr) << c.kind;
    EXPECT_EQ(c.layout, placed.m_pLayout != nullptr) << c.kind;
    EXPECT_EQ(nullptr, plain.m_pLayout) << c.kind;
  }
  CTraNode empty(nullptr);
  EXPECT_EQ(TRA_EMPTY, empty.m_nKind);
  EXPECT_TRUE(empty.m_strOriginal.IsEmpty());
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
    EXPECT_EQ(parent.GetChild(i)->m_strOriginal, name);
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
  EXPECT_EQ(info->m_strTranslation, _T("About"));
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
  CTraNode* copy = root->Clone(nullptr);
  EXPECT_EQ(nullptr, copy->m_pParent);
  ExpectSameTree(root, copy);
  EXPECT_EQ(root->GetChild(1)->GetCapacity(), copy->GetChild(1)->GetCapacity());
  EXPECT_NE(root->GetChild(1)->GetChild(0)->m_pLayout, copy->GetChild(1)->GetChild(0)->m_pLayout);
  copy->GetChild(1)->GetChild(0)->m_strTranslation = _T("changed");
  delete copy;
  EXPECT_EQ(root->GetChild(1)->GetChild(0)->m_strTranslation, _T("Change size"));
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
  dlg->m_nState = own;
  for (int s : children) AddNode(dlg.get(), _T("c"), _T("c"), TRA_PUSHBUTTON)->m_nState = s;
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
    EXPECT_EQ(c.expected, dlg->m_nState) << c.own;
  }
}

TEST(TraNode, PropagateStatesReportsOnceAndRepairsFromTheBottom) {
  auto dlg = DialogWith(1, {3});
  EXPECT_TRUE(dlg->PropagateStates());
  EXPECT_EQ(2, dlg->m_nState);
  EXPECT_FALSE(dlg->PropagateStates());

  CTraNode group(nullptr, _T("g"), _T("g"), TRA_DIALOGGROUP);
  group.m_nState = 1;
  CTraNode* inner = AddNode(&group, _T("d"), _T("d"), TRA_DIALOG);
  inner->m_nState = 1;
  AddNode(inner, _T("c"), _T("c"), TRA_PUSHBUTTON)->m_nState = 3;
  EXPECT_TRUE(group.PropagateStates());
  EXPECT_EQ(2, inner->m_nState);
  EXPECT_EQ(2, group.m_nState);
}

TEST(TraNode, ResetAndMarkNewStates) {
  auto file = MakeSampleFile();
  CTraNode* root = file->GetRootNode();
  root->MarkStatesNew();
  CTraNode* dialog = root->GetChild(1)->GetChild(0);
  EXPECT_EQ(5, root->m_nState);
  EXPECT_EQ(5, dialog->m_nState);
  EXPECT_EQ(3, dialog->GetChild(0)->m_nState);  // push button
  EXPECT_EQ(0, dialog->GetChild(3)->m_nState);  // edit: nothing to translate
  EXPECT_EQ(3, root->GetChild(1)->GetChild(1)->m_nState);  // a dialog without children is a leaf
  root->ResetStates();
  EXPECT_EQ(1, root->m_nState);
  EXPECT_EQ(1, dialog->m_nState);
  EXPECT_EQ(0, dialog->GetChild(0)->m_nState);
}

}  // namespace
