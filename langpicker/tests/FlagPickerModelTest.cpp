// The picker's fill rules without windows: which rows each list gets, when
// a drop-down opens, what OK confirms and converts.
#include "FlagPickerModel.h"

#include "LanguageCatalogue.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> Rows(const LwPickerList& list) {
  std::vector<std::string> out;
  for (int i = 0; i < list.rows.GetSize(); ++i) out.push_back(lw::ToNarrow(list.rows[i], list.rows[i].GetLength(), CP_UTF8));
  return out;
}

int CountryRow(const char* name) {
  for (int i = 0; i < COUNTRY_COUNT; ++i)
    if (CString(CountryNames[i]) == CString(name)) return i;
  return -1;
}

TEST(FlagPickerModel, StartsWithNothingChosen) {
  CFlagPickerModel model;
  EXPECT_TRUE(model.IsOwnFlag());
  EXPECT_EQ(-1, model.FlagIndex());
  EXPECT_FALSE(model.IsOkEnabled());
  EXPECT_FALSE(model.Language().enabled);
  EXPECT_FALSE(model.SubLanguage().enabled);
}

// Country choices: the rows of both lists, their current rows, which list
// drops down and the LANGID that OK converts without further choices.
TEST(FlagPickerModel, CountryChoicesFillTheLists) {
  struct Want {
    const char* country;
    std::vector<std::string> languages;
    bool languageDrops;
    std::vector<std::string> subLanguages;  // after choosing, before any closing
    bool subDrops;
    LANGID langId;
  };
  const std::vector<Want> table = {
      {"Germany", {"LANG_GERMAN", "LANG_NEUTRAL"}, false, {"SUBLANG_GERMAN", "SUBLANG_NEUTRAL"}, false, 0x0407},
      {"Switzerland", {"LANG_GERMAN", "LANG_FRENCH", "LANG_ITALIAN", "LANG_NEUTRAL"}, true, {}, false, 0xFFFF},
      {"Norway",
       {"LANG_NORWEGIAN", "LANG_NEUTRAL"},
       false,
       {"SUBLANG_NORWEGIAN_BOKMAL", "SUBLANG_NORWEGIAN_NYNORSK", "SUBLANG_NEUTRAL"},
       true,
       0x0414},
      {"Afghanistan", {"LANG_NEUTRAL"}, false, {"SUBLANG_NEUTRAL"}, false, 0},
      {"Zaire", {"LANG_FRENCH", "LANG_NEUTRAL"}, false, {"SUBLANG_NEUTRAL"}, false, 0x000C},
  };
  for (const Want& w : table) {
    SCOPED_TRACE(w.country);
    CFlagPickerModel model;
    model.ChooseCountry(CountryRow(w.country));
    EXPECT_FALSE(model.IsOwnFlag());
    EXPECT_EQ(CountryRow(w.country), model.FlagIndex());
    EXPECT_TRUE(model.IsOkEnabled());
    EXPECT_EQ(w.languages, Rows(model.Language()));
    EXPECT_EQ(0, model.Language().current);
    EXPECT_TRUE(model.Language().enabled);
    EXPECT_EQ(w.languageDrops, model.Language().dropDown);
    EXPECT_EQ(w.subLanguages, Rows(model.SubLanguage()));
    EXPECT_EQ(!w.languageDrops, model.SubLanguage().enabled);
    EXPECT_EQ(w.subDrops, model.SubLanguage().dropDown);
    EXPECT_EQ(w.langId, model.ChosenLangId());
  }
}

TEST(FlagPickerModel, ClosingTheLanguageListFillsTheSubLanguages) {
  CFlagPickerModel model;
  model.ChooseCountry(CountryRow("Switzerland"));
  model.TakeDropDowns();
  model.SelectLanguage(1);
  model.CloseLanguageList();
  EXPECT_EQ("LANG_FRENCH", lw::ToNarrow(model.LanguageText(), model.LanguageText().GetLength(), CP_UTF8));
  EXPECT_EQ((std::vector<std::string>{"SUBLANG_FRENCH_SWISS", "SUBLANG_NEUTRAL"}), Rows(model.SubLanguage()));
  EXPECT_FALSE(model.SubLanguage().dropDown);
  EXPECT_EQ(0x100C, model.ChosenLangId());

  // LANG_NEUTRAL for any country gives only SUBLANG_NEUTRAL.
  model.SelectLanguage(3);
  model.CloseLanguageList();
  EXPECT_EQ(std::vector<std::string>{"SUBLANG_NEUTRAL"}, Rows(model.SubLanguage()));
  EXPECT_EQ(0, model.ChosenLangId());
}

// Only closing refills: moving the language with the keys keeps the old
// sub-languages, so OK converts the new language with an old sub-language.
TEST(FlagPickerModel, MovingTheLanguageWithoutClosingKeepsTheSubLanguages) {
  CFlagPickerModel model;
  model.ChooseCountry(CountryRow("Switzerland"));
  model.CloseLanguageList();  // LANG_GERMAN
  model.SelectLanguage(1);     // LANG_FRENCH, drop-down closed
  EXPECT_EQ(std::vector<std::string>({"SUBLANG_GERMAN_SWISS", "SUBLANG_NEUTRAL"}), Rows(model.SubLanguage()));
  EXPECT_EQ(0x080C, model.ChosenLangId());  // LANG_FRENCH with the value of SUBLANG_GERMAN_SWISS
}

