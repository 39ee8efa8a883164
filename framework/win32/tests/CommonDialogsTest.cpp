#include "ControlsTestUi.h"
#include "TestPaths.h"

#include <gtest/gtest.h>

#include <dlgs.h>

#include <set>

namespace {

using lwtest::ModalDriver;
using lwtest::PumpUntil;

HWND TopDialog() {
  std::vector<HWND> dialogs = lwtest::OwnDialogs();
  return dialogs.empty() ? nullptr : dialogs.front();
}

// The file dialog's name field: a combo box in the explorer form, else an edit.
HWND FileNameField(HWND dialog) {
  HWND field = ::GetDlgItem(dialog, cmb13);
  return field ? field : ::GetDlgItem(dialog, edt1);
}

// Sixty files whose names together fill far more than MAX_PATH.
CString MakeSixtyFiles(std::set<CString>& paths) {
  CString dir = lwtest::ScratchDir("filedialog");
  dir.Replace(_T('/'), _T('\\'));  // as the dialog writes it
  for (int i = 0; i < 60; ++i) {
    CString name;
    name.Format(_T("Ressourcenskript_Nummer_%02d_mit_einem_recht_langen_Namen.rc"), i);
    CString path = dir + name;
    HANDLE file = ::CreateFile(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) ::CloseHandle(file);
    paths.insert(path);
  }
  return dir;
}

CString QuotedNames(const std::set<CString>& paths) {
  CString names;
  for (const CString& path : paths) names += _T("\"") + path.Mid(path.ReverseFind(_T('\\')) + 1) + _T("\" ");
  return names;
}

// The seam's file chooser with multiple selection, answered in the system
// dialog: all sixty full paths come back through the large name buffer.
TEST(CommonDialogs, MultiSelectFileChooserReturnsSixtyNames) {
  lwtest::InitControls();
  std::set<CString> expected;
  CString dir = MakeSixtyFiles(expected);
  CString names = QuotedNames(expected);
  ASSERT_GT(names.GetLength(), 3 * MAX_PATH);
  CWinUiServices ui;
  LwFileChoice choice;
  choice.bMultiSelect = true;
  choice.strFilter = _T("Ressourcen (*.rc)|*.rc||");
  choice.strDefExt = _T("rc");
  choice.strInitialPath = dir.Left(dir.GetLength() - 1);
  choice.strTitle = _T("Skripte einf\xfcgen");
  CString title;
  ModalDriver script({
      [&] {
        HWND dialog = TopDialog();
        if (!dialog || !FileNameField(dialog)) return false;
        title = CWnd(dialog).GetWindowTextString();
        ::SetWindowText(FileNameField(dialog), names);
        ::PostMessage(dialog, WM_COMMAND, IDOK, 0);
        return true;
      },
  });
  ASSERT_TRUE(ui.ChooseFile(choice));
  EXPECT_FALSE(script.TimedOut());
  EXPECT_EQ(title, CString(_T("Skripte einf\xfcgen")));
  ASSERT_EQ(choice.paths.GetSize(), 60);
  std::set<CString> got;
  for (INT_PTR i = 0; i < choice.paths.GetSize(); ++i) got.insert(choice.paths[i]);
  EXPECT_EQ(got.size(), 60u);
  for (const CString& path : expected) EXPECT_EQ(got.count(path), 1u) << CStringA(path).GetString();
}

// One name with multiple selection allowed comes back as one full path;
// Cancel gives nothing.
TEST(CommonDialogs, FileDialogSingleNameAndCancel) {
  std::set<CString> files;
  CString dir = MakeSixtyFiles(files);
  CString one = *files.begin();
  for (bool cancel : {false, true}) {
    SCOPED_TRACE(cancel);
    CFileDialog dialog(TRUE, nullptr, nullptr, OFN_ALLOWMULTISELECT | OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                       _T("Alle Dateien (*.*)|*.*||"));
    dialog.m_ofn.lpstrInitialDir = dir;
    ModalDriver script({
        [&] {
          HWND box = TopDialog();
          if (!box || !FileNameField(box)) return false;
          ::SetWindowText(FileNameField(box), one);
          ::PostMessage(box, WM_COMMAND, cancel ? IDCANCEL : IDOK, 0);
          return true;
        },
    });
    EXPECT_EQ(dialog.DoModal(), cancel ? IDCANCEL : IDOK);
    EXPECT_FALSE(script.TimedOut());
    if (cancel) continue;
    EXPECT_EQ(dialog.GetPathName(), one);
    POSITION pos = dialog.GetStartPosition();
    ASSERT_NE(pos, nullptr);
    EXPECT_EQ(dialog.GetNextPathName(pos), one);
    EXPECT_EQ(pos, nullptr);
  }
}

// The seam's message box and font chooser answered in the system's windows;
// the flag picker is the program's own and answers false here.
TEST(CommonDialogs, SeamMessageBoxFontChooserAndFlag) {
  CWinUiServices ui;
  CString shown;
  ModalDriver answerBox({
      [&] {
        HWND box = TopDialog();
        if (!box) return false;
        shown = lwtest::MessageBoxText(box);
        ::PostMessage(box, WM_COMMAND, IDNO, 0);
        return true;
      },
  });
  EXPECT_EQ(ui.ShowMessage(_T("Wollen Sie die \xc4nderungen speichern ?"), MB_YESNO), IDNO);
  EXPECT_FALSE(answerBox.TimedOut());
  EXPECT_EQ(shown, CString(_T("Wollen Sie die \xc4nderungen speichern ?")));

  for (bool cancel : {false, true}) {
    SCOPED_TRACE(cancel);
    LwFontChoice font;
    font.strFaceName = _T("Courier New");
    font.nHeight = -15;
    CString faceShown;
    ModalDriver answerFont({
        [&] {
          HWND box = TopDialog();
          if (!box || !::GetDlgItem(box, cmb1)) return false;
          faceShown = CWnd::FromHandle(::GetDlgItem(box, cmb1))->GetWindowTextString();
          ::PostMessage(box, WM_COMMAND, cancel ? IDCANCEL : IDOK, 0);
          return true;
        },
    });
    EXPECT_EQ(ui.ChooseFont(font), !cancel);
    EXPECT_FALSE(answerFont.TimedOut());
    if (cancel) continue;
    EXPECT_FALSE(font.strFaceName.IsEmpty());
    EXPECT_EQ(font.strFaceName, faceShown);
    EXPECT_GT(font.nPointSize10, 0);
  }
  LwFlagChoice flag;
  EXPECT_FALSE(ui.PickFlag(flag));
}

// The modeless find dialog tells its owner through the registered message
// and deletes its object when it closes.
int g_findDeleted = 0;

class CCountedFind : public CFindReplaceDialog {
 public:
  ~CCountedFind() override { ++g_findDeleted; }
};

UINT g_findMessage = CFindReplaceDialog::GetFindReplaceMessage();

class CFindOwner : public CWnd {
 public:
  std::vector<CString> searches;
  int terminations = 0;
  BOOL lastDown = FALSE, lastCase = FALSE;
  LRESULT OnFindReplace(WPARAM, LPARAM lParam) {
    CFindReplaceDialog* dialog = CFindReplaceDialog::GetNotifier(lParam);
    if (dialog->IsTerminating()) {
      ++terminations;
    } else if (dialog->FindNext()) {
      searches.push_back(dialog->GetFindString());
      lastDown = dialog->SearchDown();
      lastCase = dialog->MatchCase();
    }
    return 0;
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CFindOwner, CWnd)
  ON_REGISTERED_MESSAGE(g_findMessage, OnFindReplace)
END_MESSAGE_MAP()

TEST(CommonDialogs, FindDialogSpeaksThroughTheRegisteredMessage) {
  lwtest::Watchdog watchdog(60);
  EXPECT_EQ(g_findMessage, ::RegisterWindowMessage(_T("commdlg_FindReplace")));
  CFindOwner owner;
  ASSERT_TRUE(owner.CreateEx(0, nullptr, _T("Editor"), WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 300, 200),
                             nullptr, 0));
  g_findDeleted = 0;
  auto* find = new CCountedFind;
  ASSERT_TRUE(find->Create(TRUE, _T("Suchtext"), nullptr, FR_DOWN | FR_MATCHCASE, &owner));
  HWND box = find->m_hWnd;
  EXPECT_EQ(CWnd::FromHandlePermanent(box), find);
  EXPECT_EQ(CWnd(box).GetDlgItem(edt1)->GetWindowTextString(), CString(_T("Suchtext")));
  ::PostMessage(box, WM_COMMAND, IDOK, 0);  // "Weitersuchen"
  EXPECT_TRUE(PumpUntil([&] { return owner.searches.size() == 1; }));
  ASSERT_EQ(owner.searches.size(), 1u);
  EXPECT_EQ(owner.searches[0], CString(_T("Suchtext")));
  EXPECT_TRUE(owner.lastDown);
  EXPECT_TRUE(owner.lastCase);
  ::PostMessage(box, WM_COMMAND, IDCANCEL, 0);
  EXPECT_TRUE(PumpUntil([&] { return g_findDeleted == 1; }));
  EXPECT_EQ(owner.terminations, 1);
  EXPECT_FALSE(::IsWindow(box));
  owner.DestroyWindow();
}

}  // namespace
