// A program's own texts: originals from the string table or the built-in
// table, translations through the runtime's seam, formats that take a
// translation only with the original's conversions and never more or other
// arguments than given.
#include "ProgramTexts.h"
#include "RuntimeSeams.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

std::string S(const CString& s) { return std::string(CStringA(s).GetString()); }

// What the runtime would translate, by original text.
std::map<CString, CString>& Translations() {
  static std::map<CString, CString> map;
  return map;
}

void TranslateFromMap(CString& text) {
  auto it = Translations().find(text);
  if (it != Translations().end()) text = it->second;
}

// The originals the tests give, as a program's built-in table.
std::map<UINT, CString>& Originals() {
  static std::map<UINT, CString> map;
  return map;
}

CString BuiltIn(UINT id) {
  auto it = Originals().find(id);
  return it != Originals().end() ? it->second : CString();
}

class ProgramTexts : public ::testing::Test {
 protected:
  void SetUp() override {
    Originals().clear();
    Translations().clear();
    LwInstallRuntimeSeams(nullptr, TranslateFromMap);
  }
  void TearDown() override { LwInstallRuntimeSeams(nullptr, nullptr); }
  void Table(UINT id, const char* original, const char* translation) {
    const CString o(original);
    Originals()[id] = o;
    if (translation) Translations()[o] = CString(translation);
  }
  CProgramTexts m_texts{BuiltIn};
};

TEST_F(ProgramTexts, TextIsTheTranslationElseTheOriginal) {
  Table(1, "Speichern", "Save");
  Table(2, "Ohne", nullptr);
  Table(3, "Leer", "");
  EXPECT_EQ("Save", S(m_texts.Text(1)));
  EXPECT_EQ("Speichern", S(m_texts.Original(1)));
  EXPECT_EQ("Ohne", S(m_texts.Text(2)));
  EXPECT_EQ("Leer", S(m_texts.Text(3)));
  EXPECT_EQ("", S(m_texts.Text(8)));
}

#ifndef _WIN32
// The build's string table (here the native one) comes before the built-in text.
TEST_F(ProgramTexts, TheStringTableComesBeforeTheBuiltInText) {
  Table(7, "Eingebaut %s", nullptr);
  EXPECT_EQ("Eingebaut %s", S(m_texts.Original(7)));
  lw::SetNativeString(7, LW_WSTR("Aus der Tabelle %s"));
  EXPECT_EQ("Aus der Tabelle %s", S(m_texts.Original(7)));
  EXPECT_EQ("Aus der Tabelle %s", S(LwStringTableTexts().Original(7)));
  lw::ClearNativeStrings();
}
#endif

// The language files of the reports: each changed conversion falls
// back to the original's format; a translation with the same ones is used.
TEST_F(ProgramTexts, FormatTakesATranslationOnlyWithTheOriginalsConversions) {
  struct Case {
    const char* original;
    const char* translation;
    const char* expected;
  };
  const Case count[] = {
      {"%i Texte", "%s texts", "12 Texte"},
      {"%i Texte", "%i texts", "12 texts"},
      {"%i Texte", "%ld texts", "12 Texte"},   // another length is another argument
      {"%i Texte", "%n texts", "12 Texte"},    // never %n
      {"%i Texte", "%*i texts", "12 Texte"},   // never a width from the arguments
      {"%i Texte", "100% texts", "12 Texte"},  // not a format
      {"%i Texte", "%% %i texts", "% 12 texts"},
  };
  for (const Case& c : count) {
    Table(10, c.original, c.translation);
    EXPECT_EQ(c.expected, S(m_texts.Format(10, 12))) << c.translation;
  }
  const Case title[] = {{"%s", "%s %s %s %s", "Doc"}, {"%s", "[%s]", "[Doc]"}, {"%s", "%i", "Doc"}};
  for (const Case& c : title) {
    Table(11, c.original, c.translation);
    EXPECT_EQ(c.expected, S(m_texts.Format(11, _T("Doc")))) << c.translation;
  }
  const Case position[] = {{"Text %i von %i", "Text %s of %s", "Text 3 von 7"},
                           {"Text %i von %i", "Text %i of %i", "Text 3 of 7"},
                           {"Text %i von %i", "Text %i", "Text 3 von 7"}};
  for (const Case& c : position) {
    Table(12, c.original, c.translation);
    EXPECT_EQ(c.expected, S(m_texts.Format(12, 3, 7))) << c.translation;
  }
  Table(13, "Neue_Sprache_%i", "%s");
  EXPECT_EQ("Neue_Sprache_2", S(m_texts.Format(13, 2)));
  // FormatText hands printf-style callers the same choice.
  EXPECT_EQ("Neue_Sprache_%i", S(m_texts.FormatText(13)));
  Table(13, "Neue_Sprache_%i", "New_language_%i");
  EXPECT_EQ("New_language_%i", S(m_texts.FormatText(13)));
}

