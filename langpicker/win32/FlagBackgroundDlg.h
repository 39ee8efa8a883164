// The dialog in which an own flag gets its background: it shows the
// picture's top-left 32 x 32 enlarged, finds a uniform background by
// itself or lets the user click the colour to replace, and gives the 32 x 32
// result with that colour replaced by RGB(192,192,192). The pixel rules are
// in FlagPicture.h.
#pragma once

#include "FlagPicture.h"
#include "FrameworkWin.h"
#include "LangPickerIds.h"

#include <memory>

class CFlagBackgroundDlg : public CDialog {
 public:
  explicit CFlagBackgroundDlg(CWnd* parent, UINT templateId = IDD_FLAGBACKGROUND_WIZARD);

  // Frees the picture target holds and hands it the result, built now from
  // the source and the current colour (also before the first paint). FALSE,
  // target unchanged, when there is no source or no result can be made.
  BOOL GetFlagBitmap(CBitmap* target);

  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange* dx) override;
  void OnPaint();
  void OnLButtonDown(UINT flags, CPoint point);

  COLORREF GetBackground() const { return m_crBackground; }
  BOOL IsMarking() const { return m_bMark; }
  const CRect& GetOriginalRect() const { return m_rcOriginal; }

  CStatic m_source;
  CStatic m_result;
  BOOL m_bMark = FALSE;
  CBitmap* m_pSource = nullptr;  // the caller's picture, not owned

 protected:
  void DetectBackground();
  // Rebuilds m_pResult from the source with the current background colour.
  BOOL ReplaceBackground();

  std::unique_ptr<CBitmap> m_pResult;
  CRect m_rcOriginal;
  CRect m_rcResult;
  COLORREF m_crBackground = LW_FLAG_BACKGROUND;

  DECLARE_MESSAGE_MAP()
};
