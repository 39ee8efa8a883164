// The host-side layer's seam for the program's own texts: window-free code
// linked into a program on the DLL translates through the DLL's C functions.
// The busy flag has no C function and stays unset.
#include "LwvStrings.h"
#include "RuntimeSeams.h"

namespace {
void TranslateThroughDll(CString& text) { LWTranslateString(text); }
}  // namespace

// Named on the link line (-u), so that the unit comes in.
extern const bool lwHostSeamsInstalled;
const bool lwHostSeamsInstalled = (LwInstallRuntimeSeams(nullptr, TranslateThroughDll), true);
