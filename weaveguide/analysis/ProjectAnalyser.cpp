#include "ProjectAnalyser.h"

#include "CppTokenList.h"
#include "ProjectFileList.h"
#include "SegmentedProgress.h"
#include "SystemHeaders.h"

#include <memory>
#include <unordered_map>
#include <unordered_set>

CProjectAnalyser::~CProjectAnalyser() {
  m_externalClasses.DeleteAll();
  m_projectClasses.DeleteAll();
  m_includes.DeleteAll();
  m_externIncludes.RemoveAll();
  delete m_fixHits;
}

CIncludeNode* CProjectAnalyser::ExternIncludeAt(INT_PTR index) const {
  POSITION pos = m_externIncludes.FindIndex(index);
  return pos ? static_cast<CIncludeNode*>(const_cast<CObList&>(m_externIncludes).GetAt(pos)) : nullptr;
}

CFixHit* CProjectAnalyser::FixHitAt(INT_PTR index) const {
  return m_fixHits ? static_cast<CFixHit*>(m_fixHits->ItemAt(index)) : nullptr;
}

void CProjectAnalyser::Scan(CProjectFileList* files, CSegmentedProgress* progress) {
  m_files = files;
  m_externIncludes.RemoveAll();
  m_externalClasses.DeleteAll();
  m_projectClasses.DeleteAll();
  m_includes.DeleteAll();
  auto step = [progress]() {
    if (progress) progress->Step(0);
  };
  if (progress) progress->SetPhaseRange(5, 0);
  step();
  if (files)
    for (const CString& header : files->m_headers) CollectClasses(header);
  step();
  ResolveBaseClasses();
  step();
  MatchFixTable();
  if (files) {
    for (const CString& header : files->m_headers) CollectIncludes(header);
    for (const CString& source : files->m_sources) CollectIncludes(source);
  }
  step();
  FindExternHeaders();
  step();
  step();  // one more than the range: the bar stays at 100 %
}

CCppTokenList* CProjectAnalyser::OpenTokens(const CString& file) {
  CString path = m_files ? m_files->ResolvePath(file) : file;
  // A name with wildcards names no single file.
  if (path.IsEmpty() || path.FindOneOf(_T("*?")) >= 0) return nullptr;
  CFileFind finder;
  if (!finder.FindFile(path)) return nullptr;
  finder.FindNextFile();
  if (finder.IsDirectory()) return nullptr;
  // The name found on disk, so that a name in other case opens natively too.
  // A file that exists but cannot be read throws and ends the scan.
  return new CCppTokenList(finder.GetFilePath(), file);
}

void CProjectAnalyser::CollectClasses(const CString& file) {
  std::unique_ptr<CCppTokenList> tokens(OpenTokens(file));
  if (tokens) CollectClasses(*tokens);
}

void CProjectAnalyser::CollectClasses(CCppTokenList& tokens) {
  int count = tokens.GetCount();
  int index = 0;
  while (index < count) {
    const CCppToken* token = tokens.GetTokenPtr(index);
    if (token->GetClass() != 1 || token->GetCode() != kCodeClass) {
      ++index;
      continue;
    }
    int start = index;
    CClassDeclNode* node = new CClassDeclNode;
    node->Parse(&tokens, &index, count);
    if (node->m_forward)
      delete node;
    else
      m_projectClasses.AddNode(node);
    // Go on where the parse stopped: after a forward declaration that is the
    // next declaration already.
    if (index <= start) index = start + 1;
  }
}

