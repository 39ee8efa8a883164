// WeaveMaker's icon and bitmaps as files of weavemaker/res: the files of the
// generator MakeMakerPictures.
#include "MakerPictureArt.h"

lwpicfiles::PictureFiles GeneratedPictureFiles() { return makerpic::AllPictureFiles(); }
