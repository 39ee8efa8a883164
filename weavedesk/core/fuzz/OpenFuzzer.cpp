// Opens arbitrary bytes as a language file through the document's open
// path, builds and lays out every block, draws them, writes the texts back
// and runs a search that wraps once. A file the reader refuses must leave
// the document without a file.
#include "DeskDocument.h"
#include "FindReplace.h"
#include "HeadlessDocHost.h"
#include "LwvMessage.h"
#include "TraFile.h"
#include "UiServices.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace {


CString FuzzPath() {
  static const std::string path = "/tmp/deskcore_fuzz_" + std::to_string(getpid()) + ".tra";
  return CString(path.c_str());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool quiet = (LwvSetMessageHandler([](LPCTSTR) {}), true);
  (void)quiet;
  const CString path = FuzzPath();
  FILE* f = fopen(lw::HostPath(path).c_str(), "wb");
  if (!f) return 0;
  if (size) fwrite(data, 1, size, f);
  fclose(f);

  CQueuedUiServices ui;
  CHeadlessDocHost host;
  CDeskDocument doc(ui, host);
  host.m_pDoc = &doc;
  doc.SetPendingFile(path);
  if (!doc.OpenLanguageFile()) {
    if (doc.GetFile()) abort();
    return 0;
  }
  if (!doc.GetRootNode() || host.m_view.m_blocks.GetRoot() != doc.GetRootNode()) abort();
  CTextBlockList& blocks = host.m_view.m_blocks;
  for (int i = 0; i < blocks.GetCount(); ++i) blocks.GetBlock(i)->Draw(host.m_view.m_device, 0, 0);
  host.UpdateAllViews(DESK_HINT_STORE);
  CFindReplace find(blocks, ui);
  find.SetDialogParams(_T("e"), _T("E"), false, false);
  find.FindNext(false, true);
  find.ReplaceAll();
  return 0;
}
