// The sample program: its one application object.
#include "SampleApp.h"

CSampleApp theApp;
