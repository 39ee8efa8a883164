// The header every source of the class-library example includes first: the
// class library, then, at its end, the include lines of WeaveGuide's header
// page (GuideInclude.h, written by the build).
#pragma once

#include "FrameworkWin.h"

#include "GuideInclude.h"
