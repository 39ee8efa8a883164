#include "LwvTestSupport.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace lwvtest {

std::vector<BYTE> WriteToBytes(CTraFile& file) {
  CMemFile mem;
  {
    CArchive ar(&mem, CArchive::store);
    file.Serialize(ar);
    ar.Close();
  }
  return std::vector<BYTE>(mem.Data(), mem.Data() + mem.GetLength());
}

void ReadFromBytes(std::vector<BYTE> bytes, CTraFile& file) {
  CMemFile mem(bytes.data(), static_cast<UINT>(bytes.size()));
  CArchive ar(&mem, CArchive::load, 4096);
  file.Serialize(ar);
}

std::unique_ptr<CTraFile> RoundTrip(CTraFile& file) {
  std::unique_ptr<CTraFile> copy(new CTraFile);
  ReadFromBytes(WriteToBytes(file), *copy);
  return copy;
}

#ifdef _WIN32
void RemoveTree(const CString& dir) {
  WIN32_FIND_DATA data;
  HANDLE find = FindFirstFile(dir + _T("\\*"), &data);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      CString name = data.cFileName;
      if (name == _T(".") || name == _T("..")) continue;
      CString path = dir + _T("\\") + name;
      if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        RemoveTree(path);
      else
        DeleteFile(path);
    } while (FindNextFile(find, &data));
    FindClose(find);
  }
  RemoveDirectory(dir);
}
#endif

CString ScratchDir(const char* name) {
  // Each width has its own folders: the two programs may run at once.
#ifdef _UNICODE
  CString dir = CString(LW_BINARY_DIR) + _T("\\lwvscratch\\u_") + CString(name);
#else
  CString dir = CString(LW_BINARY_DIR) + _T("\\lwvscratch\\a_") + CString(name);
#endif
#ifdef _WIN32
  dir.Replace(_T('/'), _T('\\'));
  CreateDirectory(CString(LW_BINARY_DIR) + _T("\\lwvscratch"), nullptr);
  RemoveTree(dir);
  CreateDirectory(dir, nullptr);
#else
  std::string host = lw::HostPath(dir);
  std::string cmd = "rm -rf '" + host + "' && mkdir -p '" + host + "'";
  if (system(cmd.c_str()) != 0) return CString();
#endif
  return dir + _T("\\");
}

bool WriteBytesTo(const CString& path, const std::vector<BYTE>& bytes) {
  try {
    CFile f;
    if (!f.Open(path, CFile::modeCreate | CFile::modeWrite)) return false;
    if (!bytes.empty()) f.Write(bytes.data(), static_cast<UINT>(bytes.size()));
    f.Close();
    return true;
  } catch (const CException&) {
    return false;
  }
}

bool ReadBytesFrom(const CString& path, std::vector<BYTE>& bytes) {
  try {
    CFile f;
    if (!f.Open(path, CFile::modeRead | CFile::shareDenyNone)) return false;
    bytes.resize(static_cast<size_t>(f.GetLength()));
    if (!bytes.empty() && f.Read(bytes.data(), static_cast<UINT>(bytes.size())) != bytes.size()) return false;
    return true;
  } catch (const CException&) {
    return false;
  }
}

bool FileExists(const CString& path) {
  CFileStatus status;
  return CFile::GetStatus(path, status) != FALSE;
}

CTraNode* AddNode(CTraNode* parent, const CString& original, const CString& translation, int kind) {
  CTraNode* node = parent->AddChild(std::make_unique<CTraNode>(parent, original, translation, kind));
  return node;
}

CTraNode* AddPlaced(CTraNode* parent, const CString& original, const CString& translation, int kind, LONG x, LONG y,
                    LONG w, LONG h) {
  RECT r = {x, y, x + w, y + h};
  CTraNode* node =
      parent->AddChild(std::make_unique<CTraNode>(parent, original, translation, kind, 0, 0x50010000, r, r));
  return node;
}

