// The welcome dialog: the watermark tiled over it, its texts drawn on top
// from the (translated) texts of its hidden statics, "Sprache..." to switch
// the assistant's language and "Beginnen" to start the wizard.
#pragma once

#include "FrameworkWin.h"

class CWelcomeDlg : public CDialog {
 public:
  // watermark: not owned, lives while the dialog runs.
  explicit CWelcomeDlg(CBitmap* watermark, CWnd* parent = nullptr);

  // The statics drawn over the watermark, in drawing order.
  static const int kDrawnTexts[8];
  // Size of one watermark tile; four of them cover the dialog.
  static const int kTileWidth = 500;
  static const int kTileHeight = 315;

 protected:
  BOOL OnInitDialog() override;
  void OnPaint();
  void OnLanguage();
  void DrawStaticText(CDC& dc, int id);

  CBitmap* m_watermark;

  DECLARE_MESSAGE_MAP()
};
