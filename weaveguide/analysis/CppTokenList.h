// The tokens of one C++ source with the codes the declaration parser reads.
#pragma once

#include "CppToken.h"
#include "SourceTokenList.h"

class CCppTokenizer;

class CCppTokenList {
 public:
  // Tokenizes a file; tokens carry displayName as their file name (the
  // path when it is null). Throws CFileException when it cannot be read.
  explicit CCppTokenList(LPCTSTR path, LPCTSTR displayName = nullptr);
  // Tokenizes a source held in memory.
  CCppTokenList(LPCTSTR displayName, const BYTE* data, size_t size);
  virtual ~CCppTokenList();
  CCppTokenList(const CCppTokenList&) = delete;
  CCppTokenList& operator=(const CCppTokenList&) = delete;

  int GetCount() const { return static_cast<int>(m_tokens.size()); }
  // The stored token, owned by the list; index below GetCount.
  CCppToken* GetTokenPtr(int index) const { return m_tokens[static_cast<size_t>(index)]; }
  // A copy of text, kind, file and line; an empty token outside the list.
  CSourceToken GetToken(int index) const;
  // More tokens than the list takes were in the file; the rest was dropped.
  bool IsTruncated() const { return m_truncated; }

 private:
  void ReadAll(CCppTokenizer& tokenizer);

  CString m_fileName;  // the name every token carries
  std::vector<CCppToken*> m_tokens;
  bool m_truncated = false;
};
