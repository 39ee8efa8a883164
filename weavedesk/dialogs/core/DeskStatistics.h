// The statistics dialog's counts: characters and texts of a language-file
// tree, in total and of those marked to be edited. Window-free.
#pragma once

#include "Framework.h"

class CTraNode;

struct DeskStatistics {
  long chars = 0;
  long markedChars = 0;
  long texts = 0;
  long markedTexts = 0;
};

// Adds every translatable node below root (root itself not) to totals:
// the length of its translated text and one text; marked nodes (edit
// state 3, 4 or 5) also to the marked counts.
void CountStatistics(const CTraNode* root, DeskStatistics& totals);
