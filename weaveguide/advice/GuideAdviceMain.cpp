// Writes what WeaveGuide's pages tell a program to add, for given answers,
// as files the program's build includes (see GuideAdvice.h); each file is
// written only when its text changed. Exits non-zero with a message when
// anything fails, also when the project's scan fails.
//   GuideAdvice --script <WeaveGuide.rc> --ids <GuideIds.h> --out <dir>
//               --ide vc|cpp|other --charset 8bit|unicode|both
//               [--mfc] [--no-preprocessor] [--no-menu] [--project <file.dsp>]
#include "GuideAdvice.h"
#include "ProjectScan.h"
#include "ScriptGuideStrings.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace {

int Fail(const CString& message) {
  std::fprintf(stderr, "GuideAdvice: %s\n", lw::ToUtf8(message).c_str());
  return 1;
}

int Usage() {
  std::fprintf(stderr,
               "usage: GuideAdvice --script <WeaveGuide.rc> --ids <GuideIds.h> --out <dir>\n"
               "         --ide vc|cpp|other --charset 8bit|unicode|both\n"
               "         [--mfc] [--no-preprocessor] [--no-menu] [--project <file.dsp>]\n");
  return 2;
}

bool SameContent(const CString& path, const std::string& bytes) {
  try {
    CFile file;
    if (!file.Open(path, CFile::modeRead)) return false;
    if (file.GetLength() != bytes.size()) return false;
    std::string old(bytes.size(), '\0');
    return file.Read(old.data(), static_cast<UINT>(old.size())) == old.size() && old == bytes;
  } catch (const CException&) {
    return false;
  }
}

bool WriteIfChanged(const CString& path, const CString& text) {
  const std::string bytes = lw::ToUtf8(text);
  return SameContent(path, bytes) || lw::WriteWholeFile(path, bytes);
}

}  // namespace

int main(int argc, char** argv) {
  CString script, ids, out, ide, charset, project;
  bool mfc = false, preprocessor = true, menu = true;
  for (int i = 1; i < argc; ++i) {
    const std::string option = argv[i];
    if (option == "--mfc") mfc = true;
    else if (option == "--no-preprocessor") preprocessor = false;
    else if (option == "--no-menu") menu = false;
    else if (i + 1 >= argc) return Usage();
    else if (option == "--script") script = lw::FromUtf8(argv[++i]);
    else if (option == "--ids") ids = lw::FromUtf8(argv[++i]);
    else if (option == "--out") out = lw::FromUtf8(argv[++i]);
    else if (option == "--ide") ide = lw::FromUtf8(argv[++i]);
    else if (option == "--charset") charset = lw::FromUtf8(argv[++i]);
    else if (option == "--project") project = lw::FromUtf8(argv[++i]);
    else return Usage();
  }
  const int ideRadio = ide == _T("vc") ? kIdeVisualCpp : ide == _T("cpp") ? kIdeOtherCpp : ide == _T("other") ? kIdeOther : -1;
  const int charsetRadio = charset == _T("8bit")      ? kCharset8Bit
                           : charset == _T("unicode") ? kCharsetUnicode
                           : charset == _T("both")    ? kCharsetBoth
                                                      : -1;
  if (script.IsEmpty() || ids.IsEmpty() || out.IsEmpty() || ideRadio < 0 || charsetRadio < 0) return Usage();

  CScriptGuideStrings strings;
  CString error;
  if (!strings.ReadScript(script, ids, error)) return Fail(error);

  // The answers as the environment and options pages take them.
  CIntegrationSettings settings;
  settings.LeaveIdePage(ideRadio, mfc);
  settings.ChangeOptions(preprocessor, menu, charsetRadio);
  settings.m_projectPath = project;
  if (!project.IsEmpty()) {
    const GuideScanOutcome scan = GuideScanProject(settings, nullptr);
    if (!scan.completed) return Fail(scan.error);
    settings.m_projectPath = GuideWindowsPath(settings.m_projectPath);
  }
  for (const GuideAdviceFile& file : GuideAdviceFiles(settings, strings)) {
    const CString path = out + _T("/") + file.name;
    if (!WriteIfChanged(path, file.text)) return Fail(_T("cannot write ") + path);
  }
  return 0;
}
