// Upper-case names of the headers that belong to the development environment.
#pragma once

#include "Framework.h"

// A new list of upper-case file names (extension ".H", no folder); the caller
// owns it. Lookups compare exactly, so callers upper-case their names first.
CStringList* BuildSystemHeaderList();
