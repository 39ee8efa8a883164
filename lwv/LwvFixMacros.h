// The fix macros of LwvMFC.h: once CString means __X_CString, a program's
// override of a framework method that takes a CString& is written with
// __X_CString& and no longer overrides. The macro, on a line of its own in
// the same class (no semicolon needed), adds the override with the
// framework's own string type, which hands the text to the program's method
// and takes back what it wrote there:
//
//   void GetMessageString(UINT nID, CString& rMessage) const;
//   LWFIX_CFRAMEWND_GETMESSAGESTRING()
//
// A method that returns its text by value cannot be fixed this way (C++
// allows no second function that differs only in its return type); its
// macro adds nothing, and an override of such a virtual method names the
// framework's type LwFrameworkString as its return type.
// Does not map CString itself (LwvMFC.h does).
#pragma once

#include "Framework.h"

// The framework's string type, whatever CString means in the program.
typedef CStringT<TCHAR> LwFrameworkString;

// An override with the framework's string reference at one parameter
// position: the text goes into the program's method as a __X_CString and
// comes back. ret/method/quals name the method; the rest are the parameter
// lists with and without types, the string parameter named lwText.
#define LW_FIX_FORWARD(ret, method, quals, params, args) \
  ret method params quals {                              \
    __X_CString lwMapped(lwText);                        \
    struct LwCopyBack {                                  \
      LwFrameworkString& to;                             \
      __X_CString& from;                                 \
      ~LwCopyBack() { to = from; }                       \
    } lwCopyBack{lwText, lwMapped};                      \
    return method args;                                  \
  }

// A macro of a method that returns its text by value: nothing to add.
#define LW_FIX_NONE(what) static_assert(true, what);

#define LWFIX_CFRAMEWND_GETMESSAGESTRING() \
  LW_FIX_FORWARD(void, GetMessageString, const, (UINT lwId, LwFrameworkString & lwText), (lwId, lwMapped))
#define LWFIX_COLECONTROL_GETMESSAGESTRING() \
  LW_FIX_FORWARD(void, GetMessageString, const, (UINT lwId, LwFrameworkString & lwText), (lwId, lwMapped))
#define LWFIX_COLECONTROL_ONGETDISPLAYSTRING() \
  LW_FIX_FORWARD(BOOL, OnGetDisplayString, , (DISPID lwId, LwFrameworkString & lwText), (lwId, lwMapped))
#define LWFIX_CDOCTEMPLATE_GETDOCSTRING()                                                                       \
  LW_FIX_FORWARD(BOOL, GetDocString, const, (LwFrameworkString & lwText, enum DocStringIndex lwIndex), \
                 (lwMapped, lwIndex))
#define LWFIX_CDOCMANAGER_DOPROMPTFILENAME()                                                            \
  LW_FIX_FORWARD(BOOL, DoPromptFileName, ,                                                              \
                 (LwFrameworkString & lwText, UINT lwTitleId, DWORD lwFlags, BOOL lwOpen, CDocTemplate * lwTemplate), \
                 (lwMapped, lwTitleId, lwFlags, lwOpen, lwTemplate))
#define LWFIX_COLESERVERDOC_GETFILETYPESTRING() \
  LW_FIX_FORWARD(BOOL, GetFileTypeString, , (LwFrameworkString & lwText), (lwMapped))
#define LWFIX_CSTDIOFILE_READSTRING() LW_FIX_FORWARD(BOOL, ReadString, , (LwFrameworkString & lwText), (lwMapped))

#define LWFIX_CDAORECORDSET_GETDEFAULTDBNAME() LW_FIX_NONE("CDaoRecordset::GetDefaultDBName returns its text")
#define LWFIX_CDAORECORDSET_GETDEFAULTSQL() LW_FIX_NONE("CDaoRecordset::GetDefaultSQL returns its text")
#define LWFIX_CFILE_GETFILENAME() LW_FIX_NONE("CFile::GetFileName returns its text")
#define LWFIX_CFILE_GETFILETITLE() LW_FIX_NONE("CFile::GetFileTitle returns its text")
#define LWFIX_CFILE_GETFILEPATH() LW_FIX_NONE("CFile::GetFilePath returns its text")
#define LWFIX_COLESTREAMFILE_GETSTORAGENAME() LW_FIX_NONE("COleStreamFile::GetStorageName returns its text")
#define LWFIX_CHTTPFILE_GETFILEURL() LW_FIX_NONE("CHttpFile::GetFileURL returns its text")
#define LWFIX_CFILEFIND_GETFILENAME() LW_FIX_NONE("CFileFind::GetFileName returns its text")
#define LWFIX_CFILEFIND_GETFILEPATH() LW_FIX_NONE("CFileFind::GetFilePath returns its text")
#define LWFIX_CFILEFIND_GETFILETITLE() LW_FIX_NONE("CFileFind::GetFileTitle returns its text")
#define LWFIX_CFILEFIND_GETFILEURL() LW_FIX_NONE("CFileFind::GetFileURL returns its text")
#define LWFIX_CFILEFIND_GETROOT() LW_FIX_NONE("CFileFind::GetRoot returns its text")
#define LWFIX_CRECORDSET_GETDEFAULTCONNECT() LW_FIX_NONE("CRecordset::GetDefaultConnect returns its text")
#define LWFIX_CRECORDSET_GETDEFAULTSQL() LW_FIX_NONE("CRecordset::GetDefaultSQL returns its text")
