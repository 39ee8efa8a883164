#include "stdafx.h"
#include "MainFrm.h"
#include "..\Shared\Grid.h"

CMainFrame::CMainFrame() {}
