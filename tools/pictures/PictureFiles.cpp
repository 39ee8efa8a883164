#include "PictureFiles.h"

#include "Framework.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>

namespace lwpicfiles {

namespace {

bool WriteOne(const std::string& path, const std::vector<uint8_t>& bytes) {
  try {
    CAtomicFile file;
    CFileException error;
    if (!file.Open(CString(CStringA(path.c_str())), CFile::modeCreate | CFile::modeWrite, &error)) return false;
    if (!bytes.empty()) file.Write(bytes.data(), static_cast<UINT>(bytes.size()));
    file.Commit();
    return true;
  } catch (const CFileException&) {
    return false;
  }
}

bool ReadOne(const std::string& path, std::vector<uint8_t>& bytes) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return !in.bad();
}

}  // namespace

bool WritePictureFiles(const std::string& folder, const PictureFiles& files, std::string* failedFile) {
  for (const PictureFile& file : files) {
    if (!WriteOne(folder + "/" + file.name, file.bytes)) {
      if (failedFile) *failedFile = file.name;
      return false;
    }
  }
  return true;
}

std::string FirstStaleFile(const std::string& folder, const PictureFiles& files) {
  for (const PictureFile& file : files) {
    std::vector<uint8_t> committed;
    if (!ReadOne(folder + "/" + file.name, committed) || committed != file.bytes) return file.name;
  }
  return std::string();
}

int RunPictureGenerator(int argc, char** argv, const PictureFiles& files, const char* refreshTarget) {
  const bool check = argc == 3 && std::strcmp(argv[1], "--check") == 0;
  // A mistyped option is no folder to write into.
  const bool write = argc == 2 && argv[1][0] != '-';
  if (!write && !check) {
    std::fprintf(stderr, "usage: %s [--check] FOLDER\n", argc > 0 ? argv[0] : "generator");
    return 2;
  }
  const std::string folder = argv[argc - 1];
  if (check) {
    const std::string stale = FirstStaleFile(folder, files);
    if (stale.empty()) return 0;
    std::fprintf(stderr, "%s/%s is not what the generator makes: build the target %s\n", folder.c_str(),
                 stale.c_str(), refreshTarget);
    return 1;
  }
  std::string failed;
  if (WritePictureFiles(folder, files, &failed)) return 0;
  std::fprintf(stderr, "cannot write %s/%s\n", folder.c_str(), failed.c_str());
  return 1;
}

}  // namespace lwpicfiles
