#include "AnalysisTestUtil.h"
#include "ClassDeclNode.h"
#include "IncludeNode.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using lwtest::S;
using lwtest::Tokenize;

namespace {

std::string Words(const CDeclNodeList* list) {
  if (!list) return "<none>";
  std::string out;
  for (POSITION p = list->GetHeadPosition(); p;) out += S(list->Next<CNamedDeclNode>(p)->GetName()) + " ";
  return out;
}

std::string Params(const CParamListNode* params) {
  if (!params) return "<none>";
  std::string out;
  for (POSITION p = params->GetHeadPosition(); p;) out += "[" + Words(params->Next<CParamNode>(p)) + "]";
  return out;
}

// A node parsed from the start of a source.
template <class Node>
struct Parsed {
  std::unique_ptr<CCppTokenList> tokens;
  std::unique_ptr<Node> node;
  bool result = false;
  int position = 0;
};

template <class Node, class... Args>
Parsed<Node> ParseNode(const std::string& source, Args... args) {
  Parsed<Node> p;
  p.tokens = Tokenize(source);
  p.node = std::make_unique<Node>(args...);
  p.result = p.node->Parse(p.tokens.get(), &p.position, p.tokens->GetCount());
  return p;
}

using ParsedClass = Parsed<CClassDeclNode>;
using ParsedMember = Parsed<CMemberNode>;

ParsedClass ParseClass(const std::string& source) { return ParseNode<CClassDeclNode>(source); }
ParsedMember ParseMember(const std::string& source) { return ParseNode<CMemberNode>(source, kAccessPublic); }

std::string Kind(const CMemberNode& m) {
  std::string k;
  if (m.m_preprocessor) k += "pre ";
  if (m.m_macro) k += "macro ";
  if (m.m_variable) k += "var ";
  if (m.m_method) k += "method ";
  if (m.m_inline) k += "inline ";
  if (m.m_const) k += "const ";
  return k;
}

TEST(ClassDecl, ForwardDeclarationAndBases) {
  ParsedClass fwd = ParseClass("class CFoo; int x;");
  EXPECT_TRUE(fwd.result);
  EXPECT_TRUE(fwd.node->m_forward);
  EXPECT_EQ("CFoo", S(fwd.node->GetName()));
  EXPECT_EQ(3, fwd.position);  // already at the next declaration

  ParsedClass bases = ParseClass("class CFoo : public CBar, private CBaz, protected virtual CQux, CQuux { };");
  EXPECT_TRUE(bases.result);
  EXPECT_FALSE(bases.node->m_forward);
  ASSERT_NE(nullptr, bases.node->m_bases);
  ASSERT_EQ(4, bases.node->m_bases->GetCount());
  const struct { const char* name; int access; bool isVirtual; } expected[] = {
      {"CBar", kAccessPublic, false}, {"CBaz", kAccessPrivate, false},
      {"CQux", kAccessProtected, true}, {"CQuux", kAccessPrivate, false}};
  for (int i = 0; i < 4; ++i) {
    CBaseSpecNode* b = bases.node->m_bases->BaseAt(i);
    EXPECT_EQ(expected[i].name, S(b->GetName()));
    EXPECT_EQ(expected[i].access, b->m_access) << i;
    EXPECT_EQ(expected[i].isVirtual, b->m_virtual) << i;
    EXPECT_EQ(nullptr, b->m_resolved);
  }
  ASSERT_NE(nullptr, bases.node->m_members);
  EXPECT_EQ(0, bases.node->m_members->GetCount());
  EXPECT_EQ("CLASS CFooPUBLIC CBar PRIVATE CBaz PROTECTED VIRUTAL CQux PRIVATE CQuux MEMBERLIST\n",
            S(bases.node->GetText()));
}

TEST(ClassDecl, ExportMacroTemplatesAndQualifiedBases) {
  // An export macro before the name: the class is the last word, with its
  // bases and members (an extension DLL's classes get their fix macros).
  const char* exported[] = {"class AFX_EXT_CLASS CFoo : public CView { int x; };",
                            "class AFX_EXT_CLASS MY_EXPORT CFoo : public CView { int x; };"};
  for (const char* source : exported) {
    ParsedClass ext = ParseClass(source);
    EXPECT_TRUE(ext.result) << source;
    EXPECT_EQ("CFoo", S(ext.node->GetName())) << source;
    ASSERT_NE(nullptr, ext.node->m_bases) << source;
    ASSERT_EQ(1, ext.node->m_bases->GetCount()) << source;
    EXPECT_EQ("CView", S(ext.node->m_bases->BaseAt(0)->GetName())) << source;
    ASSERT_NE(nullptr, ext.node->m_members) << source;
    EXPECT_EQ(1, ext.node->m_members->GetCount()) << source;
  }
  ParsedClass forward = ParseClass("class AFX_EXT_CLASS CFoo;");
  EXPECT_TRUE(forward.node->m_forward);
  EXPECT_EQ("CFoo", S(forward.node->GetName()));

  ParsedClass tmpl = ParseClass("class T> class CList { };");
  EXPECT_FALSE(tmpl.result);
  EXPECT_EQ("T", S(tmpl.node->GetName()));
  EXPECT_EQ(nullptr, tmpl.node->m_members);

  // Template arguments and qualified names in the base list: every base is
  // read by its last name and the members after the list are kept.
  struct BaseCase {
    const char* source;
    std::vector<std::string> bases;
  } baseCases[] = {
      {"class CMy : public CArray<int> { int x; };", {"CArray"}},
      {"class CMy : public CView, public CMixin<CMy, 2> { int x; };", {"CView", "CMixin"}},
      {"class CMy : public CMixin<CList<int>, 2>, public CView { int x; };", {"CMixin", "CView"}},
      {"class CMy : public ns::inner::CView { int x; };", {"CView"}},
  };
  for (const BaseCase& c : baseCases) {
    ParsedClass p = ParseClass(c.source);
    EXPECT_TRUE(p.result) << c.source;
    ASSERT_NE(nullptr, p.node->m_bases) << c.source;
    std::vector<std::string> names;
    for (int i = 0; i < p.node->m_bases->GetCount(); ++i) names.push_back(S(p.node->m_bases->BaseAt(i)->GetName()));
    EXPECT_EQ(c.bases, names) << c.source;
    ASSERT_NE(nullptr, p.node->m_members) << c.source;
    EXPECT_EQ(1, p.node->m_members->GetCount()) << c.source;
  }
  // An unclosed argument list stops at the class body.
  ParsedClass open = ParseClass("class CMy : public CArray<int { int x; };");
  ASSERT_NE(nullptr, open.node->m_bases);
  EXPECT_EQ("CArray", S(open.node->m_bases->BaseAt(0)->GetName()));
  EXPECT_NE(nullptr, open.node->m_members);
}

TEST(ClassDecl, TruncatedInputAnswersFalseWithoutReadingPastTheEnd) {
  const char* sources[] = {
      "class", "class A", "class A :", "class A : public", "class A : public virtual", "class A : public B,",
      "class A : public B", "class A {", "class A { public", "class A { public:", "class A { int",
      "class A { int x", "class A { void f(", "class A { void f()", "class A { void f() const",
      "class A { void f() {", "class A { void f() { {", "class A { #", "class A { enum { B",
  };
  for (const char* source : sources) {
    ParsedClass p = ParseClass(source);
    EXPECT_FALSE(p.result) << source;
    EXPECT_FALSE(p.node->m_forward) << source;
    EXPECT_LE(p.position, p.tokens->GetCount()) << source;
  }
  // A shorter end than the list: nothing at or beyond it is read.
  auto tokens = Tokenize("class A : public B { int x; };");
  for (int end = 0; end <= tokens->GetCount(); ++end) {
    CClassDeclNode node;
    int pos = 0;
    node.Parse(tokens.get(), &pos, end);
    if (!node.m_bases) continue;
    for (POSITION p = node.m_bases->GetHeadPosition(); p;) {
      EXPECT_NE("{", S(node.m_bases->Next<CBaseSpecNode>(p)->GetName())) << end;
    }
  }
}

TEST(MemberList, AccessSectionsAndClosingBrace) {
  ParsedClass p = ParseClass(
      "class CDoc : public CDocument {\n"
      "  int m_a;\n"
      "protected:\n"
      "  CDoc();\n"
      "  DECLARE_DYNCREATE(CDoc)\n"
      "public:\n"
      "  virtual ~CDoc();\n"
      "  virtual BOOL OnNewDocument();\n"
      "  afx_msg void OnPaint();\n"
      "  DECLARE_MESSAGE_MAP()\n"
      "};\n"
      "int after;");
  EXPECT_TRUE(p.result);
  ASSERT_NE(nullptr, p.node->m_members);
  EXPECT_EQ("}", S(p.tokens->GetTokenPtr(p.position)->GetText()));  // the closing brace is not consumed
  struct Expect { const char* kind; int access; const char* name; const char* type; int line; };
  const Expect expected[] = {
      {"var ", kAccessPrivate, "", "<none>", 1},
      {"method ", kAccessProtected, "CDoc", "", 3},
      {"macro method ", kAccessProtected, "", "", 4},
      {"method ", kAccessPublic, "CDoc", "", 6},
      {"method ", kAccessPublic, "OnNewDocument", "BOOL ", 7},
      {"method ", kAccessPublic, "OnPaint", "void ", 8},
      {"macro method ", kAccessPublic, "", "", 9},
  };
  ASSERT_EQ(7, p.node->m_members->GetCount());
  for (int i = 0; i < 7; ++i) {
    CMemberNode* m = p.node->m_members->MemberAt(i);
    EXPECT_EQ(expected[i].kind, Kind(*m)) << i;
    EXPECT_EQ(expected[i].access, m->m_access) << i;
    EXPECT_EQ(expected[i].name, S(m->m_name)) << i;
    EXPECT_EQ(expected[i].type, Words(m->m_returnType)) << i;
    EXPECT_EQ(expected[i].line, m->m_line) << i;
    EXPECT_EQ("test.h", S(m->m_fileName)) << i;
  }
  EXPECT_TRUE(p.node->m_members->MemberAt(3)->m_returnType->m_destructor);
  EXPECT_TRUE(p.node->m_members->MemberAt(3)->m_returnType->m_virtual);
  EXPECT_TRUE(p.node->m_members->MemberAt(4)->m_returnType->m_virtual);
  EXPECT_TRUE(p.node->m_members->MemberAt(5)->m_returnType->m_afxMsg);
}

TEST(MemberList, ClosingBraceAtTheEndOfTheFile) {
  ParsedClass p = ParseClass("class A { int x; }");
  EXPECT_TRUE(p.result);
  EXPECT_EQ(1, p.node->m_members->GetCount());
  EXPECT_EQ(6, p.position);
}

TEST(MemberList, NestedClassesAndEnumsDoNotCutTheList) {
  ParsedClass p = ParseClass(
      "class COuter {\n"
      "  class CInner { int a; void f(); };\n"
      "  enum { kA = (1 << 2), kB = (kA + 1) };\n"
      "  struct S { int b; } m_s;\n"
      "public:\n"
      "  CString GetName() const;\n"
      "};");
  EXPECT_TRUE(p.result);
  ASSERT_NE(nullptr, p.node->m_members);
  ASSERT_EQ(4, p.node->m_members->GetCount());
  CMemberNode* last = p.node->m_members->MemberAt(3);
  EXPECT_EQ("GetName", S(last->m_name));
  EXPECT_EQ(kAccessPublic, last->m_access);
  EXPECT_TRUE(last->m_const);
  EXPECT_EQ(p.tokens->GetCount() - 2, p.position);
}

TEST(Member, KindsAndParameters) {
  struct Case {
    const char* source;
    const char* kind;
    const char* name;
    const char* type;
    const char* params;
    int position;  // tokens consumed
  };
  const Case cases[] = {
      {"virtual CString GetTitle() const;", "method const ", "GetTitle", "CString ", "", 7},
      {"CString GetName() const { return m_s; }", "method inline ", "GetName", "CString ", "", 10},
      {"CString GetName() const { return m_s; };", "method inline ", "GetName", "CString ", "", 11},
      {"void f() { if (a) { b(); } } int x;", "method inline ", "f", "void ", "", 16},
      {"int m_nCount;", "var ", "", "<none>", "<none>", 3},
      {"int a, b;", "var ", "", "<none>", "<none>", 5},
      {"DECLARE_MESSAGE_MAP() }", "macro method ", "", "", "<none>", 3},
      {"virtual void f() = 0;", "macro method ", "", "void ", "<none>", 5},
      {"BOOL Create(LPCTSTR lpszName, CWnd* pParent = NULL);", "method ", "Create", "BOOL ",
       "[LPCTSTR lpszName ][CWnd * pParent = NULL ]", 13},
      {"void Serialize(CArchive& ar);", "method ", "Serialize", "void ", "[CArchive & ar ]", 8},
      {"void f(int (*cb)(int), int n);", "method ", "f", "void ", "[int ( * cb ) ( int ) ][int n ]", 16},
      {"void f(void);", "method ", "f", "void ", "[void ]", 6},
      {"virtual CString GetName() const = 0;", "method ", "GetName", "CString ", "", 9},
      {"#define X 1\nint y;", "pre ", "", "<none>", "<none>", 4},
      {"#define X \\\n 1\nint y;", "pre ", "", "<none>", "<none>", 5},
      {"int x", "", "", "<none>", "<none>", 3},
  };
  for (const Case& c : cases) {
    // A member's walk leaves the list's last token alone: give it one more.
    ParsedMember p = ParseMember(std::string(c.source) + "\n}");
    EXPECT_TRUE(p.result) << c.source;
    EXPECT_EQ(c.kind, Kind(*p.node)) << c.source;
    EXPECT_EQ(c.name, S(p.node->m_name)) << c.source;
    EXPECT_EQ(c.type, Words(p.node->m_returnType)) << c.source;
    EXPECT_EQ(c.params, Params(p.node->m_params)) << c.source;
    EXPECT_EQ(c.position, p.position) << c.source;
  }
}

TEST(Member, AStartWithoutTypeIsRefused) {
  ParsedMember p = ParseMember("; int x;");
  EXPECT_FALSE(p.result);
  EXPECT_EQ("__!EMPTY!__", S(p.node->m_typeText));
}

TEST(Member, TextForms) {
  struct Case { const char* source; const char* text; };
  const Case cases[] = {
      {"virtual CString GetTitle() const;", "0   PUBLIC:   TYPE:  VIRT [CString]    METH: GetTitle  PARAM: CONST"},
      {"afx_msg void OnSize(UINT n, int cx);",
       "0   PUBLIC:   TYPE:  AFX_MSG [void]    METH: OnSize  PARAM: [UINT_n_][int_cx_]"},
      {"virtual ~CFoo();", "0   PUBLIC:   TYPE:  VIRT  DTOR    METH: CFoo  PARAM: "},
      {"int GetX() { return m_x; }", "0   PUBLIC:   TYPE: [int]    METH: GetX  PARAM:   INL: {returnm_x;}"},
      {"int m_n;", "0   PUBLIC:   TYPE: int_   VARS: "},
      {"DECLARE_DYNCREATE(CFoo)\nint x;", "0   PUBLIC:   MAKRO: ( CFoo ) "},
      {"#pragma once\nint x;", "0   PUBLIC:   #PRAE: #_pragma_once_"},
      {"int x", "0  !!!!ERROR!!!!! int_x_  !!!     !!!"},
  };
  for (const Case& c : cases) EXPECT_EQ(c.text, S(ParseMember(c.source).node->GetText())) << c.source;
  EXPECT_EQ(" PROTECTED: ", S(AccessLabel(kAccessProtected)));
  EXPECT_EQ("  PRIVATE: ", S(AccessLabel(kAccessPrivate)));
}

// The table's GetFileName: CString, no parameters.
std::unique_ptr<CMemberNode> TableMethod(LPCTSTR name, CTypeNode* type, CParamListNode* params) {
  return std::make_unique<CMemberNode>(kAccessPublic, name, type, params);
}

TEST(Member, EqualsTheTableMethod) {
  auto getFileName = TableMethod(_T("GetFileName"), new CTypeNode(_T("CString")), new CParamListNode);
  auto getMessage = TableMethod(_T("GetMessageString"), new CTypeNode(_T("void")),
                                new CParamListNode(new CParamNode(_T("UINT")), new CParamNode(_T("CString"), _T("&"))));
  auto onPaint = TableMethod(_T("OnPaint"), new CTypeNode(_T("void")), new CParamListNode);
  auto storage = TableMethod(_T("GetStorageName"), new CTypeNode(_T("const"), _T("void")), new CParamListNode);
  auto nameOnly = TableMethod(_T("Run"), nullptr, nullptr);
  struct Case { const char* source; const CMemberNode* table; bool equal; };
  const Case cases[] = {
      {"CString GetFileName() const;", getFileName.get(), true},
      {"virtual CString GetFileName() const;", getFileName.get(), true},
      {"CString GetFileName();", getFileName.get(), true},
      {"CString GetFileName() const { return m_s; }", getFileName.get(), true},
      {"virtual CString GetFileName() const { return CString(); }", getFileName.get(), true},
      {"CString getFileName() const;", getFileName.get(), false},
      {"CString GetFileName(int n) const;", getFileName.get(), false},
      {"CStringA GetFileName() const;", getFileName.get(), false},
      {"CString& GetFileName() const;", getFileName.get(), true},  // later type words are not compared
      {"CString GetFileName;", getFileName.get(), false},
      {"virtual void GetMessageString(UINT nID, CString& rMessage) const;", getMessage.get(), true},
      {"void GetMessageString(UINT, CString&) const;", getMessage.get(), true},
      {"void GetMessageString(UINT nID, CString rMessage) const;", getMessage.get(), false},
      {"void GetMessageString(UINT nID) const;", getMessage.get(), false},
      {"afx_msg void OnPaint();", onPaint.get(), false},
      {"void OnPaint();", onPaint.get(), true},
      {"CString GetStorageName() const;", storage.get(), false},
      {"const void GetStorageName();", storage.get(), true},
      {"int Run(int a, int b);", nameOnly.get(), true},
  };
  for (const Case& c : cases) EXPECT_EQ(c.equal, ParseMember(c.source).node->Equals(c.table)) << c.source;
}

TEST(TypeAndParams, EqualityLooksAtTheTableWordsOnly) {
  CTypeNode longer(_T("const"), _T("CString"));
  CTypeNode shorter(_T("const"));
  EXPECT_TRUE(longer.Equals(&shorter));
  EXPECT_FALSE(shorter.Equals(&longer));
  CTypeNode dtor(_T("CFoo"));
  dtor.m_destructor = true;
  CTypeNode plain(_T("CFoo"));
  EXPECT_FALSE(dtor.Equals(&plain));
  plain.m_virtual = true;
  dtor.m_destructor = false;
  EXPECT_TRUE(dtor.Equals(&plain));  // the virtual flag is not compared

  CParamNode named(_T("CArchive"), _T("&"));
  named.AddNode(new CNamedDeclNode(_T("ar")));
  CParamNode table(_T("CArchive"), _T("&"));
  EXPECT_TRUE(named.Equals(&table));
  EXPECT_FALSE(table.Equals(&named));
  EXPECT_EQ("CArchive_&_ar_", S(named.GetText()));
  EXPECT_EQ("[CArchive] ", S(CTypeNode(_T("CArchive")).GetText()));
  EXPECT_EQ("[x]", S(CWordNode(_T("x")).GetText()));

  CParamListNode one(new CParamNode(_T("int")));
  CParamListNode two(new CParamNode(_T("int")), new CParamNode(_T("int")));
  EXPECT_FALSE(one.Equals(&two));
  EXPECT_EQ("[int_][int_]", S(two.GetText()));
}

TEST(ParamList, RangesAndUnclosedLists) {
  struct Case { const char* source; bool result; const char* params; };
  const Case cases[] = {
      {"()", true, ""},
      {"(int)", true, "[int ]"},
      {"(int a, (b, c), d)", true, "[int a ][( b , c ) ][d ]"},
      {"(int a, int b", false, "[int a ]"},
      {"(", false, ""},
      {"(a,)", true, "[a ][]"},
  };
  for (const Case& c : cases) {
    auto tokens = Tokenize(c.source);
    CParamListNode list;
    EXPECT_EQ(c.result, list.ParseRange(tokens.get(), 0, tokens->GetCount())) << c.source;
    EXPECT_EQ(c.params, Params(&list)) << c.source;
  }
}

TEST(Include, Targets) {
  struct Case { const char* source; const char* target; bool quoted; int position; };
  const Case cases[] = {
      {"#include \"MainFrm.h\"\nint x;", "MainFrm.h", true, 3},
      {"#include <afxwin.h>\nint x;", "afxwin.h", false, 7},
      {"#include <sys/types.h>\n", "sys/types.h", false, 9},
      {"#include <vector>\nint x;", "", false, 5},
      {"#include MY_HEADER\nint x;", "", false, 3},
      {"#include\nint x;", "", false, 2},
      {"#include \"a.h\" \"b.h\"\n", "", false, 4},
      {"#include <afx\\\nwin.h>\nint x;", "afx\\win.h", false, 9},
      {"# include \"x.h\"", "x.h", true, 3},
  };
  for (const Case& c : cases) {
    auto tokens = Tokenize(c.source);
    CIncludeNode include;
    int pos = 0;
    EXPECT_TRUE(include.Parse(tokens.get(), &pos, tokens->GetCount())) << c.source;
    EXPECT_EQ(c.target, S(include.m_target)) << c.source;
    EXPECT_EQ(c.quoted, include.m_quoted) << c.source;
    EXPECT_EQ(c.position, pos) << c.source;
  }
}

TEST(Include, TextsAndLine) {
  auto tokens = Tokenize("int a;\n#include \"Doc.h\"\n", _T(".\\View.cpp"));
  CIncludeNode include;
  int pos = 3;
  include.Parse(tokens.get(), &pos, tokens->GetCount());
  EXPECT_EQ(1, include.m_line);
  EXPECT_EQ(".\\View.cpp", S(include.m_fileName));
  EXPECT_EQ("Args [Doc.h] ", S(include.m_argsText));
  EXPECT_EQ("#include \"Doc.h\"", S(include.m_lineText));
  EXPECT_EQ("File .\\View.cpp Line 2 Args Args [Doc.h] #_include_Doc.h_", S(include.m_description));
}

// The line text is pasted back into sources: one blank after "include", the
// rest joined as the tokens stand.
TEST(Include, LineTextStaysADirective) {
  struct Case {
    const char* source;
    const char* lineText;
  } cases[] = {
      {"#include MY_HEADER\n", "#include MY_HEADER"},
      {"#include \"Doc.h\"\n", "#include \"Doc.h\""},
      {"#include<afxwin.h>\n", "#include <afxwin.h>"},
      {"# include   \"x.h\"\n", "#include \"x.h\""},
      {"#include\n", "#include"},
  };
  for (const Case& c : cases) {
    auto tokens = Tokenize(c.source);
    CIncludeNode include;
    int pos = 0;
    include.Parse(tokens.get(), &pos, tokens->GetCount());
    EXPECT_EQ(c.lineText, S(include.m_lineText)) << c.source;
  }
}

TEST(Include, IncludeAtALineStartHasNoArguments) {
  // "#" alone on its line: the directive ends before "include".
  auto tokens = Tokenize("#\ninclude \"x.h\"\n");
  CIncludeNode include;
  int pos = 0;
  EXPECT_TRUE(include.Parse(tokens.get(), &pos, tokens->GetCount()));
  EXPECT_EQ(1, pos);
  EXPECT_EQ("", S(include.m_target));
  EXPECT_EQ("Args [] ", S(include.m_argsText));
  EXPECT_EQ("#", S(include.m_lineText));
  // At the very end of the list.
  auto last = Tokenize("#");
  CIncludeNode atEnd;
  pos = 0;
  EXPECT_TRUE(atEnd.Parse(last.get(), &pos, last->GetCount()));
  EXPECT_EQ("", S(atEnd.m_target));
}

}  // namespace