void CProjectAnalyser::ResolveBaseClasses() {
  // By name; the last project class of a name wins.
  std::unordered_map<CString, CClassDeclNode*> project;
  for (POSITION p = m_projectClasses.GetHeadPosition(); p;) {
    CClassDeclNode* cls = m_projectClasses.Next<CClassDeclNode>(p);
    project[cls->GetName()] = cls;
  }
  std::unordered_map<CString, CClassDeclNode*> external;
  for (POSITION p = m_externalClasses.GetHeadPosition(); p;) {
    CClassDeclNode* cls = m_externalClasses.Next<CClassDeclNode>(p);
    external[cls->GetName()] = cls;
  }
  for (POSITION p = m_projectClasses.GetHeadPosition(); p;) {
    CClassDeclNode* cls = m_projectClasses.Next<CClassDeclNode>(p);
    if (!cls->m_bases) continue;
    for (POSITION b = cls->m_bases->GetHeadPosition(); b;) {
      CBaseSpecNode* base = cls->m_bases->Next<CBaseSpecNode>(b);
      auto found = project.find(base->GetName());
      if (found == project.end()) {
        found = external.find(base->GetName());
        if (found == external.end()) {
          // One placeholder per outside base class, shared by every class naming it.
          CClassDeclNode* placeholder = new CClassDeclNode(base->GetName());
          m_externalClasses.AddNode(placeholder);
          found = external.emplace(base->GetName(), placeholder).first;
        }
      }
      base->m_resolved = found->second;
    }
  }
}

void CProjectAnalyser::MatchFixTable() {
  std::unique_ptr<COwningObList> table(BuildFixTable());
  for (POSITION p = m_externalClasses.GetHeadPosition(); p;) {
    CClassDeclNode* placeholder = m_externalClasses.Next<CClassDeclNode>(p);
    for (POSITION f = table->GetHeadPosition(); f;) {
      CFixEntry* entry = static_cast<CFixEntry*>(table->GetNext(f));
      if (entry->m_className == placeholder->GetName()) entry->m_bound = placeholder;
    }
  }
  delete m_fixHits;
  m_fixHits = new COwningObList;
  for (POSITION p = m_projectClasses.GetHeadPosition(); p;) {
    CClassDeclNode* cls = m_projectClasses.Next<CClassDeclNode>(p);
    if (!cls->m_members) continue;
    for (POSITION f = table->GetHeadPosition(); f;) {
      CFixEntry* entry = static_cast<CFixEntry*>(table->GetNext(f));
      if (!entry->m_bound || !cls->DerivesFrom(entry->m_bound)) continue;
      CMemberNode* member = cls->m_members->FindEqual(entry->m_method);
      if (member) m_fixHits->AddTail(new CFixHit(entry->m_macroText, member, cls));
    }
  }
}

void CProjectAnalyser::CollectIncludes(const CString& file) {
  std::unique_ptr<CCppTokenList> tokens(OpenTokens(file));
  if (tokens) CollectIncludes(*tokens);
}

void CProjectAnalyser::CollectIncludes(CCppTokenList& tokens) {
  int count = tokens.GetCount();
  int index = 0;
  while (index < count - 1) {
    if (tokens.GetTokenPtr(index)->GetCode() == kCodeHash && tokens.GetTokenPtr(index + 1)->GetCode() == kCodeInclude) {
      int start = index;
      CIncludeNode* include = new CIncludeNode;
      include->Parse(&tokens, &index, count);
      m_includes.AddNode(include);
      if (index <= start) index = start + 1;
    } else {
      ++index;
    }
  }
}

CString CProjectAnalyser::NormalizeHeaderName(const CString& name) {
  CString result = name;
  result.Trim();
  int slash = result.ReverseFind('\\');
  if (slash >= 0) result = result.Mid(slash + 1);
  slash = result.ReverseFind('/');
  if (slash >= 0) result = result.Mid(slash + 1);
  result.MakeUpper();
  return result;
}

void CProjectAnalyser::FindExternHeaders() {
  std::unique_ptr<CStringList> systemHeaders(BuildSystemHeaderList());
  std::unordered_set<CString> system;
  for (POSITION p = systemHeaders->GetHeadPosition(); p;) system.insert(systemHeaders->GetNext(p));
  std::unordered_set<CString> project;
  if (m_files)
    for (const CString& header : m_files->m_headers) project.insert(NormalizeHeaderName(header));
  for (POSITION p = m_includes.GetHeadPosition(); p;) {
    CIncludeNode* include = m_includes.Next<CIncludeNode>(p);
    CString target = NormalizeHeaderName(include->m_target);
    if (project.count(target)) continue;
    if (NormalizeHeaderName(include->m_fileName) == _T("STDAFX.H")) continue;
    if (system.count(target)) continue;
    m_externIncludes.AddTail(include);
  }
}
