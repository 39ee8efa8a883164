// Writes a program's language files at build time: the German original
// made from its resource script and the English file made with its English
// table. Prints the texts without English as warnings; exits non-zero with
// a message and writes nothing when anything fails.
//   MakeProgramTra --rc <script> --table <English table> --folder <dir>
//                  --original <name> --english <name> --program <name>
//                  --flags <flag strip .bmp> [--ansi] [--include <dir>]...
//                  [--depfile <file>]
#include "ProgramTraMaker.h"
#include "ScriptIncludes.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace {

void Print(FILE* out, const char* prefix, const CString& text) {
  CString shown = text;
  shown.Replace(_T("\n"), _T("\\n"));
  shown.Replace(_T("\t"), _T("\\t"));
  std::fprintf(out, "%s%s\n", prefix, lw::ToUtf8(shown).c_str());
}

int Usage() {
  std::fprintf(stderr,
               "usage: MakeProgramTra --rc <script> --table <English table> --folder <dir>\n"
               "         --original <name> --english <name> --program <name> --flags <flag strip>\n"
               "         [--ansi] [--include <dir>]... [--depfile <file>]\n");
  return 2;
}

// Make's form: "target: dependency ..." with blanks escaped.
bool WriteDepfile(const CString& path, const CString& target, const std::vector<CString>& files) {
  std::string text = lw::ToUtf8(target) + ":";
  for (const CString& file : files) {
    std::string name = lw::ToUtf8(file);
    std::string escaped;
    for (char c : name) {
      if (c == ' ') escaped += '\\';
      escaped += c;
    }
    text += " \\\n  " + escaped;
  }
  text += "\n";
  return lw::WriteWholeFile(path, text);
}

}  // namespace

int main(int argc, char** argv) {
  ProgramTraRequest request;
  CString depfile;
  for (int i = 1; i < argc; ++i) {
    const std::string option = argv[i];
    if (option == "--ansi") {
      request.ansi = true;
      continue;
    }
    if (i + 1 >= argc) return Usage();
    const CString value = lw::FromUtf8(argv[++i]);
    if (option == "--rc") request.script = value;
    else if (option == "--table") request.englishTable = value;
    else if (option == "--folder") request.folder = value;
    else if (option == "--original") request.originalName = value;
    else if (option == "--english") request.englishName = value;
    else if (option == "--program") request.programName = value;
    else if (option == "--flags") request.flagStrip = value;
    else if (option == "--include") request.includeDirs.push_back(value);
    else if (option == "--depfile") depfile = value;
    else return Usage();
  }
  if (request.script.IsEmpty() || request.englishTable.IsEmpty() || request.folder.IsEmpty() ||
      request.originalName.IsEmpty() || request.englishName.IsEmpty() || request.programName.IsEmpty() ||
      request.flagStrip.IsEmpty())
    return Usage();

  const ProgramTraResult result = MakeProgramTraFiles(request);
  for (const CString& problem : result.problems) Print(stderr, "warning: ", problem);
  for (const CString& text : result.untranslated) Print(stderr, "untranslated: ", text);
  if (!result.Succeeded()) {
    for (const CString& error : result.errors) Print(stderr, "error: ", error);
    return 1;
  }
  if (!depfile.IsEmpty()) {
    const CString target = JoinScriptPath(request.folder, request.originalName);
    if (!WriteDepfile(depfile, target, result.dependencies)) {
      Print(stderr, "error: cannot write ", depfile);
      return 1;
    }
  }
  return 0;
}
