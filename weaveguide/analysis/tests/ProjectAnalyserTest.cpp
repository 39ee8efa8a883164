#include "AnalysisTestUtil.h"
#include "DspReader.h"
#include "ProjectAnalyser.h"
#include "SegmentedProgress.h"

#include <gtest/gtest.h>

#include <vector>

using lwtest::RecordingProgress;
using lwtest::S;

namespace {

// Writes a folder of files and lists them as a project would.
struct Project {
  explicit Project(const char* name) : folder(lwtest::ScratchDir(name)) {
    files = std::make_unique<CProjectFileList>(folder.Left(folder.GetLength() - 1));
  }
  void Add(const char* name, const std::string& text) {
    lwtest::WriteFile(folder, name, text);
    files->AddFile(CString(name));
  }
  CString folder;
  std::unique_ptr<CProjectFileList> files;
};

std::vector<std::string> ClassNames(const CClassDeclList& list) {
  std::vector<std::string> names;
  for (POSITION p = list.GetHeadPosition(); p;) names.push_back(S(list.Next<CClassDeclNode>(p)->GetName()));
  return names;
}

// "class: macro (file line)" per hit.
std::vector<std::string> Hits(const CProjectAnalyser& a) {
  std::vector<std::string> out;
  for (INT_PTR i = 0; a.FixHitAt(i); ++i) {
    CFixHit* hit = a.FixHitAt(i);
    out.push_back(S(hit->m_class->GetName()) + ": " + S(hit->m_macroText) + " (" + S(hit->m_member->m_fileName) + " " +
                  std::to_string(hit->m_member->m_line) + ")");
  }
  return out;
}

// "file: target" per extern include.
std::vector<std::string> Externs(const CProjectAnalyser& a) {
  std::vector<std::string> out;
  for (INT_PTR i = 0; a.ExternIncludeAt(i); ++i)
    out.push_back(S(a.ExternIncludeAt(i)->m_fileName) + ": " + S(a.ExternIncludeAt(i)->m_target));
  return out;
}

const char kDsp[] =
    "# Microsoft Developer Studio Project File - Name=\"Demo\" - Package Owner=<4>\r\n"
    "# TARGTYPE \"Win32 (x86) Application\" 0x0101\r\n"
    "CFG=Demo - Win32 Debug\r\n"
    "# Begin Target\r\n"
    "# Name \"Demo - Win32 Debug\"\r\n"
    "# Begin Group \"Source Files\"\r\n"
    "# Begin Source File\r\n\r\nSOURCE=.\\StdAfx.cpp\r\n# ADD CPP /Yc\"stdafx.h\"\r\n# End Source File\r\n"
    "# Begin Source File\r\n\r\nSOURCE=.\\Demo.cpp\r\n# End Source File\r\n"
    "# Begin Source File\r\n\r\nSOURCE=.\\MainFrm.cpp\r\n# End Source File\r\n"
    "# Begin Source File\r\n\r\nSOURCE=.\\ChildView.cpp\r\n# End Source File\r\n"
    "# End Group\r\n"
    "# Begin Group \"Header Files\"\r\n"
    "# Begin Source File\r\n\r\nSOURCE=.\\StdAfx.h\r\n# End Source File\r\n"
    "# Begin Source File\r\n\r\nSOURCE=.\\Demo.h\r\n# End Source File\r\n"
    "# Begin Source File\r\n\r\nSOURCE=.\\MainFrm.h\r\n# End Source File\r\n"
    "# Begin Source File\r\n\r\nSOURCE=.\\ChildView.h\r\n"
    "!IF  \"$(CFG)\" == \"Demo - Win32 Release\"\r\n!ENDIF\r\n# End Source File\r\n"
    "# Begin Source File\r\n\r\nSOURCE=..\\Shared\\Util.h\r\n# End Source File\r\n"
    "# Begin Source File\r\n\r\nSOURCE=.\\Missing.h\r\n# End Source File\r\n"
    "# Begin Source File\r\n\r\nSOURCE=.\\OLD.H\r\n# End Source File\r\n"
    "# End Group\r\n"
    "# Begin Source File\r\n\r\nSOURCE=.\\res\\Demo.rc\r\n# End Source File\r\n"
    "# Begin Source File\r\n\r\nSOURCE=.\\ReadMe.txt\r\n# End Source File\r\n"
    "# End Target\r\n"
    "# End Project\r\n";

const char kStdAfxH[] =
    "// stdafx.h : include file for standard system include files\r\n"
    "#pragma once\r\n"
    "#define VC_EXTRALEAN\r\n"
    "#include <afxwin.h>         // MFC core and standard components\r\n"
    "#include <afxext.h>\r\n"
    "#include \"ThirdParty/Grid.h\"\r\n";

const char kDemoH[] =
    "#include \"resource.h\"\r\n"
    "\r\n"
    "class CDemoApp : public CWinApp\r\n"
    "{\r\n"
    "public:\r\n"
    "\tCDemoApp();\r\n"
    "\tvirtual BOOL InitInstance();\r\n"
    "\tDECLARE_MESSAGE_MAP()\r\n"
    "};\r\n";

const char kMainFrmH[] =
    "class CChildView;\r\n"
    "class CMainFrame : public CFrameWnd\r\n"
    "{\r\n"
    "protected:\r\n"
    "\tDECLARE_DYNAMIC(CMainFrame)\r\n"
    "public:\r\n"
    "\tCMainFrame();\r\n"
    "\tvirtual void GetMessageString(UINT nID, CString& rMessage) const;\r\n"
    "\tvirtual ~CMainFrame();\r\n"
    "protected:\r\n"
    "\tCStatusBar  m_wndStatusBar;\r\n"
    "\tCChildView* m_pView;\r\n"
    "\tafx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);\r\n"
    "\tDECLARE_MESSAGE_MAP()\r\n"
    "};\r\n"
    "\r\n"
    "class CToolFrame : public CMainFrame\r\n"
    "{\r\n"
    "public:\r\n"
    "\tvoid GetMessageString(UINT nID, CString& rMessage) const { rMessage = \"tool\"; }\r\n"
    "};\r\n";

const char kChildViewH[] =
    "class CDemoDoc;\r\n"
    "class CChildView : public CWnd\r\n"
    "{\r\n"
    "public:\r\n"
    "\tCChildView();\r\n"
    "\tCString GetFileName() const;\r\n"
    "protected:\r\n"
    "\tafx_msg void OnPaint();\r\n"
    "\tDECLARE_MESSAGE_MAP()\r\n"
    "};\r\n"
    "\r\n"
    "/* a log written line by line */\r\n"
    "class CLogFile : public CStdioFile\r\n"
    "{\r\n"
    "public:\r\n"
    "\tvirtual BOOL ReadString(CString& rString);\r\n"
    "\tvirtual CString GetFileName() const;\r\n"
    "\tCString GetFilePath() const { return m_strPath; }\r\n"
    "\tCString GetFileTitle(int n) const;\r\n"
    "private:\r\n"
    "\tCString m_strPath;\r\n"
    "};\r\n";

const char kUtilH[] =
    "#include <vector>\r\n"
    "#include <windows.h>\r\n"
    "#include \"..\\Demo\\Demo.h\"\r\n"
    "class CUtil { public: static int Count(); };\r\n";

const char kOldH[] = "class COld : public CFrameWnd { void GetMessageString(UINT n, CString& s) const; };\r\n";

TEST(ProjectAnalyser, FrameworkProject) {
  CString root = lwtest::ScratchDir("analyser-project");
  lwtest::ScratchDir("analyser-project\\Demo");
  lwtest::ScratchDir("analyser-project\\Shared");
  CString demo = root + _T("Demo\\");
  CString dsp = lwtest::WriteFile(demo, "Demo.dsp", kDsp);
  lwtest::WriteFile(demo, "StdAfx.h", kStdAfxH);
  lwtest::WriteFile(demo, "Demo.h", kDemoH);
  lwtest::WriteFile(demo, "MainFrm.h", kMainFrmH);
  lwtest::WriteFile(demo, "ChildView.h", kChildViewH);
  lwtest::WriteFile(demo, "OLD.H", kOldH);
  lwtest::WriteFile(root + _T("Shared\\"), "Util.h", kUtilH);
  lwtest::WriteFile(demo, "StdAfx.cpp", "#include \"stdafx.h\"\r\n");
  lwtest::WriteFile(demo, "Demo.cpp",
                    "#include \"stdafx.h\"\r\n#include \"Demo.h\"\r\n#include \"MainFrm.h\"\r\n"
                    "#include \"..\\Lib\\Other.h\"\r\n\r\nCDemoApp theApp;\r\n");
  lwtest::WriteFile(demo, "MainFrm.cpp", "#include \"StdAfx.h\"\r\n#include \"MainFrm.h\"\r\n#include <afxres.h>\r\n");
  lwtest::WriteFile(demo, "ChildView.cpp",
                    "#include \"stdafx.h\"\r\n#include \"ChildView.h\"\r\n#include \"grid/GridCtrl.h\"\r\n");

  CDspReader reader(dsp);
  reader.Read();
  std::unique_ptr<CProjectFileList> files(reader.CreateProjectFileList());
  EXPECT_EQ(6, files->m_headers.GetSize());  // Missing.h too
  EXPECT_EQ(4, files->m_sources.GetSize());
  EXPECT_EQ(2, files->m_others.GetSize());  // OLD.H and ReadMe.txt

  CProjectAnalyser analyser;
  RecordingProgress progress;
  analyser.Scan(files.get(), &progress);
  EXPECT_EQ((std::vector<int>{0, 20, 40, 60, 80, 100, 100}), progress.shown);

  // CMainFrame follows a forward declaration directly; COld is in a header
  // with an upper-case ending, which the project sorts among the others.
  EXPECT_EQ((std::vector<std::string>{"CDemoApp", "CMainFrame", "CToolFrame", "CChildView", "CLogFile", "CUtil"}),
            ClassNames(analyser.GetProjectClasses()));
  EXPECT_EQ((std::vector<std::string>{"CWinApp", "CFrameWnd", "CWnd", "CStdioFile"}),
            ClassNames(analyser.GetExternalClasses()));
  for (POSITION p = analyser.GetExternalClasses().GetHeadPosition(); p;) {
    CClassDeclNode* placeholder = analyser.GetExternalClasses().Next<CClassDeclNode>(p);
    EXPECT_EQ(nullptr, placeholder->m_bases);
    EXPECT_EQ(nullptr, placeholder->m_members);
  }
  CClassDeclNode* tool = analyser.GetProjectClasses().ClassAt(2);
  EXPECT_EQ(analyser.GetProjectClasses().ClassAt(1), tool->m_bases->BaseAt(0)->m_resolved);
  EXPECT_TRUE(tool->DerivesFrom(analyser.GetExternalClasses().ClassAt(1)));

  EXPECT_TRUE(analyser.HasFixHits());
  EXPECT_EQ((std::vector<std::string>{
                "CMainFrame: LWFIX_CFRAMEWND_GETMESSAGESTRING() (.\\MainFrm.h 7)",
                "CToolFrame: LWFIX_CFRAMEWND_GETMESSAGESTRING() (.\\MainFrm.h 19)",
                "CLogFile: LWFIX_CSTDIOFILE_READSTRING() (.\\ChildView.h 15)",
                "CLogFile: LWFIX_CFILE_GETFILENAME() (.\\ChildView.h 16)",
                "CLogFile: LWFIX_CFILE_GETFILEPATH() (.\\ChildView.h 17)",
            }),
            Hits(analyser));

  EXPECT_EQ(18, analyser.GetIncludes().GetCount());
  CIncludeNode* first = analyser.GetIncludes().IncludeAt(0);
  EXPECT_EQ(".\\StdAfx.h", S(first->m_fileName));
  EXPECT_EQ(3, first->m_line);
  EXPECT_EQ("afxwin.h", S(first->m_target));
  EXPECT_TRUE(analyser.HasExternHeaders());
  EXPECT_EQ((std::vector<std::string>{"..\\Shared\\Util.h: ", ".\\Demo.cpp: ..\\Lib\\Other.h",
                                      ".\\ChildView.cpp: grid/GridCtrl.h"}),
            Externs(analyser));
}

TEST(ProjectAnalyser, EmptyProjectCompletes) {
  CProjectFileList files;
  CProjectAnalyser analyser;
  RecordingProgress progress;
  analyser.Scan(&files, &progress);
  EXPECT_EQ((std::vector<int>{0, 20, 40, 60, 80, 100, 100}), progress.shown);
  EXPECT_FALSE(analyser.HasFixHits());
  EXPECT_FALSE(analyser.HasExternHeaders());
  EXPECT_NE(nullptr, analyser.GetFixHits());
  analyser.Scan(nullptr, nullptr);
  EXPECT_FALSE(analyser.HasFixHits());
}

TEST(ProjectAnalyser, ClassesRightAfterForwardDeclarationsAreKept) {
  Project p("analyser-forward");
  p.Add("a.h", "class A;\nclass B : public CFrameWnd { };\nclass C;class D{};class E;\n");
  p.Add("only.h", "class COnly;\n");
  CProjectAnalyser a;
  a.Scan(p.files.get(), nullptr);
  EXPECT_EQ((std::vector<std::string>{"B", "D"}), ClassNames(a.GetProjectClasses()));
}

TEST(ProjectAnalyser, PathsFindFilesAsWindowsWould) {
  Project p("analyser-paths");
  lwtest::ScratchDir("analyser-paths\\inc");
  lwtest::WriteFile(p.folder + _T("inc\\"), "frame.h", "class CFrame : public CFrameWnd { };\n");
  p.Add("list[1].h", "class CListOne { };\n");
  p.Add("list1.h", "class CListPlain { };\n");
  // A folder written in other case, and brackets that are part of a name.
  p.files->AddFile(_T(".\\INC\\frame.h"));
  p.files->AddFile(_T("Inc\\FRAME.h"));
  CProjectAnalyser a;
  a.Scan(p.files.get(), nullptr);
  EXPECT_EQ((std::vector<std::string>{"CListOne", "CListPlain", "CFrame", "CFrame"}), ClassNames(a.GetProjectClasses()));
}

TEST(ProjectAnalyser, SharedPlaceholdersAndChains) {
  Project p("analyser-chain");
  p.Add("frames.h",
        "class CFrameA : public CFrameWnd { public: virtual void GetMessageString(UINT n, CString& s) const; };\n"
        "class CFrameB : public CFrameWnd { void GetMessageString(UINT, CString&); CString GetFileName(); };\n"
        "class CFrameC : public CFrameB, public CMyMixin { void GetMessageString(UINT id, CString& text); };\n"
        "class CNoBody : public CFrameWnd;\n"
        "class CDoc2 : public CDocument { void GetMessageString(UINT id, CString& text); };\n");
  CProjectAnalyser a;
  a.Scan(p.files.get(), nullptr);
  EXPECT_EQ((std::vector<std::string>{"CFrameWnd", "CMyMixin", "CDocument"}), ClassNames(a.GetExternalClasses()));
  CClassDeclNode* frameWnd = a.GetExternalClasses().ClassAt(0);
  EXPECT_EQ(frameWnd, a.GetProjectClasses().ClassAt(0)->m_bases->BaseAt(0)->m_resolved);
  EXPECT_EQ(frameWnd, a.GetProjectClasses().ClassAt(1)->m_bases->BaseAt(0)->m_resolved);
  EXPECT_EQ((std::vector<std::string>{"CFrameA: LWFIX_CFRAMEWND_GETMESSAGESTRING() (frames.h 0)",
                                      "CFrameB: LWFIX_CFRAMEWND_GETMESSAGESTRING() (frames.h 1)",
                                      "CFrameC: LWFIX_CFRAMEWND_GETMESSAGESTRING() (frames.h 2)"}),
            Hits(a));
}

TEST(ProjectAnalyser, ProjectClassesOfFrameworkNamesAreNeverBound) {
  Project p("analyser-ownframe");
  p.Add("own.h",
        "class CFrameWnd { };\n"
        "class CMine : public CFrameWnd { void GetMessageString(UINT n, CString& s); };\n");
  CProjectAnalyser a;
  a.Scan(p.files.get(), nullptr);
  EXPECT_TRUE(a.GetExternalClasses().IsEmpty());
  EXPECT_FALSE(a.HasFixHits());
}

TEST(ProjectAnalyser, InheritanceCyclesEnd) {
  Project p("analyser-cycle");
  p.Add("cycle.h",
        "class A : public B { void GetMessageString(UINT n, CString& s); };\n"
        "class B : public A { };\n"
        "class C : public C { };\n"
        "class D : public E, public CFrameWnd { void GetMessageString(UINT n, CString& s); };\n"
        "class E : public D { };\n");
  CProjectAnalyser a;
  a.Scan(p.files.get(), nullptr);
  const CClassDeclList& classes = a.GetProjectClasses();
  ASSERT_EQ(5, classes.GetCount());
  CClassDeclNode* frameWnd = a.GetExternalClasses().ClassAt(0);
  ASSERT_NE(nullptr, frameWnd);
  EXPECT_FALSE(classes.ClassAt(0)->DerivesFrom(frameWnd));
  EXPECT_TRUE(classes.ClassAt(0)->DerivesFrom(classes.ClassAt(0)));  // through B
  EXPECT_TRUE(classes.ClassAt(2)->DerivesFrom(classes.ClassAt(2)));
  EXPECT_TRUE(classes.ClassAt(4)->DerivesFrom(frameWnd));
  EXPECT_EQ((std::vector<std::string>{"D: LWFIX_CFRAMEWND_GETMESSAGESTRING() (cycle.h 3)"}), Hits(a));
}

TEST(ProjectAnalyser, LastClassOfANameWins) {
  Project p("analyser-twice");
  p.Add("a.h", "class CBase { };\nclass CUser : public CBase { };\nclass CBase : public CFrameWnd { };\n");
  CProjectAnalyser a;
  a.Scan(p.files.get(), nullptr);
  EXPECT_EQ(a.GetProjectClasses().ClassAt(2), a.GetProjectClasses().ClassAt(1)->m_bases->BaseAt(0)->m_resolved);
}

TEST(ProjectAnalyser, ExternHeaders) {
  Project p("analyser-extern");
  p.Add("stdafx.h", "#include <afxwin.h>\n#include \"Third.h\"\n#include <vector>\n");
  p.Add("Doc.h", "#include \"StdAfx.h\"\n#include <vector>\n#include <AfxRes.h>\n#include \"sub\\My Lib.h\"\n");
  p.Add("Doc.cpp", "#include \"..\\other\\doc.h\"\n#include \"Windows.h\"\n#include <missing.hpp>\n# include \"x.h\"\n");
  CProjectAnalyser a;
  a.Scan(p.files.get(), nullptr);
  EXPECT_EQ(11, a.GetIncludes().GetCount());
  EXPECT_EQ((std::vector<std::string>{"Doc.h: ", "Doc.h: sub\\My Lib.h", "Doc.cpp: missing.hpp", "Doc.cpp: x.h"}),
            Externs(a));
}

TEST(ProjectAnalyser, NormalizeHeaderName) {
  struct Case { const char* in; const char* out; };
  const Case cases[] = {
      {"..\\Inc/MyDoc.h ", "MYDOC.H"}, {"stdafx.h", "STDAFX.H"}, {" a/b\\c.h", "C.H"},
      {"dir\\", ""}, {"", ""}, {"\tx.H\r\n", "X.H"},
  };
  for (const Case& c : cases) EXPECT_EQ(c.out, S(CProjectAnalyser::NormalizeHeaderName(CString(c.in)))) << c.in;
}

TEST(ProjectAnalyser, MissingFoldersAndDirectoriesAreSkipped) {
  Project p("analyser-missing");
  lwtest::ScratchDir("analyser-missing\\Folder.h");
  p.files->AddFile(_T("Folder.h"));
  p.files->AddFile(_T("gone\\x.h"));
  p.files->AddFile(_T("*.h"));
  p.Add("real.h", "class CReal { };");
  CProjectAnalyser a;
  a.Scan(p.files.get(), nullptr);
  EXPECT_EQ((std::vector<std::string>{"CReal"}), ClassNames(a.GetProjectClasses()));
}

#ifndef _WIN32
TEST(ProjectAnalyser, AnUnreadableFileEndsTheScan) {
  Project p("analyser-unreadable");
  {
    // Larger than any source the reader takes; sparse, so it costs no disk.
    CFile big(p.folder + _T("big.h"), CFile::modeCreate | CFile::modeWrite);
    big.SetLength(300ull * 1024 * 1024);
  }
  p.Add("ok.h", "class COk { };");
  p.files->AddFile(_T("big.h"));
  p.Add("after.h", "class CAfter { };");
  CProjectAnalyser a;
  CString error;
  try {
    a.Scan(p.files.get(), nullptr);
  } catch (const CException& e) {
    error = e.GetErrorMessage();
  }
  EXPECT_NE(-1, error.Find(_T("big.h"))) << S(error);
  // Stopped at the file: nothing after it was read.
  EXPECT_EQ((std::vector<std::string>{"COk"}), ClassNames(a.GetProjectClasses()));
  CFile::Remove(p.folder + _T("big.h"));
}
#endif

}  // namespace
