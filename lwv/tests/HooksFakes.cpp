#include "HooksFakes.h"

namespace hookstest {

RECT R(LONG l, LONG t, LONG r, LONG b) { return RECT{l, t, r, b}; }

CTraNode* Add(CTraNode* parent, const CString& original, const CString& translation, int kind) {
  auto node = std::make_unique<CTraNode>(parent, original, translation, kind);
  return parent ? parent->AddChild(std::move(node)) : node.release();  // a root is the caller's
}

CTraNode* AddAt(CTraNode* parent, const CString& original, const CString& translation, int kind, RECT original_rect,
                RECT translated) {
  auto node = std::make_unique<CTraNode>(parent, original, translation, kind, 0, 0, translated, original_rect);
  return parent ? parent->AddChild(std::move(node)) : node.release();
}

namespace {
LONG MulDiv(LONG v, LONG num, LONG den) {
  const int64_t p = static_cast<int64_t>(v) * num;
  return static_cast<LONG>(p >= 0 ? (p + den / 2) / den : -((-p + den / 2) / den));
}
}  // namespace

void FakeUnits::MapDialogRect(RECT& rc) const {
  rc.left = MulDiv(rc.left, 6, 4);
  rc.right = MulDiv(rc.right, 6, 4);
  rc.top = MulDiv(rc.top, 13, 8);
  rc.bottom = MulDiv(rc.bottom, 13, 8);
}

RECT Map(const RECT& du) {
  RECT rc = du;
  FakeUnits().MapDialogRect(rc);
  return rc;
}

FakeDialog::FakeDialog(const CString& c, int w, int h) : caption(c), clientWidth(w), clientHeight(h) {}

FakeControl& FakeDialog::AddControl(const CString& text, RECT pixels) {
  FakeControl c;
  c.text = text;
  c.rect = pixels;
  controls.push_back(c);
  return controls.back();
}

int FakeDialog::CollectChildren(int maxCount) {
  collectedMax = maxCount;
  const int n = static_cast<int>(controls.size());
  return n < maxCount ? n : maxCount;
}

void FakeDialog::SetChildText(int index, const CString& text) {
  FakeControl& c = controls[static_cast<size_t>(index)];
  c.text = text;
  ++c.setTextCalls;
}

void FakeDialog::SetChildPos(int index, int x, int y, int cx, int cy, UINT flags, bool keepHeight) {
  FakeControl& c = controls[static_cast<size_t>(index)];
  const LONG w = c.rect.right - c.rect.left;
  const LONG h = c.rect.bottom - c.rect.top;
  if (!(flags & LWV_NOMOVE)) {
    c.rect.left = x;
    c.rect.top = y;
  }
  const LONG nw = (flags & LWV_NOSIZE) ? w : cx;
  const LONG nh = (flags & LWV_NOSIZE) || keepHeight ? h : cy;
  c.rect.right = c.rect.left + nw;
  c.rect.bottom = c.rect.top + nh;
  ++c.moves;
}

void FakeDialog::SetWindowSize(int cx, int cy) {
  sizes.push_back(SIZE{cx, cy});
  clientWidth = cx - 8;
  clientHeight = cy - 30;
}

LwvMenu FakeMenus::NewMenu() {
  LwvMenu m = reinterpret_cast<LwvMenu>(m_next);
  m_next += 0x10;
  menus[Key(m)];
  return m;
}

void FakeMenus::Append(LwvMenu menu, const CString& text, UINT id, UINT flags) {
  menus[Key(menu)].push_back(Item{text, id, nullptr, flags});
}

LwvMenu FakeMenus::AppendPopup(LwvMenu menu, const CString& text, UINT flags) {
  LwvMenu sub = NewMenu();
  menus[Key(menu)].push_back(Item{text, static_cast<UINT>(-1), sub, flags});
  return sub;
}

int FakeMenus::GetItemCount(LwvMenu menu) {
  auto it = menus.find(Key(menu));
  return it == menus.end() ? -1 : static_cast<int>(it->second.size());
}

CString FakeMenus::GetItemText(LwvMenu menu, int pos) {
  auto it = menus.find(Key(menu));
  if (it == menus.end() || pos < 0 || pos >= static_cast<int>(it->second.size())) return CString();
  return it->second[static_cast<size_t>(pos)].text;
}

LwvMenu FakeMenus::GetSubMenu(LwvMenu menu, int pos) {
  auto it = menus.find(Key(menu));
  if (it == menus.end() || pos < 0 || pos >= static_cast<int>(it->second.size())) return nullptr;
  return it->second[static_cast<size_t>(pos)].sub;
}

UINT FakeMenus::GetItemID(LwvMenu menu, int pos) {
  auto it = menus.find(Key(menu));
  if (it == menus.end() || pos < 0 || pos >= static_cast<int>(it->second.size())) return 0;
  return it->second[static_cast<size_t>(pos)].id;
}

bool FakeMenus::SetItemText(LwvMenu menu, int pos, const CString& text) {
  auto it = menus.find(Key(menu));
  if (it == menus.end() || pos < 0 || pos >= static_cast<int>(it->second.size())) return false;
  it->second[static_cast<size_t>(pos)].text = text;
  ++sets;
  return true;
}

LwvWindow FakeWindows::Create(LwvMenu menu, bool child) {
  LwvWindow w = reinterpret_cast<LwvWindow>(m_next);
  m_next += 0x10;
  alive[Key(w)] = true;
  isChild[Key(w)] = child;
  menuOf[Key(w)] = menu;
  return w;
}

LwvMenu FakeWindows::GetWindowMenu(LwvWindow wnd) {
  if (!IsWindow(wnd) || isChild[Key(wnd)]) return nullptr;
  return menuOf[Key(wnd)];
}

}  // namespace hookstest
