// The module whose resources the string and dialog classes load from.
#pragma once

#include "LwTypes.h"

#ifdef _WIN32
HINSTANCE AfxGetResourceHandle();
void AfxSetResourceHandle(HINSTANCE instance);
#endif
