// The Windows answer to the UI seam's flag question (CUiServices::PickFlag):
// runs the flag picker and hands back its LANGID and the 32 x 32 pixels.
#pragma once

#include "FrameworkWin.h"
#include "LangPickerIds.h"

// True after OK, with flag.langId and the 1024 pixels (row by row,
// background RGB(192,192,192)); false, flag unchanged, otherwise.
bool LwPickFlagWithDialog(LwFlagChoice& flag, UINT templateId = IDD_LANGUAGEFLAG_WIZARD,
                          UINT backgroundTemplateId = IDD_FLAGBACKGROUND_WIZARD);

// The programs' Windows UI services with the flag picker: the wizard passes
// its template ids, the editor IDD_LANGUAGEFLAG_EDITOR and
// IDD_FLAGBACKGROUND_EDITOR.
class CFlagPickerUiServices : public CWinUiServices {
 public:
  explicit CFlagPickerUiServices(CWnd* parent = nullptr, UINT templateId = IDD_LANGUAGEFLAG_WIZARD,
                                 UINT backgroundTemplateId = IDD_FLAGBACKGROUND_WIZARD)
      : CWinUiServices(parent), m_nTemplate(templateId), m_nBackgroundTemplate(backgroundTemplateId) {}

  bool PickFlag(LwFlagChoice& flag) override {
    return LwPickFlagWithDialog(flag, m_nTemplate, m_nBackgroundTemplate);
  }

 private:
  UINT m_nTemplate;
  UINT m_nBackgroundTemplate;
};