TEST_F(ProgramTexts, ArgumentsThatDoNotFitTheProgramsOwnFormatShowItUnformatted) {
  Table(20, "Datei %s", "File %s");
  EXPECT_EQ("Datei %s", S(m_texts.Format(20, 5)));
  EXPECT_EQ("Datei %s", S(m_texts.Format(20, _T("a"), _T("b"))));
  EXPECT_EQ("Datei %s", S(m_texts.Format(20)));
  EXPECT_EQ("File a", S(m_texts.Format(20, _T("a"))));
}

TEST(LwFormatArgs, ConversionsTakeExactlyTheirArguments) {
  struct Case {
    const char* format;
    std::vector<LwFormatArg> args;
    bool ok;
    const char* out;
  };
  const Case cases[] = {
      {"%5d|%-3s|", {42, _T("ab")}, true, "   42|ab |"},
      {"%u von %lu", {3u, 9L}, true, "3 von 9"},
      {"%hi", {7}, true, "7"},
      {"%.2s", {_T("abc")}, true, "ab"},
      {"100%% %s", {_T("x")}, true, "100% x"},
      {"kein Format", {}, true, "kein Format"},
      {"%s %s", {_T("a")}, false, ""},           // too few
      {"%s", {_T("a"), _T("b")}, false, ""},     // too many
      {"%d", {_T("a")}, false, ""},              // a text for a number
      {"%s", {1}, false, ""},                    // a number for a text
      {"%n", {1}, false, ""},
      {"%1$s", {_T("a")}, false, ""},
      {"%c", {65}, false, ""},
      {"50%", {}, false, ""},
  };
  for (const Case& c : cases) {
    CString out(_T("stale"));
    EXPECT_EQ(c.ok, LwFormatArgs(CString(c.format), c.args, out)) << c.format;
    EXPECT_EQ(c.out, S(out)) << c.format;
  }
}

TEST(LwFormatArgs, AFormatThatDoesNotTakeTheValuesStandsWithThemAppended) {
  EXPECT_EQ("3 Skripte", S(LwFormatOrAppend(_T("%d Skripte"), {3}, _T("\n"))));
  EXPECT_EQ("%s Skripte\n3", S(LwFormatOrAppend(_T("%s Skripte"), {3}, _T("\n"))));
  EXPECT_EQ("Datei %s|a.rc|b.rc", S(LwFormatOrAppend(_T("Datei %s"), {_T("a.rc"), _T("b.rc")}, _T("|"))));
  EXPECT_EQ("50%|-7", S(LwFormatOrAppend(_T("50%"), {-7}, _T("|"))));
}

TEST(LwFormatArgs, ChooseFormatKeepsTheOriginalForOtherConversions) {
  EXPECT_EQ("Seite %i", S(LwChooseFormat(_T("Seite %i"), _T("Page %s"))));
  EXPECT_EQ("Page %i", S(LwChooseFormat(_T("Seite %i"), _T("Page %i"))));
  EXPECT_EQ("Seite %i", S(LwChooseFormat(_T("Seite %i"), _T(""))));
}

}  // namespace
