// Access keys of the sample in both committed language files: within one
// menu, and within one dialog (a property page with the buttons of its
// sheet), no two texts share a key, so every command and control can be
// reached by its letter.
#include "LibraryEntries.h"
#include "LwFileInfo.h"
#include "SampleTexts.h"
#include "SampleTraMaker.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

namespace {

const CString kSamples = CString(LW_SOURCE_DIR) + _T("/samples/");

// The sample puts the switch command at the end of its third popup, "&Extras"
// (nSwitchMainMenuPos in SampleApp.cpp).
const int kSwitchMenuPos = 2;
// Message-box entry children of the sheet's Apply and Help buttons.
const int kApplyButton = 7, kHelpButton = 8;

const char* const kSampleDialogs[] = {u8"Eingaben",    u8"Steuerelemente", u8"Anschrift",
                                      u8"Allgemein",   u8"Darstellung",    u8"Info über Lingoweave Beispiel"};
const char* const kPropertyPages[] = {u8"Allgemein", u8"Darstellung"};

std::string Utf8(const CString& s) { return lw::ToNarrow(s.GetString(), s.GetLength(), CP_UTF8); }

// The access key of a text ("&&" is a plain "&"), upper case; 0 for none.
TCHAR AccessKey(const CString& text) {
  for (int i = 0; i + 1 < text.GetLength(); ++i) {
    if (text[i] != '&') continue;
    const TCHAR c = text[i + 1];
    if (c == '&') {
      ++i;
      continue;
    }
    if ((c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7)) return static_cast<TCHAR>(c - 0x20);
    return c;
  }
  return 0;
}

// Texts of one menu or dialog that share an access key, "K: a | b".
std::vector<std::string> Clashes(const std::vector<CString>& texts) {
  std::map<TCHAR, std::vector<CString>> byKey;
  for (const CString& text : texts)
    if (TCHAR key = AccessKey(text)) byKey[key].push_back(text);
  std::vector<std::string> clashes;
  for (const auto& entry : byKey) {
    if (entry.second.size() < 2) continue;
    std::string line = Utf8(CString(entry.first)) + ":";
    for (const CString& text : entry.second) line += " " + Utf8(text);
    clashes.push_back(line);
  }
  return clashes;
}

CTraNode* Section(const CTraFile& file, const TCHAR* name) {
  const CString path[1] = {name};
  return file.GetRootNode()->FindPath(path, 1);
}

CTraNode* ChildNamed(CTraNode* parent, const CString& original) {
  for (int i = 0; parent && i < parent->GetChildCount(); ++i)
    if (parent->GetChild(i)->GetOriginal() == original) return parent->GetChild(i);
  return nullptr;
}

class SampleAccessKeys : public ::testing::TestWithParam<const TCHAR*> {
 protected:
  void SetUp() override {
    ASSERT_TRUE(LwReadLanguageFile(kSamples + GetParam(), m_file, LW_READ_WHOLE));
    ASSERT_NE(nullptr, m_file.GetRootNode());
  }
  CString SwitchCommand() const {
    CTraNode* dialogs = Section(m_file, TRA_SECTION_DIALOGS);
    for (int i = 0; dialogs && i < dialogs->GetChildCount(); ++i)
      if (dialogs->GetChild(i)->GetKind() == TRA_SWITCHDIALOG && dialogs->GetChild(i)->GetChildCount() > 9)
        return dialogs->GetChild(i)->GetChild(9)->GetTranslation();
    return CString();
  }
  // Every menu level: its entries' texts, the switch command where the
  // library adds it.
  void CheckMenu(CTraNode* menu, const std::string& where, bool withSwitch) {
    std::vector<CString> texts;
    for (int i = 0; i < menu->GetChildCount(); ++i) {
      CTraNode* item = menu->GetChild(i);
      texts.push_back(item->GetTranslation());
      if (item->GetKind() == TRA_POPUP)
        CheckMenu(item, where + " > " + Utf8(item->GetTranslation()), withSwitch && i == kSwitchMenuPos);
    }
    if (withSwitch && menu->GetKind() == TRA_POPUP) texts.push_back(SwitchCommand());
    EXPECT_EQ(std::vector<std::string>(), Clashes(texts)) << where;
  }
  CTraFile m_file;
};

TEST_P(SampleAccessKeys, NoMenuRepeatsAKey) {
  CTraNode* menus = Section(m_file, TRA_SECTION_MENUS);
  ASSERT_NE(nullptr, menus);
  ASSERT_FALSE(SwitchCommand().IsEmpty());
  int checked = 0;
  for (int i = 0; i < menus->GetChildCount(); ++i) {
    CTraNode* menu = menus->GetChild(i);
    // The switch command goes into the main menu only.
    CheckMenu(menu, Utf8(menu->GetOriginal()), menu->GetOriginal() != TRA_SYSTEM_MENU);
    ++checked;
  }
  EXPECT_EQ(2, checked);  // the sample's menu and the system menu
}

TEST_P(SampleAccessKeys, NoDialogRepeatsAKey) {
  CTraNode* dialogs = Section(m_file, TRA_SECTION_DIALOGS);
  ASSERT_NE(nullptr, dialogs);
  CTraNode* buttons = ChildNamed(dialogs, TRA_MESSAGEBOX_NAME);
  ASSERT_NE(nullptr, buttons);
  ASSERT_GT(buttons->GetChildCount(), kHelpButton);
  for (const char* caption : kSampleDialogs) {
    CTraNode* dialog = ChildNamed(dialogs, SampleText(caption));
    ASSERT_NE(nullptr, dialog) << caption;
    std::vector<CString> texts;
    for (int i = 0; i < dialog->GetChildCount(); ++i) texts.push_back(dialog->GetChild(i)->GetTranslation());
    for (const char* page : kPropertyPages)
      if (dialog->GetOriginal() == SampleText(page))
        for (int button : {kApplyButton, kHelpButton}) texts.push_back(buttons->GetChild(button)->GetTranslation());
    EXPECT_EQ(std::vector<std::string>(), Clashes(texts)) << caption;
  }
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, SampleAccessKeys, ::testing::Values(SAMPLE_TRA_GERMAN, SAMPLE_TRA_ENGLISH));

TEST(AccessKey, OfAText) {
  struct Case {
    const TCHAR* text;
    TCHAR key;
  } cases[] = {{_T("&Datei"), 'D'},   {_T("E&xit"), 'X'},          {_T("Tom && Jerry"), 0},
               {_T("&&a &b"), 'B'},   {_T("Ohne"), 0},             {_T("Ende&"), 0},
               {_T("\xDC&" "ber"), 'B'}, {_T("&\xFC" "ber"), 0xDC}, {_T("&1. Datei"), '1'}};
  for (const Case& c : cases) EXPECT_EQ(c.key, AccessKey(c.text)) << Utf8(c.text);
}

}  // namespace