TEST(FlagPickerModel, AClickBesideTheItemsClearsAListChoiceOnly) {
  CFlagPickerModel model;
  model.ChooseCountry(CountryRow("Germany"));
  model.ClearChoice();
  EXPECT_FALSE(model.IsOkEnabled());
  EXPECT_FALSE(model.Language().enabled);
  EXPECT_FALSE(model.SubLanguage().enabled);
  EXPECT_EQ(0, model.Language().rows.GetSize());
  EXPECT_EQ(0, model.SubLanguage().rows.GetSize());
  EXPECT_EQ(CountryRow("Germany"), model.FlagIndex());  // the picture stays

  CFlagPickerModel own;
  own.ChooseOwnFlag();
  own.ClearChoice();
  EXPECT_TRUE(own.IsOkEnabled());
  EXPECT_EQ(LANG_NAME_COUNT, own.Language().rows.GetSize());
}

TEST(FlagPickerModel, OwnFlagsOfferEveryLanguage) {
  CFlagPickerModel model;
  model.ChooseCountry(CountryRow("Germany"));
  model.ChooseOwnFlag();
  EXPECT_TRUE(model.IsOwnFlag());
  EXPECT_EQ(-1, model.FlagIndex());
  EXPECT_TRUE(model.IsOkEnabled());
  ASSERT_EQ(LANG_NAME_COUNT, model.Language().rows.GetSize());
  for (int i = 0; i < LANG_NAME_COUNT; ++i) EXPECT_EQ(CString(LangNames[i]), model.Language().rows[i]);
  EXPECT_EQ(LANG_NAME_NEUTRAL_ROW, model.Language().current);
  EXPECT_TRUE(model.Language().dropDown);
  EXPECT_FALSE(model.SubLanguage().enabled);
  EXPECT_EQ(0, model.SubLanguage().rows.GetSize());

  struct Want {
    const char* language;
    size_t rows;  // SUBLANG_NEUTRAL first, then the language's own
    bool drops;
  };
  for (const Want& w : std::vector<Want>{{"LANG_NEUTRAL", 1, false}, {"LANG_FARSI", 1, false},
                                         {"LANG_KOREAN", 2, true}, {"LANG_SPANISH", 21, true}}) {
    SCOPED_TRACE(w.language);
    model.SelectLanguage(FindLangName(CString(w.language)));
    model.CloseLanguageList();
    const std::vector<std::string> rows = Rows(model.SubLanguage());
    ASSERT_EQ(w.rows, rows.size());
    EXPECT_EQ("SUBLANG_NEUTRAL", rows[0]);
    EXPECT_EQ(w.drops, model.SubLanguage().dropDown);
    EXPECT_EQ(0, model.SubLanguage().current);
  }
  model.SelectSubLanguage(1);
  EXPECT_EQ(0x040A, model.ChosenLangId());  // LANG_SPANISH, SUBLANG_SPANISH

  // Back to a country: list mode again.
  model.ChooseCountry(CountryRow("Germany"));
  EXPECT_FALSE(model.IsOwnFlag());
  EXPECT_EQ(0x0407, model.ChosenLangId());
}

TEST(FlagPickerModel, AnEmptyLanguageTextLosesItsPrefixSafely) {
  EXPECT_EQ(CString(), LwLanguageWithoutPrefix(CString()));
  EXPECT_EQ(CString(), LwLanguageWithoutPrefix(CString(_T("LANG"))));
  EXPECT_EQ(CString(), LwLanguageWithoutPrefix(CString(_T("LANG_"))));
  EXPECT_EQ(CString(_T("GERMAN")), LwLanguageWithoutPrefix(CString(_T("LANG_GERMAN"))));

  // Closing a list that was emptied gives only SUBLANG_NEUTRAL, no garbage.
  CFlagPickerModel model;
  model.ChooseCountry(CountryRow("Germany"));
  model.ClearChoice();
  model.CloseLanguageList();
  EXPECT_EQ(std::vector<std::string>{"SUBLANG_NEUTRAL"}, Rows(model.SubLanguage()));
}

TEST(FlagPickerModel, RowsOutsideTheCatalogueChangeNothing) {
  CFlagPickerModel model;
  model.ChooseCountry(-1);
  model.ChooseCountry(COUNTRY_COUNT);
  EXPECT_TRUE(model.IsOwnFlag());
  EXPECT_FALSE(model.IsOkEnabled());
  model.ChooseCountry(0);
  model.SelectLanguage(99);
  EXPECT_EQ(0, model.Language().current);
}

}  // namespace

namespace {

TEST(FlagPickerModel, CountriesAreListedByName) {
  const std::vector<int> rows = LwCountryRowsByName();
  ASSERT_EQ(size_t(COUNTRY_COUNT), rows.size());
  auto position = [&rows](const char* name) {
    for (size_t i = 0; i < rows.size(); ++i)
      if (CString(CountryNames[rows[i]]) == CString(name)) return static_cast<int>(i);
    return -1;
  };
  EXPECT_EQ(0, position("Afghanistan"));
  EXPECT_LT(position("Korea (North)"), position("Korea (South)"));
  // Row 135, "Bhután", lies between "Benin" and "Bolivia".
  int bhutan = -1;
  for (size_t i = 0; i < rows.size(); ++i)
    if (rows[i] == 135) bhutan = static_cast<int>(i);
  EXPECT_LT(position("Benin"), bhutan);
  EXPECT_LT(bhutan, position("Bolivia"));
  for (size_t i = 1; i < rows.size(); ++i) EXPECT_LT(LwCompareCountryRows(rows[i - 1], rows[i]), 0) << i;
}

}  // namespace
