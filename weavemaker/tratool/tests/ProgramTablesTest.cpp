// The programs' own text tables against their scripts: the German texts
// built into the programs (for builds without resources) are those of the
// string tables, and no English text changes a format's conversions.
#include "DeskStrings.h"
#include "EnglishTable.h"
#include "RcFileSet.h"
#include "ResFile.h"
#include "ResMessages.h"
#include "ResStringTable.h"
#include "ScriptIncludes.h"
#include "StdDlgText.h"
#include "WizardTexts.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <memory>
#include <string>

namespace {

const CString kSource = _T(LW_SOURCE_DIR) _T("/");

std::string S(const CString& s) { return std::string(CStringA(s).GetString()); }

// "#define NAME number" lines of a header.
void ReadDefines(const CString& path, std::map<CString, UINT>& defines) {
  CFile file(path, CFile::modeRead);
  std::string text(static_cast<size_t>(file.GetLength()), '\0');
  file.Read(&text[0], static_cast<UINT>(text.size()));
  size_t pos = 0;
  while (pos < text.size()) {
    size_t end = text.find('\n', pos);
    if (end == std::string::npos) end = text.size();
    char name[128] = {0};
    unsigned value = 0;
    if (std::sscanf(text.substr(pos, end - pos).c_str(), " #define %127s %u", name, &value) == 2)
      defines[CString(name)] = value;
    pos = end + 1;
  }
}

// The string table of a program's script with its includes, by id.
std::map<UINT, CString> ScriptStrings(const char* script, std::initializer_list<const char*> folders) {
  std::vector<CString> dirs;
  for (const char* f : folders) dirs.push_back(kSource + CString(f));
  ScriptIncludes includes;
  CString error;
  EXPECT_TRUE(CollectScriptIncludes(kSource + CString(script), dirs, includes, error)) << S(error);
  std::map<CString, UINT> defines;
  for (const CString& file : includes.files)
    if (IsHeaderName(file)) ReadDefines(file, defines);
  CResProblemLog log;
  CRcFileSet set(includes.scripts.data(), static_cast<int>(includes.scripts.size()), nullptr, 0, 50, &log);
  std::unique_ptr<CResFile> resources(set.BuildResFile(log, false));
  std::map<UINT, CString> strings;
  CResGroup& tables = resources->StringTables();
  for (int i = 0; i < tables.GetCount(); ++i) {
    const auto* table = dynamic_cast<const CResStringTable*>(tables.GetItem(i));
    for (int k = 0; table && k < table->GetCount(); ++k) {
      const CString& id = table->GetId(k);
      const UINT number = id[0] >= '0' && id[0] <= '9' ? static_cast<UINT>(_ttoi(id)) : defines[id];
      strings[number] = table->GetText(k);
    }
  }
  return strings;
}

// Every id a built-in table knows has the script's text.
template <class BuiltIn>
void ExpectScriptTexts(const std::map<UINT, CString>& script, BuiltIn builtIn, UINT from, UINT to, int minimum) {
  int compared = 0;
  for (UINT id = from; id <= to; ++id) {
    const CString text = builtIn(id);
    if (text.IsEmpty()) continue;
    ++compared;
    auto it = script.find(id);
    ASSERT_NE(script.end(), it) << "id " << id << " is not in the script: " << S(text);
    EXPECT_EQ(S(it->second), S(text)) << "id " << id;
  }
  EXPECT_LE(minimum, compared);
}

TEST(ProgramTables, WeaveMakersBuiltInTextsAreItsScripts) {
  const auto script = ScriptStrings("weavemaker/res/WeaveMaker.rc", {"weavemaker/res", "langpicker/win32"});
  // Its own texts, the reader's messages and the switch dialog's texts.
  ExpectScriptTexts(script, WizardBuiltInText, 0, 65535, 7 + 15 + 19);
}

TEST(ProgramTables, WeaveDesksBuiltInTextsAreItsScripts) {
  const auto script = ScriptStrings("weavedesk/res/WeaveDesk.rc", {"weavedesk/app", "framework/win32", "langpicker/win32",
                                                                   "weavedesk/res", "weavedesk/dialogs"});
  ExpectScriptTexts(script, DeskBuiltInText, 0, 65535, 39);
}

// The programs fall back to the original's format at run time; the tables
// must not make them.
TEST(ProgramTables, EnglishTextsKeepTheConversionsOfTheirOriginals) {
  for (const char* table : {"weavemaker/res/English.txt", "weavedesk/res/English.txt",
                            "weaveguide/res/English.txt"}) {
    CEnglishTable english;
    CString error;
    const CString path = kSource + CString(table);
    ASSERT_TRUE(english.Load(path, error)) << S(error);
    int formats = 0;
    for (const auto& entry : english.GetEntries()) {
      std::vector<LwConversion> conversions;
      if (!LwParseConversions(entry.first, conversions)) continue;
      formats += conversions.empty() ? 0 : 1;
      EXPECT_TRUE(LwSameConversions(entry.first, entry.second)) << table << ": " << S(entry.first) << " -> "
                                                                 << S(entry.second);
    }
    EXPECT_LT(0, formats) << table;
  }
}

}  // namespace
