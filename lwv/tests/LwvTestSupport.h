// Shared helpers of the language-file tests.
#pragma once

#include "CStringPrinter.h"
#include "Framework.h"
#include "TraFile.h"

#include <memory>
#include <vector>

// A text with characters beyond ASCII, in the build's width (system code page in ANSI).
#define W(x) CString(LW_WSTR(x))

namespace lwvtest {

std::vector<BYTE> WriteToBytes(CTraFile& file);
// Throws what the reader throws.
void ReadFromBytes(std::vector<BYTE> bytes, CTraFile& file);
std::unique_ptr<CTraFile> RoundTrip(CTraFile& file);

// Absolute scratch folder below the build tree, with a trailing backslash,
// emptied first.
CString ScratchDir(const char* name);
bool WriteBytesTo(const CString& path, const std::vector<BYTE>& bytes);
bool ReadBytesFrom(const CString& path, std::vector<BYTE>& bytes);
bool FileExists(const CString& path);

// A small complete language file: menus, a dialog with controls, string
// tables, options, flag, header texts and two add-on files.
std::unique_ptr<CTraFile> MakeSampleFile();

// Field-by-field comparison of two trees / two files (gtest failures).
void ExpectSameTree(const CTraNode* a, const CTraNode* b);
void ExpectSameFile(const CTraFile& a, const CTraFile& b);

CTraNode* AddNode(CTraNode* parent, const CString& original, const CString& translation, int kind);
CTraNode* AddPlaced(CTraNode* parent, const CString& original, const CString& translation, int kind, LONG x, LONG y,
                    LONG w, LONG h);

}  // namespace lwvtest
