// Writes the sample's English language file with the library's own writer:
// the originals are the German texts of the sample's string table, read from
// the built program, the translations come from the table below. The file
// the build puts beside the program (samples/LwvSample.tra) must be exactly
// what this writes; after a change of the table or the string table, copy
// the written file over it.
#include "Framework.h"
#include "TraFile.h"
#include "resource.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

struct Translation {
  UINT id;
  const WCHAR* english;
};

const Translation kEnglish[] = {
    {IDS_APPLIED, L"Entries taken over: %s, %d pieces, colour %s, %s."},
    {IDS_CONFIRM_EXIT, L"Do you really want to quit the sample?"},
    {IDS_COLOR_RED, L"Red"},
    {IDS_COLOR_GREEN, L"Green"},
    {IDS_COLOR_BLUE, L"Blue"},
    {IDS_NOTIFY_ON, L"with notification"},
    {IDS_NOTIFY_OFF, L"without notification"},
};

// The German text of a string id in the built program's resources.
CString GermanText(HMODULE program, UINT id) {
  const WCHAR* text = nullptr;
  int length = ::LoadStringW(program, id, reinterpret_cast<LPWSTR>(&text), 0);
  return length > 0 ? CString(CStringW(text, length)) : CString();
}

std::unique_ptr<CTraFile> MakeEnglishFile(HMODULE program) {
  CTraNode* root = new CTraNode(nullptr, TRA_ROOT_NAME, TRA_ROOT_TEXT, TRA_RCFILE);
  root->AddChild(new CTraNode(root, TRA_SECTION_MENUS, _T("Menu"), TRA_MENUGROUP));
  root->AddChild(new CTraNode(root, TRA_SECTION_DIALOGS, _T("Dialog"), TRA_DIALOGGROUP));
  CTraNode* strings = new CTraNode(root, TRA_SECTION_STRINGS, _T("String Table"), TRA_STRINGGROUP);
  root->AddChild(strings);
  CString tableName;
  tableName.Format(TRA_STRINGTABLE_NAME, 1);
  CTraNode* table = new CTraNode(strings, tableName, tableName, TRA_STRINGTABLE);
  strings->AddChild(table);
  for (const Translation& t : kEnglish) {
    CString german = GermanText(program, t.id);
    EXPECT_FALSE(german.IsEmpty()) << "string " << t.id << " is not in the program";
    table->AddChild(new CTraNode(table, german, CString(CStringW(t.english)), TRA_STRING));
  }
  std::unique_ptr<CTraFile> file(new CTraFile(root));
  file->SetProgramName(_T("LwvSample"));
  file->SetProgramVersion(_T("1.0"));
  file->SetLanguageName(_T("English"));
  file->SetLanguageId(MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US));
  file->SetOriginal(false);
  return file;
}

std::vector<BYTE> ReadAll(const CString& path) {
  std::vector<BYTE> bytes;
  CFile in;
  if (!in.Open(path, CFile::modeRead | CFile::shareDenyWrite)) return bytes;
  bytes.resize(static_cast<size_t>(in.GetLength()));
  if (!bytes.empty()) in.Read(bytes.data(), static_cast<UINT>(bytes.size()));
  return bytes;
}

TEST(SampleTra, CommittedFileIsWhatTheWriterMakesFromTheStringTable) {
  HMODULE program = ::LoadLibraryEx(_T(LW_SAMPLE_U), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(program, nullptr);
  std::unique_ptr<CTraFile> file = MakeEnglishFile(program);
  ::FreeLibrary(program);

  const CString written = CString(_T(LW_BINARY_DIR)) + _T("/samples/LwvSample.written.tra");
  {
    CAtomicFile out;
    ASSERT_TRUE(out.Open(written, CFile::modeCreate | CFile::modeWrite));
    CArchive ar(&out, CArchive::store);
    file->Serialize(ar);
    ar.Close();
    out.Commit();
  }
  std::vector<BYTE> made = ReadAll(written);
  ASSERT_FALSE(made.empty());
  std::vector<BYTE> committed = ReadAll(CString(_T(LW_SOURCE_DIR)) + _T("/samples/LwvSample.tra"));
  EXPECT_TRUE(made == committed) << "samples/LwvSample.tra is out of date: copy " << CStringA(written).GetString()
                                 << " over it";
}

}  // namespace
