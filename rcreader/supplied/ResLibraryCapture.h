// What the entries the library supplies learn from live windows: the texts
// and sizes of the standard buttons, a common dialog's caption and controls,
// and the items of the program's system menu. The resource wizard reads
// them from real windows (ResLiveCapture.h, Windows only); tests and the
// sample's generator hand recorded ones. Window-free; builds no nodes.
#pragma once

#include "Framework.h"
#include "StdButtonModel.h"

#include <map>
#include <vector>

// Every result starts from zero: empty text, size 0.
struct ResCapturedButton {
  CString text;
  int cx = 0, cy = 0;  // dialog units
};

struct ResMessageBoxCapture {
  ResCapturedButton buttons[LWV_MB_BUTTONS];  // by the button model's index
};

struct ResCapturedControl {
  CString text;
  int x = 0, y = 0, cx = 0, cy = 0;  // dialog units
};

struct ResStdDialogCapture {
  CString caption;
  // By the kind's model entry (controls, then other texts); entries beyond
  // the end were not captured.
  std::vector<ResCapturedControl> controls;
};

class IResLibraryCapture {
 public:
  virtual ~IResLibraryCapture() = default;
  // Each answers false when the capture failed or had to give up; what it
  // stored then is not used.
  virtual bool CaptureMessageBox(ResMessageBoxCapture& out) = 0;
  // kind: one of the common-dialog kinds 0 to 8.
  virtual bool CaptureStdDialog(int kind, ResStdDialogCapture& out) = 0;
  // Item texts of the system menu by position, "" for a separator; false
  // when the program has no system menu.
  virtual bool ReadSystemMenu(std::vector<CString>& items) = 0;
};

// Captures recorded beforehand; what is not recorded fails.
class CResRecordedCapture : public IResLibraryCapture {
 public:
  bool CaptureMessageBox(ResMessageBoxCapture& out) override;
  bool CaptureStdDialog(int kind, ResStdDialogCapture& out) override;
  bool ReadSystemMenu(std::vector<CString>& items) override;

  void RecordMessageBox(const ResMessageBoxCapture& box) {
    m_messageBox = box;
    m_hasMessageBox = true;
  }
  void RecordStdDialog(int kind, const ResStdDialogCapture& dialog) { m_dialogs[kind] = dialog; }
  void RecordSystemMenu(const std::vector<CString>& items) {
    m_systemMenu = items;
    m_hasSystemMenu = true;
  }
  // What was asked for, in order: a kind, kAskedMessageBox or kAskedSystemMenu.
  const std::vector<int>& Asked() const { return m_asked; }
  static constexpr int kAskedMessageBox = 20;
  static constexpr int kAskedSystemMenu = -1;

 private:
  bool m_hasMessageBox = false;
  ResMessageBoxCapture m_messageBox;
  std::map<int, ResStdDialogCapture> m_dialogs;
  bool m_hasSystemMenu = false;
  std::vector<CString> m_systemMenu;
  std::vector<int> m_asked;
};
