#include "EnglishTable.h"
#include "FlagStrip.h"
#include "ProgramTraMaker.h"
#include "ScriptIncludes.h"
#include "SuppliedEntries.h"

#include "ToolTestFiles.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>

namespace {

using namespace tratest;

const CString kStrip = _T(LW_FLAG_STRIP_BMP);

// A UTF-8 script as the programs keep them: an id header, a dialog, a menu
// and a string table, and a second script from an include folder.
const char kScript[] =
    "#pragma code_page(65001)\n"
    "#include \"AppIds.h\"\n"
    "#include <windows.h>\n"
    "#include \"Extra.rc\"\n"
    "IDD_MAIN DIALOG 0, 0, 200, 100\n"
    "CAPTION \"Einstellungen\"\n"
    "FONT 8, \"MS Sans Serif\"\n"
    "BEGIN\n"
    "  LTEXT \"Gr\xC3\xB6\xC3\x9F" "e:\", IDC_SIZE_LABEL, 7, 7, 50, 8\n"
    "  DEFPUSHBUTTON \"OK\", IDOK, 140, 80, 50, 14\n"
    "  PUSHBUTTON \"Nicht \xC3\xBC" "bersetzt\", IDC_OTHER, 80, 80, 50, 14\n"
    "END\n"
    "IDR_MAIN MENU\n"
    "BEGIN\n"
    "  POPUP \"&Datei\"\n"
    "  BEGIN\n"
    "    MENUITEM \"&\xC3\x96" "ffnen...\\tStrg+O\", ID_FILE_OPEN\n"
    "  END\n"
    "END\n"
    "STRINGTABLE\n"
    "BEGIN\n"
    "  IDS_READY \"Bereit\"\n"
    "END\n";

const char kIds[] = "#define IDD_MAIN 100\n#define IDC_SIZE_LABEL 1000\n";
const char kExtra[] =
    "#pragma code_page(65001)\n"
    "IDD_PICK DIALOG 0, 0, 100, 50\n"
    "CAPTION \"Flagge w\xC3\xA4hlen\"\n"
    "BEGIN\n"
    "END\n";

const char kTable[] =
    "# English texts of the test program\n"
    "Einstellungen\tSettings\n"
    "Gr\xC3\xB6\xC3\x9F" "e:\tSize:\n"
    "OK\tOK\n"
    "&Datei\t&File\n"
    "&\xC3\x96" "ffnen...\\tStrg+O\t&Open...\\tCtrl+O\n"
    "Bereit\tReady\n"
    "Flagge w\xC3\xA4hlen\tChoose flag\n";

class ProgramTraTest : public ::testing::Test {
 public:
  void SetUp() override {
    m_dir = Fresh(::testing::UnitTest::GetInstance()->current_test_info()->name());
    ASSERT_FALSE(m_dir.IsEmpty());
    ASSERT_TRUE(lwtest::MakeFolder(m_dir + _T("inc")));
    ASSERT_TRUE(lwtest::MakeFolder(m_dir + _T("out")));
    WriteText(m_dir + _T("App.rc"), kScript);
    WriteText(m_dir + _T("AppIds.h"), kIds);
    WriteText(m_dir + _T("inc/Extra.rc"), kExtra);
    WriteText(m_dir + _T("English.txt"), kTable);
    m_request.script = m_dir + _T("App.rc");
    m_request.includeDirs = {m_dir + _T("inc")};
    m_request.englishTable = m_dir + _T("English.txt");
    m_request.folder = m_dir + _T("out");
    m_request.originalName = _T("AppU.tra");
    m_request.englishName = _T("AppUEN.tra");
    m_request.programName = _T("App");
    m_request.flagStrip = kStrip;
  }

  CString Out(const TCHAR* name) const { return m_dir + _T("out/") + name; }

  std::unique_ptr<CTraFile> Read(const TCHAR* name) {
    std::unique_ptr<CTraFile> file(new CTraFile(nullptr));
    if (!LwReadLanguageFile(Out(name), *file, LW_READ_WHOLE)) return nullptr;
    return file;
  }

  static const CTraNode* Find(const CTraFile& file, std::initializer_list<CString> path) {
    std::vector<CString> parts(path);
    return file.GetRootNode()->FindPath(parts.data(), static_cast<int>(parts.size()));
  }

  // The translations of a dialog's children.
  static std::vector<CString> Children(const CTraNode* node) {
    std::vector<CString> texts;
    for (int i = 0; node && i < node->GetChildCount(); ++i) texts.push_back(node->GetChild(i)->GetTranslation());
    return texts;
  }

