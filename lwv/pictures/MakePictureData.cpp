// The library's built-in pictures as the source file LwvPictureData.cpp
// (lwv/win32): the one file of the generator MakePictureData.
#include "PictureArt.h"
#include "PictureFiles.h"

lwpicfiles::PictureFiles GeneratedPictureFiles() {
  const std::string text = lwpic::PictureDataSource();
  return {{"LwvPictureData.cpp", std::vector<uint8_t>(text.begin(), text.end())}};
}
