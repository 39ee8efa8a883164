// The texts the assistant's pages compose for the developer to copy: include
// lines, start code, library and DLL lists, the switch-dialog call and the
// fix-macro and extern-header lists of a scan. Pure functions of the
// settings, the analyser's results and the strings; shows nothing.
#pragma once

#include "GuideStrings.h"
#include "IntegrationSettings.h"

enum GuideHeader { kHeaderFramework, kHeaderSdk };

// The project's name for its language and INI files: the file name of the
// project path without its last 4 characters; "MyProject" when there is none.
CString GuideProjectName(const CString& projectPath);

UINT GuideLibraryListId(const CIntegrationSettings& settings);
CString GuideLibraryList(const CIntegrationSettings& settings, const CGuideStrings& strings);
// The library list with every ".lib" as ".dll".
CString GuideDllList(const CIntegrationSettings& settings, const CGuideStrings& strings);

CString GuideIncludeLines(const CIntegrationSettings& settings, GuideHeader header);

// The lines that start the library, for the project's name.
CString GuideStartCode(const CIntegrationSettings& settings);

// The switch-dialog call: shown as code unless the environment is another
// one, where the prompt names the function instead.
bool GuideShowsSwitchCall(const CIntegrationSettings& settings);
UINT GuideSwitchCallPromptId(const CIntegrationSettings& settings);
CString GuideSwitchCall(const CIntegrationSettings& settings);

UINT GuideTestInstructionsId(const CIntegrationSettings& settings);

class CFixHit;

// The lines to add to the hit's class for its macro.
CString GuideFixMacroLine(const CIntegrationSettings& settings, const CFixHit& hit);

// One entry per fix hit or extern include of the settings' analyser, each
// followed by an empty line; empty without a finished scan.
CString GuideFixMacroList(const CIntegrationSettings& settings, const CGuideStrings& strings);
CString GuideExternHeaderList(const CIntegrationSettings& settings, const CGuideStrings& strings);
