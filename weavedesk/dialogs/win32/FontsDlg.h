// The fonts dialog (template 161): the foreign-language font and the text
// font, each changed with the system's font dialog on a copy and shown in
// its own face; OK writes both copies into g_OverlayFont and g_TextFont,
// Cancel keeps them.
#pragma once

#include "FrameworkWin.h"

class CFontsDlg : public CDialog {
 public:
  explicit CFontsDlg(CWnd* parent);

  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange* dx) override;
  void OnOK() override;
  void OnChangeOverlayFont();
  void OnChangeTextFont();
  void UpdateSamples();

  LOGFONT m_overlayFont;
  LOGFONT m_textFont;

  DECLARE_MESSAGE_MAP()

 private:
  void ChangeFont(LOGFONT& font);

  CStatic m_overlaySample;
  CStatic m_textSample;
  CFont m_overlaySampleFont;
  CFont m_textSampleFont;
};
