// Draws WeaveDesk's pictures from the shape tables in DeskPictures.cpp:
// the toolbar's four picture strips, the +/- boxes, the node-kind and
// edit-state icons, the placeholder pictures and the add-on markers, as
// 16-colour pictures in the palette of lwv/pictures. Build-machine code:
// the program reads the written .bmp files as resources.
#pragma once

#include "PictureArt.h"

#include <string>
#include <vector>

namespace deskpic {

struct NamedPicture {
  std::string fileName;  // e.g. "ToolNormal.bmp"
  lwpic::Picture picture;
};

// Every picture of the program, in a fixed order.
std::vector<NamedPicture> DrawAll();

// Sizes the program relies on.
const int kToolPicture = 20;
const int kToolButtons = 17;
const int kBoxCell = 10;
const int kIconWidth = 16, kIconHeight = 15, kIconCells = 18;
const int kPlaceholderWidth = 25, kPlaceholderHeight = 15, kPlaceholderCells = 5;

}  // namespace deskpic
