// Reads arbitrary bytes as a .tra file; what reads cleanly is indexed,
// looked up, copied, merged and written again.
#include "StringLookup.h"
#include "TraFile.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace {

void Exercise(CTraFile& file) {
  file.BuildStringIndex();
  CTraNode* section = file.FindStringSection();
  if (section && section->GetChildCount() > 0 && section->GetChild(0)->GetChildCount() > 0) {
    CString text = section->GetChild(0)->GetChild(0)->GetOriginal();
    TranslateTextIn(&file, text, TRA_PART_WHOLE);
    TranslateTextIn(&file, text, TRA_PART_PROMPT);
    TranslateTextIn(&file, text, TRA_PART_TIP);
  }
  if (CTraNode* root = file.GetRootNode()) {
    root->CountTranslatable();
    root->PropagateStates();
    root->MarkTestTexts(true, _T("[[["), true, _T("]]]"));
  }
  std::unique_ptr<CTraFile> copy(file.Clone());
  copy->UpdateFrom(file);
  std::unique_ptr<CTraFile> lookup(copy->Clone());
  if (lookup->GetRootNode() && file.GetRootNode()) lookup->GetRootNode()->TakeTranslations(file.GetRootNode(), 0);
  CMemFile out;
  CArchive ar(&out, CArchive::store);
  copy->Serialize(ar);
  ar.Close();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::vector<BYTE> bytes(data, data + size);
  CMemFile mem(bytes.data(), static_cast<UINT>(bytes.size()));
  CTraFile file;
  try {
    CArchive ar(&mem, CArchive::load, 4096);
    file.Serialize(ar);
  } catch (const CException&) {
    return 0;
  }
  try {
    Exercise(file);
  } catch (const CException&) {
    // Writing may fail for texts the archive cannot hold; never for the structure.
  }
  return 0;
}
