// The wizard in another language: its texts take a translation only with
// the original's conversions, and a scan run with the wizard's translated
// texts writes the switch-dialog entry and the problem lines in the wizard's
// language.
#include "Lwv.h"
#include "LwvMessage.h"
#include "ResTranslatedTexts.h"
#include "RuntimeStrings.h"
#include "ScanFixtures.h"
#include "TraFile.h"
#include "WizardTexts.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string S(const CString& s) { return std::string(CStringA(s).GetString()); }

class WizardTextsInEnglish : public ::testing::Test {
 protected:
  void SetUp() override {
    LwvSetMessageHandler([](LPCTSTR) {});
    m_folder = scantest::FreshFolder(::testing::UnitTest::GetInstance()->current_test_info()->name());
    ASSERT_FALSE(m_folder.IsEmpty());
  }
  void TearDown() override {
    LWEnd();
    LwvSetMessageHandler(nullptr);
  }
  void Start(const lwtest::StringPairs& strings) {
    ASSERT_TRUE(lwtest::StartRuntimeWithStrings(m_folder + _T("WeaveMakerUEN.tra"), strings));
  }
  CString m_folder;
};

TEST_F(WizardTextsInEnglish, ChangedConversionsFallBackToTheOriginalsFormat) {
  Start({{WizardBuiltInText(kTextTestFileCheck), _T("Make test file %i")},
         {WizardBuiltInText(kTextWriteFailed), _T("%s could not be written.")}});
  EXPECT_EQ("Test-Sprachdatei a_test.tra erzeugen", S(WizardText(kTextTestFileCheck, _T("a_test.tra"))));
  EXPECT_EQ("a.tra could not be written.", S(WizardText(kTextWriteFailed, _T("a.tra"))));
  // As a text it is shown as it is.
  EXPECT_EQ("Make test file %i", S(WizardText(kTextTestFileCheck)));
}

const CTraNode* SwitchDialogEntry(const CTraFile& file) {
  const CTraNode* dialogs = file.GetRootNode()->GetChild(1);
  for (int i = 0; dialogs && i < dialogs->GetChildCount(); ++i)
    if (dialogs->GetChild(i)->GetKind() == TRA_SWITCHDIALOG) return dialogs->GetChild(i);
  return nullptr;
}

TEST_F(WizardTextsInEnglish, ScanWritesTheSwitchEntryAndProblemLinesInTheWizardsLanguage) {
  Start({{_T("Sprache w\u00E4hlen"), _T("Choose language")},
         {_T("&Hilfe"), _T("&Help")},
         {_T("!Fehler bei Sektion in Resource-Datei!"), _T("!Error in a section of the resource file!")},
         {WizardBuiltInText(kTextScanDone), _T("Resource scan completed !")}});
  // A MENU statement without its body: one problem line.
  scantest::WriteText(m_folder + _T("Bad.rc"), "IDR_BAD MENU\n");
  scantest::WriteText(m_folder + _T("Good.rc"), "STRINGTABLE\nBEGIN\n  1 \"Eins\"\nEND\n");
  CResTranslatedTexts texts;
  WizardScanServices services;
  services.texts = &texts;

  CWizardProject bad;
  scantest::MakeProject(bad, m_folder, {"Bad.rc"});
  const std::string log = S(bad.ScanResources(services));
  EXPECT_EQ(0u, log.find("!Error in a section of the resource file!\r\n- ")) << log;
  EXPECT_EQ(std::string::npos, log.find("Fehler")) << log;
  const CTraNode* entry = SwitchDialogEntry(*bad.GetTraFile());
  ASSERT_NE(nullptr, entry);
  EXPECT_EQ("Choose language", S(entry->GetTranslation()));
  ASSERT_EQ(18, entry->GetChildCount());
  EXPECT_EQ("&Help", S(entry->GetChild(14)->GetTranslation()));

  CWizardProject good;
  scantest::MakeProject(good, m_folder, {"Good.rc"});
  EXPECT_EQ("Resource scan completed !", S(good.ScanResources(services)));
}

}  // namespace
