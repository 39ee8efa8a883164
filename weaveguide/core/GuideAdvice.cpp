#include "GuideAdvice.h"

#include "GuideTexts.h"
#include "ProjectAnalyser.h"

#include <map>
#include <set>
#include <utility>

namespace {

const TCHAR kLineEnd[] = _T("\r\n");

CString CMakeList(const std::vector<CString>& names) {
  CString list;
  for (const CString& name : names) list += (list.IsEmpty() ? _T("") : _T(" ")) + name;
  return list;
}

CString CMakeSet(const TCHAR* variable, const CString& value) {
  CString line;
  line.Format(_T("set(%s %s)\r\n"), variable, (LPCTSTR)value);
  return line;
}

// The library page the road passes shows the preprocessor step only for
// Visual C++ projects; other environments get the definition in the include
// lines.
bool DefinesSymbolInProject(const CIntegrationSettings& s) {
  return s.m_preprocessor && s.m_ideKind == kIdeVisualCpp;
}

}  // namespace

CString GuideFixFileName(const CString& className) { return _T("GuideFix_") + className + _T(".inc"); }

std::vector<CString> GuideListedNames(const CString& list, bool debug) {
  std::vector<CString> names;
  int start = 0;
  while (start < list.GetLength()) {
    int end = list.Find(_T('\n'), start);
    if (end < 0) end = list.GetLength();
    CString line = list.Mid(start, end - start);
    start = end + 1;
    const int tab = line.Find(_T('\t'));
    CString name = (tab < 0 ? line : line.Left(tab)).Trim();
    const bool namesDebug = tab >= 0 && line.Mid(tab).Find(_T("Debug")) >= 0;
    if (!name.IsEmpty() && namesDebug == debug) names.push_back(name);
  }
  return names;
}

CString GuideWindowsPath(const CString& path) {
  CString windows = path;
  windows.Replace(_T('/'), _T('\\'));
  return windows;
}

std::vector<GuideAdviceFile> GuideAdviceFiles(const CIntegrationSettings& s, const CGuideStrings& strings) {
  std::vector<GuideAdviceFile> files;
  files.push_back({_T("GuideInclude.h"), GuideIncludeLines(s, s.m_mfc ? kHeaderFramework : kHeaderSdk) + kLineEnd});
  files.push_back({_T("GuideStartCode.inc"), GuideStartCode(s) + kLineEnd});

  // The fix-macro lines by class, in the order of the hits. A class holds
  // each macro once: a header listed twice in the project, or a class of the
  // same name in two headers, gives the same hit twice, and a second macro
  // line would declare its method twice.
  std::vector<CString> classes;
  std::map<CString, CString> lines;
  std::set<std::pair<CString, CString>> added;  // class name, macro text
  if (const CProjectAnalyser* analyser = s.GetScanResults()) {
    for (INT_PTR i = 0; const CFixHit* hit = analyser->FixHitAt(i); ++i) {
      const CString name = hit->m_class->GetName();
      if (!added.insert({name, hit->m_macroText}).second) continue;
      if (!lines.count(name)) classes.push_back(name);
      lines[name] += GuideFixMacroLine(s, *hit) + kLineEnd;
    }
  }
  for (const CString& name : classes) files.push_back({GuideFixFileName(name), lines[name]});

  const CString libraries = GuideLibraryList(s, strings);
  const CString dlls = GuideDllList(s, strings);
  CString cmake = _T("# What the assistant's library and DLL pages name for these answers.\r\n");
  cmake += CMakeSet(_T("GUIDE_RELEASE_LIBRARIES"), CMakeList(GuideListedNames(libraries, false)));
  cmake += CMakeSet(_T("GUIDE_DEBUG_LIBRARIES"), CMakeList(GuideListedNames(libraries, true)));
  cmake += CMakeSet(_T("GUIDE_RELEASE_DLLS"), CMakeList(GuideListedNames(dlls, false)));
  cmake += CMakeSet(_T("GUIDE_DEBUG_DLLS"), CMakeList(GuideListedNames(dlls, true)));
  cmake += CMakeSet(_T("GUIDE_DEFINITIONS"), DefinesSymbolInProject(s) ? _T("_LINGOWEAVE") : _T(""));
  files.push_back({_T("GuideLibraries.cmake"), cmake});
  return files;
}
