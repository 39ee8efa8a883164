/* Lingoweave for plain Win32 programs, in C or C++: the C interface of
   Lwv.h. A program that defines LW_TRANSLATE_LOADSTRING before including
   this header gets LoadString mapped onto the library's translating loader
   (LWLoadString), so every string-table text it loads through LoadString
   comes in the current language; LoadStringA and LoadStringW stay the
   system's. Without the definition nothing of the system's is
   redefined. */
#ifndef LWV_LWVSDK_H
#define LWV_LWVSDK_H

#include "Lwv.h"

#ifdef LW_TRANSLATE_LOADSTRING
#undef LoadString
#define LoadString(instance, id, buffer, size) LWLoadString((instance), (id), (buffer), (size))
#endif

#endif
