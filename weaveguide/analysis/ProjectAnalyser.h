// Looks at a framework project before the library is built in: which
// overridden framework methods need a fix macro, and which included headers
// lie outside the project and the development environment.
#pragma once

#include "ClassDeclNode.h"
#include "FixTable.h"
#include "IncludeNode.h"

class CCppTokenList;
class CProjectFileList;
class CSegmentedProgress;

class CProjectAnalyser {
 public:
  CProjectAnalyser() = default;
  virtual ~CProjectAnalyser();
  CProjectAnalyser(const CProjectAnalyser&) = delete;
  CProjectAnalyser& operator=(const CProjectAnalyser&) = delete;

  // Runs every phase over the project's headers and sources; progress may be
  // null. Files that do not exist are skipped; a file that exists but cannot
  // be read throws the file exception that ends the scan.
  void Scan(CProjectFileList* files, CSegmentedProgress* progress);

  bool HasFixHits() const { return m_fixHits && !m_fixHits->IsEmpty(); }
  bool HasExternHeaders() const { return !m_externIncludes.IsEmpty(); }

  // Phases, public for the tests. Names are as the project file writes them.
  void CollectClasses(const CString& file);
  void CollectClasses(CCppTokenList& tokens);
  void ResolveBaseClasses();
  void MatchFixTable();
  void CollectIncludes(const CString& file);
  void CollectIncludes(CCppTokenList& tokens);
  void FindExternHeaders();
  static CString NormalizeHeaderName(const CString& name);

  const CClassDeclList& GetProjectClasses() const { return m_projectClasses; }
  const CClassDeclList& GetExternalClasses() const { return m_externalClasses; }
  const CIncludeList& GetIncludes() const { return m_includes; }
  // Pointers into the includes, not owned.
  const CObList& GetExternIncludes() const { return m_externIncludes; }
  CIncludeNode* ExternIncludeAt(INT_PTR index) const;
  // CFixHit elements; null before the first matching.
  const COwningObList* GetFixHits() const { return m_fixHits; }
  CFixHit* FixHitAt(INT_PTR index) const;

 private:
  // The file's token list, or null when it does not exist.
  CCppTokenList* OpenTokens(const CString& file);

  CProjectFileList* m_files = nullptr;  // not owned
  CClassDeclList m_projectClasses;
  CClassDeclList m_externalClasses;
  CIncludeList m_includes;
  CObList m_externIncludes;
  COwningObList* m_fixHits = nullptr;
};
