// A program's two language files, made at build time from its resource
// script: the German original-language file through the wizard's own
// project, scan and save command, and the English file built from it with
// the program's English table. Writes nothing unless both are complete.
#pragma once

#include "TraFile.h"

#include <memory>
#include <vector>

struct ProgramTraRequest {
  CString script;                    // the program's .rc
  std::vector<CString> includeDirs;  // where its #include files are
  CString englishTable;              // the program's English table
  CString folder;                    // where both files go
  CString originalName;              // e.g. WeaveMakerU.tra
  CString englishName;               // e.g. WeaveMakerUEN.tra
  CString programName;               // header text of both files
  CString flagStrip;                 // the flag strip bitmap (LW_FLAG_STRIP_BMP)
  bool ansi = false;                 // texts stored in code page 1252
};

struct ProgramTraResult {
  // Why the files were not written; empty when they were.
  std::vector<CString> errors;
  // Lines of the scan's problem log: statements it could not read.
  std::vector<CString> problems;
  // Texts of the original with no English text, each once.
  std::vector<CString> untranslated;
  // Every file read (script, included files, table): a change to any of
  // them makes the files again.
  std::vector<CString> dependencies;
  bool Succeeded() const { return errors.empty(); }
};

const LANGID kProgramGerman = 0x0407;   // German (Germany)
const LANGID kProgramEnglish = 0x0809;  // English (United Kingdom)

// Makes both files and writes them into the request's folder.
ProgramTraResult MakeProgramTraFiles(const ProgramTraRequest& request);

// The texts of a translated tree whose translation is a format with other
// conversions than its original (each as "original" is "translation").
std::vector<CString> FindChangedConversions(const CTraNode* root);

class CEnglishTable;
// Sets every text of the tree that one of the tables knows (program table
// first) to its English text; texts without one are added to untranslated.
void TranslateToEnglish(CTraNode* root, const CEnglishTable& program, const CEnglishTable& supplied,
                        std::vector<CString>& untranslated);
