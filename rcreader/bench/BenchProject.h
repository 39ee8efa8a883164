// The generated project of the reader's benchmarks: eight resource scripts
// of dialogs, menus and string tables with a given total size. Not a test
// fixture; native benchmark builds only.
#pragma once

#include "Framework.h"

#include <string>
#include <vector>

// Writes the scripts into folder (created; files overwritten); their paths
// and total bytes. False when the folder cannot be made.
bool WriteBenchProject(const std::string& folder, double megabytes, std::vector<CString>& paths, size_t& total);
