#include "FixTable.h"

namespace {

struct FixParam {
  const TCHAR* word1;
  const TCHAR* word2 = nullptr;  // null for one word
};

struct FixMethod {
  const TCHAR* macro;
  const TCHAR* name;
  const TCHAR* returnType[2];  // second word null for one word
  int paramCount;
  FixParam params[5];
};

const FixParam kStringRef = {_T("CString"), _T("&")};

enum MethodId {
  kDaoGetDefaultDBName, kDaoGetDefaultSQL, kDocManagerDoPromptFileName, kDocTemplateGetDocString,
  kOleServerDocGetFileTypeString, kFileGetFileName, kFileGetFileTitle, kFileGetFilePath,
  kOleStreamFileGetStorageName, kStdioFileReadString, kHttpFileGetFileURL, kFileFindGetFileName,
  kFileFindGetFilePath, kFileFindGetFileTitle, kFileFindGetFileURL, kFileFindGetRoot,
  kOleControlGetMessageString, kOleControlOnGetDisplayString, kRecordsetGetDefaultConnect,
  kRecordsetGetDefaultSQL, kFrameWndGetMessageString,
};

const FixMethod kMethods[] = {
    {_T("LWFIX_CDAORECORDSET_GETDEFAULTDBNAME()"), _T("GetDefaultDBName"), {_T("CString")}, 0, {}},
    {_T("LWFIX_CDAORECORDSET_GETDEFAULTSQL()"), _T("GetDefaultSQL"), {_T("CString")}, 0, {}},
    {_T("LWFIX_CDOCMANAGER_DOPROMPTFILENAME()"), _T("DoPromptFileName"), {_T("BOOL")}, 5,
     {kStringRef, {_T("UINT")}, {_T("DWORD")}, {_T("BOOL")}, {_T("CDocTemplate"), _T("*")}}},
    {_T("LWFIX_CDOCTEMPLATE_GETDOCSTRING()"), _T("GetDocString"), {_T("BOOL")}, 2,
     {kStringRef, {_T("enum"), _T("DocStringIndex")}}},
    {_T("LWFIX_COLESERVERDOC_GETFILETYPESTRING()"), _T("GetFileTypeString"), {_T("BOOL")}, 1, {kStringRef}},
    {_T("LWFIX_CFILE_GETFILENAME()"), _T("GetFileName"), {_T("CString")}, 0, {}},
    {_T("LWFIX_CFILE_GETFILETITLE()"), _T("GetFileTitle"), {_T("CString")}, 0, {}},
    {_T("LWFIX_CFILE_GETFILEPATH()"), _T("GetFilePath"), {_T("CString")}, 0, {}},
    // Kept as the framework's table has it: a CString override never equals it.
    {_T("LWFIX_COLESTREAMFILE_GETSTORAGENAME()"), _T("GetStorageName"), {_T("const"), _T("void")}, 0, {}},
    {_T("LWFIX_CSTDIOFILE_READSTRING()"), _T("ReadString"), {_T("BOOL")}, 1, {kStringRef}},
    {_T("LWFIX_CHTTPFILE_GETFILEURL()"), _T("GetFileURL"), {_T("CString")}, 0, {}},
    {_T("LWFIX_CFILEFIND_GETFILENAME()"), _T("GetFileName"), {_T("CString")}, 0, {}},
    {_T("LWFIX_CFILEFIND_GETFILEPATH()"), _T("GetFilePath"), {_T("CString")}, 0, {}},
    {_T("LWFIX_CFILEFIND_GETFILETITLE()"), _T("GetFileTitle"), {_T("CString")}, 0, {}},
    {_T("LWFIX_CFILEFIND_GETFILEURL()"), _T("GetFileURL"), {_T("CString")}, 0, {}},
    {_T("LWFIX_CFILEFIND_GETROOT()"), _T("GetRoot"), {_T("CString")}, 0, {}},
    {_T("LWFIX_COLECONTROL_GETMESSAGESTRING()"), _T("GetMessageString"), {_T("void")}, 2,
     {{_T("UINT")}, kStringRef}},
    {_T("LWFIX_COLECONTROL_ONGETDISPLAYSTRING()"), _T("OnGetDisplayString"), {_T("BOOL")}, 2,
     {{_T("DISPID")}, kStringRef}},
    {_T("LWFIX_CRECORDSET_GETDEFAULTCONNECT()"), _T("GetDefaultConnect"), {_T("CString")}, 0, {}},
    {_T("LWFIX_CRECORDSET_GETDEFAULTSQL()"), _T("GetDefaultSQL"), {_T("CString")}, 0, {}},
    {_T("LWFIX_CFRAMEWND_GETMESSAGESTRING()"), _T("GetMessageString"), {_T("void")}, 2,
     {{_T("UINT")}, kStringRef}},
};

struct FixRow {
  const TCHAR* className;
  MethodId method;
};

const FixRow kRows[] = {
    {_T("CDaoRecordset"), kDaoGetDefaultDBName},
    {_T("CDaoRecordset"), kDaoGetDefaultSQL},
    {_T("CDocManager"), kDocManagerDoPromptFileName},
    {_T("CDocTemplate"), kDocTemplateGetDocString},
    {_T("CSingleDocTemplate"), kDocTemplateGetDocString},
    {_T("CMultiDocTemplate"), kDocTemplateGetDocString},
    {_T("COleServerDoc"), kOleServerDocGetFileTypeString},
    {_T("CRichEditDoc"), kOleServerDocGetFileTypeString},
    {_T("CFile"), kFileGetFileName},
    {_T("CFile"), kFileGetFileTitle},
    {_T("CFile"), kFileGetFilePath},
    {_T("CMemFile"), kFileGetFileName},
    {_T("CMemFile"), kFileGetFileTitle},
    {_T("CMemFile"), kFileGetFilePath},
    {_T("CSharedFile"), kFileGetFileName},
    {_T("CSharedFile"), kFileGetFileTitle},
    {_T("CSharedFile"), kFileGetFilePath},
    {_T("COleStreamFile"), kOleStreamFileGetStorageName},
    {_T("COleStreamFile"), kFileGetFileName},
    {_T("COleStreamFile"), kFileGetFileTitle},
    {_T("COleStreamFile"), kFileGetFilePath},
    {_T("CMonikerFile"), kOleStreamFileGetStorageName},
    {_T("CMonikerFile"), kFileGetFileName},
    {_T("CMonikerFile"), kFileGetFileTitle},
    {_T("CMonikerFile"), kFileGetFilePath},
    {_T("CAsyncMonikerFile"), kOleStreamFileGetStorageName},
    {_T("CAsyncMonikerFile"), kFileGetFileName},
    {_T("CAsyncMonikerFile"), kFileGetFileTitle},
    {_T("CAsyncMonikerFile"), kFileGetFilePath},
    {_T("CDataPathProperty"), kOleStreamFileGetStorageName},
    {_T("CDataPathProperty"), kFileGetFileName},
    {_T("CDataPathProperty"), kFileGetFileTitle},
    {_T("CDataPathProperty"), kFileGetFilePath},
    {_T("CCachedDataPathProperty"), kOleStreamFileGetStorageName},
    {_T("CCachedDataPathProperty"), kFileGetFileName},
    {_T("CCachedDataPathProperty"), kFileGetFileTitle},
    {_T("CCachedDataPathProperty"), kFileGetFilePath},
    {_T("CSocketFile"), kFileGetFileName},
    {_T("CSocketFile"), kFileGetFileTitle},
    {_T("CSocketFile"), kFileGetFilePath},
    {_T("CStdioFile"), kStdioFileReadString},
    {_T("CStdioFile"), kFileGetFileName},
    {_T("CStdioFile"), kFileGetFileTitle},
    {_T("CStdioFile"), kFileGetFilePath},
    {_T("CInternetFile"), kStdioFileReadString},
    {_T("CInternetFile"), kFileGetFileName},
    {_T("CInternetFile"), kFileGetFileTitle},
    {_T("CInternetFile"), kFileGetFilePath},
    {_T("CGopherFile"), kStdioFileReadString},
    {_T("CGopherFile"), kFileGetFileName},
    {_T("CGopherFile"), kFileGetFileTitle},
    {_T("CGopherFile"), kFileGetFilePath},
    {_T("CHttpFile"), kHttpFileGetFileURL},
    {_T("CHttpFile"), kStdioFileReadString},
    {_T("CHttpFile"), kFileGetFileName},
    {_T("CHttpFile"), kFileGetFileTitle},
    {_T("CHttpFile"), kFileGetFilePath},
    {_T("CFileFind"), kFileFindGetFileName},
    {_T("CFileFind"), kFileFindGetFilePath},
    {_T("CFileFind"), kFileFindGetFileTitle},
    {_T("CFileFind"), kFileFindGetFileURL},
    {_T("CFileFind"), kFileFindGetRoot},
    {_T("CFtpFileFind"), kFileFindGetFileName},
    {_T("CFtpFileFind"), kFileFindGetFilePath},
    {_T("CFtpFileFind"), kFileFindGetFileTitle},
    {_T("CFtpFileFind"), kFileFindGetFileURL},
    {_T("CFtpFileFind"), kFileFindGetRoot},
    {_T("CGopherFileFind"), kFileFindGetFileName},
    {_T("CGopherFileFind"), kFileFindGetFilePath},
    {_T("CGopherFileFind"), kFileFindGetFileTitle},
    {_T("CGopherFileFind"), kFileFindGetFileURL},
    {_T("CGopherFileFind"), kFileFindGetRoot},
    {_T("COleControl"), kOleControlGetMessageString},
    {_T("COleControl"), kOleControlOnGetDisplayString},
    {_T("CRecordset"), kRecordsetGetDefaultConnect},
    {_T("CRecordset"), kRecordsetGetDefaultSQL},
    {_T("CFrameWnd"), kFrameWndGetMessageString},
    {_T("CMDIChildWnd"), kFrameWndGetMessageString},
    {_T("CMDIFrameWnd"), kFrameWndGetMessageString},
    {_T("CMiniFrameWnd"), kFrameWndGetMessageString},
    {_T("COleIPFrameWnd"), kFrameWndGetMessageString},
};

CParamNode* MakeParam(const FixParam& p) { return p.word2 ? new CParamNode(p.word1, p.word2) : new CParamNode(p.word1); }

CParamListNode* MakeParams(const FixMethod& m) {
  CParamNode* p[5] = {};
  for (int i = m.paramCount - 1; i >= 0; --i) p[i] = MakeParam(m.params[i]);
  switch (m.paramCount) {
    case 1: return new CParamListNode(p[0]);
    case 2: return new CParamListNode(p[0], p[1]);
    case 5: return new CParamListNode(p[0], p[1], p[2], p[3], p[4]);
    default: return new CParamListNode;
  }
}

}  // namespace

COwningObList* BuildFixTable() {
  COwningObList* table = new COwningObList;
  for (const FixRow& row : kRows) {
    const FixMethod& m = kMethods[row.method];
    CParamListNode* params = MakeParams(m);
    CTypeNode* type = m.returnType[1] ? new CTypeNode(m.returnType[0], m.returnType[1]) : new CTypeNode(m.returnType[0]);
    CMemberNode* method = new CMemberNode(kAccessPublic, m.name, type, params);
    table->AddTail(new CFixEntry(m.macro, method, row.className));
  }
  return table;
}
