#include "GuideTexts.h"

#include "ProgramTexts.h"
#include "ProjectAnalyser.h"
#include "StdDlgText.h"

namespace {

const TCHAR kGuardBegin[] = _T("#ifdef _LINGOWEAVE\r\n");
const TCHAR kGuardEnd[] = _T("#endif");
const TCHAR kNewLine[] = _T("\r\n");
const TCHAR kEntryEnd[] = _T("\r\n\r\n");

CString Guarded(const CString& code) { return kGuardBegin + code + kNewLine + kGuardEnd; }

}  // namespace

CString CProgramGuideStrings::Load(UINT id) const { return LwStringTableTexts().Text(id); }

CString CProgramGuideStrings::LoadOriginal(UINT id) const { return LwStringTableTexts().Original(id); }

const CGuideStrings& GuideProgramStrings() {
  static const CProgramGuideStrings strings;
  return strings;
}

CString GuideLoadFormat(const CGuideStrings& strings, UINT id) {
  return LwChooseFormat(strings.LoadOriginal(id), strings.Load(id));
}

namespace {

// One entry of a list: the format takes exactly these arguments, or the
// original's format does; else the values stand on lines of their own.
CString GuideEntry(const CGuideStrings& strings, UINT id, const std::vector<LwFormatArg>& args) {
  CString entry;
  if (LwFormatArgs(GuideLoadFormat(strings, id), args, entry)) return entry;
  return LwFormatOrAppend(strings.LoadOriginal(id), args, kNewLine);
}

}  // namespace

CString GuideProjectName(const CString& projectPath) {
  CString file = projectPath.Mid(projectPath.ReverseFind(_T('\\')) + 1);
  if (file.GetLength() < 4) return _T("MyProject");
  return file.Left(file.GetLength() - 4);
}

UINT GuideLibraryListId(const CIntegrationSettings& s) {
  if (!s.m_unicode) return kStrLibraries8Bit;
  return s.m_8Bit ? kStrLibrariesBoth : kStrLibrariesUnicode;
}

CString GuideLibraryList(const CIntegrationSettings& s, const CGuideStrings& strings) {
  return strings.Load(GuideLibraryListId(s));
}

CString GuideDllList(const CIntegrationSettings& s, const CGuideStrings& strings) {
  CString list = GuideLibraryList(s, strings);
  list.Replace(_T(".lib"), _T(".dll"));
  return list;
}

CString GuideIncludeLines(const CIntegrationSettings& s, GuideHeader header) {
  CString include = header == kHeaderFramework ? _T("#include \"LwvMFC.h\"") : _T("#include \"LwvSDK.h\"");
  if (!s.m_preprocessor) return include;
  CString guarded = Guarded(include);
  return s.m_ideKind == kIdeOtherCpp ? _T("#define _LINGOWEAVE\r\n") + guarded : guarded;
}

CString GuideStartCode(const CIntegrationSettings& s) {
  // The name goes in as it is, never as part of a format.
  CString name = GuideProjectName(s.m_projectPath);
  CString code = _T("\t/* This fills Lwv start params. See \"Lwv.h\" for details */\r\n")
                 _T("\tLW_STARTPARAMS StartPars;\r\n")
                 _T("\t_tcscpy(StartPars.szStdFile, _T(\"") + name + _T(".tra\"));\r\n")
                 _T("\t_tcscpy(StartPars.szTraPath, _T(\"\"));\r\n")
                 _T("\tStartPars.bAutoSwitchCommand = TRUE;\r\n")
                 _T("\tStartPars.nSwitchCommandID = 0x1234;\r\n")
                 _T("\tStartPars.nSwitchMainMenuPos = 1;\r\n")
                 _T("\tStartPars.bSwitchDlgAllowOld = TRUE;\r\n")
                 _T("\tStartPars.nSwitchDlgHelpID = 123;\r\n")
                 _T("\tStartPars.hRegKey = 0; //GetAppRegistryKey();\r\n")
                 _T("\t_tcscpy(StartPars.szIniFilePath, _T(\"") + name + _T(".ini\"));\r\n")
                 _T("\tStartPars.nSwitchBroadcastMsg = 0; // Add registered message here\r\n")
                 _T("\r\n")
                 _T("\t/* This starts Lwv */\r\n")
                 _T("\tLWStart(&StartPars);\r\n")
                 _T("\tLWAddThread(GetCurrentThreadId());\r\n");
  return s.m_preprocessor ? kGuardBegin + code + kGuardEnd : code;
}

bool GuideShowsSwitchCall(const CIntegrationSettings& s) { return s.m_ideKind != kIdeOther; }

UINT GuideSwitchCallPromptId(const CIntegrationSettings& s) {
  return GuideShowsSwitchCall(s) ? kStrSwitchCallPrompt : kStrSwitchCallNamed;
}

CString GuideSwitchCall(const CIntegrationSettings& s) {
  return s.m_preprocessor ? Guarded(_T("\tLWSwitchDialog();")) : CString(_T("LWSwitchDialog();"));
}

UINT GuideTestInstructionsId(const CIntegrationSettings& s) {
  return s.m_menu ? kStrTestWithMenu : kStrTestWithoutMenu;
}

CString GuideFixMacroLine(const CIntegrationSettings& s, const CFixHit& hit) {
  return s.m_preprocessor ? _T("\t#ifdef _LINGOWEAVE\r\n\t") + hit.m_macroText + _T("\r\n\t#endif")
                          : _T("\t") + hit.m_macroText;
}

CString GuideFixMacroList(const CIntegrationSettings& s, const CGuideStrings& strings) {
  CString list;
  const CProjectAnalyser* analyser = s.GetScanResults();
  if (!analyser) return list;
  for (INT_PTR i = 0; const CFixHit* hit = analyser->FixHitAt(i); ++i) {
    CString macroLine = GuideFixMacroLine(s, *hit);
    list += GuideEntry(strings, kStrFixMacroEntry,
                       {hit->m_member->m_fileName, hit->m_member->m_line + 1, hit->m_class->GetName(),
                        hit->m_member->m_declText, macroLine}) +
            kEntryEnd;
  }
  return list;
}

CString GuideExternHeaderList(const CIntegrationSettings& s, const CGuideStrings& strings) {
  CString list;
  const CProjectAnalyser* analyser = s.GetScanResults();
  if (!analyser) return list;
  for (INT_PTR i = 0; const CIncludeNode* include = analyser->ExternIncludeAt(i); ++i) {
    const CString& line = include->m_lineText;
    CString replacement =
        s.m_preprocessor
            ? _T("\t#ifdef _LINGOWEAVE\r\n\t#undef CString\r\n\t") + line +
                  _T("\r\n\t#define CString __X_CString\r\n\t#else\r\n\t") + line + _T("\r\n\t#endif")
            : _T("\t#undef CString\r\n\t") + line + _T("\r\n\t#define CString __X_CString");
    list += GuideEntry(strings, kStrExternHeaderEntry, {include->m_fileName, include->m_line + 1, line, replacement}) +
            kEntryEnd;
  }
  return list;
}
