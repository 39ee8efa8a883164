// The add-on list's image strip (bitmap 187, seven 16 x 16 images, mask
// colour magenta) as AddOnImages.bmp: the file of the generator MakeAddOnImages.
#include "AddOnImageArt.h"
#include "PictureFiles.h"

lwpicfiles::PictureFiles GeneratedPictureFiles() { return {{"AddOnImages.bmp", addonart::MakeStripBmp()}}; }
