// main() of every picture generator: the files come from the generator's
// GeneratedPictureFiles(), the refresh target's name from its build.
#include "PictureFiles.h"

int main(int argc, char** argv) {
  return lwpicfiles::RunPictureGenerator(argc, argv, GeneratedPictureFiles(), LW_PICTURE_REFRESH_TARGET);
}
