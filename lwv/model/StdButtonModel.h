// Standard message boxes, property sheets and wizards, recognised by their
// buttons and translated from the entry "LwvMessageBox" under "Dialoge";
// in capture mode the model measures their buttons for that entry. The
// window-free part is the model library's; the members on windows (under
// _WIN32) are the runtime's, in lwv/win32/StdButtonModelWin.cpp.
#pragma once

#include "Framework.h"

#include <vector>

class CTraNode;

// Kinds beyond the MB_ values.
const int LWV_MB_NONE = -1;
const int LWV_MB_PROPSHEET = 1001;
const int LWV_MB_WIZARD = 1002;
const int LWV_MB_BUTTONS = 12;

// One direct child of a dialog, as far as classification needs it.
struct LwChildInfo {
  int id;
  bool button;   // window class "Button"
  bool visible;  // WS_VISIBLE in its style
  bool isStatic; // window class "Static"
};

// Index in "LwvMessageBox" of the button with this id, or -1.
int LwButtonIndex(int id);
// The button id of an index, or 0.
int LwButtonIdAt(int index);
// The button ids a kind translates (MB_OK: id 1 only).
std::vector<int> LwButtonsOfKind(int type);

class CStdButtonModel {
 public:
  CStdButtonModel();
  virtual ~CStdButtonModel();
  CStdButtonModel(const CStdButtonModel&) = delete;
  CStdButtonModel& operator=(const CStdButtonModel&) = delete;

  // Classification from the children of a dialog. A message box is a dialog
  // whose only other children are at most two statics, one of them unnamed
  // (the text); its buttons are its visible push buttons, a Try Again button
  // (id 10) not counted. A property sheet needs a visible Help button (a
  // sheet without help hides it); a wizard needs Back, Next, Finish, Cancel
  // and Help to exist.
  bool ClassifyChildren(const std::vector<LwChildInfo>& children);
  // A message box whose buttons are not final yet (one that starts with every
  // button and removes the unused ones in its own initialisation).
  static bool IsUnfinishedMessageBox(const std::vector<LwChildInfo>& children);
  bool HasControl(int id) const;
  int GetType() const { return m_nType; }

  // Translated text of the button with this id from the entry, or false.
  static bool GetButtonTranslation(const CTraNode* entry, int id, CString& text);
  // "Dialoge" / "LwvMessageBox" under root, or null.
  static CTraNode* FindEntry(CTraNode* root);

  // Capture results per button index, in dialog units.
  int GetWidth(int index) const { return InRange(index) ? m_widths[index] : 0; }
  int GetHeight(int index) const { return InRange(index) ? m_heights[index] : 0; }
  CString GetText(int index) const { return InRange(index) ? m_texts[index] : CString(); }
  int GetId(int index) const { return InRange(index) ? m_ids[index] : 0; }
  int GetCaptureType() const { return m_nCaptureType; }
  void SetCaptureType(int type) { m_nCaptureType = type; }
  // Stores one measured button (pixels -> dialog units with the factors).
  void StoreMeasure(int index, int id, const CString& text, const RECT& pixels, double unitX, double unitY);
  // Which buttons the capture type measures and whether they sit in the
  // dialog's parent (the sheet around a page).
  static std::vector<int> MeasuredButtons(int captureType, bool* inParent);
  // Whether the capture measured anything.
  bool HasResults() const;

#ifdef _WIN32
  bool Classify(HWND dialog);
  // Classification in the hook before the dialog's own WM_INITDIALOG: false
  // for a message box that is not set up yet and for a property sheet, whose
  // buttons and caption are final only after it (see ClassifyAfterInit).
  bool ClassifyBeforeInit(HWND dialog);
  bool ClassifyAfterInit(HWND dialog) { return Classify(dialog); }
  static bool IsPropertySheet(HWND dialog);
  static std::vector<LwChildInfo> CollectChildren(HWND dialog);
  void TranslateMessageBox(HWND dialog);
  // With an explicit tree and caption translator (tests, switch-time tree).
  void TranslateMessageBox(HWND dialog, CTraNode* root, BOOL (*translateCaption)(CString&));
  // Shows sample message boxes, a property sheet and a wizard in capture mode.
  // False when nothing could be measured.
  bool Capture();
  // Runs one capture step with the given capture type (tests use it).
  void CaptureOne(int captureType);
  void MeasureDialog(HWND dialog);
  // Ends a dialog shown in capture mode: a property sheet (the dialog itself
  // or the sheet around a page) is cancelled through its Cancel button, any
  // other dialog ends with 1.
  static void EndCapturedDialog(HWND dialog);
  // Runs a property sheet (or wizard) captioned "HHH" with one empty page.
  static void ShowSampleSheet(DWORD flags);
#endif

 private:
  static bool InRange(int i) { return i >= 0 && i < LWV_MB_BUTTONS; }

  int m_nType;
  std::vector<int> m_childIds;
  int m_nChildCount;
  int* m_widths;
  int* m_heights;
  CString* m_texts;
  int* m_ids;
  int m_nCaptureType;
};
