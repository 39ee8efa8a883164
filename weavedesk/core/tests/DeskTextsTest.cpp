// The editor on a translator's language file whose formats were changed:
// every text it formats keeps the original's format, so nothing reads an
// argument that is not there; translations with the same conversions show.
#include "DeskStrings.h"
#include "LwvMessage.h"
#include "RuntimeStrings.h"
#include "TestPaths.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string S(const CString& s) { return std::string(CStringA(s).GetString()); }

class DeskTextsOnAChangedFile : public ::testing::Test {
 protected:
  void SetUp() override { LwvSetMessageHandler([](LPCTSTR) {}); }
  void TearDown() override {
    LWEnd();
    LwvSetMessageHandler(nullptr);
  }
  void Start(const lwtest::StringPairs& strings) {
    ASSERT_TRUE(lwtest::StartRuntimeWithStrings(lwtest::FreshScratchDir("desk-texts") + _T("DeskEN.tra"), strings));
  }
};

TEST_F(DeskTextsOnAChangedFile, ChangedConversionsFallBackToTheOriginalsFormat) {
  Start({{_T("%i Texte"), _T("%s texts")},
         {_T("%s"), _T("%s %s %s %s")},
         {_T("Text %i von %i"), _T("Text %s of %s")},
         {_T("Neue_Sprache_%i"), _T("%s")},
         {_T("Die Datei '%s'\nkonnte nicht gelesen werden."), _T("The file '%s'\ncould not be read.")}});
  EXPECT_EQ("12 Texte", S(DeskTextWith(IDS_DESK_TEXT_COUNT, 12)));
  EXPECT_EQ("Sample.tra", S(DeskTextWith(IDS_DESK_TITLE_FORMAT, CString(_T("Sample.tra")))));
  EXPECT_EQ("Text 3 von 7", S(DeskTexts().Format(IDS_DESK_POSITION, 3, 7)));
  EXPECT_EQ("Neue_Sprache_2", S(DeskTextWith(IDS_DESK_NEW_LANGUAGE, 2)));
  // The same conversions: the translation.
  EXPECT_EQ("The file 'a.tra'\ncould not be read.", S(DeskTextWith(IDS_DESK_READ_FAILED, CString(_T("a.tra")))));
}

TEST_F(DeskTextsOnAChangedFile, TranslationsWithTheSameConversionsAreShown) {
  Start({{_T("%i Texte"), _T("%i texts")}, {_T("Text %i von %i"), _T("Text %i of %i")}});
  EXPECT_EQ("12 texts", S(DeskTextWith(IDS_DESK_TEXT_COUNT, 12)));
  EXPECT_EQ("Text 3 of 7", S(DeskTexts().Format(IDS_DESK_POSITION, 3, 7)));
  EXPECT_EQ("Neue_Sprache_1", S(DeskTextWith(IDS_DESK_NEW_LANGUAGE, 1)));
}

}  // namespace
