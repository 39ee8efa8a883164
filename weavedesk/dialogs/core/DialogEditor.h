// The dialog editor without its window: which dialog is current (or the
// hint that stands in for it), the rectangle table of the live preview,
// hover and selection, the mouse state machine that moves and resizes
// controls and the dialog in whole dialog units, undo, going back to the
// original layout and writing changed rectangles into the layout records.
// Talks to the window, the document and the program through the seams of
// PreviewWindow.h and asks questions through CUiServices. Draws nothing.
#pragma once

#include "Framework.h"
#include "PreviewWindow.h"

#include <memory>
#include <vector>

class CTraNode;
class CUiServices;

// Which context-menu commands are enabled.
struct PreviewMenuState {
  bool undo;
  bool undoAll;
  bool loadOriginal;
  bool loadAllOriginals;
};

class CDialogEditor {
 public:
  CDialogEditor(CPreviewWindow& window, CPreviewDocument& document, CPreviewProgram& program, CUiServices& ui);
  ~CDialogEditor();
  CDialogEditor(const CDialogEditor&) = delete;
  CDialogEditor& operator=(const CDialogEditor&) = delete;

  // ---- current dialog and window ----
  bool SetDialogNode(CTraNode* node);
  void Show(bool on);
  bool IsShown() const { return m_bSwitchedOn; }
  bool IsActive() const { return m_bSwitchedOn && m_pDialog != nullptr; }
  bool SelectItem(CTraNode* node);
  bool SetItemText(CTraNode* node, const CString& text);
  // Lets go of the dialog (its file goes away): destroys the window, keeps nothing.
  void Detach();
  bool IsHintShown() const { return m_bHintShown; }
  CTraNode* GetDialogNode() const { return m_pDialog; }
  // The node the window shows: the hint or the current dialog.
  const CTraNode* GetShownNode() const;

  // ---- the live window ----
  // The window was created: its rectangle table (entry 0 the client
  // rectangle, then every control's), pixels per dialog unit, resizable.
  void OnWindowCreated(const std::vector<RECT>& rects, double pixelsX, double pixelsY);
  // The window is being destroyed: rectangles are committed, the table freed.
  void OnWindowDestroyed();
  bool HasWindow() const { return !m_rects.empty(); }

  // Mouse events, points in client pixels.
  void OnMouseMove(POINT p);
  void OnLeftDown(POINT p);
  void OnLeftUp(POINT p);
  void OnRightDown(POINT p);
  // True when the context menu is to be shown (a right click without moving).
  bool OnRightUp(POINT p);
  // Before the context menu: select what lies under p; the menu's states.
  PreviewMenuState PrepareContextMenu(POINT p);
  // The window got the mouse anew: no button is held.
  void ResetButtons() { m_bLeftDown = m_bRightDrag = false; }
  bool IsLeftDown() const { return m_bLeftDown; }
  bool IsRightDrag() const { return m_bRightDrag; }
  bool IsDragging() const { return m_bDragging; }

  // Redraws the frames after painting.
  void DrawFrames();
  // The activation timer: unless dragging, an active preview gives the
  // activation back to its owner (the keyboard stays with the edit view)
  // and both captions are set again.
  void GiveBackActivation();

  // ---- commands ----
  void OnUndo();
  void OnUndoAll();
  void OnLoadOriginal();
  void OnLoadAllOriginals();
  void CommitRects();

  // ---- state, read by the window and by tests ----
  int GetCursor() const { return m_nCursor; }
  int GetHover() const { return m_nHover; }
  int GetSelected() const { return m_nSelected; }
  bool IsResizable() const { return m_bResizable; }
  bool IsChanged(int index) const;
  RECT GetRect(int index) const;
  int GetCount() const { return static_cast<int>(m_rects.size()); }
  RECT GetBand() const { return m_band; }
  RECT ToDialogUnits(const RECT& pixels) const;
  RECT ToPixels(const RECT& dialogUnits) const;

 private:
  bool BuildWindow();
  void DestroyWindow();
  void OnMouse(POINT p);
  int CursorFor(POINT p, bool* edgeGrab) const;
  int HitTest(POINT p) const;
  void SetHover(int index);
  void SetSelected(int index);
  void EraseFrames();
  void StartDrag(POINT p);
  void MoveBand(POINT p);
  void Drop();
  void ShowRectOf(int index);
  void DrawBand();
  // The layout rectangle of entry i (translated or original), in dialog units.
  RECT LayoutRect(int index, bool original) const;
  void SetLayoutRect(int index, const RECT& dialogUnits);
  // Puts entry i back to its layout's translated rectangle.
  void RestoreEntry(int index, bool repaint);
  bool DiffersFromOriginal(int index) const;
  CTraNode* ControlNode(int index) const;
  int ControlKind(int index) const;
  bool IsMoveOnly(int index) const;
  int EntryOrDialog(int index) const { return index > 0 && index < GetCount() ? index : 0; }

  CPreviewWindow& m_window;
  CPreviewDocument& m_document;
  CPreviewProgram& m_program;
  CUiServices& m_ui;

  CTraNode* m_pDialog;                 // the document's dialog, not owned
  std::unique_ptr<CTraNode> m_pHint;   // the program's hint, a copy of its own
  bool m_bHintShown;
  bool m_bSwitchedOn;
  bool m_bResizable;

  bool m_bLeftDown;
  bool m_bMenuPending;
  bool m_bRightDrag;
  bool m_bTransition;
  bool m_bClickWithoutMove;
  bool m_bDragging;
  bool m_bEdgeGrab;
  bool m_bBandDrawn;

  std::vector<RECT> m_rects;
  std::vector<BYTE> m_changed;
  int m_nHover;
  int m_nSelected;
  POINT m_start;
  RECT m_band;
  double m_pixelsX;
  double m_pixelsY;
  int m_nCursor;
};

class CTraFile;
// A copy of the hint dialog ("Dialoge" / "Hinweis") of a language file;
// null when the file has none.
std::unique_ptr<CTraNode> CopyHintDialog(const CTraFile* file);
