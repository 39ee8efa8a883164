// The language tree the message-box and common-dialog tests translate from:
// an "LwvMessageBox" entry and one entry per common-dialog kind.
#pragma once

#include "StdDlgModels.h"
#include "TraNode.h"

#include <memory>

namespace stddlgtest {

// Translation of control entry i of kind k: "X<k>.<i>"; the caption is "K<k>".
CString ItemText(int kind, int i);
extern const TCHAR* const kButtonTexts[12];
// Sets the translation of the entry of kind k that carries comdlg32 string s.
void SetStringTranslation(CTraNode* root, int kind, int stringId, const TCHAR* text);
std::unique_ptr<CTraNode> BuildTree();
#ifdef _WIN32
// Print and page setup need a printer: one on FILE: with Wine's PostScript
// driver is added to the test prefix (and made the default) when missing.
void AddThrowawayPrinter();
// Runs the print dialog (its setup form with setup) on the throwaway printer
// and frees what it returns; whether it was shown.
bool RunPrintDialog(bool setup = false);
// Writes the tree, with strings translating the captions "Frage" and "HHH"
// and every standard-dialog option on, to <name>_a.tra or <name>_u.tra (by
// width) in the build folder and starts the library with it for this thread.
bool StartLibraryWithTree(const TCHAR* name);
#endif

}  // namespace stddlgtest
