// Helpers of the analysis tests: sources from memory and texts for messages.
#pragma once

#include "CppTokenList.h"
#include "SegmentedProgress.h"
#include "TestPaths.h"

#include <memory>
#include <string>
#include <vector>

namespace lwtest {

// Keeps every percentage shown.
class RecordingProgress : public CSegmentedProgress {
 public:
  void ShowPercent(int percent) override { shown.push_back(percent); }
  std::vector<int> shown;
};

inline std::string S(const CString& text) { return lw::ToNarrow(text.GetString(), static_cast<size_t>(text.GetLength()), CP_UTF8); }

inline std::unique_ptr<CCppTokenList> Tokenize(const std::string& source, LPCTSTR name = _T("test.h")) {
  return std::make_unique<CCppTokenList>(name, reinterpret_cast<const BYTE*>(source.data()), source.size());
}

// Token texts, each followed by "|".
inline std::string Texts(const CCppTokenList& list) {
  std::string out;
  for (int i = 0; i < list.GetCount(); ++i) out += S(list.GetTokenPtr(i)->GetText()) + "|";
  return out;
}

// Writes bytes to a file; the path as the program opens it.
inline CString WriteFile(const CString& folder, const char* name, const std::string& bytes) {
  CString path = folder + CString(name);
  CFile file(path, CFile::modeCreate | CFile::modeWrite | CFile::typeBinary);
  file.Write(bytes.data(), static_cast<UINT>(bytes.size()));
  file.Close();
  return path;
}

}  // namespace lwtest
