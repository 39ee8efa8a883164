#include "GuidePages.h"

#include "LwvProgram.h"
#include "PageFlow.h"
#include "ProgramTexts.h"

CGuidePage::CGuidePage(UINT templateId, UINT titleId, UINT subTitleId)
    : CPropertyPageEx(templateId), m_pageId(templateId) {
  if (titleId) m_strHeaderTitle = LwStringTableTexts().Text(titleId);
  if (subTitleId) m_strHeaderSubTitle = LwStringTableTexts().Text(subTitleId);
  if (!titleId && !subTitleId) m_psp.dwFlags |= PSP_HIDEHEADER;
}

CIntegrationSettings& CGuidePage::Settings() const {
  ASSERT(m_pSettings);
  return *m_pSettings;
}

void CGuidePage::PostWizardButtons(int buttons) {
  if (CWnd* sheet = GetParent()) sheet->PostMessage(PSM_SETWIZBUTTONS, 0, buttons);
}

void CGuidePage::ShowItem(int id, bool shown) {
  if (CWnd* item = GetDlgItem(id)) item->ShowWindow(shown ? SW_SHOW : SW_HIDE);
}

void CGuidePage::FitSnippetBox(int id) {
  CWnd* edit = GetDlgItem(id);
  if (!edit) return;
  const int lines = static_cast<int>(edit->SendMessage(EM_GETLINECOUNT));
  TEXTMETRIC metrics = {};
  {
    CClientDC dc(edit);
    CFont* previous = dc.SelectObject(edit->GetFont());
    dc.GetTextMetrics(&metrics);
    if (previous) dc.SelectObject(previous);
  }
  CRect box, client, format;
  edit->GetWindowRect(&box);
  edit->GetClientRect(&client);
  edit->SendMessage(EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
  // Frame and scroll bar, then the edit's own margin above and below the lines.
  const int wanted = box.Height() - client.Height() + 2 * (format.top - client.top) + lines * metrics.tmHeight;
  const int grow = wanted - box.Height();
  if (grow <= 0) return;
  ScreenToClient(&box);
  for (CWnd* child = GetWindow(GW_CHILD); child; child = child->GetWindow(GW_HWNDNEXT)) {
    CRect rect;
    child->GetWindowRect(&rect);
    ScreenToClient(&rect);
    if (child != edit && rect.top >= box.bottom)
      child->SetWindowPos(nullptr, rect.left, rect.top + grow, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  edit->SetWindowPos(nullptr, 0, 0, box.Width(), wanted, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
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