std::unique_ptr<CTraFile> MakeSampleFile() {
  CTraNode* root = new CTraNode(nullptr, TRA_ROOT_NAME, TRA_ROOT_TEXT, TRA_RCFILE);
  std::unique_ptr<CTraFile> file(new CTraFile(root));

  CTraNode* menus = AddNode(root, TRA_SECTION_MENUS, _T("Menu"), TRA_MENUGROUP);
  CTraNode* menu = AddNode(menus, _T("IDR_MAINFRAME"), _T("IDR_MAINFRAME"), TRA_MENU);
  CTraNode* popup = AddNode(menu, _T("&Datei"), _T("&File"), TRA_POPUP);
  AddNode(popup, W("\u00D6&ffnen...\tStrg+O"), _T("&Open...\tCtrl+O"), TRA_MENUITEM);
  AddNode(popup, _T("&Beenden"), _T("E&xit"), TRA_MENUITEM)->SetState(TRA_STATE_NEW);

  CTraNode* dialogs = AddNode(root, TRA_SECTION_DIALOGS, _T("Dialog"), TRA_DIALOGGROUP);
  CTraNode* dialog = AddPlaced(dialogs, W("Gr\u00F6\u00DFe \u00E4ndern"), _T("Change size"), TRA_DIALOG, 0, 0, 186, 95);
  dialog->GetLayout()->m_strFontFace = _T("MS Sans Serif");
  dialog->GetLayout()->m_nFontSize = 8;
  dialog->GetLayout()->m_nExStyle = 0x10;
  dialog->GetLayout()->m_rcTranslated.right += 20;
  AddPlaced(dialog, _T("OK"), _T("OK"), TRA_PUSHBUTTON, 129, 7, 50, 14);
  AddPlaced(dialog, _T("Abbrechen"), _T("Cancel"), TRA_PUSHBUTTON, 129, 24, 50, 14);
  AddPlaced(dialog, _T("&Breite:"), _T("&Width:"), TRA_STATIC, 7, 7, 40, 8);
  AddPlaced(dialog, _T(""), _T(""), TRA_EDIT, 50, 7, 60, 12);
  AddPlaced(dialog, _T("SysListView32"), _T(""), TRA_COMMONCONTROL, 7, 30, 100, 50);
  dialogs->AddChild(std::make_unique<CTraNode>(dialogs, _T("Info"), _T("About"), TRA_DIALOG, 120, 60));
  dialogs->AddChild(
      std::make_unique<CTraNode>(dialogs, W("Sprache w\u00E4hlen"), _T("Choose language"), TRA_SWITCHDIALOG, 250, 250));

  CTraNode* strings = AddNode(root, TRA_SECTION_STRINGS, _T("String Table"), TRA_STRINGGROUP);
  CTraNode* table1 = AddNode(strings, _T("String Table Section 1"), _T("String Table Section 1"), TRA_STRINGTABLE);
  AddNode(table1, W("Datei \u00F6ffnen\n\u00D6ffnen"), _T("Open a file\nOpen"), TRA_STRING);
  AddNode(table1, _T("Fehler %s in Zeile %d"), _T("Error %s in line %d"), TRA_STRING);
  CTraNode* table2 = AddNode(strings, _T("String Table Section 2"), _T("String Table Section 2"), TRA_STRINGTABLE);
  AddNode(table2, _T("Bereit"), _T("Ready"), TRA_STRING);
  root->ResetStates();
  popup->GetChild(1)->SetState(TRA_STATE_NEW);
  root->PropagateStates();

  file->SetProgramName(_T("Demo"));
  file->SetProgramVersion(_T("1.0"));
  file->SetLanguageName(_T("English"));
  file->SetComment(W("Kommentar mit \u00FC"));
  file->SetAuthor(_T("Autorin"));
  file->SetDate(_T("2024-05-17"));
  file->SetFifthText(W("f\u00FCnf"));
  file->SetLanguageId(MAKELANGID(0x09, 0x01));
  file->SetReserved(0x12345678);
  file->SetCarriedValue(0xCAFE);
  file->SetFlags(TRA_FLAG_WIZARD);
  BYTE options[TRA_OPTION_COUNT] = {0};
  options[1] = 1;
  options[3] = 1;
  options[20] = 1;
  file->SetStdDialogOptions(options);
  for (int i = 0; i < TRA_FLAG_PIXELS; ++i) file->SetFlagPixel(i, RGB(i % 32 * 8, i / 32 * 8, (i * 7) & 0xFF));

  CAddOnFile* readme = new CAddOnFile(_T("liesmich.txt"), _T("help\\"), _T("C:\\src\\"));
  readme->SetDate(_T("2024-05-17 10:30"));
  readme->SetDescription(_T("Hilfetext"));
  std::string text = "Hallo\r\nWelt\r\n";
  readme->SetContents(std::vector<BYTE>(text.begin(), text.end()));
  file->GetAddOnFiles()->Append(readme);
  CAddOnFile* empty = new CAddOnFile(_T("leer.dat"), _T(""), _T(""));
  empty->SetDate(_T("2024-05-17 10:31"));
  file->GetAddOnFiles()->Append(empty);
  return file;
}

