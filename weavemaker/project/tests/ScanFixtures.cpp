#include "ScanFixtures.h"

#include "LwvMessage.h"
#include "TestPaths.h"
#include "TranslationManager.h"

#include <stdexcept>

namespace scantest {

CString FreshFolder(const char* name) { return lwtest::FreshScratchDir(name); }

void WriteText(const CString& path, const std::string& text) {
  CFile out(path, CFile::modeCreate | CFile::modeWrite);
  out.Write(text.data(), static_cast<UINT>(text.size()));
}

bool Exists(const CString& path) {
  CFile in;
  return in.Open(path, CFile::modeRead | CFile::shareDenyNone) != FALSE;
}

const char kScriptA[] =
    "IDD_ABOUT DIALOG 0, 0, 100, 50\n"
    "CAPTION \"Info\"\n"
    "BEGIN\n"
    "  DEFPUSHBUTTON \"OK\", IDOK, 10, 10, 40, 14\n"
    "  LTEXT \"Version 1.0\", IDC_STATIC, 10, 30, 80, 8\n"
    "END\n"
    "IDR_MAIN MENU\n"
    "BEGIN\n"
    "  POPUP \"&Datei\"\n"
    "  BEGIN\n"
    "    MENUITEM \"&Beenden\", 100\n"
    "  END\n"
    "END\n";

const char kScriptB[] =
    "STRINGTABLE\n"
    "BEGIN\n"
    "  1 \"Eins\"\n"
    "  2 \"Zwei\"\n"
    "END\n"
    "IDD_BAD DIALOG 0, 0\n"
    "BEGIN\n"
    "END\n";

CWatchedCapture::CWatchedCapture() {
  for (int kind = 0; kind < 9; ++kind) {
    ResStdDialogCapture d;
    d.caption.Format(_T("Kind %d"), kind);
    d.controls.resize(3);
    d.controls[0].text = _T("first");
    d.controls[0].cx = 40;
    d.controls[0].cy = 12;
    RecordStdDialog(kind, d);
  }
  ResMessageBoxCapture box;
  for (int i = 0; i < LWV_MB_BUTTONS; ++i) {
    box.buttons[i].text.Format(_T("B%d"), i);
    box.buttons[i].cx = 50;
    box.buttons[i].cy = 14;
  }
  RecordMessageBox(box);
  RecordSystemMenu({_T("&Restore"), _T(""), _T("&Close")});
}

void CWatchedCapture::Note() {
  CTranslationManager* manager = LwGetManager();
  busyDuringCalls.push_back(manager && manager->IsBusy());
}

bool CWatchedCapture::CaptureMessageBox(ResMessageBoxCapture& out) {
  Note();
  if (throwInMessageBox) throw std::bad_alloc();
  return CResRecordedCapture::CaptureMessageBox(out);
}

bool CWatchedCapture::CaptureStdDialog(int kind, ResStdDialogCapture& out) {
  Note();
  return CResRecordedCapture::CaptureStdDialog(kind, out);
}

bool CWatchedCapture::ReadSystemMenu(std::vector<CString>& items) {
  Note();
  return CResRecordedCapture::ReadSystemMenu(items);
}

void CProgressRecorder::Begin(const CString& caption) { events.push_back("begin " + Utf8(caption)); }

void CProgressRecorder::SetPos(int pos) { events.push_back(std::to_string(pos)); }

std::string Utf8(const CString& s) { return lw::ToNarrow(s, s.GetLength(), CP_UTF8); }

void MakeProject(CWizardProject& project, const CString& folder, const std::vector<const char*>& scripts) {
  project.SetProjectPath(folder + _T("Sample.lwp"));
  project.SetDefaultTraPath();
  project.GetTraFile()->SetProgramName(_T("Sample"));
  project.GetTraFile()->SetProgramVersion(_T("1.0"));
  project.GetTraFile()->SetLanguageName(_T("Deutsch"));
  for (const char* script : scripts) project.AddRcFile(CString(CStringA(script)));
}

void ScriptAFolderTest::SetUp() {
  LwvSetMessageHandler([](LPCTSTR) {});
  m_folder = FreshFolder(::testing::UnitTest::GetInstance()->current_test_info()->name());
  ASSERT_FALSE(m_folder.IsEmpty());
  WriteText(m_folder + _T("A.rc"), kScriptA);
}

void ScriptAFolderTest::TearDown() { EXPECT_EQ(0, m_ui.Unanswered()); }

std::vector<std::string> GroupNames(const CTraFile& file, int group) {
  std::vector<std::string> names;
  const CTraNode* node = file.GetRootNode() ? file.GetRootNode()->GetChild(group) : nullptr;
  for (int i = 0; node && i < node->GetChildCount(); ++i)
    names.push_back(std::to_string(node->GetChild(i)->GetKind()) + ":" + Utf8(node->GetChild(i)->GetOriginal()));
  return names;
}

}  // namespace scantest
