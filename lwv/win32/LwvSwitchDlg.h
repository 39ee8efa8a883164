// The language-switch dialog: the language files of the folder that belong
// to the running program, with their flags; OK switches to the chosen one.
// It runs from an empty in-memory template and makes its controls itself.
#pragma once

#include "FrameworkWin.h"
#include "SwitchDlgModel.h"

#include <commctrl.h>

class CLwvSwitchDlg;

// Control ids.
enum : UINT { LWV_ID_HELP = 9, LWV_ID_ABOUT = 150, LWV_ID_SHOW_ALL = 151, LWV_ID_FLAG_LIST = 1223 };

// The icon list of flags and language names.
class CLwvFlagList : public CWnd {
 public:
  CLwvFlagList() = default;
  ~CLwvFlagList() override;
  // A hidden single-selection icon list of id 1223.
  BOOL Create(CLwvSwitchDlg* owner, const RECT& rect);
  // Adds an item with a copy of the 32x32 bitmap (RGB(192,192,192) shows through).
  int AddItem(HBITMAP bitmap, LPCTSTR text);
  void DeleteAllItems();
  // The first selected item, or -1.
  int GetSelection() const;
  int GetItemCount() const;
  CString GetItemText(int item) const;
  int GetAddedCount() const { return m_nAdded; }
  BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

 private:
  CLwvSwitchDlg* m_pOwner = nullptr;
  HIMAGELIST m_images = nullptr;
  int m_nAdded = 0;
};

class CLwvSwitchDlg : public CDialog {
 public:
  // Texts from the switch-dialog entry of the language file.
  CLwvSwitchDlg(LPCTSTR folder, BOOL allowOld, BOOL helpButton, int helpId, const CTraNode* entry);
  // Texts from the caller (the eight texts of the earlier entry layout).
  CLwvSwitchDlg(LPCTSTR folder, BOOL allowOld, BOOL helpButton, int helpId, const CString& caption,
                const CString& listLabel, const CString& ok, const CString& cancel, const CString& help,
                const CString& versionPrefix, const CString& warning, const CString& failure);
  CLwvSwitchDlg(LPCTSTR folder, BOOL allowOld, BOOL helpButton, int helpId, LPCTSTR caption, LPCTSTR listLabel,
                LPCTSTR ok, LPCTSTR cancel, LPCTSTR help, LPCTSTR versionPrefix, LPCTSTR warning, LPCTSTR failure);
  ~CLwvSwitchDlg() override;

  BOOL OnInitDialog() override;
  void OnOK() override;
  void OnSelChange();
  void ClearSelection();
  void OnHelp();
  void OnAbout();
  void OnToggleAll();

  // The file chosen with OK (empty before).
  CString GetChosenPath() const { return m_strChosen; }
  const LwvSwitchTexts& GetTexts() const { return m_texts; }
  const CLwvSwitchFileLists& GetFileLists() const { return m_lists; }
  CLwvFlagList* GetFlagList() const { return m_pFlagList; }
  const LwvSwitchLayout& GetLayout() const { return m_layout; }
  int GetLineHeight() const { return m_nLine; }

  // Runs the dialog modally from a template made by LWCreateDialogTemplate;
  // on OK switches to the chosen file and shows the failure text when that
  // fails. Nothing happens when no template can be made.
  void Run();

 protected:
  void CreateControls();
  void EnumerateFiles();
  void FillList();
  bool ShowsOtherVersions() const;

  CString m_strFolder;
  bool m_bAllowOld;
  bool m_bHelp;
  int m_nHelpId;
  LwvSwitchTexts m_texts;
  CLwvFlagList* m_pFlagList = nullptr;
  CButton m_ok, m_cancel, m_help, m_about, m_group, m_showAll;
  CStatic m_rowLabel[4], m_rowValue[4], m_listLabel, m_banner;
  HBITMAP m_hBanner = nullptr;
  CLwvSwitchFileLists m_lists;
  LwvSwitchLayout m_layout{};
  int m_nLine = 0;
  CString m_strChosen;

  DECLARE_MESSAGE_MAP()
};

// Message boxes of the switch dialog (warning, failure); tests replace it.
typedef int (*LwvSwitchBoxProc)(HWND owner, LPCTSTR text, LPCTSTR caption, UINT type);
LwvSwitchBoxProc LwvSetSwitchBoxProc(LwvSwitchBoxProc proc);
int LwvSwitchBox(HWND owner, LPCTSTR text, LPCTSTR caption, UINT type);

// The help file the help button opens: the program's path with ".hlp".
CString LwvSwitchHelpFile();
