// The two flag pictures of the sample's language files, 32x32 on the
// transparent background RGB(192,192,192).
#pragma once

#include "TraFile.h"

void PaintGermanFlag(CTraFile& file);
// A simple Union Jack.
void PaintUnionJack(CTraFile& file);