  static const CTraNode* SwitchDialog(const CTraFile& file) {
    const CTraNode* dialogs = Find(file, {TRA_SECTION_DIALOGS});
    for (int i = 0; dialogs && i < dialogs->GetChildCount(); ++i)
      if (dialogs->GetChild(i)->GetKind() == TRA_SWITCHDIALOG) return dialogs->GetChild(i);
    return nullptr;
  }

  static LwFlagPixels StripFlag(LPCTSTR country) {
    LwFlagPixels flag{};
    EXPECT_EQ(true, LwReadCountryFlag(kStrip, country, flag));
    return flag;
  }

  static LwFlagPixels FileFlag(const CTraFile& file) {
    LwFlagPixels flag{};
    for (int i = 0; i < LW_FLAG_PIXEL_COUNT; ++i) flag[i] = file.GetFlagPixel(i);
    return flag;
  }

  CString m_dir;
  ProgramTraRequest m_request;
};

TEST_F(ProgramTraTest, OriginalAndEnglishTextsNamesAndFlags) {
  const ProgramTraResult result = MakeProgramTraFiles(m_request);
  ASSERT_TRUE(result.Succeeded()) << CStringA(result.errors.empty() ? CString() : result.errors[0]).GetString();
  std::unique_ptr<CTraFile> german = Read(_T("AppU.tra"));
  std::unique_ptr<CTraFile> english = Read(_T("AppUEN.tra"));
  ASSERT_NE(nullptr, german);
  ASSERT_NE(nullptr, english);

  EXPECT_EQ(CString(_T("Deutsch")), german->GetLanguageName());
  EXPECT_EQ(CString(_T("English")), english->GetLanguageName());
  EXPECT_EQ(CString(_T("App")), german->GetProgramName());
  EXPECT_EQ(CString(_T("App")), english->GetProgramName());
  EXPECT_EQ(kProgramGerman, german->GetLanguageId());
  EXPECT_EQ(kProgramEnglish, english->GetLanguageId());
  EXPECT_EQ(true, german->IsOriginal());
  EXPECT_EQ(false, english->IsOriginal());
  EXPECT_EQ(german->GetDate(), english->GetDate());
  EXPECT_EQ(StripFlag(_T("Germany")), FileFlag(*german));
  EXPECT_EQ(StripFlag(_T("United Kingdom")), FileFlag(*english));
  EXPECT_NE(FileFlag(*german), FileFlag(*english));

  const CTraNode* dialogG = Find(*german, {TRA_SECTION_DIALOGS, _T("Einstellungen")});
  const CTraNode* dialogE = Find(*english, {TRA_SECTION_DIALOGS, _T("Einstellungen")});
  ASSERT_NE(nullptr, dialogG);
  ASSERT_NE(nullptr, dialogE);
  EXPECT_EQ(CString(_T("Einstellungen")), dialogG->GetTranslation());
  EXPECT_EQ(CString(_T("Settings")), dialogE->GetTranslation());
  EXPECT_EQ((std::vector<CString>{W(u8"Gr\u00F6\u00DFe:"), _T("OK"), W(u8"Nicht \u00FCbersetzt")}), Children(dialogG));
  EXPECT_EQ((std::vector<CString>{_T("Size:"), _T("OK"), W(u8"Nicht \u00FCbersetzt")}), Children(dialogE));

  // The included script's dialog, read as UTF-8 like the resource compiler.
  const CTraNode* pick = Find(*english, {TRA_SECTION_DIALOGS, W(u8"Flagge w\u00E4hlen")});
  ASSERT_NE(nullptr, pick);
  EXPECT_EQ(CString(_T("Choose flag")), pick->GetTranslation());

  const CTraNode* menu = Find(*english, {TRA_SECTION_MENUS, _T("IDR_MAIN"), _T("&Datei")});
  ASSERT_NE(nullptr, menu);
  EXPECT_EQ(CString(_T("&File")), menu->GetTranslation());
  EXPECT_EQ((std::vector<CString>{_T("&Open...\tCtrl+O")}), Children(menu));
  const CTraNode* strings = Find(*english, {TRA_SECTION_STRINGS, _T("String Table Section 1")});
  EXPECT_EQ((std::vector<CString>{_T("Ready")}), Children(strings));

  // The supplied entries: switch dialog and message box, in both languages.
  const CTraNode* boxG = Find(*german, {TRA_SECTION_DIALOGS, TRA_MESSAGEBOX_NAME});
  const CTraNode* boxE = Find(*english, {TRA_SECTION_DIALOGS, TRA_MESSAGEBOX_NAME});
  ASSERT_NE(nullptr, boxG);
  ASSERT_NE(nullptr, boxE);
  ASSERT_EQ(LWV_MB_BUTTONS, boxE->GetChildCount());
  EXPECT_EQ(CString(_T("Abbrechen")), boxG->GetChild(1)->GetTranslation());
  EXPECT_EQ(CString(_T("Cancel")), boxE->GetChild(1)->GetTranslation());
  EXPECT_EQ(CString(_T("MessageBoxButton1")), boxE->GetChild(1)->GetOriginal());
  const CTraNode* switchG = SwitchDialog(*german);
  const CTraNode* switchE = SwitchDialog(*english);
  ASSERT_NE(nullptr, switchG);
  ASSERT_NE(nullptr, switchE);
  EXPECT_EQ(W(u8"Sprache w\u00E4hlen"), switchG->GetTranslation());
  EXPECT_EQ(W(u8"&Sprache w\u00E4hlen..."), switchG->GetChild(9)->GetTranslation());
  EXPECT_EQ(CString(_T("Choose language")), switchE->GetTranslation());
  EXPECT_EQ(CString(_T("&Choose language...")), switchE->GetChild(9)->GetTranslation());

  // The system menu, addressed by position: German and English.
  const CTraNode* systemG = Find(*german, {TRA_SECTION_MENUS, TRA_SYSTEM_MENU, TRA_SYSTEM_POPUP});
  const CTraNode* systemE = Find(*english, {TRA_SECTION_MENUS, TRA_SYSTEM_MENU, TRA_SYSTEM_POPUP});
  ASSERT_NE(nullptr, systemG);
  ASSERT_NE(nullptr, systemE);
  EXPECT_EQ(6, systemE->GetChildCount());
  EXPECT_EQ(W(u8"&Schlie\u00DFen\tAlt+F4"), systemG->GetChild(5)->GetTranslation());
  EXPECT_EQ(CString(_T("&Close\tAlt+F4")), systemE->GetChild(5)->GetTranslation());
  EXPECT_EQ(CString(_T("&Restore")), systemE->GetChild(0)->GetTranslation());

  // Only the one text without an entry is reported.
  EXPECT_EQ((std::vector<CString>{W(u8"Nicht \u00FCbersetzt")}), result.untranslated);
  EXPECT_EQ(std::vector<CString>(), result.problems);
}

TEST_F(ProgramTraTest, DependenciesAreTheFilesRead) {
  const ProgramTraResult result = MakeProgramTraFiles(m_request);
  ASSERT_TRUE(result.Succeeded());
  ASSERT_EQ(4u, result.dependencies.size());
  EXPECT_EQ(NormalizeScriptPath(m_request.script), result.dependencies[0]);
  EXPECT_EQ(lw::NameOf(result.dependencies[1]), CString(_T("AppIds.h")));
  EXPECT_EQ(lw::NameOf(result.dependencies[2]), CString(_T("Extra.rc")));
  EXPECT_EQ(m_request.englishTable, result.dependencies[3]);
}

// A statement the reader cannot read is a warning with its place; the rest
// of the script still makes both files.
TEST_F(ProgramTraTest, ScanProblemsAreWarnings) {
  WriteText(m_dir + _T("App.rc"), std::string(kScript) + "BROKEN DIALOG 0, 0, 10\nBEGIN\nEND\n");
  const ProgramTraResult result = MakeProgramTraFiles(m_request);
  ASSERT_EQ(true, result.Succeeded());
  ASSERT_EQ(1u, result.problems.size());
  EXPECT_NE(-1, result.problems[0].Find(_T("BROKEN DIALOG 0 , 0 , 10")))
      << CStringA(result.problems[0]).GetString();
  EXPECT_EQ(true, Exists(Out(_T("AppU.tra"))));
  EXPECT_EQ(true, Exists(Out(_T("AppUEN.tra"))));
}

TEST_F(ProgramTraTest, AnsiFileHoldsCodePage1252Texts) {
  m_request.ansi = true;
  m_request.originalName = _T("App.tra");
  m_request.englishName = _T("AppEN.tra");
  ASSERT_TRUE(MakeProgramTraFiles(m_request).Succeeded());
  for (const TCHAR* name : {_T("App.tra"), _T("AppEN.tra")}) {
    SCOPED_TRACE(CStringA(name).GetString());
    const std::vector<BYTE> bytes = lwtest::ReadFileBytes(Out(name));
    const std::string raw(bytes.begin(), bytes.end());
    // No text in the 16-bit form, and the umlaut as its one 1252 byte.
    EXPECT_EQ(std::string::npos, raw.find("\xFF\xFE\xFF"));
    EXPECT_NE(std::string::npos, raw.find("Nicht \xFC" "bersetzt"));
    std::unique_ptr<CTraFile> file = Read(name);
    ASSERT_NE(nullptr, file);
    const CTraNode* dialog = Find(*file, {TRA_SECTION_DIALOGS, _T("Einstellungen")});
    ASSERT_NE(nullptr, dialog);
    EXPECT_EQ(W(u8"Nicht \u00FCbersetzt"), dialog->GetChild(2)->GetTranslation());
  }
}

TEST_F(ProgramTraTest, AnsiRefusesTextsOutsideCodePage1252) {
  WriteText(m_dir + _T("App.rc"), "#pragma code_page(65001)\nS DIALOG 0,0,10,10\nCAPTION \"\xCE\xA9\"\nBEGIN\nEND\n");
  m_request.ansi = true;
  const ProgramTraResult result = MakeProgramTraFiles(m_request);
  ASSERT_EQ(2u, result.errors.size());
  EXPECT_EQ(W(u8"AppU.tra: code page 1252 cannot hold the text \"\u03A9\""), result.errors[0]);
  EXPECT_EQ(W(u8"AppUEN.tra: code page 1252 cannot hold the text \"\u03A9\""), result.errors[1]);
  EXPECT_EQ(false, Exists(Out(_T("AppU.tra"))));
  EXPECT_EQ(false, Exists(Out(_T("AppUEN.tra"))));
}

TEST_F(ProgramTraTest, FailuresWriteNothing) {
  const struct {
    const char* name;
    std::function<void(ProgramTraTest&)> change;
    CString error;
  } cases[] = {
      {"bad table line", [](ProgramTraTest& t) { WriteText(t.m_dir + _T("English.txt"), "a\tb\n\nno tab\n"); },
       _T("English.txt: line 3: has no tab between the original and the English text")},
      {"missing script", [](ProgramTraTest& t) { t.m_request.script = t.m_dir + _T("Missing.rc"); },
       _T("cannot read ")},
      {"included script missing",
       [](ProgramTraTest& t) { WriteText(t.m_dir + _T("App.rc"), std::string(kScript) + "#include \"Gone.rc\"\n"); },
       _T("included script not found: Gone.rc")},
      {"missing table", [](ProgramTraTest& t) { t.m_request.englishTable = t.m_dir + _T("Missing.txt"); },
       _T("cannot read the English table ")},
      {"no flag strip", [](ProgramTraTest& t) { t.m_request.flagStrip = t.m_dir + _T("none.bmp"); },
       _T("no flag of Germany in the flag strip ")},
      {"English file unwritable", [](ProgramTraTest& t) { t.m_request.englishName = _T("nowhere/AppUEN.tra"); },
       _T("cannot write ")},
      {"folder missing", [](ProgramTraTest& t) { t.m_request.folder = t.m_dir + _T("nowhere"); },
       _T("cannot write ")},
      // The programs would show the original: the table is wrong.
      {"English format with other conversions",
       [](ProgramTraTest& t) {
         WriteText(t.m_dir + _T("App.rc"), std::string(kScript) + "STRINGTABLE\nBEGIN\n  2 \"%i Texte\"\nEND\n");
         WriteText(t.m_dir + _T("English.txt"), std::string(kTable) + "%i Texte\t%s texts\n");
       },
       _T("AppUEN.tra: the English text has other conversions: \"%i Texte\" is \"%s texts\"")},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    SetUp();
    c.change(*this);
    const ProgramTraResult result = MakeProgramTraFiles(m_request);
    ASSERT_EQ(false, result.errors.empty());
    EXPECT_NE(-1, result.errors[0].Find(c.error)) << CStringA(result.errors[0]).GetString();
    EXPECT_EQ(false, Exists(Out(_T("AppU.tra"))));
    EXPECT_EQ(false, Exists(Out(_T("AppUEN.tra"))));
  }
}

// Every text of the supplied entries has its English text built in; the
// switch dialog's "&Hilfe" wins over the button's.
TEST(SuppliedEntries, EveryGermanTextHasEnglish) {
  CGermanSystemCapture capture;
  ResMessageBoxCapture box;
  ASSERT_EQ(true, capture.CaptureMessageBox(box));
  std::vector<CString> menu;
  ASSERT_EQ(true, capture.ReadSystemMenu(menu));
  std::vector<CString> texts = menu;
  for (const ResCapturedButton& button : box.buttons) texts.push_back(button.text);
  for (const CString& text : texts) {
    SCOPED_TRACE(CStringA(text).GetString());
    EXPECT_NE(nullptr, SuppliedEnglishTexts().Find(text));
  }
  ASSERT_NE(nullptr, SuppliedEnglishTexts().Find(_T("&Hilfe")));
  EXPECT_EQ(CString(_T("&Help")), *SuppliedEnglishTexts().Find(_T("&Hilfe")));
  EXPECT_EQ(nullptr, SuppliedEnglishTexts().Find(_T("Einstellungen")));
}

}  // namespace
