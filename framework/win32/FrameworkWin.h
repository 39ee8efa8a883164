// The Win32 half of the class-library layer (includes the portable half).
#pragma once

#include "Framework.h"
#include "MessageMap.h"
#include "CmdTarget.h"
#include "Wnd.h"
#include "Menu.h"
#include "Gdi.h"
#include "Controls.h"
#include "Dialog.h"
#include "PropertySheet.h"
#include "ControlBars.h"
#include "FrameWnd.h"
#include "DialogTemplate.h"
#include "WinApp.h"
