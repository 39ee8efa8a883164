// Property sheets and wizards on comctl32's PropertySheet.
//
// A page is bound to its object at its WM_INITDIALOG, whose lParam stays the
// PROPSHEETPAGE comctl32 passes (its lParam field holds the object). The
// sheet window is subclassed as soon as comctl32 has made it, so the sheet
// object gets its messages. Data moves into the pages' members when a page is
// left (OnKillActive: UpdateData(TRUE)), which OK, Apply, Next, Back and
// Finish all do first.
#pragma once

#include "Dialog.h"
#include "FrameworkIds.h"

#include <vector>

class CPropertySheet;

class CPropertyPage : public CDialog {
 public:
  // captionId != 0: the tab shows that string instead of the template's caption.
  explicit CPropertyPage(UINT templateId, UINT captionId = 0);

  // What comctl32 gets; a program may set further fields (header titles of a
  // Wizard97 page, a template in memory with PSP_DLGINDIRECT) before the
  // sheet runs. dwFlags, pszTemplate and pszTitle are set here.
  PROPSHEETPAGE m_psp;

  virtual BOOL OnSetActive();     // TRUE: the page may be shown
  virtual BOOL OnKillActive();    // TRUE: the page may be left (UpdateData(TRUE))
  virtual BOOL OnApply();         // TRUE: applied (calls OnOK)
  void OnOK() override;           // the sheet's OK or Apply, after OnKillActive
  void OnCancel() override;       // the sheet was cancelled
  virtual BOOL OnQueryCancel();   // TRUE: the sheet may be cancelled
  // 0: the neighbouring page, -1: stay, else the template id of the page to show.
  virtual LRESULT OnWizardBack();
  virtual LRESULT OnWizardNext();
  virtual BOOL OnWizardFinish();  // TRUE: the wizard may end (UpdateData(TRUE))
  // The sheet's Help button (a page with PSP_HASHELP); nothing by default.
  virtual void OnHelp() {}

  // Enables the sheet's Apply button (TRUE) or clears this page's change.
  void SetModified(BOOL changed = TRUE);

  BOOL PreTranslateMessage(MSG* msg) override;  // the sheet does the keyboard handling

 protected:
  BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;
  // Fills the fields the page itself owns, right before the sheet runs.
  virtual void PreparePage();

  CString m_strCaption;
  BOOL m_bFirstSetActive = TRUE;

  friend class CPropertySheet;
};

class CPropertySheet : public CWnd {
 public:
  explicit CPropertySheet(UINT captionId = 0, CWnd* parent = nullptr, UINT selectPage = 0);
  explicit CPropertySheet(LPCTSTR caption, CWnd* parent = nullptr, UINT selectPage = 0);

  // What comctl32 gets; a program may set flags and bitmaps (a Wizard97
  // sheet: PSH_WIZARD97 with hbmWatermark / hbmHeader) before DoModal or
  // Create. dwSize, pszCaption, nPages, ppsp, hwndParent and the callback
  // are set by the sheet.
  PROPSHEETHEADER m_psh;

  void AddPage(CPropertyPage* page);  // the page object lives as long as the sheet
  int GetPageCount() const { return static_cast<int>(m_pages.size()); }
  CPropertyPage* GetPage(int index) const;
  int GetPageIndex(const CPropertyPage* page) const;  // -1 when not a page of this sheet
  CPropertyPage* GetActivePage() const;
  int GetActiveIndex() const;
  BOOL SetActivePage(int index);
  BOOL SetActivePage(CPropertyPage* page);

  // IDOK (a wizard: ID_WIZFINISH) or IDCANCEL; -1 when the sheet could not run.
  virtual INT_PTR DoModal();
  // Modeless: the sheet closes itself once OK or Cancel has ended it.
  virtual BOOL Create(CWnd* parent = nullptr);

  void SetWizardMode() { m_psh.dwFlags |= PSH_WIZARD; }
  BOOL IsWizard() const { return (m_psh.dwFlags & (PSH_WIZARD | PSH_WIZARD97)) != 0; }
  void SetWizardButtons(DWORD flags);  // PSWIZB_BACK | PSWIZB_NEXT | PSWIZB_FINISH ...
  void SetFinishText(LPCTSTR text);
  BOOL PressButton(int button);        // PSBTN_OK, PSBTN_NEXT, PSBTN_CANCEL ...
  CWnd* GetTabControl() const;

  BOOL PreTranslateMessage(MSG* msg) override;
  // Called once the sheet window exists and is bound to this object, before
  // it is shown; the value is the sheet's WM_INITDIALOG answer (unused).
  virtual BOOL OnInitDialog() { return TRUE; }
  // PreCreateWindow sees the style and extended style of comctl32's sheet
  // template (cs.style, cs.dwExStyle) and may change them (WS_MINIMIZEBOX...).

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  void PostNcDestroy() override;
  // Builds m_psh and the page array for a run; FALSE without pages.
  BOOL PrepareHeader(HWND owner, bool modeless);
  static int CALLBACK SheetCallback(HWND hwnd, UINT message, LPARAM lParam);

  CString m_strCaption;
  CWnd* m_pParentWnd = nullptr;
  std::vector<CPropertyPage*> m_pages;
  std::vector<PROPSHEETPAGE> m_pageRecords;  // the copies comctl32 reads while it starts
  BOOL m_bModeless = FALSE;
};

// A Wizard97 page: header title and subtitle shown above the page. The
// strings live in the page, so the pointers comctl32 keeps stay valid while
// the sheet runs; a program may set them anew before the sheet starts.
class CPropertyPageEx : public CPropertyPage {
 public:
  explicit CPropertyPageEx(UINT templateId, UINT captionId = 0, UINT headerTitleId = 0, UINT headerSubTitleId = 0);

  CString m_strHeaderTitle;
  CString m_strHeaderSubTitle;

 protected:
  // Adds the header strings unless the page has PSP_HIDEHEADER.
  void PreparePage() override;
};

// A sheet with Wizard97 pictures: the watermark (with its palette) for the
// first and last pages, the header bitmap for the others. A program sets
// PSH_WIZARD97 in m_psh.dwFlags to make it a Wizard97 wizard.
class CPropertySheetEx : public CPropertySheet {
 public:
  CPropertySheetEx(UINT captionId, CWnd* parent = nullptr, UINT selectPage = 0, HBITMAP watermark = nullptr,
                   HPALETTE palette = nullptr, HBITMAP header = nullptr);
  CPropertySheetEx(LPCTSTR caption, CWnd* parent = nullptr, UINT selectPage = 0, HBITMAP watermark = nullptr,
                   HPALETTE palette = nullptr, HBITMAP header = nullptr);
  void AddPage(CPropertyPageEx* page) { CPropertySheet::AddPage(page); }

 private:
  void SetPictures(HBITMAP watermark, HPALETTE palette, HBITMAP header);
};
