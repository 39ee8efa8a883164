// Writes WeaveMaker's icon and bitmaps into a folder (weavemaker/res):
//   MakeMakerPictures FOLDER
#include "MakerPictureArt.h"

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: MakeMakerPictures FOLDER\n");
    return 2;
  }
  for (const makerpic::PictureFile& file : makerpic::AllPictureFiles()) {
    const std::string path = std::string(argv[1]) + "/" + file.name;
    const std::string temp = path + ".new";
    std::FILE* out = std::fopen(temp.c_str(), "wb");
    const bool written = out && std::fwrite(file.bytes.data(), 1, file.bytes.size(), out) == file.bytes.size();
    if (out && std::fclose(out) != 0) return 1;
    if (!written || std::rename(temp.c_str(), path.c_str()) != 0) {
      std::fprintf(stderr, "MakeMakerPictures: cannot write %s\n", path.c_str());
      return 1;
    }
  }
  return 0;
}
