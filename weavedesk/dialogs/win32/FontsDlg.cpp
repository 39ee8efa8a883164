#include "FontsDlg.h"

#include "DeskDialogIds.h"
#include "TextFonts.h"

BEGIN_MESSAGE_MAP(CFontsDlg, CDialog)
  ON_BN_CLICKED(IDC_DESK_OVERLAY_FONT_CHANGE, OnChangeOverlayFont)
  ON_BN_CLICKED(IDC_DESK_TEXT_FONT_CHANGE, OnChangeTextFont)
END_MESSAGE_MAP()

CFontsDlg::CFontsDlg(CWnd* parent) : CDialog(IDD_DESK_FONTS, parent), m_overlayFont(g_OverlayFont), m_textFont(g_TextFont) {}

void CFontsDlg::DoDataExchange(CDataExchange* dx) {
  CDialog::DoDataExchange(dx);
  DDX_Control(dx, IDC_DESK_OVERLAY_FONT_SAMPLE, m_overlaySample);
  DDX_Control(dx, IDC_DESK_TEXT_FONT_SAMPLE, m_textSample);
}

BOOL CFontsDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  m_overlayFont = g_OverlayFont;
  m_textFont = g_TextFont;
  UpdateSamples();
  return TRUE;
}

void CFontsDlg::UpdateSamples() {
  m_overlaySampleFont.DeleteObject();
  m_textSampleFont.DeleteObject();
  m_overlaySampleFont.CreateFontIndirect(&m_overlayFont);
  m_textSampleFont.CreateFontIndirect(&m_textFont);
  m_overlaySample.SetFont(&m_overlaySampleFont);
  m_overlaySample.SetWindowText(m_overlayFont.lfFaceName);
  m_textSample.SetFont(&m_textSampleFont);
  m_textSample.SetWindowText(m_textFont.lfFaceName);
}

void CFontsDlg::ChangeFont(LOGFONT& font) {
  CFontDialog dialog(&font, CF_EFFECTS | CF_SCREENFONTS, nullptr, this);
  if (dialog.DoModal() == IDOK) dialog.GetCurrentFont(&font);
  UpdateSamples();
}

void CFontsDlg::OnChangeOverlayFont() { ChangeFont(m_overlayFont); }
void CFontsDlg::OnChangeTextFont() { ChangeFont(m_textFont); }

void CFontsDlg::OnOK() {
  g_OverlayFont = m_overlayFont;
  g_TextFont = m_textFont;
  CDialog::OnOK();
}
