#include "GuidePictures.h"

namespace guidepic {

namespace {

lwpic::Picture Blank(int width, int height, uint8_t colour) {
  lwpic::Picture p;
  p.width = width;
  p.height = height;
  p.pixels.assign(static_cast<size_t>(width * height), colour);
  return p;
}

void Put(lwpic::Picture& p, int x, int y, uint8_t colour) {
  if (x >= 0 && y >= 0 && x < p.width && y < p.height) p.pixels[static_cast<size_t>(y * p.width + x)] = colour;
}

// Threads woven over and under in cells of cell pixels, inside the rectangle.
void Weave(lwpic::Picture& p, int left, int top, int right, int bottom, int cell, uint8_t thread, uint8_t shade) {
  for (int y = top; y < bottom; ++y)
    for (int x = left; x < right; ++x) {
      const bool across = ((x / cell) + (y / cell)) % 2 == 0;
      const int phase = across ? y % cell : x % cell;
      Put(p, x, y, phase > 0 && phase < cell - 1 ? thread : shade);
    }
}

// The band on the left and a light field for the texts.
lwpic::Picture Watermark(uint8_t field, uint8_t thread, uint8_t shade) {
  lwpic::Picture p = Blank(kWatermarkWidth, kWatermarkHeight, field);
  Weave(p, 0, 0, kBandWidth, kWatermarkHeight, 10, thread, shade);
  for (int y = 0; y < kWatermarkHeight; ++y) Put(p, kBandWidth, y, shade);
  return p;
}

// Field colour on either side of the ribbon.
lwpic::Picture Header(uint8_t field, uint8_t thread, uint8_t shade) {
  lwpic::Picture p = Blank(kHeaderWidth, kHeaderHeight, field);
  Weave(p, 2, 0, kHeaderWidth - 2, kHeaderHeight, 4, thread, shade);
  return p;
}

}  // namespace

std::vector<GuidePicture> DrawGuidePictures() {
  return {
      {"Watermark.bmp", Watermark(lwpic::kWhite, lwpic::kLight, lwpic::kBlue)},
      {"Header.bmp", Header(lwpic::kWhite, lwpic::kLight, lwpic::kBlue)},
      {"WatermarkLow.bmp", Watermark(lwpic::kWhite, lwpic::kGrey, lwpic::kNavy)},
      {"HeaderLow.bmp", Header(lwpic::kWhite, lwpic::kGrey, lwpic::kNavy)},
  };
}

}  // namespace guidepic
