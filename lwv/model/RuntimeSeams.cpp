#include "RuntimeSeams.h"

#include <atomic>

namespace {

std::atomic<LwBusySeam> g_busy{nullptr};
std::atomic<LwTranslateSeam> g_translate{nullptr};

}  // namespace

void LwInstallRuntimeSeams(LwBusySeam busy, LwTranslateSeam translate) {
  g_busy.store(busy);
  g_translate.store(translate);
}

void LwSetRuntimeBusy(bool busy) {
  if (LwBusySeam seam = g_busy.load()) seam(busy);
}

void LwTranslateProgramText(CString& text) {
  if (LwTranslateSeam seam = g_translate.load()) seam(text);
}
