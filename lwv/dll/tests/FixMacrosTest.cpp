// The 21 LWFIX_ macros of LwvMFC.h, each written as a program writes it: on
// a line of its own after the program's own method, in a class whose CString
// is __X_CString (built with -Werror=overloaded-virtual, so an override that
// stopped overriding fails the build). The framework's calls reach the
// program's methods through them, and what the program writes comes back.
#include <gtest/gtest.h>

// The class library's own classes hide overloads of their bases; the
// warning counts for the program's classes below.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Woverloaded-virtual"
#include "LwvMFC.h"
#pragma GCC diagnostic pop

#include <oleauto.h>

namespace {

// Stand-ins for framework classes this class library does not have, with the
// virtual methods as the fix-macro table lists them.
class CDaoRecordset {
 public:
  virtual ~CDaoRecordset() = default;
  virtual LwFrameworkString GetDefaultDBName() { return LwFrameworkString(); }
  virtual LwFrameworkString GetDefaultSQL() { return LwFrameworkString(); }
};
class CDocManager {
 public:
  virtual ~CDocManager() = default;
  virtual BOOL DoPromptFileName(LwFrameworkString&, UINT, DWORD, BOOL, CDocTemplate*) { return FALSE; }
};
class COleServerDoc {
 public:
  virtual ~COleServerDoc() = default;
  virtual BOOL GetFileTypeString(LwFrameworkString&) { return FALSE; }
};
class COleControl {
 public:
  virtual ~COleControl() = default;
  virtual void GetMessageString(UINT, LwFrameworkString&) const {}
  virtual BOOL OnGetDisplayString(DISPID, LwFrameworkString&) { return FALSE; }
};
class CRecordset {
 public:
  virtual ~CRecordset() = default;
  virtual LwFrameworkString GetDefaultConnect() { return LwFrameworkString(); }
  virtual LwFrameworkString GetDefaultSQL() { return LwFrameworkString(); }
};
class COleStreamFile : public CFile {
 public:
  LwFrameworkString GetStorageName() const { return LwFrameworkString(); }
};
class CHttpFile : public CStdioFile {
 public:
  LwFrameworkString GetFileURL() const { return LwFrameworkString(); }
};

// ---- the program's classes -------------------------------------------------

class CMainFrame : public CFrameWnd {
 public:
  void GetMessageString(UINT nID, CString& rMessage) const;
  LWFIX_CFRAMEWND_GETMESSAGESTRING()
};
void CMainFrame::GetMessageString(UINT nID, CString& rMessage) const {
  CFrameWnd::GetMessageString(nID, rMessage);
  rMessage = CString(_T("Prefix: ")) + rMessage;
}

class CMyTemplate : public CSingleDocTemplate {
 public:
  CMyTemplate() : CSingleDocTemplate(0, nullptr, nullptr, nullptr) {}
  BOOL GetDocString(CString& rString, enum DocStringIndex index) const {
    rString.Format(_T("doc string %d"), static_cast<int>(index));
    return TRUE;
  }
  LWFIX_CDOCTEMPLATE_GETDOCSTRING()
};

class CMyDocManager : public CDocManager {
 public:
  BOOL DoPromptFileName(CString& fileName, UINT, DWORD, BOOL open, CDocTemplate*) {
    fileName = open ? _T("opened.txt") : _T("saved.txt");
    return TRUE;
  }
  LWFIX_CDOCMANAGER_DOPROMPTFILENAME()
};

class CMyServerDoc : public COleServerDoc {
 public:
  BOOL GetFileTypeString(CString& rString) {
    rString += _T(" type");
    return TRUE;
  }
  LWFIX_COLESERVERDOC_GETFILETYPESTRING()
};

class CMyControl : public COleControl {
 public:
  void GetMessageString(UINT nID, CString& rMessage) const { rMessage.Format(_T("control %u"), nID); }
  LWFIX_COLECONTROL_GETMESSAGESTRING()
  BOOL OnGetDisplayString(DISPID dispid, CString& strValue) {
    strValue.Format(_T("display %ld"), static_cast<long>(dispid));
    return TRUE;
  }
  LWFIX_COLECONTROL_ONGETDISPLAYSTRING()
};

class CMyStdioFile : public CStdioFile {
 public:
  BOOL ReadString(CString& rString) {
    rString = _T("line");
    return TRUE;
  }
  LWFIX_CSTDIOFILE_READSTRING()
};

// Methods that return their text: the macros add nothing and must compile
// (with a semicolon behind them, too).
class CMyDaoRecordset : public CDaoRecordset {
 public:
  LWFIX_CDAORECORDSET_GETDEFAULTDBNAME()
  LWFIX_CDAORECORDSET_GETDEFAULTSQL();
};
class CMyRecordset : public CRecordset {
 public:
  LWFIX_CRECORDSET_GETDEFAULTCONNECT()
  LWFIX_CRECORDSET_GETDEFAULTSQL()
};
class CMyFile : public COleStreamFile {
 public:
  CString GetFileName() const { return _T("name"); }
  LWFIX_CFILE_GETFILENAME()
  LWFIX_CFILE_GETFILETITLE()
  LWFIX_CFILE_GETFILEPATH()
  LWFIX_COLESTREAMFILE_GETSTORAGENAME()
};
class CMyHttpFile : public CHttpFile {
 public:
  LWFIX_CHTTPFILE_GETFILEURL()
};
class CMyFileFind : public CFileFind {
 public:
  LWFIX_CFILEFIND_GETFILENAME()
  LWFIX_CFILEFIND_GETFILEPATH()
  LWFIX_CFILEFIND_GETFILETITLE()
  LWFIX_CFILEFIND_GETFILEURL()
  LWFIX_CFILEFIND_GETROOT()
};

// ---- the framework's calls -------------------------------------------------

TEST(FixMacros, FrameworkReachesTheProgramsStatusPrompt) {
  CMainFrame frame;
  const CFrameWnd& asFramework = frame;
  LwFrameworkString prompt;
  asFramework.GetMessageString(0xE001, prompt);  // a command without a string
  EXPECT_EQ(LwFrameworkString(_T("Prefix: ")), prompt.Left(8));
}

TEST(FixMacros, ParametersGoInAndTheWrittenTextComesBack) {
  CMyTemplate docTemplate;
  LwFrameworkString text(_T("old"));
  EXPECT_TRUE(static_cast<const CDocTemplate&>(docTemplate).GetDocString(text, CDocTemplate::filterExt));
  EXPECT_EQ(LwFrameworkString(_T("doc string 4")), text);

  CMyDocManager manager;
  EXPECT_TRUE(static_cast<CDocManager&>(manager).DoPromptFileName(text, 0, 0, TRUE, nullptr));
  EXPECT_EQ(LwFrameworkString(_T("opened.txt")), text);
  EXPECT_TRUE(static_cast<CDocManager&>(manager).DoPromptFileName(text, 0, 0, FALSE, nullptr));
  EXPECT_EQ(LwFrameworkString(_T("saved.txt")), text);

  CMyServerDoc doc;  // in and out: the program appends to what it got
  text = _T("server");
  EXPECT_TRUE(static_cast<COleServerDoc&>(doc).GetFileTypeString(text));
  EXPECT_EQ(LwFrameworkString(_T("server type")), text);

  CMyControl control;
  static_cast<const COleControl&>(control).GetMessageString(7, text);
  EXPECT_EQ(LwFrameworkString(_T("control 7")), text);
  EXPECT_TRUE(static_cast<COleControl&>(control).OnGetDisplayString(12, text));
  EXPECT_EQ(LwFrameworkString(_T("display 12")), text);

  CMyStdioFile file;  // ReadString is not virtual here: the program's own form
  EXPECT_TRUE(file.ReadString(text));
  EXPECT_EQ(LwFrameworkString(_T("line")), text);
}

TEST(FixMacros, ReturnedTextsKeepTheProgramsMethod) {
  CMyFile file;
  EXPECT_EQ(LwFrameworkString(_T("name")), LwFrameworkString(file.GetFileName()));
}

}  // namespace
