// Opening and saving a wizard project file. Both catch the framework's file
// and archive errors and answer FALSE with the framework's message for them.
#pragma once

#include "Framework.h"

class CWizardProject;

// Reads the project at path (deny-write while reading); on success the
// project path becomes path. On failure the project is unchanged.
BOOL OpenProjectFile(CWizardProject& project, LPCTSTR path, CString& errorMessage);

// Writes the project to a temporary file beside path (exclusive while
// writing) and replaces path with it only when it is complete.
BOOL SaveProjectFile(CWizardProject& project, LPCTSTR path, CString& errorMessage);
