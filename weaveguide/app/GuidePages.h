// The assistant's pages: the common page (header strings through the
// library, wizard buttons and Next/Back from the page road) and the pages
// that only show their template's instructions.
#pragma once

#include "FrameworkWin.h"
#include "GuideStrings.h"
#include "IntegrationSettings.h"


class CGuidePage : public CPropertyPageEx {
 public:
  // Header title and subtitle 0: the page has no header.
  CGuidePage(UINT templateId, UINT titleId, UINT subTitleId);

  BOOL OnSetActive() override;
  LRESULT OnWizardNext() override;
  LRESULT OnWizardBack() override;
  UINT GetPageId() const { return m_pageId; }
  // The answers the pages read and change; the sheet hands them over before
  // it shows a page.
  void SetSettings(CIntegrationSettings* settings) { m_pSettings = settings; }

 protected:
  // The page's own radio group has a choice (the pages that have one).
  virtual bool ChoiceMade() const { return false; }
  // Fills the page's composed texts and shows or hides its parts.
  virtual void Compose() {}

  CIntegrationSettings& Settings() const;
  void PostWizardButtons(int buttons);
  void ShowItem(int id, bool shown);
  // Makes the read-only snippet box id tall enough for every line of its
  // text above its horizontal scroll bar; controls below it move down by as
  // much. Never shrinks it.
  void FitSnippetBox(int id);

  UINT m_pageId;
  CIntegrationSettings* m_pSettings = nullptr;
};

// Pages with nothing but instructions, by template id.
template <UINT templateId, UINT titleId, UINT subTitleId>
class CInstructionPage : public CGuidePage {
 public:
  CInstructionPage() : CGuidePage(templateId, titleId, subTitleId) {}
};

typedef CInstructionPage<121, 202, 203> CCompileProjectPage;
typedef CInstructionPage<142, 220, 221> CCastErrorPage;
typedef CInstructionPage<138, 224, 225> CTraCreatePage;
typedef CInstructionPage<141, 228, 229> CRuntimeProblemPage;
typedef CInstructionPage<149, 241, 240> CIncludeDLLHeaderPage;
typedef CInstructionPage<153, 244, 245> CStartLwvNoCodePage;
typedef CInstructionPage<152, 246, 247> CLoadStringPage;
typedef CInstructionPage<154, 248, 249> CVirtFunc2Page;
typedef CInstructionPage<155, 224, 225> CTraCreate2Page;

// The last page: no header, Back and Finish.
class CCompletion : public CGuidePage {
 public:
  CCompletion();
};
