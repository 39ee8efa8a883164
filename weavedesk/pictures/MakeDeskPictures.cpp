// Writes WeaveDesk's pictures as .bmp files into a folder.
//   MakeDeskPictures <folder>
#include "DeskPictures.h"

#include "Framework.h"

#include <cstdio>

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
    return 2;
  }
  for (const deskpic::NamedPicture& named : deskpic::DrawAll()) {
    const std::vector<uint8_t> bytes = lwpic::EncodeBmp(named.picture);
    const std::string path = std::string(argv[1]) + "/" + named.fileName;
    try {
      CAtomicFile file;
      CFileException error;
      if (!file.Open(CString(CStringA(path.c_str())), CFile::modeCreate | CFile::modeWrite, &error)) throw error;
      file.Write(bytes.data(), static_cast<UINT>(bytes.size()));
      file.Commit();
    } catch (const CFileException&) {
      std::fprintf(stderr, "cannot write %s\n", path.c_str());
      return 1;
    }
  }
  return 0;
}
