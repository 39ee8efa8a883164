#include "ResLibraryEntries.h"

#include "StdDlgModels.h"

namespace {

CString Numbered(const TCHAR* format, int i) {
  CString s;
  s.Format(format, i);
  return s;
}

}  // namespace

bool CResMessageBox::Init(IResLibraryCapture& capture) {
  ResMessageBoxCapture captured;
  const bool ok = capture.CaptureMessageBox(captured);
  if (!ok) captured = ResMessageBoxCapture();
  m_id = TRA_MESSAGEBOX_NAME;
  m_caption = _T("Message Box");
  m_x = m_y = m_cx = m_cy = 0;
  m_style = m_exStyle = 0;
  for (int i = 0; i < LWV_MB_BUTTONS; ++i) {
    const ResCapturedButton& b = captured.buttons[i];
    std::unique_ptr<CResControl> control(new CResControl());
    control->Init(TRA_PUSHBUTTON, Numbered(TRA_MESSAGEBOX_BUTTON, i), b.text, 0, 0, b.cx, b.cy);
    AddControl(std::move(control));
  }
  return ok;
}

CTraNode* CResMessageBox::CreateNode(CTraNode* parent) {
  CTraNode* node = new CTraNode(parent, m_id, m_caption, TRA_DIALOG, m_cx, m_cy);
  m_controls.AddNodes(node);
  return node;
}

bool CResStdDialog::Init(int kind, IResLibraryCapture& capture) {
  const LwStdDlgModel& model = LwGetStdDlgModel(kind);
  ResStdDialogCapture captured;
  const bool ok = capture.CaptureStdDialog(kind, captured);
  if (!ok) captured = ResStdDialogCapture();
  m_id = model.name;
  m_caption = captured.caption;
  m_x = m_y = m_cx = m_cy = 0;
  m_style = m_exStyle = 0;
  m_suppliedByLibrary = false;
  for (int i = 0; i < model.GetEntryCount(); ++i) {
    const ResCapturedControl c =
        i < static_cast<int>(captured.controls.size()) ? captured.controls[static_cast<size_t>(i)] : ResCapturedControl();
    std::unique_ptr<CResControl> control(new CResControl());
    control->Init(model.entries[static_cast<size_t>(i)].nodeKind, Numbered(TRA_STDDLG_ITEM, i), c.text, c.x, c.y, c.cx,
                  c.cy);
    AddControl(std::move(control));
  }
  return ok;
}

CTraNode* CResStdDialog::CreateNode(CTraNode* parent) {
  CTraNode* node = new CTraNode(parent, m_id, m_caption, TRA_DIALOG, 0, 0);
  m_controls.AddNodes(node);
  return node;
}

bool CResRecordedCapture::CaptureMessageBox(ResMessageBoxCapture& out) {
  m_asked.push_back(kAskedMessageBox);
  if (!m_hasMessageBox) return false;
  out = m_messageBox;
  return true;
}

bool CResRecordedCapture::CaptureStdDialog(int kind, ResStdDialogCapture& out) {
  m_asked.push_back(kind);
  auto found = m_dialogs.find(kind);
  if (found == m_dialogs.end()) return false;
  out = found->second;
  return true;
}

bool CResRecordedCapture::ReadSystemMenu(std::vector<CString>& items) {
  m_asked.push_back(kAskedSystemMenu);
  if (!m_hasSystemMenu) return false;
  items = m_systemMenu;
  return true;
}
