// Trees, files and a scratch folder for the editor's window-free tests.
#pragma once

#include "TraFile.h"

#include <memory>

namespace desktest {

// Appends a node below parent and returns it.
CTraNode* Add(CTraNode* parent, const CString& original, const CString& translation, int kind);
CTraNode* AddControl(CTraNode* dialog, const CString& original, const CString& translation, int kind, LONG width);

// A small language file: a menu with two items, a dialog with a button and
// a static text, a string table with two strings (one with "%s").
std::unique_ptr<CTraFile> MakeFile(const CString& program, bool original);
// The file written to the scratch folder under name; returns its path.
CString WriteFile(CTraFile& file, const CString& name);
CString ScratchPath(const CString& name);
// The translated text of the node at a path of originals below the root.
CString TranslationAt(CTraFile& file, const CString& a, const CString& b, const CString& c = CString());
CTraNode* NodeAt(CTraNode* root, const CString& a, const CString& b, const CString& c = CString());

}  // namespace desktest
