#include "WinUiServices.h"

#include "AppServices.h"
#include "CommonDialogs.h"

int CWinUiServices::ShowMessage(const CString& text, UINT type) { return AfxMessageBox(text, type); }

bool CWinUiServices::ChooseFile(LwFileChoice& choice) {
  DWORD flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | (choice.bMultiSelect ? OFN_ALLOWMULTISELECT : 0) |
                (choice.bOpen && choice.bMustExist ? OFN_FILEMUSTEXIST : 0);
  // The proposed path is a folder to start in, or a file to propose.
  DWORD attributes = choice.strInitialPath.IsEmpty() ? INVALID_FILE_ATTRIBUTES
                                                     : ::GetFileAttributes(choice.strInitialPath);
  bool folder = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
  LPCTSTR proposed = choice.strInitialPath.IsEmpty() || folder ? nullptr : choice.strInitialPath.GetString();
  CFileDialog dialog(choice.bOpen, choice.strDefExt.IsEmpty() ? nullptr : choice.strDefExt.GetString(), proposed,
                     flags, choice.strFilter.IsEmpty() ? nullptr : choice.strFilter.GetString(), m_pParent);
  if (folder) dialog.m_ofn.lpstrInitialDir = choice.strInitialPath;
  if (!choice.strTitle.IsEmpty()) dialog.m_ofn.lpstrTitle = choice.strTitle;
  choice.paths.RemoveAll();
  if (dialog.DoModal() != IDOK) return false;
  for (POSITION pos = dialog.GetStartPosition(); pos;) choice.paths.Add(dialog.GetNextPathName(pos));
  return !choice.paths.IsEmpty();
}

bool CWinUiServices::ChooseFont(LwFontChoice& font) {
  LOGFONT initial{};
  lstrcpyn(initial.lfFaceName, font.strFaceName, LF_FACESIZE);
  initial.lfHeight = font.nHeight;
  initial.lfWeight = font.nWeight;
  initial.lfItalic = font.bItalic ? TRUE : FALSE;
  initial.lfCharSet = font.nCharSet;
  CFontDialog dialog(&initial, CF_EFFECTS | CF_SCREENFONTS, nullptr, m_pParent);
  if (dialog.DoModal() != IDOK) return false;
  font.strFaceName = dialog.GetFaceName();
  font.nHeight = dialog.m_lf.lfHeight;
  font.nPointSize10 = dialog.GetSize();
  font.nWeight = dialog.m_lf.lfWeight;
  font.bItalic = dialog.m_lf.lfItalic != 0;
  font.nCharSet = dialog.m_lf.lfCharSet;
  return true;
}

bool CWinUiServices::PickFlag(LwFlagChoice&) { return false; }
