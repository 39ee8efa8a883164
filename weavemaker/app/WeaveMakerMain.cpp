// WeaveMaker: its one application object.
#include "WeaveMakerApp.h"

CWeaveMakerApp theApp;
