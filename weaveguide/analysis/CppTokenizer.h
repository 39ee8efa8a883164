// The tokenizer for C++ sources and project files: a token's line is the
// line it starts on, and quoted strings know no backslash escapes.
#pragma once

#include "SourceTokenizer.h"

class CCppTokenizer : public CSourceTokenizer {
 public:
  // Throws CFileException when the file cannot be read.
  explicit CCppTokenizer(LPCTSTR fileName) : CSourceTokenizer(fileName) {}
  CCppTokenizer(LPCTSTR fileName, const BYTE* data, size_t size) : CSourceTokenizer(fileName, data, size) {}

  bool NextToken(CSourceToken& token) override;

 private:
  // The string's text from the opening quote in the lookahead: up to the
  // next quote, a doubled quote standing for one.
  CString ReadPlainString();
};
