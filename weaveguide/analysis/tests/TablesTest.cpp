#include "AnalysisTestUtil.h"
#include "FixTable.h"
#include "SystemHeaders.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

using lwtest::S;

namespace {

std::vector<CFixEntry*> Rows(const COwningObList& table) {
  std::vector<CFixEntry*> rows;
  for (POSITION p = table.GetHeadPosition(); p;) rows.push_back(static_cast<CFixEntry*>(const_cast<COwningObList&>(table).GetNext(p)));
  return rows;
}

std::string Words(const CDeclNodeList& list) {
  std::string out;
  for (POSITION p = list.GetHeadPosition(); p;) out += S(list.Next<CNamedDeclNode>(p)->GetName()) + " ";
  return out;
}

// Parameters as "w w ;w ;" for messages and comparisons.
std::string Params(const CParamListNode& params) {
  std::string out;
  for (POSITION p = params.GetHeadPosition(); p;) out += Words(*params.Next<CParamNode>(p)) + ";";
  return out;
}

TEST(FixTable, HasTheRowsInOrder) {
  std::unique_ptr<COwningObList> table(BuildFixTable());
  std::vector<CFixEntry*> rows = Rows(*table);
  ASSERT_EQ(81u, rows.size());
  EXPECT_EQ("CDaoRecordset", S(rows[0]->m_className));
  EXPECT_EQ("GetDefaultDBName", S(rows[0]->m_method->m_name));
  EXPECT_EQ("COleIPFrameWnd", S(rows[80]->m_className));
  EXPECT_EQ("GetMessageString", S(rows[80]->m_method->m_name));

  // Rows per class, in the order the classes first appear.
  struct ClassRows { const char* name; size_t rows; };
  const ClassRows expected[] = {
      {"CDaoRecordset", 2}, {"CDocManager", 1}, {"CDocTemplate", 1}, {"CSingleDocTemplate", 1},
      {"CMultiDocTemplate", 1}, {"COleServerDoc", 1}, {"CRichEditDoc", 1}, {"CFile", 3}, {"CMemFile", 3},
      {"CSharedFile", 3}, {"COleStreamFile", 4}, {"CMonikerFile", 4}, {"CAsyncMonikerFile", 4},
      {"CDataPathProperty", 4}, {"CCachedDataPathProperty", 4}, {"CSocketFile", 3}, {"CStdioFile", 4},
      {"CInternetFile", 4}, {"CGopherFile", 4}, {"CHttpFile", 5}, {"CFileFind", 5}, {"CFtpFileFind", 5},
      {"CGopherFileFind", 5}, {"COleControl", 2}, {"CRecordset", 2}, {"CFrameWnd", 1}, {"CMDIChildWnd", 1},
      {"CMDIFrameWnd", 1}, {"CMiniFrameWnd", 1}, {"COleIPFrameWnd", 1},
  };
  size_t row = 0;
  for (const ClassRows& c : expected) {
    for (size_t i = 0; i < c.rows; ++i, ++row) {
      ASSERT_LT(row, rows.size());
      EXPECT_EQ(c.name, S(rows[row]->m_className)) << "row " << row + 1;
    }
  }
  EXPECT_EQ(81u, row);
}

TEST(FixTable, EveryRowIsAPublicMethodWithAMatchingMacro) {
  std::unique_ptr<COwningObList> table(BuildFixTable());
  std::set<std::string> macros;
  for (CFixEntry* row : Rows(*table)) {
    const CMemberNode* m = row->m_method;
    EXPECT_EQ(kAccessPublic, m->m_access);
    EXPECT_TRUE(m->m_method);
    ASSERT_NE(nullptr, m->m_returnType);
    ASSERT_NE(nullptr, m->m_params) << "methods without parameters carry an empty list";
    EXPECT_FALSE(m->m_returnType->m_afxMsg || m->m_returnType->m_virtual || m->m_returnType->m_destructor);
    EXPECT_EQ(nullptr, row->m_bound);
    // "LWFIX_" + declaring class + "_" + method name, upper case, + "()".
    std::string macro = S(row->m_macroText);
    CString name = m->m_name;
    std::string suffix = "_" + S(name.MakeUpper()) + "()";
    ASSERT_EQ(0u, macro.rfind("LWFIX_C", 0)) << macro;
    ASSERT_GT(macro.size(), suffix.size());
    EXPECT_EQ(suffix, macro.substr(macro.size() - suffix.size())) << macro;
    macros.insert(macro);
  }
  EXPECT_EQ(21u, macros.size());
}

TEST(FixTable, DerivedClassesCarryTheDeclaringClassesMacros) {
  std::unique_ptr<COwningObList> table(BuildFixTable());
  std::vector<CFixEntry*> rows = Rows(*table);
  struct Expect { int row; const char* cls; const char* macro; };
  const Expect cases[] = {
      {5, "CSingleDocTemplate", "LWFIX_CDOCTEMPLATE_GETDOCSTRING()"},
      {8, "CRichEditDoc", "LWFIX_COLESERVERDOC_GETFILETYPESTRING()"},
      {12, "CMemFile", "LWFIX_CFILE_GETFILENAME()"},
      {53, "CHttpFile", "LWFIX_CHTTPFILE_GETFILEURL()"},
      {54, "CHttpFile", "LWFIX_CSTDIOFILE_READSTRING()"},
      {57, "CHttpFile", "LWFIX_CFILE_GETFILEPATH()"},
      {58, "CFileFind", "LWFIX_CFILEFIND_GETFILENAME()"},
      {67, "CFtpFileFind", "LWFIX_CFILEFIND_GETROOT()"},
      {72, "CGopherFileFind", "LWFIX_CFILEFIND_GETROOT()"},
      {73, "COleControl", "LWFIX_COLECONTROL_GETMESSAGESTRING()"},
      {78, "CMDIChildWnd", "LWFIX_CFRAMEWND_GETMESSAGESTRING()"},
  };
  for (const Expect& c : cases) {
    EXPECT_EQ(c.cls, S(rows[c.row - 1]->m_className)) << "row " << c.row;
    EXPECT_EQ(c.macro, S(rows[c.row - 1]->m_macroText)) << "row " << c.row;
  }
  // Every file class from CFile to CHttpFile uses the CFILE macros for the
  // three name methods; the find classes their own.
  for (size_t i = 8; i < 57; ++i) {
    std::string macro = S(rows[i]->m_macroText);
    EXPECT_EQ(std::string::npos, macro.find("CFILEFIND")) << i + 1;
  }
  for (size_t i = 57; i < 72; ++i) EXPECT_EQ(0u, S(rows[i]->m_macroText).rfind("LWFIX_CFILEFIND_", 0)) << i + 1;
}

TEST(FixTable, MethodSignatures) {
  std::unique_ptr<COwningObList> table(BuildFixTable());
  std::vector<CFixEntry*> rows = Rows(*table);
  struct Expect { int row; const char* type; const char* params; };
  const Expect cases[] = {
      {1, "CString ", ""},
      {3, "BOOL ", "CString & ;UINT ;DWORD ;BOOL ;CDocTemplate * ;"},
      {4, "BOOL ", "CString & ;enum DocStringIndex ;"},
      {7, "BOOL ", "CString & ;"},
      {18, "const void ", ""},
      {41, "BOOL ", "CString & ;"},
      {73, "void ", "UINT ;CString & ;"},
      {74, "BOOL ", "DISPID ;CString & ;"},
      {77, "void ", "UINT ;CString & ;"},
  };
  for (const Expect& c : cases) {
    const CMemberNode* m = rows[c.row - 1]->m_method;
    EXPECT_EQ(c.type, Words(*m->m_returnType)) << "row " << c.row;
    EXPECT_EQ(c.params, Params(*m->m_params)) << "row " << c.row;
  }
}

TEST(FixTable, TwoBuildsAreEqualAndIndependent) {
  std::unique_ptr<COwningObList> a(BuildFixTable());
  std::unique_ptr<COwningObList> b(BuildFixTable());
  std::vector<CFixEntry*> ra = Rows(*a), rb = Rows(*b);
  ASSERT_EQ(ra.size(), rb.size());
  for (size_t i = 0; i < ra.size(); ++i) {
    EXPECT_NE(ra[i], rb[i]);
    EXPECT_NE(ra[i]->m_method, rb[i]->m_method);
    EXPECT_EQ(S(ra[i]->m_macroText), S(rb[i]->m_macroText));
    EXPECT_TRUE(rb[i]->m_method->Equals(ra[i]->m_method)) << i + 1;
  }
}

std::vector<std::string> SystemNames() {
  std::unique_ptr<CStringList> list(BuildSystemHeaderList());
  std::vector<std::string> names;
  for (POSITION p = list->GetHeadPosition(); p;) names.push_back(S(list->GetNext(p)));
  return names;
}

TEST(SystemHeaders, CountsAndGroups) {
  std::vector<std::string> names = SystemNames();
  ASSERT_EQ(809u, names.size());
  EXPECT_EQ(796u, std::set<std::string>(names.begin(), names.end()).size());
  EXPECT_EQ("RESOURCE.H", names[0]);
  EXPECT_EQ("LWEXTERNMFCBEGIN.H", names[1]);
  EXPECT_EQ("LWEXTERNMFCEND.H", names[2]);
  EXPECT_EQ("AFXBLD_.H", names[3]);
  EXPECT_EQ("AFXVER_.H", names[21]);
  EXPECT_EQ("WINRES.H", names[22]);
  EXPECT_EQ("ALGORITHM.H", names[23]);
  EXPECT_EQ("VECTOR.H", names[71]);
  EXPECT_EQ("ACCCTRL.H", names[72]);
  EXPECT_EQ("_ENTRYID.H", names[808]);
  // The standard-library and SDK groups are each in ascending order.
  for (size_t i = 24; i < 72; ++i) EXPECT_LT(names[i - 1], names[i]) << names[i];
  for (size_t i = 73; i < 809; ++i) EXPECT_LT(names[i - 1], names[i]) << names[i];
  for (const std::string& n : names) {
    EXPECT_EQ(n.size() - 2, n.rfind(".H")) << n;
    for (char c : n) EXPECT_FALSE(c >= 'a' && c <= 'z') << n;
  }
}

TEST(SystemHeaders, TheThirteenNamesThatStandTwice) {
  std::vector<std::string> names = SystemNames();
  std::multiset<std::string> all(names.begin(), names.end());
  std::set<std::string> twice;
  for (const std::string& n : all)
    if (all.count(n) == 2) twice.insert(n);
  const std::set<std::string> expected = {"WINRES.H", "FSTREAM.H", "IOMANIP.H", "IOS.H", "IOSTREAM.H",
                                          "ISTREAM.H", "LIMITS.H", "LIST.H", "LOCALE.H", "MEMORY.H",
                                          "OSTREAM.H", "QUEUE.H", "STRING.H"};
  EXPECT_EQ(expected, twice);
}

TEST(SystemHeaders, Lookups) {
  std::unique_ptr<CStringList> list(BuildSystemHeaderList());
  for (LPCTSTR in : {_T("WINDOWS.H"), _T("STDIO.H"), _T("AFXRES.H"), _T("VECTOR.H"), _T("LWEXTERNMFCBEGIN.H")})
    EXPECT_NE(nullptr, list->Find(in)) << S(in);
  for (LPCTSTR out : {_T("STDAFX.H"), _T("windows.h"), _T("Windows.h"), _T("AFXWIN.H"), _T("WINDOWS")})
    EXPECT_EQ(nullptr, list->Find(out)) << S(out);
}

TEST(SystemHeaders, TwoBuildsAreEqualAndIndependent) {
  std::unique_ptr<CStringList> a(BuildSystemHeaderList());
  std::unique_ptr<CStringList> b(BuildSystemHeaderList());
  a->RemoveHead();
  EXPECT_EQ(808, a->GetCount());
  EXPECT_EQ(809, b->GetCount());
  EXPECT_EQ("RESOURCE.H", S(b->GetHead()));
}

}  // namespace
