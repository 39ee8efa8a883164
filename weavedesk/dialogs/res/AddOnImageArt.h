// The add-on list's seven 16 x 16 images as character maps and their
// colours, and the strip they make (magenta where nothing is drawn).
// Shared by the generator and its up-to-date test; no file access.
#pragma once

#include <cstdint>
#include <vector>

namespace addonart {

const int kSide = 16;
const int kCount = 7;

// RGB triples of the strip, kCount * kSide wide and kSide high, top row first.
std::vector<uint8_t> MakeStrip();
// The strip as the bytes of a 24-bit .bmp file.
std::vector<uint8_t> MakeStripBmp();

}  // namespace addonart
