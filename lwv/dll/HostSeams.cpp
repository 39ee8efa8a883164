// The model's runtime seams on the host's side of a Lingoweave DLL: a
// program's own texts are translated through the DLL's C functions. The busy
// flag stays inside the DLL, so here it lends nothing.
#include "LwvStrings.h"
#include "RuntimeSeams.h"

void LwInstallRuntimeSeams(LwBusySeam, LwTranslateSeam) {}

void LwSetRuntimeBusy(bool) {}

void LwTranslateProgramText(CString& text) { LWTranslateString(text); }
