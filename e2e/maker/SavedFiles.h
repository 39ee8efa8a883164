// What the steps read back from the files WeaveMaker saved, through the
// language-file and project models: the files themselves, nodes of the tree
// by their original text, the flag of a country in the picker's strip, and
// the sample's sources copied into the work folder. Reads; decides nothing.
#pragma once

#include "LanguageFiles.h"
#include "TraFile.h"
#include "WizardProject.h"

#include <memory>
#include <string>
#include <vector>

namespace e2e {

// The whole language file, or null (the test fails) when it cannot be read.
std::unique_ptr<CTraFile> ReadLanguageFile(const CString& path);
// The project, or null (the test fails) when it cannot be read.
std::unique_ptr<CWizardProject> ReadProject(const CString& path);

using lwtest::NodesWith;

// The nodes below root (root included) marked for translation.
int CountMarked(const CTraNode* root);

// Whether the file's flag is the country's cell of the picker's strip.
bool HasCountryFlag(const CTraFile& file, const TCHAR* country);

// A file's bytes as they are, and written back whole.
std::string ReadBytes(const CString& path);
bool WriteBytes(const CString& path, const std::string& bytes);

// Copies a file of the source tree (relative path with '/') into folder.
void CopySource(const char* relative, const CString& folder);

}  // namespace e2e
