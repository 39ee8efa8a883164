// The entries the library supplies, built from recorded captures: the
// switch dialog from the string source, the option-byte loop, the message
// box, the system menu, the order in the groups, failed captures and a full
// dialog group.
#include "ResLibraryEntries.h"
#include "ResTestUtil.h"
#include "ResTranslatedTexts.h"
#include "StdDlgLiveTexts.h"
#include "StdDlgModels.h"
#include "SwitchDlgModel.h"

#include <gtest/gtest.h>

// The reader's switch-dialog entry has a child for every one the library addresses.
static_assert(kResSwitchChildren == LWV_SWITCH_FULL_CHILDREN, "one switch-dialog child per position");

using namespace rctest;

namespace {

ResStdDialogCapture RecordedDialog(int kind) {
  ResStdDialogCapture d;
  d.caption.Format(_T("Caption %d"), kind);
  for (int i = 0; i < LwGetStdDlgModel(kind).GetEntryCount(); ++i) {
    ResCapturedControl c;
    c.text.Format(_T("text %d.%d"), kind, i);
    c.x = i;
    c.y = 2 * i;
    c.cx = 10 + i;
    c.cy = 20 + i;
    d.controls.push_back(c);
  }
  return d;
}

ResMessageBoxCapture RecordedButtons() {
  ResMessageBoxCapture box;
  for (int i = 0; i < LWV_MB_BUTTONS; ++i) {
    box.buttons[i].text.Format(_T("button %d"), i);
    box.buttons[i].cx = 50 + i;
    box.buttons[i].cy = 14;
  }
  return box;
}

// Every kind, the message box and a system menu recorded.
CResRecordedCapture FullCapture() {
  CResRecordedCapture capture;
  for (int kind = 0; kind < LWV_STDDLG_KINDS; ++kind) capture.RecordStdDialog(kind, RecordedDialog(kind));
  capture.RecordMessageBox(RecordedButtons());
  capture.RecordSystemMenu({T("&Restore"), T("&Move"), T(""), T("&Close\tAlt+F4")});
  return capture;
}

struct Built {
  CIdTexts texts;
  CResProblemLog log{&texts};
  CResFile file;
  std::unique_ptr<CTraNode> root;

