// The Windows answer to the UI seam's flag question (CUiServices::PickFlag):
// runs the flag picker and hands back its LANGID and the 32 x 32 pixels.
#pragma once

#include "LangPickerIds.h"
#include "UiServices.h"

// True after OK, with flag.langId and the 1024 pixels (row by row,
// background RGB(192,192,192)); false, flag unchanged, otherwise.
bool LwPickFlagWithDialog(LwFlagChoice& flag, UINT templateId = IDD_LANGUAGEFLAG_WIZARD,
                          UINT backgroundTemplateId = IDD_FLAGBACKGROUND_WIZARD);
