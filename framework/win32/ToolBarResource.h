// Toolbar resources (type RT_TOOLBAR, 241): a version word (1), the
// picture width and height, the number of items and one command id per
// item (0 for a separator). Reading one from a module and putting its
// buttons into a CToolBar. No pictures: the bitmaps are the caller's.
#pragma once

#include "ControlBars.h"

#include <vector>

#define LW_RT_TOOLBAR MAKEINTRESOURCE(241)

namespace lw {

struct ToolBarResource {
  int pictureWidth = 0;
  int pictureHeight = 0;
  std::vector<UINT> ids;  // ID_SEPARATOR for separators
};

// Reads the words of a toolbar resource; false for data that is too short
// or of another version.
bool ParseToolBarResource(const void* data, size_t size, ToolBarResource& out);
// Reads toolbar resource id of module (null: the program).
bool LoadToolBarResource(HINSTANCE module, UINT id, ToolBarResource& out);
// The resource's buttons into bar, picture i for the i-th button.
bool LoadToolBar(CToolBar& bar, UINT id);

}  // namespace lw
