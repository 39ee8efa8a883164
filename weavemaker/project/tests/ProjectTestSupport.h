// Helpers of the project tests: streams in memory, hand-made streams in the
// one-byte string form, and a snapshot of a project to compare.
#pragma once

#include "TraFile.h"
#include "WizardProject.h"

#include <string>
#include <vector>

namespace lwptest {

typedef std::vector<BYTE> Bytes;

Bytes WriteProject(CWizardProject& project);

enum ReadResult { READ_OK, READ_REFUSED, READ_THREW };
ReadResult ReadProject(const Bytes& bytes, CWizardProject& project);

// Builds a stream field by field with the archive's own operators.
class StreamBuilder {
 public:
  StreamBuilder();
  ~StreamBuilder();
  CArchive& ar() { return *m_ar; }
  Bytes Finish();

 private:
  CMemFile m_file;
  CArchive* m_ar;
};

// A version-30003 language file without a tree, every text in the one-byte
// form; programName in the system code page.
Bytes OneByteTraFile(const char* programName, WORD languageId);

// The project's header fields in the one-byte form, ending before the
// language file.
Bytes OneByteProjectHeader(const char* projectPath, const char* traPath, LONG writeTest, LONG reserved,
                           LONG replaceStart, const char* start, LONG replaceEnd, const char* end);

Bytes Concat(std::initializer_list<Bytes> parts);
Bytes Int32(LONG value);
Bytes OneByteString(const char* text);

// Everything a project holds, as text, to compare before and after.
std::vector<std::string> Snapshot(const CWizardProject& project);

std::string Utf8(const CString& s);

// Fills every member with something other than the defaults.
void FillSample(CWizardProject& project, int rcFiles = 3);

}  // namespace lwptest
