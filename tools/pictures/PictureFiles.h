// The set of files a picture generator makes, and what every generator does
// with it: write the files into their committed folder (each one complete
// before it replaces the old one) or compare them with the committed ones.
// Drawing and encoding are the generators' own (see BmpEncoding.h).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace lwpicfiles {

// One file a generator makes: its name in the folder and its bytes.
struct PictureFile {
  std::string name;
  std::vector<uint8_t> bytes;
};
using PictureFiles = std::vector<PictureFile>;

// Writes every file into folder. On failure returns false and names the
// file in failedFile (when given); files written before it stay written.
bool WritePictureFiles(const std::string& folder, const PictureFiles& files, std::string* failedFile = nullptr);

// Name of the first file whose committed copy in folder is missing or has
// other bytes; empty when every committed file is what the generator makes.
std::string FirstStaleFile(const std::string& folder, const PictureFiles& files);

// The generator's command line:
//   <tool> FOLDER           writes the files into FOLDER
//   <tool> --check FOLDER   exit status 1 naming the first stale file
// refreshTarget names the build target that writes them, for the message.
int RunPictureGenerator(int argc, char** argv, const PictureFiles& files, const char* refreshTarget);

}  // namespace lwpicfiles

// Defined by each generator: every file it makes, in a fixed order.
lwpicfiles::PictureFiles GeneratedPictureFiles();
