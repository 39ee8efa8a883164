// The common dialogs the resource wizard shows once to read their texts and
// layout: each hands its window to the owning recogniser and closes itself.
#pragma once

#include "CommonDialogs.h"

class CStdDlgRecognizer;

class CNewFileDialogSub : public CFileDialog {
 public:
  explicit CNewFileDialogSub(CStdDlgRecognizer* owner);
  BOOL OnInitDialog() override;

 private:
  CStdDlgRecognizer* m_pOwner;
};

class CFindDialogSub : public CFindReplaceDialog {
 public:
  explicit CFindDialogSub(CStdDlgRecognizer* owner);
  BOOL OnInitDialog() override;

 protected:
  // The capture destroys the window and then deletes the object itself.
  void PostNcDestroy() override {}

 private:
  CStdDlgRecognizer* m_pOwner;
};

class CPrintDialogSub : public CPrintDialog {
 public:
  CPrintDialogSub(CStdDlgRecognizer* owner, BOOL printSetupOnly, DWORD flags);
  void OnPaint();

 private:
  CStdDlgRecognizer* m_pOwner;
  bool m_bMeasured;
  DECLARE_MESSAGE_MAP()
};

class CPageSetupDialogSub : public CPageSetupDialog {
 public:
  CPageSetupDialogSub(CStdDlgRecognizer* owner, DWORD flags);
  BOOL OnInitDialog() override;

 private:
  CStdDlgRecognizer* m_pOwner;
};

class CFontDialogSub : public CFontDialog {
 public:
  CFontDialogSub(CStdDlgRecognizer* owner, LPLOGFONT initial, DWORD flags);
  BOOL OnInitDialog() override;

 private:
  CStdDlgRecognizer* m_pOwner;
};

class CColorDialogSub : public CColorDialog {
 public:
  CColorDialogSub(CStdDlgRecognizer* owner, COLORREF initial, DWORD flags);
  BOOL OnInitDialog() override;

 private:
  CStdDlgRecognizer* m_pOwner;
};
