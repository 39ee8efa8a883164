// The library's own fixed English diagnostics ("corrupt .tra - file!" and
// the like) all pass through LwvShowMessage. On Windows the default handler
// shows a plain message box with an OK button; natively it prints the text
// to stderr. Tests install their own handler so that nothing blocks.
#pragma once

#include "Framework.h"

typedef void (*LwvMessageHandler)(LPCTSTR text);

void LwvShowMessage(LPCTSTR text);
// Installs handler (null restores the default) and returns the previous one.
LwvMessageHandler LwvSetMessageHandler(LwvMessageHandler handler);
