// The add-on list under Wine: rows and their texts, deleting by position
// (two files of one name), updating one row without losing the selection.
#include "AddOnListCtrl.h"
#include "AddOnRows.h"
#include "UiTestKit.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <memory>
#include <vector>

namespace {

const UINT kListId = 1086;

CAddOnFile* MakeFile(const TCHAR* name, const TCHAR* exportPath, const TCHAR* description, size_t bytes) {
  CAddOnFile* file = new CAddOnFile(name, exportPath, _T(""));
  file->SetDescription(description);
  file->SetContents(std::vector<BYTE>(bytes, 'x'));
  return file;
}

class AddOnListTest : public ::testing::Test {
 protected:
  void SetUp() override {
    InitCommonControls();
    m_host = CreateWindowEx(0, _T("STATIC"), _T("host"), WS_POPUP, 0, 0, 400, 200, nullptr, nullptr,
                            GetModuleHandle(nullptr), nullptr);
    ASSERT_NE(nullptr, m_host);
    HWND list = CreateWindowEx(0, WC_LISTVIEW, _T(""), WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SHOWSELALWAYS,
                               0, 0, 380, 180, m_host, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kListId)),
                               GetModuleHandle(nullptr), nullptr);
    ASSERT_NE(nullptr, list);
    m_parent.Attach(m_host);
    // No bitmap 188 in a test program: the list must work without images.
    ASSERT_TRUE(m_list.AttachTo(&m_parent, kListId));
    m_list.InsertColumns(_T("Dateiname"), _T("Austausch-Pfad"), _T("Datei-Info"), _T("Dateil\u00E4nge"));
    m_files.Append(MakeFile(_T("liesmich.txt"), _T("doc\\"), _T("first"), 12));
    m_files.Append(MakeFile(_T("ARCHIVE.ZIP"), _T(""), _T("second"), 0));
    m_files.Append(MakeFile(_T("liesmich.txt"), _T("doc\\"), _T("third"), 3));
  }
  void TearDown() override {
    m_list.UnsubclassWindow();
    m_parent.Detach();
    if (m_host) DestroyWindow(m_host);
  }

  lwtest::Watchdog m_dog{30};
  HWND m_host = nullptr;
  CWnd m_parent;
  CAddOnListCtrl m_list;
  CAddOnFileList m_files;
};

TEST_F(AddOnListTest, FillShowsEveryColumn) {
  m_list.Fill(m_files);
  const std::vector<CString> names = lwtest::ListItems(m_list.m_hWnd, 0);
  const std::vector<CString> paths = lwtest::ListItems(m_list.m_hWnd, 1);
  const std::vector<CString> infos = lwtest::ListItems(m_list.m_hWnd, 2);
  const std::vector<CString> sizes = lwtest::ListItems(m_list.m_hWnd, 3);
  ASSERT_EQ(3u, names.size());
  const TCHAR* expected[3][4] = {
      {_T("liesmich.txt"), _T("doc\\"), _T("first"), _T("12 Byte")},
      {_T("ARCHIVE.ZIP"), _T(""), _T("second"), _T("0 Byte")},
      {_T("liesmich.txt"), _T("doc\\"), _T("third"), _T("3 Byte")},
  };
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(CString(expected[i][0]), names[i]);
    EXPECT_EQ(CString(expected[i][1]), paths[i]);
    EXPECT_EQ(CString(expected[i][2]), infos[i]);
    EXPECT_EQ(CString(expected[i][3]), sizes[i]);
  }
  EXPECT_EQ(static_cast<int>(kAddOnImageText), m_list.GetItemImage(0));
  EXPECT_EQ(static_cast<int>(kAddOnImageOther), m_list.GetItemImage(1));
  // Filling again replaces the rows.
  m_list.Fill(m_files);
  EXPECT_EQ(3, m_list.GetItemCount());
}

TEST_F(AddOnListTest, DeleteSelectedGoesByPosition) {
  m_list.Fill(m_files);
  m_list.SelectOnly(2);  // the second "liesmich.txt"
  EXPECT_EQ(1, m_list.DeleteSelected(m_files));
  ASSERT_EQ(2, m_files.GetCount());
  EXPECT_EQ(CString(_T("first")), m_files.GetAt(0)->GetDescription());
  EXPECT_EQ(CString(_T("second")), m_files.GetAt(1)->GetDescription());

  m_list.Fill(m_files);
  m_list.SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
  m_list.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
  EXPECT_EQ(2, m_list.DeleteSelected(m_files));
  EXPECT_EQ(0, m_files.GetCount());
}

TEST_F(AddOnListTest, SingleSelection) {
  m_list.Fill(m_files);
  EXPECT_EQ(-1, m_list.GetSingleSelection());
  m_list.SelectOnly(1);
  EXPECT_EQ(1, m_list.GetSingleSelection());
  m_list.SetItemState(2, LVIS_SELECTED, LVIS_SELECTED);
  EXPECT_EQ(-1, m_list.GetSingleSelection());
}

TEST_F(AddOnListTest, UpdateRowKeepsSelection) {
  m_list.Fill(m_files);
  m_list.SelectOnly(1);
  m_files.GetAt(1)->SetDescription(_T("changed"));
  m_files.GetAt(1)->SetExportPath(_T("neu\\"));
  m_list.UpdateRow(1, *m_files.GetAt(1));
  m_list.UpdateRow(7, *m_files.GetAt(1));  // no such row: nothing
  EXPECT_EQ(CString(_T("changed")), m_list.GetItemText(1, 2));
  EXPECT_EQ(CString(_T("neu\\")), m_list.GetItemText(1, 1));
  EXPECT_EQ(1, m_list.GetSingleSelection());
  EXPECT_EQ(3, m_list.GetItemCount());
}

}  // namespace
