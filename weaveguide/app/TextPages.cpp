#include "TextPages.h"

#include "GuideIds.h"
#include "GuideTexts.h"

CLibToProjectPage::CLibToProjectPage() : CGuidePage(IDD_LIB_TO_PROJECT, 206, 207) {}

void CLibToProjectPage::Compose() {
  SetDlgItemText(IDC_LIBRARY_LIST, GuideLibraryList(Settings(), GuideProgramStrings()));
  ShowItem(IDC_PREPROCESSOR_STEP, Settings().m_preprocessor);
  ShowItem(IDC_PREPROCESSOR_DEFINE, Settings().m_preprocessor);
}

CLib2ToProjectPage::CLib2ToProjectPage() : CGuidePage(IDD_LIB2_TO_PROJECT, 234, 235) {}

void CLib2ToProjectPage::Compose() {
  SetDlgItemText(IDC_LIBRARY_LIST, GuideLibraryList(Settings(), GuideProgramStrings()));
}

CDLLToProjectPage::CDLLToProjectPage() : CGuidePage(IDD_DLL_TO_PROJECT, 236, 237) {}

void CDLLToProjectPage::Compose() {
  SetDlgItemText(IDC_LIBRARY_LIST, GuideDllList(Settings(), GuideProgramStrings()));
}

CHeaderToStdafxPage::CHeaderToStdafxPage() : CGuidePage(IDD_HEADER_TO_STDAFX, 212, 213) {}

void CHeaderToStdafxPage::Compose() {
  SetDlgItemText(IDC_INCLUDE_LINES, GuideIncludeLines(Settings(), kHeaderFramework));
  FitSnippetBox(IDC_INCLUDE_LINES);
}

CIncludeSDKHeaderPage::CIncludeSDKHeaderPage() : CGuidePage(IDD_INCLUDE_SDK_HEADER, 238, 239) {}

void CIncludeSDKHeaderPage::Compose() {
  SetDlgItemText(IDC_INCLUDE_LINES, GuideIncludeLines(Settings(), kHeaderSdk));
  FitSnippetBox(IDC_INCLUDE_LINES);
}

CVirtFuncPage::CVirtFuncPage() : CGuidePage(IDD_VIRT_FUNC, 214, 215) {}

void CVirtFuncPage::Compose() {
  SetDlgItemText(IDC_FIX_MACROS, GuideFixMacroList(Settings(), GuideProgramStrings()));
  SendDlgItemMessage(IDC_FIX_MACROS, EM_SETSEL, static_cast<WPARAM>(-1), 0);
  SendDlgItemMessage(IDC_FIX_MACROS, EM_SCROLLCARET);
}

CExternHeaderPage::CExternHeaderPage() : CGuidePage(IDD_EXTERN_HEADER, 216, 217) {}

void CExternHeaderPage::Compose() {
  SetDlgItemText(IDC_EXTERN_HEADERS, GuideExternHeaderList(Settings(), GuideProgramStrings()));
}

CAddHandlerPage::CAddHandlerPage() : CGuidePage(IDD_ADD_HANDLER, 222, 223) {}

void CAddHandlerPage::Compose() {
  SetDlgItemText(IDC_SWITCH_PROMPT, GuideProgramStrings().Load(GuideSwitchCallPromptId(Settings())));
  const bool shown = GuideShowsSwitchCall(Settings());
  ShowItem(IDC_SWITCH_CALL, shown);
  if (shown) {
    SetDlgItemText(IDC_SWITCH_CALL, GuideSwitchCall(Settings()));
    FitSnippetBox(IDC_SWITCH_CALL);
  }
}

CStartLwvCodePage::CStartLwvCodePage() : CGuidePage(IDD_START_CODE, 242, 243) {}

void CStartLwvCodePage::Compose() {
  ShowItem(IDC_START_CODE_MFC, Settings().m_mfc);
  ShowItem(IDC_START_CODE_PLAIN, !Settings().m_mfc);
  SetDlgItemText(IDC_START_CODE, GuideStartCode(Settings()));
}
