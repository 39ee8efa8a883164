// WeaveGuide's pictures as the .bmp files of weaveguide/res: the files of
// the generator MakeGuidePictures.
#include "GuidePictures.h"
#include "PictureFiles.h"

lwpicfiles::PictureFiles GeneratedPictureFiles() {
  lwpicfiles::PictureFiles files;
  for (const guidepic::GuidePicture& g : guidepic::DrawGuidePictures())
    files.push_back({g.fileName, lwpic::EncodeBmp(g.picture)});
  return files;
}
