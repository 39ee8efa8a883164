// WeaveDesk, the translation editor: its one application object.
#include "WeaveDeskApp.h"

CWeaveDeskApp theApp;
