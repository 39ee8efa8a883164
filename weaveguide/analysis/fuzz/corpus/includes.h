#include "stdafx.h"
#include <afxwin.h>
#include <vector>
#define X(a) \
  a
# include "x.h"
#
include <y.h>
