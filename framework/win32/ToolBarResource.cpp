#include "ToolBarResource.h"

#include "AppServices.h"

#include <cstring>

namespace lw {

bool ParseToolBarResource(const void* data, size_t size, ToolBarResource& out) {
  if (!data || size < 8) return false;
  const BYTE* bytes = static_cast<const BYTE*>(data);
  auto word = [bytes](size_t index) {
    WORD w;
    std::memcpy(&w, bytes + index * 2, 2);
    return w;
  };
  if (word(0) != 1) return false;
  const size_t count = word(3);
  if (size < 8 + count * 2) return false;
  out.pictureWidth = word(1);
  out.pictureHeight = word(2);
  out.ids.clear();
  for (size_t i = 0; i < count; ++i) out.ids.push_back(word(4 + i));
  return true;
}

bool LoadToolBarResource(HINSTANCE module, UINT id, ToolBarResource& out) {
  if (!module) module = AfxGetInstanceHandle();
  HRSRC found = ::FindResource(module, MAKEINTRESOURCE(id), LW_RT_TOOLBAR);
  if (!found) return false;
  HGLOBAL loaded = ::LoadResource(module, found);
  const void* data = loaded ? ::LockResource(loaded) : nullptr;
  return data && ParseToolBarResource(data, ::SizeofResource(module, found), out);
}

bool LoadToolBar(CToolBar& bar, UINT id) {
  ToolBarResource resource;
  if (!LoadToolBarResource(nullptr, id, resource)) return false;
  return bar.SetButtons(resource.ids.data(), static_cast<int>(resource.ids.size())) != FALSE;
}

}  // namespace lw
