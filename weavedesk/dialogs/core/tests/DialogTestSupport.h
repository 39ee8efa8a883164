// Recording stand-ins for the dialog editor's window, document and
// program, and a dialog tree with layouts, for the dialogs' native tests.
#pragma once

#include "DialogEditor.h"
#include "TraNode.h"

#include <memory>
#include <string>
#include <vector>

namespace dlgtest {

// A dialog node (kind 1) with a layout; rectangles in dialog units.
std::unique_ptr<CTraNode> MakeDialog(const CString& caption, const RECT& rect, LONG style = 0x80C80000,
                                     LONG exStyle = 0, const CString& face = _T("MS Sans Serif"), WORD size = 8);
CTraNode* AddControl(CTraNode* dialog, int kind, const CString& text, const RECT& rect, LONG style = 0x50010000);

struct RecordingWindow : CPreviewWindow {
  bool CreatePreview(const std::vector<BYTE>& t) override {
    ++creates;
    lastTemplate = t;
    busyAtCreate = busy ? *busy : false;
    return createResult;
  }
  void DestroyPreview() override { ++destroys; }
  void SetCursor(int id) override { cursor = id; }
  void DrawHoverFrame(const RECT& r) override { hoverFrames.push_back(r); }
  void DrawSelectionFrame(const RECT& r) override { selectionFrames.push_back(r); }
  void EraseRect(const RECT&) override { ++erases; }
  void InvalidateAll() override { ++invalidates; }
  void XorBand(const RECT& r) override { bands.push_back(r); }
  void MoveControl(int index, const RECT& r, bool) override { moves.push_back({index, r}); }
  RECT GetControlRect(int index) override {
    RECT r = {0, 0, 0, 0};
    for (const auto& m : moves)
      if (m.first == index) r = m.second;
    r.bottom = r.top + comboHeight;
    return r;
  }
  void SetClientSize(int cx, int cy) override { clientSizes.push_back({cx, cy}); }
  void MoveWindowBy(int dx, int dy) override { windowMoves.push_back({dx, dy}); }
  void SetCaption(const CString& t) override { caption = t; }
  bool IsPreviewActive() override { return active; }
  bool ActivateOwner() override {
    calls.push_back(_T("activate owner"));
    return hasOwner;
  }
  void RefreshCaptions() override { calls.push_back(_T("captions")); }
  void SetControlText(int index, const CString& t) override { texts.push_back({index, t}); }
  void ShowPositionRect(const RECT* r) override {
    hasPositionRect = r != nullptr;
    if (r) positionRect = *r;
  }
  void ShowPositionPoint(int x, int y) override { point = {x, y}; }

  bool createResult = true;
  bool active = false;
  bool hasOwner = true;
  std::vector<CString> calls;
  const bool* busy = nullptr;
  bool busyAtCreate = false;
  int creates = 0, destroys = 0, cursor = 0, erases = 0, invalidates = 0;
  int comboHeight = 60;
  std::vector<BYTE> lastTemplate;
  std::vector<RECT> hoverFrames, selectionFrames, bands;
  std::vector<std::pair<int, RECT>> moves;
  std::vector<std::pair<int, int>> clientSizes, windowMoves;
  CString caption;
  std::vector<std::pair<int, CString>> texts;
  bool hasPositionRect = false;
  RECT positionRect = {0, 0, 0, 0};
  POINT point = {0, 0};
};

struct RecordingDocument : CPreviewDocument {
  bool IsOriginal() const override { return original; }
  void SetModified() override { ++modified; }
  void OfferNewTranslation() override { ++offers; }
  bool original = false;
  int modified = 0;
  int offers = 0;
};

struct RecordingProgram : CPreviewProgram {
  void SetBusy(bool on) override {
    busy = on;
    ++busyCalls;
  }
  std::unique_ptr<CTraNode> MakeHintDialog() override {
    ++hintRequests;
    if (!hasHint) return nullptr;
    auto hint = MakeDialog(_T("Hinweis"), RECT{0, 0, 120, 40});
    AddControl(hint.get(), TRA_STATIC, _T("Leider ist die Darstellung dieses Dialogs nicht möglich!"),
               RECT{8, 8, 110, 20});
    return hint;
  }
  bool busy = false;
  int busyCalls = 0;
  int hintRequests = 0;
  bool hasHint = true;
};

// The rectangle table a live window would report: the layout's translated
// rectangles mapped with pixels per unit (entry 0 the client rectangle).
std::vector<RECT> LiveRects(const CTraNode& dialog, double px, double py);

}  // namespace dlgtest
