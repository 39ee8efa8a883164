// WeaveGuide: its one application object.
#include "GuideApp.h"

CWeaveGuideApp theApp;
