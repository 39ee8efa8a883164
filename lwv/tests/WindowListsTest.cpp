#include "HooksFakes.h"
#include "WindowLists.h"

#include <gtest/gtest.h>

#include <functional>

using namespace hookstest;

namespace {

class RecordingList : public CLwvWindowList {
 public:
  explicit RecordingList(CLwvWindowSystem& s) : CLwvWindowList(s) {}
  std::vector<std::pair<LwvWindow, int>> windows;
  std::vector<LwvMenu> menus;
  std::function<void()> onRetranslate;

 protected:
  void RetranslateWindow(LwvWindow wnd, int mode) override {
    windows.push_back({wnd, mode});
    if (onRetranslate) onRetranslate();
  }
  void RetranslateMenu(LwvMenu menu) override { menus.push_back(menu); }
};

struct Env {
  FakeMenus menus;
  FakeWindows windows{menus};
  RecordingList list{windows};
};

}  // namespace

TEST(WindowLists, AddKeepsMenusOfTopLevelWindowsOnlyAndOneEntryPerWindow) {
  Env e;
  LwvMenu bar = e.menus.NewMenu();
  LwvWindow frame = e.windows.Create(bar);
  LwvWindow child = e.windows.Create(bar, true);
  EXPECT_TRUE(e.list.Add(frame, 0));
  EXPECT_TRUE(e.list.Add(child, 3));
  EXPECT_TRUE(e.list.Add(frame, 1));  // the same window and menu again: the first entry stays
  ASSERT_EQ(2, e.list.GetCount());
  EXPECT_EQ(bar, e.list.GetMenu(0));
  EXPECT_EQ(0, e.list.GetMode(0));
  EXPECT_EQ(nullptr, e.list.GetMenu(1));  // a child window never contributes a menu
  EXPECT_EQ(3, e.list.GetMode(1));
  EXPECT_FALSE(e.list.Add(nullptr, 0));
}

TEST(WindowLists, DeadWindowsGoUnlessTheirMenuLives) {
  Env e;
  LwvMenu bar = e.menus.NewMenu();
  LwvWindow a = e.windows.Create();
  LwvWindow b = e.windows.Create(bar);
  LwvWindow c = e.windows.Create();
  e.list.Add(a, 0);
  e.list.Add(b, 0);
  e.list.Add(c, 0);
  e.windows.Destroy(a);
  e.windows.Destroy(b);
  e.list.RetranslateAll();
  ASSERT_EQ(2, e.list.GetCount());
  EXPECT_EQ(b, e.list.GetWindow(0));  // its menu still exists
  EXPECT_EQ(c, e.list.GetWindow(1));
  ASSERT_EQ(1u, e.list.windows.size());
  EXPECT_EQ(c, e.list.windows[0].first);
  ASSERT_EQ(1u, e.list.menus.size());  // the dead window's menu is retranslated
  EXPECT_EQ(bar, e.list.menus[0]);
  e.menus.Destroy(bar);
  e.list.Broadcast(0x8001);
  EXPECT_EQ(1, e.list.GetCount());
  ASSERT_EQ(1u, e.windows.sent.size());
  EXPECT_EQ(c, e.windows.sent[0].first);
  EXPECT_EQ(0x8001u, e.windows.sent[0].second);
}

TEST(WindowLists, FullListPrunesFirstThenRefuses) {
  Env e;
  std::vector<LwvWindow> w;
  for (int i = 0; i < CLwvWindowList::kCapacity; ++i) {
    w.push_back(e.windows.Create());
    ASSERT_TRUE(e.list.Add(w.back(), 0));
  }
  EXPECT_EQ(CLwvWindowList::kCapacity, e.list.GetCount());
  LwvWindow extra = e.windows.Create();
  EXPECT_FALSE(e.list.Add(extra, 0));  // all alive: refused, nothing written past the end
  EXPECT_EQ(CLwvWindowList::kCapacity, e.list.GetCount());
  EXPECT_TRUE(e.list.Add(w[7], 0));  // already there: fine
  e.windows.Destroy(w[3]);
  EXPECT_TRUE(e.list.Add(extra, 2));  // a dead entry made room
  EXPECT_EQ(CLwvWindowList::kCapacity, e.list.GetCount());
  EXPECT_EQ(extra, e.list.GetWindow(CLwvWindowList::kCapacity - 1));
  EXPECT_EQ(w[4], e.list.GetWindow(3));  // order kept
}

TEST(WindowLists, ContainsMenuAtAnyDepth) {
  Env e;
  LwvMenu bar = e.menus.NewMenu();
  LwvMenu file = e.menus.AppendPopup(bar, _T("&Datei"));
  LwvMenu recent = e.menus.AppendPopup(file, _T("&Zuletzt"));
  LwvMenu deeper = e.menus.AppendPopup(recent, _T("Mehr"));
  LwvMenu foreign = e.menus.NewMenu();
  LwvWindow frame = e.windows.Create(bar);
  e.list.Add(frame, 0);
  EXPECT_TRUE(e.list.ContainsMenu(bar));
  EXPECT_TRUE(e.list.ContainsMenu(file));
  EXPECT_TRUE(e.list.ContainsMenu(deeper));
  EXPECT_FALSE(e.list.ContainsMenu(foreign));
  EXPECT_FALSE(e.list.ContainsMenu(nullptr));
  // A menu that refers back to itself is not followed for ever.
  e.menus.menus[reinterpret_cast<uintptr_t>(deeper)].push_back(FakeMenus::Item{_T("loop"), UINT(-1), bar, 0});
  EXPECT_FALSE(e.list.ContainsMenu(foreign));
}

TEST(WindowLists, RetranslationThatAddsWindowsDoesNotDisturbTheWalk) {
  Env e;
  LwvWindow a = e.windows.Create();
  LwvWindow b = e.windows.Create();
  e.list.Add(a, 0);
  e.list.Add(b, 1);
  e.list.onRetranslate = [&] { e.list.Add(e.windows.Create(), 0); };
  e.list.RetranslateAll();
  ASSERT_EQ(2u, e.list.windows.size());
  EXPECT_EQ(a, e.list.windows[0].first);
  EXPECT_EQ(b, e.list.windows[1].first);
  EXPECT_EQ(1, e.list.windows[1].second);
  EXPECT_EQ(4, e.list.GetCount());
}
