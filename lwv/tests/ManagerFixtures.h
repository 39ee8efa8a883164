// Language files and message capture for the manager tests.
#pragma once

#include "CStringPrinter.h"
#include "LwFileInfo.h"
#include "LwvProgram.h"
#include "LwvMessage.h"
#include "LwvPaths.h"
#include "SwitchDlgModel.h"
#include "TranslationManager.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace mgrtest {

// A file of the test's own width in the build folder.
inline CString TempPath(const char* name) {
  CString path(LW_BINARY_DIR);
  path += _T("/mgr_");
  path += CString(name);
  path += sizeof(TCHAR) == 1 ? _T("_a") : _T("_u");
  return path;
}

inline void RemoveFile(const CString& path) {
  try {
    CFile::Remove(path);
  } catch (const CException&) {
  }
}

struct StringPair {
  const TCHAR* original;
  const TCHAR* translation;
};

struct FileContents {
  std::vector<StringPair> strings;
  bool switchDialog = false;           // a kind-30 entry with 11 children
  const TCHAR* switchPrompt = nullptr;  // translation of its child 10
  const TCHAR* programName = _T("Probe");
  const TCHAR* addOnName = nullptr;     // one add-on file exported beside the language file
  const char* addOnBytes = "";
};

inline CTraFile* MakeFile(const FileContents& spec) {
  CTraNode* root = new CTraNode(nullptr, TRA_ROOT_NAME, TRA_ROOT_TEXT, TRA_RCFILE);
  root->AddChild(std::make_unique<CTraNode>(root, TRA_SECTION_MENUS, _T("Menu"), TRA_MENUGROUP));
  CTraNode* dialogs =
      root->AddChild(std::make_unique<CTraNode>(root, TRA_SECTION_DIALOGS, _T("Dialog"), TRA_DIALOGGROUP));
  if (spec.switchDialog) {
    CTraNode* sw = dialogs->AddChild(
        std::make_unique<CTraNode>(dialogs, _T("Sprache"), _T("Language"), TRA_SWITCHDIALOG, 100, 100));
    for (int i = 0; i <= LWV_SWITCH_PROMPT; ++i) {
      CString text;
      text.Format(_T("item %d"), i);
      CString tr = i == LWV_SWITCH_PROMPT && spec.switchPrompt ? CString(spec.switchPrompt) : text;
      sw->AddChild(std::make_unique<CTraNode>(sw, text, tr, TRA_STATIC, 10, 10));
    }
  }
  CTraNode* strings =
      root->AddChild(std::make_unique<CTraNode>(root, TRA_SECTION_STRINGS, _T("String Table"), TRA_STRINGGROUP));
  CTraNode* table = strings->AddChild(
      std::make_unique<CTraNode>(strings, _T("String Table Section 1"), _T("String Table Section 1"), TRA_STRINGTABLE));
  for (const StringPair& p : spec.strings)
    table->AddChild(std::make_unique<CTraNode>(table, p.original, p.translation, TRA_STRING));
  CTraFile* file = new CTraFile(root);
  file->SetProgramName(spec.programName);
  if (spec.addOnName) {
    CAddOnFile* addOn = new CAddOnFile(spec.addOnName, CString(), CString());
    std::vector<BYTE> bytes(spec.addOnBytes, spec.addOnBytes + std::strlen(spec.addOnBytes));
    addOn->SetContents(bytes);
    file->GetAddOnFiles()->Append(addOn);
  }
  return file;
}

inline void WriteFile(const CString& path, CTraFile& file) { ASSERT_TRUE(LwWriteLanguageFile(path, file)); }

inline CString WriteSpec(const char* name, const FileContents& spec) {
  CString path = TempPath(name);
  CTraFile* file = MakeFile(spec);
  WriteFile(path, *file);
  delete file;
  return path;
}

inline void WriteBytes(const CString& path, const std::vector<BYTE>& bytes) {
  CFile out(path, CFile::modeCreate | CFile::modeWrite);
  if (!bytes.empty()) out.Write(bytes.data(), static_cast<UINT>(bytes.size()));
  out.Close();
}

inline std::vector<BYTE> ReadBytes(const CString& path) {
  std::vector<BYTE> bytes;
  CFile in;
  if (!in.Open(path, CFile::modeRead)) return bytes;
  bytes.resize(static_cast<size_t>(in.GetLength()));
  if (!bytes.empty()) in.Read(bytes.data(), static_cast<UINT>(bytes.size()));
  return bytes;
}

// German originals with English translations, and the switch-dialog entry.
inline FileContents GermanToEnglish() {
  FileContents spec;
  spec.strings = {{_T("Datei nicht gefunden"), _T("File not found")},
                  {_T("%d Dateien"), _T("%d files")},
                  {_T("Hallo"), _T("Hello")},
                  {_T("Neu\nNeue Datei"), _T("New\nNew file")}};
  spec.switchDialog = true;
  spec.switchPrompt = _T("Switches the language\nLanguage");
  return spec;
}

inline LW_STARTPARAMS Params(const CString& stdFile) {
  LW_STARTPARAMS p;
  std::memset(&p, 0, sizeof(p));
  p.dwSize = sizeof(p);
  lw::StrCpyN(p.szStdFile, (LPCTSTR)stdFile, LW_PATH_CHARS);
  return p;
}

// Collects the library's message boxes instead of showing them.
class MessageCapture {
 public:
  MessageCapture() { s_messages.clear(); m_previous = LwvSetMessageHandler(&Collect); }
  ~MessageCapture() { LwvSetMessageHandler(m_previous); }
  const std::vector<CString>& Messages() const { return s_messages; }

 private:
  static void Collect(LPCTSTR text) { s_messages.push_back(CString(text)); }
  static inline std::vector<CString> s_messages;
  LwvMessageHandler m_previous;
};

inline int CountOf(const CString& text, const CString& part) {
  int n = 0;
  for (int at = text.Find(part); at >= 0; at = text.Find(part, at + 1)) ++n;
  return n;
}

// Every test leaves the process without a manager.
class ManagerTest : public ::testing::Test {
 protected:
  void TearDown() override { LWEnd(); }
  MessageCapture m_capture;
};

}  // namespace mgrtest
