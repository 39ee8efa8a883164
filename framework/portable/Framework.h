// The portable half of the class-library layer.
#pragma once

#include "LwTypes.h"
#include "LwChars.h"
#include "CodePage.h"
#include "Format.h"
#include "CString.h"
#include "StringRes.h"
#include "Exceptions.h"
#include "CTime.h"
#include "CFile.h"
#include "CArchive.h"
#include "CFileFind.h"
#include "Collections.h"
#include "Geometry.h"
