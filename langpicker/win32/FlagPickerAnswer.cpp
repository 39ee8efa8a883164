#include "FlagPickerAnswer.h"

#include "FlagBitmaps.h"
#include "LanguageFlagDlg.h"

bool LwPickFlagWithDialog(LwFlagChoice& flag, UINT templateId, UINT backgroundTemplateId) {
  CLanguageFlagDlg dialog(nullptr, templateId, backgroundTemplateId);
  if (dialog.DoModal() != IDOK) return false;
  const LwFlagPixels pixels = LwReadFlagPixels(dialog.m_flagBitmap);
  flag.langId = dialog.m_langId;
  flag.pixels.assign(pixels.begin(), pixels.end());
  return true;
}
