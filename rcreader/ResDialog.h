// One DIALOG or DIALOGEX statement with its controls.
#pragma once

#include "ResControl.h"
#include "ResEntryList.h"

class CResDialog : public CResContainer {
 public:
  static constexpr int kCapacity = 200;

  // From the id token; the position after END or "}", or kResParseFailed.
  int Parse(const CSourceTokenList* list, int start, CResProblemLog& log) override;
  int GetKind() const override { return m_suppliedByLibrary ? TRA_SWITCHDIALOG : TRA_DIALOG; }
  CTraNode* CreateNode(CTraNode* parent) override;

  bool ParseHeader();
  bool ParseControl(CResProblemLog& log);

  // The library's language-switch dialog, its texts from texts
  // (ResSwitchDialog.cpp).
  void InitSwitchDialog(IResTextSource& texts);

  // Appends a control; false (and the control dropped) when the dialog is full.
  bool AddControl(std::unique_ptr<CResControl> control);
  int GetControlCount() const { return m_controls.GetCount(); }
  CResControl* GetControl(int index) const { return m_controls.Get(index); }

  bool m_dialogEx = false;
  CString m_id;
  CString m_memoryFlags;
  int m_x = 0, m_y = 0, m_cx = 0, m_cy = 0;
  CString m_helpId;
  DWORD m_exStyle = 0;
  DWORD m_style = 0;
  CString m_caption;
  CString m_menu;
  int m_fontSize = 0;
  CString m_fontFace;
  int m_fontWeight = 0;
  int m_fontItalic = 0;
  CString m_fontCharset;
  CString m_characteristics;
  CString m_version;
  CString m_class;
  CString m_language;
  CString m_sublanguage;
  bool m_suppliedByLibrary = false;

 protected:
  bool ParseFont();

  CResEntryList<CResControl> m_controls{kCapacity};
};
