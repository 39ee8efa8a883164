// Writes the library's built-in pictures as the source file LwvPictureData.cpp.
//   MakePictureData <path of LwvPictureData.cpp>
#include "PictureArt.h"

#include "Framework.h"

#include <cstdio>

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <LwvPictureData.cpp>\n", argv[0]);
    return 2;
  }
  const std::string text = lwpic::PictureDataSource();
  try {
    CAtomicFile file;
    CFileException error;
    if (!file.Open(CString(CStringA(argv[1])), CFile::modeCreate | CFile::modeWrite, &error)) throw error;
    file.Write(text.data(), static_cast<UINT>(text.size()));
    file.Commit();
  } catch (const CFileException&) {
    std::fprintf(stderr, "cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
