// Where the English texts need room: the dialogs whose English layout
// differs from the German one.
#pragma once

#include "TraNode.h"

#include <vector>

// Gives the dialogs of section (the English file's "Dialoge") their English
// layout. A dialog or control that is not where the table expects it (the
// script changed) is left alone and named in problems.
void ApplyEnglishLayouts(CTraNode* dialogs, std::vector<CString>& problems);
