// What the run-time library lends window-free code of the same program: its
// busy flag and its translation of the program's own texts. The runtime
// installs both as it is linked in; without it nothing is suspended and a
// text stays as the string table holds it. Holds no state of the runtime.
#pragma once

#include "Framework.h"

typedef void (*LwBusySeam)(bool busy);
typedef void (*LwTranslateSeam)(CString& text);

// Called by the runtime; null takes a seam back.
void LwInstallRuntimeSeams(LwBusySeam busy, LwTranslateSeam translate);

// Suspends (true) or resumes the runtime's translation of new windows.
void LwSetRuntimeBusy(bool busy);
// Translates a text of the program's string table into the current
// language; unchanged without the runtime or a translation.
void LwTranslateProgramText(CString& text);
