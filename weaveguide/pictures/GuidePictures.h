// Draws WeaveGuide's four pictures (the watermark behind the welcome dialog
// and the wizard's first and last pages, the header picture of the other
// pages, each for high- and low-colour displays) for the .bmp files the
// resource script names. Build-machine code: the program only carries the
// files MakeGuidePictures writes.
#pragma once

#include "PictureArt.h"

#include <vector>

namespace guidepic {

// The watermark's top 315 rows are tiled 2 x 2 over the welcome dialog. The
// sheet draws the whole picture behind its last page (which has no header)
// down to the line above the buttons and fills what the picture leaves with
// its top-left pixel: it is tall enough that nothing is left.
const int kWatermarkWidth = 500;
const int kWatermarkHeight = 480;
// The header picture is a woven ribbon for the left margin of the page
// header: the sheet (Wizard97 in the flag's version 4.71 value) draws it from
// the header's top-left corner, cut to the header's height, fills the rest of
// the header with its top-left pixel and writes the title from 20 pixels in.
// So the ribbon stays narrower than that margin, taller than any header, and
// its top-left pixel is the field.
const int kHeaderWidth = 16;
const int kHeaderHeight = 96;
const int kHeaderTitleMargin = 20;
// Pixels on the watermark's left kept for the woven band; the texts start right of it.
const int kBandWidth = 80;

struct GuidePicture {
  const char* fileName;  // as the resource script names it
  lwpic::Picture picture;
};

// The four pictures: Watermark.bmp, Header.bmp, WatermarkLow.bmp, HeaderLow.bmp.
std::vector<GuidePicture> DrawGuidePictures();

}  // namespace guidepic
