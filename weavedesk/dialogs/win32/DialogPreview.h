// The dialog editor's window: a modeless dialog built in memory from the
// current dialog's layout records (CDialogEditor and PreviewTemplate.h
// hold the rules), with its position window. It turns mouse messages into
// the editor's events, draws the frames and the band, and carries out what
// the editor asks of the window. One object lives as long as its owner;
// the window exists only while the editor is on and a dialog is current.
#pragma once

#include "DialogEditor.h"
#include "FrameworkWin.h"
#include "PositionInfoDlg.h"

#include <functional>
#include <memory>
#include <vector>

class CUiServices;

// The program's side of the editor: its busy flag (LWSetBusy) and the hint
// dialog of its own language file (LWGetCurrentFile).
class CLwvPreviewProgram : public CPreviewProgram {
 public:
  void SetBusy(bool busy) override;
  std::unique_ptr<CTraNode> MakeHintDialog() override;
};

class CDialogPreview : public CDialog, private CPreviewWindow {
 public:
  // frame: the parent and the window the preview is placed beside.
  CDialogPreview(CWnd* frame, CPreviewDocument& document, CUiServices& ui,
                 CPreviewProgram* program = nullptr);
  ~CDialogPreview() override;

  // The frame's dialog-editor command, run by the close box (switches the editor off).
  void SetCloseCommand(std::function<void()> command) { m_closeCommand = std::move(command); }

  bool SetDialogNode(CTraNode* node) { return m_editor.SetDialogNode(node); }
  void Show(bool on) { m_editor.Show(on); }
  bool IsShown() const { return m_editor.IsShown(); }
  bool IsActive() const { return m_editor.IsActive(); }
  bool SelectItem(CTraNode* node) { return m_editor.SelectItem(node); }
  bool SetItemText(CTraNode* node, const CString& text) { return m_editor.SetItemText(node, text); }
  void CommitRects() { m_editor.CommitRects(); }
  // The document's file goes away: the window closes, the node is forgotten.
  void Detach() { m_editor.Detach(); }

  CDialogEditor& Editor() { return m_editor; }
  CPositionInfoDlg* GetPositionWindow() const { return m_pPosition.get(); }

 protected:
  BOOL OnInitDialog() override;
  void OnOK() override {}
  void OnCancel() override {}
  void PostNcDestroy() override {}

  void OnMouseMove(UINT flags, CPoint point);
  void OnLButtonDown(UINT flags, CPoint point);
  void OnLButtonUp(UINT flags, CPoint point);
  void OnRButtonDown(UINT flags, CPoint point);
  void OnRButtonUp(UINT flags, CPoint point);
  LRESULT OnNcMouseMove(WPARAM wParam, LPARAM lParam);
  LRESULT OnNcLButtonDown(WPARAM wParam, LPARAM lParam);
  LRESULT OnNcRButtonDown(WPARAM wParam, LPARAM lParam);
  BOOL OnSetCursor(CWnd* wnd, UINT hitTest, UINT message);
  void OnPaint();
  void OnMove(int x, int y);
  void OnActivate(UINT state, CWnd* other, BOOL minimized);
  void OnClose();
  void OnDestroy();
  void OnTimer(UINT_PTR id);
  LRESULT OnRedrawFrames(WPARAM, LPARAM);
  LRESULT OnGiveBackActivation(WPARAM, LPARAM);
  void OnUndo() { m_editor.OnUndo(); }
  void OnUndoAll() { m_editor.OnUndoAll(); }
  void OnLoadOriginal() { m_editor.OnLoadOriginal(); }
  void OnLoadAllOriginals() { m_editor.OnLoadAllOriginals(); }

  DECLARE_MESSAGE_MAP()

 private:
  // CPreviewWindow.
  bool CreatePreview(const std::vector<BYTE>& dialogTemplate) override;
  void DestroyPreview() override;
  void SetCursor(int cursorId) override;
  void DrawHoverFrame(const RECT& r) override;
  void DrawSelectionFrame(const RECT& r) override;
  void EraseRect(const RECT& r) override;
  void InvalidateAll() override;
  void XorBand(const RECT& r) override;
  void MoveControl(int index, const RECT& r, bool repaint) override;
  RECT GetControlRect(int index) override;
  void SetClientSize(int cx, int cy) override;
  void MoveWindowBy(int dx, int dy) override;
  void SetCaption(const CString& text) override;
  bool IsPreviewActive() override;
  bool ActivateOwner() override;
  void RefreshCaptions() override;
  void SetControlText(int index, const CString& text) override;
  void ShowPositionRect(const RECT* dialogUnits) override;
  void ShowPositionPoint(int x, int y) override;

  void ShowContextMenu(CPoint point);
  // A non-client point: in client coordinates, and whether it lies right of
  // or below the client area inside the window.
  CPoint NcToClient(LPARAM lParam, bool* besideClient) const;
  void TakeMouse();

  CWnd* m_pFrame;
  CLwvPreviewProgram m_lwvProgram;
  CDialogEditor m_editor;
  std::vector<BYTE> m_template;
  POINT m_remembered = {-5000, -5000};
  std::unique_ptr<CPositionInfoDlg> m_pPosition;
  HCURSOR m_hCursor;
  std::function<void()> m_closeCommand;
};
