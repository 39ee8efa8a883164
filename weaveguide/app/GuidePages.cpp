#include "GuidePages.h"

#include "GuideApp.h"
#include "LwvProgram.h"
#include "PageFlow.h"
#include "ProgramTexts.h"

CGuidePage::CGuidePage(UINT templateId, UINT titleId, UINT subTitleId)
    : CPropertyPageEx(templateId), m_pageId(templateId) {
  if (titleId) m_strHeaderTitle = LwStringTableTexts().Text(titleId);
  if (subTitleId) m_strHeaderSubTitle = LwStringTableTexts().Text(subTitleId);
  if (!titleId && !subTitleId) m_psp.dwFlags |= PSP_HIDEHEADER;
}

CIntegrationSettings& CGuidePage::Settings() const { return GuideSettings(); }

void CGuidePage::PostWizardButtons(int buttons) {
  if (CWnd* sheet = GetParent()) sheet->PostMessage(PSM_SETWIZBUTTONS, 0, buttons);
}

void CGuidePage::ShowItem(int id, bool shown) {
  if (CWnd* item = GetDlgItem(id)) item->ShowWindow(shown ? SW_SHOW : SW_HIDE);
}

BOOL CGuidePage::OnSetActive() {
  PostWizardButtons(GuideActivationButtons(static_cast<int>(m_pageId), Settings(), ChoiceMade()));
  Compose();
  return CPropertyPageEx::OnSetActive();
}

LRESULT CGuidePage::OnWizardNext() {
  return GuideNextPage(static_cast<int>(m_pageId), GuideRoadOf(Settings()));
}

LRESULT CGuidePage::OnWizardBack() { return GuideBackPage(static_cast<int>(m_pageId), GuideRoadOf(Settings())); }

CCompletion::CCompletion() : CGuidePage(119, 0, 0) {}
