// Start and end markers of the test language file: they overwrite the
// beginning and the end of a text without changing its length and never
// touch a '%' or the format characters after the last one.
#pragma once

#include "Framework.h"

CString MarkTestText(const CString& text, bool start, const CString& startMarker, bool end, const CString& endMarker);
