// WeaveDesk's pictures as the .bmp files of weavedesk/res: the files of the
// generator MakeDeskPictures.
#include "DeskPictures.h"
#include "PictureFiles.h"

lwpicfiles::PictureFiles GeneratedPictureFiles() {
  lwpicfiles::PictureFiles files;
  for (const deskpic::NamedPicture& named : deskpic::DrawAll())
    files.push_back({named.fileName, lwpic::EncodeBmp(named.picture)});
  return files;
}