  void Finish() { root.reset(file.CreateNode(nullptr)); }
  const CTraNode* Dialogs() const { return root->GetChild(1); }
  const CTraNode* Menus() const { return root->GetChild(0); }
  CStringA Ids() const {
    CStringA out;
    for (UINT id : log.GetIds()) out.AppendFormat("%u ", id);
    return out;
  }
};

CStringA Names(const CTraNode* group) {
  CStringA out;
  for (int i = 0; i < group->GetChildCount(); ++i) out += CStringA(group->GetChild(i)->GetOriginal()) + " ";
  return out;
}

TEST(SwitchDialogEntry, EighteenChildrenInTheLibrarysOrderWithTextsFromTheSource) {
  Built b;
  b.file.AddSwitchDialog(b.texts, b.log);
  b.Finish();
  ASSERT_EQ(1, b.Dialogs()->GetChildCount());
  const CTraNode* entry = b.Dialogs()->GetChild(0);
  EXPECT_EQ(TRA_SWITCHDIALOG, entry->GetKind());
  EXPECT_EQ("[1000]", CStringA(entry->GetOriginal()));
  EXPECT_EQ("[1000]", CStringA(entry->GetTranslation()));
  struct Row {
    UINT id;
    int kind, cx, cy;
  } const rows[] = {
      {1012, 24, 150, 10}, {1001, 22, 150, 10}, {1014, 22, 150, 10}, {1015, 21, 100, 15}, {1016, 21, 100, 15},
      {1017, 21, 100, 15}, {1018, 21, 100, 15}, {1008, 21, 300, 30}, {1009, 21, 300, 30}, {1010, 21, 150, 10},
      {1011, 21, 300, 30}, {1007, 21, 100, 10}, {1004, 23, 45, 10},  {1005, 23, 45, 10},  {1006, 23, 45, 10},
      {1013, 23, 150, 10}, {1019, 21, 100, 15}, {1020, 21, 100, 15},
  };
  ASSERT_EQ(LWV_SWITCH_FULL_CHILDREN, entry->GetChildCount());
  for (int i = 0; i < LWV_SWITCH_FULL_CHILDREN; ++i) {
    const CTraNode* child = entry->GetChild(i);
    CStringA text;
    text.Format("[%u]", rows[i].id);
    EXPECT_EQ(text, CStringA(child->GetTranslation())) << i;
    EXPECT_EQ(text, CStringA(child->GetOriginal())) << i;
    EXPECT_EQ(rows[i].kind, child->GetKind()) << i;
    ASSERT_NE(nullptr, child->GetLayout()) << i;
    const RECT r = child->GetLayout()->m_rcOriginal;
    EXPECT_EQ(0, r.left) << i;
    EXPECT_EQ(0, r.top) << i;
    EXPECT_EQ(rows[i].cx, r.right) << i;
    EXPECT_EQ(rows[i].cy, r.bottom) << i;
  }
  EXPECT_EQ("[1011]", CStringA(entry->GetChild(LWV_SWITCH_PROMPT)->GetTranslation()));
  EXPECT_EQ("[1010]", CStringA(entry->GetChild(LWV_SWITCH_COMMAND)->GetTranslation()));
  EXPECT_EQ("", b.Ids());
  // What the library reads from the entry.
  const LwvSwitchTexts t = LwvSwitchTexts::FromEntry(entry);
  EXPECT_EQ("[1004]", CStringA(t.ok));
  EXPECT_EQ("[1020]", CStringA(t.aboutInfo));
}

// The log's default source and the translated one agree while no language
// file is loaded: the program's table wins, the German texts stand in.
TEST(SwitchDialogEntry, DefaultAndTranslatedTextsAreTheGermanResources) {
  CResDefaultTexts plain;
  CResTranslatedTexts translated;
  IResTextSource* const sources[] = {&plain, &translated};
  for (IResTextSource* texts : sources) {
    EXPECT_EQ(CString(CStringW(LW_WSTR("Ermöglicht das Einstellen einer neuen Sprache\nSprache umschalten"))),
              texts->LoadText(1011));
    EXPECT_EQ(CString(CStringW(LW_WSTR("Über Lingoweave"))), texts->LoadText(1019));
    EXPECT_EQ(T("&Abbrechen"), texts->LoadText(1005));
    EXPECT_EQ(T("!Fehler im Menu!"), texts->LoadText(kMsgMenuError));
#ifndef _WIN32
    // The program's own table wins.
    lw::SetNativeString(1005, LW_WSTR("&Cancel"));
    EXPECT_EQ(T("&Cancel"), texts->LoadText(1005));
    lw::ClearNativeStrings();
#endif
  }
  for (int i = 0; i < LWV_SWITCH_FULL_CHILDREN; ++i)
    EXPECT_FALSE(BuiltInSwitchText(ResSwitchDialogChild(i).stringId).IsEmpty()) << i;
  EXPECT_TRUE(BuiltInSwitchText(999).IsEmpty());
}

TEST(StandardDialogEntries, OptionBytesZeroToEightInIndexOrderOthersIgnored) {
  struct Case {
    std::vector<int> bytes;
    const char* names;
    std::vector<int> asked;
  } cases[] = {
      {{}, "", {}},
      {{0, 7}, "eStddlgNewFileOpen eStddlgFont ", {0, 7}},
      {{7, 0}, "eStddlgNewFileOpen eStddlgFont ", {0, 7}},
      {{2, 8}, "eStddlgFind eStddlgColor ", {2, 8}},
      {{20}, "", {}},
      {{9, 19, 21, 100, 255}, "", {}},
      {{3, 9, 20, 255}, "eStddlgReplace ", {3}},
      {{0, 2, 3, 4, 5, 6, 7, 8},
       "eStddlgNewFileOpen eStddlgFind eStddlgReplace eStddlgPrint eStddlgPrintSetup eStddlgPageSetup eStddlgFont "
       "eStddlgColor ",
       {0, 2, 3, 4, 5, 6, 7, 8}},
  };
  for (const Case& c : cases) {
    BYTE options[256] = {0};
    for (int i : c.bytes) options[i] = static_cast<BYTE>(i == 255 ? 0xFF : 1 + i);
    Built b;
    CResRecordedCapture capture = FullCapture();
    b.file.AddStandardDialogs(options, capture, b.log);
    b.Finish();
    EXPECT_EQ(c.names, Names(b.Dialogs())) << c.names;
    EXPECT_EQ(c.asked, capture.Asked()) << c.names;
    EXPECT_EQ("", b.Ids()) << c.names;
  }
}

TEST(StandardDialogEntries, ControlsFollowTheModelWithTheCapturedTexts) {
  for (int kind : {LWV_STDDLG_FIND, LWV_STDDLG_COLOR, LWV_STDDLG_FONT}) {
    BYTE options[256] = {0};
    options[kind] = 1;
    Built b;
    CResRecordedCapture capture = FullCapture();
    b.file.AddStandardDialogs(options, capture, b.log);
    b.Finish();
    const LwStdDlgModel& model = LwGetStdDlgModel(kind);
    const CTraNode* entry = b.Dialogs()->GetChild(0);
    EXPECT_EQ(TRA_DIALOG, entry->GetKind());
    EXPECT_EQ(CString(model.name), entry->GetOriginal());
    EXPECT_EQ(RecordedDialog(kind).caption, entry->GetTranslation());
    ASSERT_NE(nullptr, entry->GetLayout());
    EXPECT_TRUE(entry->GetLayout()->IsSizeOnly());
    ASSERT_EQ(model.GetEntryCount(), entry->GetChildCount());
    for (int i = 0; i < entry->GetChildCount(); ++i) {
      const CTraNode* child = entry->GetChild(i);
      CString name, text;
      name.Format(_T("StdDlgItem%d"), i);
      text.Format(_T("text %d.%d"), kind, i);
      EXPECT_EQ(name, child->GetOriginal());
      EXPECT_EQ(text, child->GetTranslation());
      EXPECT_EQ(model.entries[static_cast<size_t>(i)].nodeKind, child->GetKind());
      // Other texts of the kind (no control) carry no layout.
      ASSERT_EQ(IsLayoutKind(child->GetKind()), child->GetLayout() != nullptr) << i;
      if (!child->GetLayout()) continue;
      const RECT r = child->GetLayout()->m_rcOriginal;
      EXPECT_EQ(i, r.left);
      EXPECT_EQ(2 * i, r.top);
      EXPECT_EQ(10 + i, r.right - r.left);
      EXPECT_EQ(20 + i, r.bottom - r.top);
    }
  }
}

// The library's live-text handlers take the translation of a running
// dialog's text from the child its row names: the entry built here holds
// the text of that control or string there.
TEST(StandardDialogEntries, LiveTextRowsNameTheChildrenOfTheirTexts) {
  for (const LwStdDlgLiveText& row : LwAllStdDlgLiveTexts()) {
    BYTE options[256] = {0};
    options[row.kind] = 1;
    Built b;
    CResRecordedCapture capture = FullCapture();
    b.file.AddStandardDialogs(options, capture, b.log);
    b.Finish();
    const LwStdDlgModel& model = LwGetStdDlgModel(row.kind);
    const CTraNode* entry = b.Dialogs()->GetChild(0);
    for (int k = 0; k < row.count; ++k) {
      const int child = row.firstChild + k;
      ASSERT_LT(child, entry->GetChildCount()) << "kind " << row.kind << " string " << row.firstString + k;
      CString name;
      name.Format(_T("StdDlgItem%d"), child);
      EXPECT_EQ(name, entry->GetChild(child)->GetOriginal());
      const LwStdDlgEntry& e = model.entries[static_cast<size_t>(child)];
      if (child < model.controlCount) {
        EXPECT_EQ(row.control, e.id) << "a control's own text, kind " << row.kind;
      } else {
        EXPECT_EQ(row.firstString + k, e.stringId) << "kind " << row.kind << " child " << child;
      }
    }
  }
}

// A capture that failed or measured less than the model: the rest is
// empty text and size 0, and a failed capture is a line of the log.
TEST(StandardDialogEntries, UncapturedEntriesStartFromZero) {
  CResRecordedCapture capture;
  ResStdDialogCapture partial = RecordedDialog(LWV_STDDLG_FIND);
  partial.controls.resize(2);
  capture.RecordStdDialog(LWV_STDDLG_FIND, partial);
  BYTE options[256] = {0};
  options[LWV_STDDLG_FIND] = options[LWV_STDDLG_COLOR] = 1;
  Built b;
  b.file.AddStandardDialogs(options, capture, b.log);
  b.Finish();
  ASSERT_EQ(2, b.Dialogs()->GetChildCount());
  const CTraNode* find = b.Dialogs()->GetChild(0);
  const CTraNode* color = b.Dialogs()->GetChild(1);
  EXPECT_EQ(T("text 2.1"), find->GetChild(1)->GetTranslation());
  for (int i = 2; i < find->GetChildCount(); ++i) {
    EXPECT_TRUE(find->GetChild(i)->GetTranslation().IsEmpty()) << i;
    if (find->GetChild(i)->GetLayout()) {
      EXPECT_EQ(0, find->GetChild(i)->GetLayout()->m_rcOriginal.right) << i;
    }
  }
  EXPECT_EQ(LwGetStdDlgModel(LWV_STDDLG_COLOR).GetEntryCount(), color->GetChildCount());
  EXPECT_TRUE(color->GetTranslation().IsEmpty());
  for (int i = 0; i < color->GetChildCount(); ++i) {
    EXPECT_TRUE(color->GetChild(i)->GetTranslation().IsEmpty()) << i;
    if (!color->GetChild(i)->GetLayout()) continue;
    const RECT r = color->GetChild(i)->GetLayout()->m_rcOriginal;
    EXPECT_EQ(0, r.right - r.left) << i;
    EXPECT_EQ(0, r.bottom - r.top) << i;
  }
  EXPECT_EQ("178 ", b.Ids());
  EXPECT_NE(-1, b.log.GetText().Find(_T("[178]\r\n- eStddlgColor\r\n")));
}

TEST(MessageBoxEntry, TwelveButtonsFromTheCapture) {
  Built b;
  CResRecordedCapture capture = FullCapture();
  b.file.AddMessageBox(capture, b.log);
  b.Finish();
  const CTraNode* entry = b.Dialogs()->GetChild(0);
  EXPECT_EQ(T("LwvMessageBox"), entry->GetOriginal());
  EXPECT_EQ(T("Message Box"), entry->GetTranslation());
  EXPECT_EQ(TRA_DIALOG, entry->GetKind());
  EXPECT_TRUE(entry->GetLayout()->IsSizeOnly());
  ASSERT_EQ(LWV_MB_BUTTONS, entry->GetChildCount());
  for (int i = 0; i < LWV_MB_BUTTONS; ++i) {
    const CTraNode* button = entry->GetChild(i);
    CString name, text;
    name.Format(_T("MessageBoxButton%d"), i);
    text.Format(_T("button %d"), i);
    EXPECT_EQ(name, button->GetOriginal());
    EXPECT_EQ(text, button->GetTranslation());
    EXPECT_EQ(TRA_PUSHBUTTON, button->GetKind());
    EXPECT_EQ(50 + i, button->GetLayout()->m_rcOriginal.right);
    EXPECT_EQ(14, button->GetLayout()->m_rcOriginal.bottom);
  }
  // The library finds its buttons in it.
  CString translated;
  ASSERT_TRUE(CStdButtonModel::GetButtonTranslation(entry, 12321, translated));
  EXPECT_EQ(T("button 7"), translated);
  EXPECT_EQ("", b.Ids());
}

TEST(MessageBoxEntry, AFailedCaptureGivesEmptyButtonsAndALogLine) {
  Built b;
  CResRecordedCapture nothing;
  b.file.AddMessageBox(nothing, b.log);
  b.Finish();
  const CTraNode* entry = b.Dialogs()->GetChild(0);
  ASSERT_EQ(LWV_MB_BUTTONS, entry->GetChildCount());
  for (int i = 0; i < LWV_MB_BUTTONS; ++i) {
    EXPECT_TRUE(entry->GetChild(i)->GetTranslation().IsEmpty());
    EXPECT_EQ(0, entry->GetChild(i)->GetLayout()->m_rcOriginal.right);
  }
  EXPECT_EQ("178 ", b.Ids());
  EXPECT_NE(-1, b.log.GetText().Find(_T("- LwvMessageBox\r\n")));
}

TEST(SystemMenuEntry, OnePopupWithoutSeparatorsOrEmptyWithoutAMenu) {
  Built b;
  CResRecordedCapture capture = FullCapture();
  b.file.AddSystemMenu(capture, b.log);
  CResRecordedCapture none;
  b.file.AddSystemMenu(none, b.log);
  b.Finish();
  ASSERT_EQ(2, b.Menus()->GetChildCount());
  EXPECT_EQ("3:System Menu{4:System popup{5:&Restore,5:&Move,5:&Close\tAlt+F4}}", Dump(b.Menus()->GetChild(0)));
  EXPECT_EQ("3:System Menu", Dump(b.Menus()->GetChild(1)));
  EXPECT_EQ("", b.Ids());
}

TEST(SuppliedEntries, GroupsEndWithSwitchCommonDialogsMessageBoxAndSystemMenu) {
  const std::string script =
      "IDD_A DIALOG 0, 0, 10, 10\nCAPTION \"A\"\nBEGIN\nEND\n"
      "IDR_M MENU\nBEGIN\n  POPUP \"&File\"\n  BEGIN\n    MENUITEM \"E&xit\", 1\n  END\nEND\n"
      "IDD_B DIALOG 0, 0, 10, 10\nCAPTION \"B\"\nBEGIN\nEND\n";
  std::unique_ptr<Parsed> p = ParseScript(script);
  p->file->AddSwitchDialog(p->texts, p->log);
  BYTE options[256] = {0};
  options[8] = options[2] = options[20] = 1;
  CResRecordedCapture capture = FullCapture();
  p->file->AddStandardDialogs(options, capture, p->log);
  p->file->AddMessageBox(capture, p->log);
  p->file->AddSystemMenu(capture, p->log);
  std::unique_ptr<CTraNode> root(p->file->CreateNode(nullptr));
  EXPECT_EQ("A B [1000] eStddlgFind eStddlgColor LwvMessageBox ", Names(root->GetChild(1)));
  EXPECT_EQ("IDR_M System Menu ", Names(root->GetChild(0)));
  EXPECT_EQ(TRA_SWITCHDIALOG, root->GetChild(1)->GetChild(2)->GetKind());
  EXPECT_EQ(std::vector<int>({2, 8, CResRecordedCapture::kAskedMessageBox, CResRecordedCapture::kAskedSystemMenu}),
            capture.Asked());
}

TEST(SuppliedEntries, BuildResFileAddsTheSwitchDialogOnlyWhenAsked) {
  for (bool add : {false, true}) {
    CIdTexts texts;
    CResProblemLog log(&texts);
    CRcFileSet none(nullptr, 0, nullptr, 0, 50);
    std::unique_ptr<CResFile> file = none.BuildResFile(log, add);
    std::unique_ptr<CTraNode> root(file->CreateNode(nullptr));
    EXPECT_EQ(add ? "[1000] " : "", Names(root->GetChild(1)));
  }
}

// The 1,000-entry dialog group also bounds the added entries: what does not
// fit is dropped (and not captured), with one line of the log.
TEST(SuppliedEntries, AFullDialogGroupTakesNoMoreAndSaysSoOnce) {
  for (int scripted : {CResGroup::kCapacity - 1, CResGroup::kCapacity}) {
    std::string script;
    for (int i = 0; i < scripted; ++i) script += "D" + std::to_string(i) + " DIALOG 0, 0, 1, 1\nBEGIN\nEND\n";
    std::unique_ptr<Parsed> p = ParseScript(script);
    ASSERT_EQ("", p->Ids());
    p->file->AddSwitchDialog(p->texts, p->log);
    BYTE options[256] = {0};
    options[2] = options[3] = options[20] = 1;
    CResRecordedCapture capture = FullCapture();
    p->file->AddStandardDialogs(options, capture, p->log);
    p->file->AddMessageBox(capture, p->log);
    p->file->AddSystemMenu(capture, p->log);
    std::unique_ptr<CTraNode> root(p->file->CreateNode(nullptr));
    const CTraNode* dialogs = root->GetChild(1);
    ASSERT_EQ(CResGroup::kCapacity, dialogs->GetChildCount()) << scripted;
    const CTraNode* last = dialogs->GetChild(CResGroup::kCapacity - 1);
    EXPECT_EQ(scripted < CResGroup::kCapacity ? TRA_SWITCHDIALOG : TRA_DIALOG, last->GetKind()) << scripted;
    EXPECT_EQ("170 ", p->Ids()) << scripted;
    EXPECT_EQ(std::vector<int>({CResRecordedCapture::kAskedSystemMenu}), capture.Asked()) << scripted;
  }
}

TEST(SuppliedEntries, FullDialogAndMenuGroupsSayItOnceEach) {
  std::string script;
  for (int i = 0; i < CResGroup::kCapacity; ++i) {
    script += "D" + std::to_string(i) + " DIALOG 0, 0, 1, 1\nBEGIN\nEND\n";
    script += "M" + std::to_string(i) + " MENU\nBEGIN\n  MENUITEM \"x\", 1\nEND\n";
  }
  std::unique_ptr<Parsed> p = ParseScript(script);
  ASSERT_EQ("", p->Ids());
  CResRecordedCapture capture = FullCapture();
  for (int round = 0; round < 2; ++round) {
    p->file->AddSwitchDialog(p->texts, p->log);
    p->file->AddMessageBox(capture, p->log);
    p->file->AddSystemMenu(capture, p->log);
  }
  EXPECT_EQ("170 170 ", p->Ids());
  EXPECT_NE(-1, p->log.GetText().Find(_T("- System Menu\r\n")));
  EXPECT_TRUE(capture.Asked().empty());
}

}  // namespace
