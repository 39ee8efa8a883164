#include "LanguageFiles.h"

namespace lwtest {

std::unique_ptr<CTraFile> ReadLanguageFile(const CString& path) {
  std::unique_ptr<CTraFile> file(new CTraFile);
  if (!LwReadLanguageFile(path, *file, LW_READ_WHOLE)) file.reset();
  return file;
}

std::vector<const CTraNode*> NodesWith(const CTraNode* root, const CString& original, int kind) {
  std::vector<const CTraNode*> found;
  if (!root) return found;
  if (root->GetOriginal() == original && (kind == 0 || root->GetKind() == kind)) found.push_back(root);
  for (int i = 0; i < root->GetChildCount(); ++i) {
    const std::vector<const CTraNode*> below = NodesWith(root->GetChild(i), original, kind);
    found.insert(found.end(), below.begin(), below.end());
  }
  return found;
}

}  // namespace lwtest
