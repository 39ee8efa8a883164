// Reads arbitrary bytes as a language file and runs every dialog's layout
// records through the dialog editor: the template must be exactly as long
// as computed and read back to its end; the editor gets the table a window
// would report, is dragged about, undone and committed; the statistics
// count the tree.
#include "DeskStatistics.h"
#include "DialogEditor.h"
#include "LwvMessage.h"
#include "PreviewTemplate.h"
#include "TraFile.h"
#include "UiServices.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace {

struct NullWindow : CPreviewWindow {
  bool CreatePreview(const std::vector<BYTE>&) override { return true; }
  void DestroyPreview() override {}
  void SetCursor(int) override {}
  void DrawHoverFrame(const RECT&) override {}
  void DrawSelectionFrame(const RECT&) override {}
  void EraseRect(const RECT&) override {}
  void InvalidateAll() override {}
  void XorBand(const RECT&) override {}
  void MoveControl(int, const RECT&, bool) override {}
  RECT GetControlRect(int) override { return RECT{0, 0, 10, 10}; }
  void SetClientSize(int, int) override {}
  void MoveWindowBy(int, int) override {}
  void SetCaption(const CString&) override {}
  bool IsPreviewActive() override { return true; }
  bool ActivateOwner() override { return true; }
  void RefreshCaptions() override {}
  void SetControlText(int, const CString&) override {}
  void ShowPositionRect(const RECT*) override {}
  void ShowPositionPoint(int, int) override {}
};

struct NullDocument : CPreviewDocument {
  bool IsOriginal() const override { return false; }
  void SetModified() override {}
  void OfferNewTranslation() override {}
};

struct NullProgram : CPreviewProgram {
  void SetBusy(bool) override {}
  std::unique_ptr<CTraNode> MakeHintDialog() override { return nullptr; }
};

LONG Clamp(int64_t v) { return static_cast<LONG>(v < -20000 ? -20000 : v > 20000 ? 20000 : v); }

void Exercise(CTraNode* dialog) {
  const std::vector<BYTE> bytes = BuildPreviewTemplate(*dialog);
  if (bytes.size() != PreviewTemplateSize(*dialog)) abort();
  NullWindow window;
  NullDocument document;
  NullProgram program;
  CQueuedUiServices ui;
  ui.QueueMessageAnswer(IDYES);
  CDialogEditor editor(window, document, program, ui);
  editor.SetDialogNode(dialog);
  if (!editor.IsHintShown() && !bytes.empty()) {
    std::vector<RECT> rects;
    rects.push_back(
        RECT{0, 0, Clamp(dialog->GetLayout()->GetWidth()) * 2, Clamp(dialog->GetLayout()->GetHeight()) * 2});
    for (int i = 0; i < PreviewControlCount(*dialog); ++i) {
      const CTraNode* c = dialog->GetChild(i);
      const RECT r = c->GetLayout() ? c->GetLayout()->m_rcTranslated : RECT{0, 0, 0, 0};
      rects.push_back(RECT{Clamp(r.left) * 2, Clamp(r.top) * 2, Clamp(r.right) * 2, Clamp(r.bottom) * 2});
    }
    editor.OnWindowCreated(rects, 2.0, 2.0);
    const RECT client = rects[0];
    const POINT points[] = {{client.right - 1, client.bottom - 1}, {client.right / 2, client.bottom / 2}, {5, 5}};
    for (const POINT& p : points) {
      editor.OnMouseMove(p);
      editor.OnLeftDown(p);
      editor.OnMouseMove(POINT{p.x + 7, p.y + 3});
      editor.OnLeftUp(POINT{p.x + 7, p.y + 3});
    }
    editor.PrepareContextMenu(points[1]);
    editor.OnUndo();
    editor.OnUndoAll();
    editor.OnWindowDestroyed();
  }
}

void Walk(CTraNode* node, int depth) {
  if (!node || depth > TRA_MAX_DEPTH + 1) return;
  if (node->GetKind() == TRA_DIALOG || node->GetKind() == TRA_SWITCHDIALOG) Exercise(node);
  for (int i = 0; i < node->GetChildCount(); ++i) Walk(node->GetChild(i), depth + 1);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool quiet = (LwvSetMessageHandler([](LPCTSTR) {}), true);
  (void)quiet;
  static const std::string path = "/tmp/deskdialogs_fuzz_" + std::to_string(getpid()) + ".tra";
  FILE* f = fopen(path.c_str(), "wb");
  if (!f) return 0;
  if (size) fwrite(data, 1, size, f);
  fclose(f);
  CTraFile file;
  if (!LwReadLanguageFile(CString(path.c_str()), file, LW_READ_WHOLE)) return 0;
  Walk(file.GetRootNode(), 0);
  DeskStatistics totals;
  CountStatistics(file.GetRootNode(), totals);
  return 0;
}
