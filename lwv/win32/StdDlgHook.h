// Live-text handlers of the common dialogs: once a recognised dialog has run
// its own initialisation they follow the texts it sets while it runs (file
// dialog, print dialogs, page setup, font dialog) and translate them through
// comdlg32's string table and the kind's entry, as the rows of
// StdDlgLiveTexts.h say. Recognising the dialogs is StdDlgRecognizer's.
#pragma once

#include "Framework.h"
#include "StdDlgLiveTexts.h"
#include "StdDlgText.h"

#include <vector>

class CTraNode;

// A comdlg32 string, empty when comdlg32 has none of that id.
CString LwLoadComdlgString(int id);

class CLwvStdDlgHook {
 public:
  explicit CLwvStdDlgHook(int kind);
  virtual ~CLwvStdDlgHook();
  CLwvStdDlgHook(const CLwvStdDlgHook&) = delete;
  CLwvStdDlgHook& operator=(const CLwvStdDlgHook&) = delete;

  // Takes the entry's translations, watches the dialog's texts and becomes
  // active; stays inactive when the dialog lacks the window it watches.
  bool Attach(CTraNode* entry, HWND dialog);
  void Deactivate() { m_bActive = false; }
  bool IsActive() const { return m_bActive; }
  HWND GetWindow() const { return m_hWnd; }

  // A message after its window procedure (the hooks pass every one while
  // the handler is active).
  virtual void Watch(const CWPRETSTRUCT& msg);
  // The translation of a comdlg32 text shown in a message box, by the
  // kind's message-box rows; text when none fits.
  CString TranslateText(const CString& text);
  // A live text filled in from comdlg32 string stringId, translated as the
  // kind's formats say (LwStdDlgFormatValues).
  bool TranslateDynamicText(CString& out, const CString& live, const CString& original, const CString& translated,
                            int stringId);
  // Translates the text of a message box opened while the dialog runs and
  // fits its static to the new text.
  void FitMessageText(HWND box);

 protected:
  // One comdlg32 string a control of the kind may show (empty when this
  // comdlg32 lacks it) and the entry's child that translates it.
  struct LiveString {
    int control;
    CString original;
    int child;
    int stringId;
  };

  virtual bool OnAttach(HWND dialog) = 0;
  // Translation of entry child i, empty when there is none.
  CString Child(int i) const;
  // The kind's strings of that control, in the rows' order.
  std::vector<LiveString> StringsOf(int control) const;
  // The translation of a control's whole text, empty when no string of the
  // control with a translation is that text.
  CString TranslationOf(int control, const CString& text) const;
  void SetTextGuarded(HWND window, const CString& text);
  static CString WindowText(HWND window);

  int m_nKind;
  std::vector<CString> m_translations;
  std::vector<LiveString> m_strings;  // the kind's rows, message-box texts too, loaded at attach
  bool m_bActive;
  bool m_bBusy;
  HWND m_hWnd;
};

class CLwvFileDlgHook : public CLwvStdDlgHook {
 public:
  CLwvFileDlgHook();
  void Watch(const CWPRETSTRUCT& msg) override;

 protected:
  bool OnAttach(HWND dialog) override;

 private:
  void OnToolTip(NMHDR* header, bool wide);
  char m_tipA[512];
  WCHAR m_tipW[512];
};

class CLwvPrintDlgHook : public CLwvStdDlgHook {
 public:
  CLwvPrintDlgHook();
  void Watch(const CWPRETSTRUCT& msg) override;
  // The kind (print or print setup) decides where the entries lie.
  void SetKind(int kind) { m_nKind = kind; }

 protected:
  bool OnAttach(HWND dialog) override;

 private:
  void TranslateStatus();
  bool m_bPrintLabelDone = false;
};

class CLwvPageSetupDlgHook : public CLwvStdDlgHook {
 public:
  CLwvPageSetupDlgHook();
  void Watch(const CWPRETSTRUCT& msg) override;

 protected:
  bool OnAttach(HWND dialog) override;

 private:
  void TranslateWatched(HWND window);
  HWND m_margins[LWV_PAGESETUP_MARGIN_FIELDS] = {};
};

class CLwvFontDlgHook : public CLwvStdDlgHook {
 public:
  CLwvFontDlgHook();
  void Watch(const CWPRETSTRUCT& msg) override;

 protected:
  bool OnAttach(HWND dialog) override;

 private:
  void ReplaceStyleItem(int index);
  HWND m_hStyles = nullptr;
};

// The process-wide handlers.
CLwvFileDlgHook& LwFileDlgHook();
CLwvPrintDlgHook& LwPrintDlgHook();
CLwvPageSetupDlgHook& LwPageSetupDlgHook();
CLwvFontDlgHook& LwFontDlgHook();
// The handler of a kind (4 and 5 share one), or null.
CLwvStdDlgHook* LwStdDlgHookOfKind(int kind);

// For the hooks: every active handler follows one message; every active
// handler fits a message box (print, file, font, in this order); whether the
// print handler is active (then no unclassified dialog is translated).
void LwWatchCommonDialogs(const CWPRETSTRUCT& msg);
void LwFitMessageTexts(HWND box);
bool LwIsPrintDialogActive();