void ExpectSameTree(const CTraNode* a, const CTraNode* b) {
  ASSERT_EQ(a == nullptr, b == nullptr);
  if (!a) return;
  SCOPED_TRACE(std::string("node ") + lw::ToNarrow(a->GetOriginal(), a->GetOriginal().GetLength(), CP_UTF8));
  EXPECT_EQ(a->GetOriginal(), b->GetOriginal());
  EXPECT_EQ(a->GetTranslation(), b->GetTranslation());
  EXPECT_EQ(a->GetKind(), b->GetKind());
  EXPECT_EQ(a->GetState(), b->GetState());
  ASSERT_EQ(a->GetLayout() == nullptr, b->GetLayout() == nullptr);
  if (a->GetLayout()) {
    EXPECT_TRUE(EqualRects(a->GetLayout()->m_rcOriginal, b->GetLayout()->m_rcOriginal));
    EXPECT_TRUE(EqualRects(a->GetLayout()->m_rcTranslated, b->GetLayout()->m_rcTranslated));
    EXPECT_EQ(a->GetLayout()->m_nStyle, b->GetLayout()->m_nStyle);
    EXPECT_EQ(a->GetLayout()->m_nExStyle, b->GetLayout()->m_nExStyle);
    EXPECT_EQ(a->GetLayout()->m_strFontFace, b->GetLayout()->m_strFontFace);
    EXPECT_EQ(a->GetLayout()->m_nFontSize, b->GetLayout()->m_nFontSize);
  }
  ASSERT_EQ(a->GetChildCount(), b->GetChildCount());
  for (int i = 0; i < a->GetChildCount(); ++i) {
    EXPECT_EQ(a, a->GetChild(i)->GetParent());
    EXPECT_EQ(b, b->GetChild(i)->GetParent());
    ExpectSameTree(a->GetChild(i), b->GetChild(i));
  }
}

void ExpectSameFile(const CTraFile& a, const CTraFile& b) {
  EXPECT_EQ(a.GetProgramName(), b.GetProgramName());
  EXPECT_EQ(a.GetProgramVersion(), b.GetProgramVersion());
  EXPECT_EQ(a.GetLanguageName(), b.GetLanguageName());
  EXPECT_EQ(a.GetComment(), b.GetComment());
  EXPECT_EQ(a.GetAuthor(), b.GetAuthor());
  EXPECT_EQ(a.GetDate(), b.GetDate());
  EXPECT_EQ(a.GetFifthText(), b.GetFifthText());
  EXPECT_EQ(a.GetLanguageId(), b.GetLanguageId());
  EXPECT_EQ(a.GetVersion(), b.GetVersion());
  EXPECT_EQ(a.GetReserved(), b.GetReserved());
  EXPECT_EQ(a.GetFlags(), b.GetFlags());
  EXPECT_EQ(a.GetCarriedValue(), b.GetCarriedValue());
  for (int i = 0; i < TRA_FLAG_PIXELS; ++i) ASSERT_EQ(a.GetFlagPixel(i), b.GetFlagPixel(i)) << "pixel " << i;
  for (int i = 0; i < TRA_OPTION_COUNT; ++i)
    ASSERT_EQ(a.GetStdDialogOptions()[i], b.GetStdDialogOptions()[i]) << "option " << i;
  const CAddOnFileList* la = a.GetAddOnFiles();
  const CAddOnFileList* lb = b.GetAddOnFiles();
  ASSERT_EQ(la->GetCount(), lb->GetCount());
  for (int i = 0; i < la->GetCount(); ++i) {
    const CAddOnFile* x = la->GetAt(i);
    const CAddOnFile* y = lb->GetAt(i);
    EXPECT_EQ(x->GetFileName(), y->GetFileName());
    EXPECT_EQ(x->GetExportPath(), y->GetExportPath());
    EXPECT_EQ(x->GetStoredPath(), y->GetStoredPath());
    EXPECT_EQ(x->GetDate(), y->GetDate());
    EXPECT_EQ(x->GetDescription(), y->GetDescription());
    EXPECT_EQ(x->GetImportCounter(), y->GetImportCounter());
    EXPECT_EQ(x->GetContents(), y->GetContents());
  }
  ExpectSameTree(a.GetRootNode(), b.GetRootNode());
}

}  // namespace lwvtest
