// The example's acceptance check, run in the program itself when it is
// started with "--check german" (forget the remembered language, check the
// German texts, switch to English, check the English texts) or "--check
// english" (check that it started in English): menu, dialog, string-table
// text and the status prompt through the frame's GetMessageString with its
// prefix. Failures go to ExampleCheck.log beside the program and into the
// exit code.
#pragma once

#include "StdAfx.h"

class CMainFrame;

const UINT WM_EXAMPLE_CHECK = WM_APP + 1;

void ExamplePrepareCheck(LPCTSTR commandLine);
bool ExampleChecking();
void ExampleRunCheck(CMainFrame* frame);
int ExampleCheckResult();
