#include "MakerPictureArt.h"

#include "BmpEncoding.h"

#include <cstring>

namespace makerpic {

namespace {

// Red, green, blue, in the order of the palette indices.
const std::vector<lwbmp::Rgb> kPalette = {
    {0xFF, 0xFF, 0xFF}, {0x00, 0x00, 0x00}, {0xC0, 0xC0, 0xC0}, {0x80, 0x80, 0x80},
    {0x00, 0x00, 0x80}, {0x20, 0x60, 0xE0}, {0xFF, 0xD8, 0x00}, {0xD0, 0x20, 0x20},
    {0x30, 0xB0, 0x30}, {0xFF, 0x00, 0xFF}, {0xA0, 0xD0, 0xF0}, {0x90, 0x50, 0x20},
    {0xFF, 0xF8, 0xC0}, {0x10, 0x60, 0x10}, {0xF0, 0x80, 0x00}, {0x80, 0x10, 0x30},
};

// Letters of the art; '.' is the picture's background.
int Colour(char c) {
  switch (c) {
    case 'w': return kWhite;
    case 'k': return kBlack;
    case 'g': return kGrey;
    case 'd': return kDark;
    case 'n': return kNavy;
    case 'b': return kBlue;
    case 'y': return kYellow;
    case 'r': return kRed;
    case 'G': return kGreen;
    case 's': return kSky;
    case 'o': return kBrown;
    case 'c': return kCream;
    case 'f': return kForest;
    case 'O': return kOrange;
  }
  return -1;
}

// 16 x 16 glyphs, one string of 256 letters each (rows of 16).
#define ROW(s) s
const char kDoc[] =
    ROW("..kkkkkkkkk.....") ROW("..kwwwwwwwkk....") ROW("..kwwwwwwwkwk...") ROW("..kwwwwwwwkkkk..")
    ROW("..kwwwwwwwwwwk..") ROW("..kwwwwwwwwwwk..") ROW("..kwwwwwwwwwwk..") ROW("..kwwwwwwwwwwk..")
    ROW("..kwwwwwwwwwwk..") ROW("..kwwwwwwwwwwk..") ROW("..kwwwwwwwwwwk..") ROW("..kwwwwwwwwwwk..")
    ROW("..kwwwwwwwwwwk..") ROW("..kwwwwwwwwwwk..") ROW("..kkkkkkkkkkkk..") ROW("................");
const char kTextDoc[] =
    ROW("..kkkkkkkkk.....") ROW("..kwwwwwwwkk....") ROW("..kwddddwwkwk...") ROW("..kwwwwwwwkkkk..")
    ROW("..kwddddddddwk..") ROW("..kwwwwwwwwwwk..") ROW("..kwdddddddwwk..") ROW("..kwwwwwwwwwwk..")
    ROW("..kwddddddddwk..") ROW("..kwwwwwwwwwwk..") ROW("..kwddddddwwwk..") ROW("..kwwwwwwwwwwk..")
    ROW("..kwddddddddwk..") ROW("..kwwwwwwwwwwk..") ROW("..kkkkkkkkkkkk..") ROW("................");
const char kTraDoc[] =
    ROW("..kkkkkkkkk.....") ROW("..kwwwwwwwkk....") ROW("..kwwwwwwwkwk...") ROW("..kwkkkkkkkkkk..")
    ROW("..kwkkkkkkkwwk..") ROW("..kwrrrrrrrwwk..") ROW("..kwrrrrrrrwwk..") ROW("..kwyyyyyyywwk..")
    ROW("..kwyyyyyyywwk..") ROW("..kwwwwwwwwwwk..") ROW("..kwddddddddwk..") ROW("..kwwwwwwwwwwk..")
    ROW("..kwdddddddwwk..") ROW("..kwwwwwwwwwwk..") ROW("..kkkkkkkkkkkk..") ROW("................");
const char kRcDoc[] =
    ROW("..kkkkkkkkk.....") ROW("..kwwwwwwwkk....") ROW("..kwwwwwwwkwk...") ROW("..kwwwwwwwkkkk..")
    ROW("..kwbbwwbbwwwk..") ROW("..kwbwbwbwwwwk..") ROW("..kwbbwwbwwwwk..") ROW("..kwbwbwbwwwwk..")
    ROW("..kwbwbwwbbwwk..") ROW("..kwwwwwwwwwwk..") ROW("..kwddddddddwk..") ROW("..kwwwwwwwwwwk..")
    ROW("..kwdddddwwwwk..") ROW("..kwwwwwwwwwwk..") ROW("..kkkkkkkkkkkk..") ROW("................");
const char kFolder[] =
    ROW("................") ROW("................") ROW(".kkkkk..........") ROW("kyyyyyk.........")
    ROW("kyyyyyykkkkkkk..") ROW("kyyyyyyyyyyyyk..") ROW("kyyyyyyyyyyyyk..") ROW("kyyykkkkkkkkkkkk")
    ROW("kyyk.oooooooooko") ROW("kyykoooooooook..") ROW("kyk.ooooooooko..") ROW("kykoooooooook...")
    ROW("kk.ooooooooko...") ROW("kkkkkkkkkkkk....") ROW("................") ROW("................");
const char kDisk[] =
    ROW("kkkkkkkkkkkkkkk.") ROW("kbkwwwwwwwwwkbk.") ROW("kbkwwwwwwwwwkbk.") ROW("kbkwddddddwwkbk.")
    ROW("kbkwwwwwwwwwkbk.") ROW("kbkwwwwwwwwwkbk.") ROW("kbbkkkkkkkkkbbk.") ROW("kbbbbbbbbbbbbbk.")
    ROW("kbbkkkkkkkkkbbk.") ROW("kbbkggggkggkbbk.") ROW("kbbkggggkggkbbk.") ROW("kbbkggggkggkbbk.")
    ROW("kbbkggggggggbbk.") ROW(".kbkkkkkkkkkkbk.") ROW("..kkkkkkkkkkkkk.") ROW("................");
const char kDiskPen[] =
    ROW("kkkkkkkkkkkk....") ROW("kbkwwwwwwwkk....") ROW("kbkwwwwwwwk.....") ROW("kbkwddddwwk...kk")
    ROW("kbkwwwwwwwk..kOk") ROW("kbbkkkkkkkk.kOOk") ROW("kbbbbbbbbbbkOOk.") ROW("kbbkkkkkkbkOOk..")
    ROW("kbbkggggkkOOk...") ROW("kbbkggggkOOk....") ROW("kbbkgggkwwk.....") ROW("kbbkggkwwk......")
    ROW(".kbkkkkkkk......") ROW("..kkkkkkkk......") ROW("................") ROW("................");
const char kWindow[] =
    ROW("................") ROW("kkkkkkkkkkkkkkkk") ROW("knnnnnnnnnnnkwkk") ROW("knnnnnnnnnnnkkkk")
    ROW("kkkkkkkkkkkkkkkk") ROW("kggggggggggggggk") ROW("kgwwwwwwwwwwwwgk") ROW("kgwdddddwwwwwwgk")
    ROW("kgwwwwwwwwwwwwgk") ROW("kgwddddddddwwwgk") ROW("kgwwwwwwwwwwwwgk") ROW("kggggggggkkkkggk")
    ROW("kgggggggkwwwwkgk") ROW("kggggggggkkkkggk") ROW("kkkkkkkkkkkkkkkk") ROW("................");
const char kMenu[] =
    ROW("................") ROW("kkkkkkkkkkkkkkkk") ROW("kgddgggddgggdggk") ROW("kkkkkkkkkkkkkkkk")
    ROW("kwwwwwwwwk......") ROW("kwddddwwwk......") ROW("kwwwwwwwwk......") ROW("knnnnnnnnk......")
    ROW("knwwwwwwnk......") ROW("knnnnnnnnk......") ROW("kwwwwwwwwk......") ROW("kwdddddwwk......")
    ROW("kwwwwwwwwk......") ROW("kkkkkkkkkk......") ROW("................") ROW("................");
const char kField[] =
    ROW("................") ROW("................") ROW("................") ROW("................")
    ROW("kkkkkkkkkkkkkkkk") ROW("kwwwwwwwwwwwwwwk") ROW("kwkwwwwwwwwwwwwk") ROW("kwkwdddddwddwwwk")
    ROW("kwkwwwwwwwwwwwwk") ROW("kwkwwwwwwwwwwwwk") ROW("kwwwwwwwwwwwwwwk") ROW("kkkkkkkkkkkkkkkk")
    ROW("................") ROW("................") ROW("................") ROW("................");
const char kMenuItem[] =
    ROW("................") ROW("................") ROW("................") ROW("................")
    ROW("................") ROW("nnnnnnnnnnnnnnnn") ROW("nnwwwwnnwwwwwnnn") ROW("nnnnnnnnnnnnnnnn")
    ROW("nnwwwwwwwnnwwnnn") ROW("nnnnnnnnnnnnnnnn") ROW("................") ROW("................")
    ROW("................") ROW("................") ROW("................") ROW("................");
const char kPopup[] =
    ROW("................") ROW("kkkkkkkkkk......") ROW("kwwwwwwwwk......") ROW("kwddddwwwk......")
    ROW("kwwwwwwwwk......") ROW("knnnnnnnnkkkkkkk") ROW("knwwwwwnrkwwwwwk") ROW("knnnnnnnnkwdddwk")
    ROW("kwwwwwwwwkwwwwwk") ROW("kwdddddwwkwddwwk") ROW("kwwwwwwwwkwwwwwk") ROW("kkkkkkkkkkwdddwk")
    ROW(".........kwwwwwk") ROW(".........kkkkkkk") ROW("................") ROW("................");
const char kPushButton[] =
    ROW("................") ROW("................") ROW("................") ROW("wwwwwwwwwwwwwwwk")
    ROW("wggggggggggggggk") ROW("wggggggggggggggk") ROW("wgggkkkkkkkgggdk") ROW("wggggggggggggggk")
    ROW("wgggkkkkkggggddk") ROW("wggggggggggggddk") ROW("wddddddddddddddk") ROW("kkkkkkkkkkkkkkkk")
    ROW("................") ROW("................") ROW("................") ROW("................");
const char kGroupBox[] =
    ROW("................") ROW("................") ROW("ddddkkkkkkdddddd") ROW("d...........w..d")
    ROW("d..............d") ROW("d..............d") ROW("d..............d") ROW("d..............d")
    ROW("d..............d") ROW("d..............d") ROW("d..............d") ROW("d..............d")
    ROW("d..............d") ROW("dddddddddddddddd") ROW("................") ROW("................");
const char kCheck[] =
    ROW("................") ROW("................") ROW("................") ROW("................")
    ROW("dddddddd........") ROW("dwwwwwwd........") ROW("dwwwwwkd.kkkkkkk") ROW("dkwwwkkd........")
    ROW("dkkwkkwd.kkkkk..") ROW("dwkkkwwd........") ROW("dwwkwwwd........") ROW("dddddddd........")
    ROW("................") ROW("................") ROW("................") ROW("................");
const char kProgram[] =
    ROW("................") ROW("kkkkkkkkkkkkkkkk") ROW("kbbbbbbbbbbbbbbk") ROW("kbbbbbbbbbbbbbbk")
    ROW("kkkkkkkkkkkkkkkk") ROW("kwwwwwwwwwwwwwwk") ROW("kwwwwGGGGGwwwwwk") ROW("kwwwwGwwwGwwwwwk")
    ROW("kwwwwGwwwGwwwwwk") ROW("kwwwwGGGGGwwwwwk") ROW("kwwwwwwwwwwwwwwk") ROW("kwwwwwwwwwwwwwwk")
    ROW("kwwwwwwwwwwwwwwk") ROW("kkkkkkkkkkkkkkkk") ROW("................") ROW("................");
const char kArchive[] =
    ROW("................") ROW("....kkkkkkkk....") ROW("...kooooooook...") ROW("..kkkkkkkkkkkk..")
    ROW("..koooogyoooOk..") ROW("..koooogyoooOk..") ROW("..kooooyyooooOk.") ROW("..koooogyoooook.")
    ROW("..koooogyoooook.") ROW("..kooooyyoooook.") ROW("..koooogyoooook.") ROW("..koooogyoooook.")
    ROW("..kkkkkkkkkkkkk.") ROW("................") ROW("................") ROW("................");
const char kBlank[] =
    ROW("................") ROW("................") ROW("................") ROW("................")
    ROW("................") ROW("................") ROW("................") ROW("................")
    ROW("................") ROW("................") ROW("................") ROW("................")
    ROW("................") ROW("................") ROW("................") ROW("................");
#undef ROW

// Small marks drawn over a glyph's lower left corner: 7 x 7.
const char kPlusMark[] = "..kkk....kGk..kkkGkkkkGGGGGkkkkGkkk..kGk....kkk..";
const char kCrossMark[] = "kk...kkkrk.krk.krkrk...krk...krkrk.krk.krkkk...kk";
const char kStarMark[] = "...y......yyy..yyyyyyy.yyyyy..yyyyy..yy.yy.y.....";
const char kTestMark[] = "rrr.rrr.r...r..r...r..r...r..r...r..r...r.rrr.rrr";

Picture FromArt(const char* art, int size, uint8_t background) {
  Picture p;
  p.width = size;
  p.height = size;
  p.pixels.assign(static_cast<size_t>(size * size), background);
  for (int i = 0; i < size * size && art[i]; ++i) {
    const int c = Colour(art[i]);
    if (c >= 0) p.pixels[static_cast<size_t>(i)] = static_cast<uint8_t>(c);
  }
  return p;
}

void Stamp(Picture& p, const char* mark, int left, int top) {
  for (int y = 0; y < 7; ++y)
    for (int x = 0; x < 7; ++x) {
      const int c = Colour(mark[y * 7 + x]);
      if (c >= 0) p.pixels[static_cast<size_t>((top + y) * p.width + left + x)] = static_cast<uint8_t>(c);
    }
}

void Put(Picture& p, int x, int y, uint8_t c) {
  if (x >= 0 && y >= 0 && x < p.width && y < p.height) p.pixels[static_cast<size_t>(y * p.width + x)] = c;
}

// Copies a 16 x 16 glyph drawn on background into p at (left, top), scaled.
void Blit(Picture& p, const Picture& glyph, int left, int top, int scale, uint8_t background) {
  for (int y = 0; y < glyph.height * scale; ++y)
    for (int x = 0; x < glyph.width * scale; ++x) {
      const uint8_t c = glyph.At(x / scale, y / scale);
      if (c != background) Put(p, left + x, top + y, c);
    }
}

// Glyphs with their marks, as named by the buttons.
Picture Glyph(const char* name, uint8_t background) {
  struct Named {
    const char* name;
    const char* art;
    const char* mark;
  };
  static const Named kNamed[] = {
      {"new", kDoc, kStarMark},        {"open", kFolder, nullptr},     {"save", kDisk, nullptr},
      {"saveas", kDiskPen, nullptr},   {"rcinsert", kRcDoc, kPlusMark}, {"remove", kRcDoc, kCrossMark},
      {"test", kTextDoc, kTestMark},   {"addon", kArchive, kPlusMark},
  };
  for (const Named& n : kNamed) {
    if (std::strcmp(n.name, name) != 0) continue;
    Picture p = FromArt(n.art, 16, background);
    if (n.mark) Stamp(p, n.mark, 0, 9);
    return p;
  }
  return FromArt(kBlank, 16, background);
}

Picture Cells(const std::vector<const char*>& arts, int cell, uint8_t background) {
  Picture p;
  p.width = cell * static_cast<int>(arts.size());
  p.height = cell;
  p.pixels.assign(static_cast<size_t>(p.width * p.height), background);
  const int scale = cell / 16;
  for (size_t i = 0; i < arts.size(); ++i)
    Blit(p, FromArt(arts[i], 16, background), static_cast<int>(i) * cell, 0, scale, background);
  return p;
}

// The standard-dialog images, 32 x 32: a small window, with a red cross (off)
// or a green tick (on).
Picture StdDialogStrip() {
  Picture p = Cells({kWindow, kWindow}, 32, kWhite);
  for (int i = 0; i < 10; ++i) {
    for (int t = 0; t < 3; ++t) {
      Put(p, 4 + i + t, 20 + i, kRed);  // off: a cross
      Put(p, 13 - i + t, 20 + i, kRed);
    }
  }
  for (int i = 0; i < 5; ++i)
    for (int t = 0; t < 3; ++t) Put(p, 32 + 4 + i, 24 + i + t, kForest);  // on: a tick
  for (int i = 0; i < 9; ++i)
    for (int t = 0; t < 3; ++t) Put(p, 32 + 9 + i, 28 - i + t - 2, kForest);
  return p;
}

std::vector<uint8_t> Bmp(const Picture& p) {
  return lwbmp::EncodeBmpIndexed(p.width, p.height, 4, kPalette, [&p](int x, int y) { return p.At(x, y); });
}

}  // namespace

Picture Strip(const std::vector<const char*>& glyphs, int cell, uint8_t background) {
  Picture p;
  p.width = cell * static_cast<int>(glyphs.size());
  p.height = cell;
  p.pixels.assign(static_cast<size_t>(p.width * p.height), background);
  for (size_t i = 0; i < glyphs.size(); ++i)
    Blit(p, Glyph(glyphs[i], background), static_cast<int>(i) * cell, 0, cell / 16, background);
  return p;
}

// 24 x 22, a raised grey face (sunken when pressed, cream when hovered)
// with the glyph in the middle; disabled draws it as an etched shadow.
Picture ButtonPicture(const char* glyph, int state) {
  Picture p;
  p.width = 24;
  p.height = 22;
  const uint8_t face = state == 2 ? kCream : kGrey;
  p.pixels.assign(static_cast<size_t>(p.width * p.height), face);
  const uint8_t light = state == 1 ? kBlack : kWhite;
  const uint8_t shade = state == 1 ? kWhite : kBlack;
  for (int x = 0; x < p.width; ++x) {
    Put(p, x, 0, light);
    Put(p, x, p.height - 1, shade);
  }
  for (int y = 0; y < p.height; ++y) {
    Put(p, 0, y, light);
    Put(p, p.width - 1, y, shade);
  }
  for (int x = 1; x < p.width - 1; ++x) Put(p, x, p.height - 2, state == 1 ? face : static_cast<uint8_t>(kDark));
  for (int y = 1; y < p.height - 1; ++y) Put(p, p.width - 2, y, state == 1 ? face : static_cast<uint8_t>(kDark));
  const Picture g = Glyph(glyph, kMagenta);
  const int shift = state == 1 ? 1 : 0;
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) {
      const uint8_t c = g.At(x, y);
      if (c == kMagenta) continue;
      if (state == 3) {
        if (c == kWhite || c == kYellow || c == kCream || c == kGrey) continue;
        Put(p, 5 + x, 3 + y, kWhite);
        Put(p, 4 + x, 2 + y, kDark);
        continue;
      }
      Put(p, 4 + x + shift, 2 + y + shift, c);
    }
  return p;
}

// Opaque: the icon uses no magenta, the index that would be clear.
std::vector<uint8_t> EncodeIcon(const Picture& picture) {
  return lwbmp::EncodeIcon(picture.width, picture.height, 4, kPalette,
                           [&picture](int x, int y) { return picture.At(x, y); }, kMagenta);
}

lwpicfiles::PictureFiles AllPictureFiles() {
  lwpicfiles::PictureFiles files;
  // The icon: the language file's page, twice the size, on a blue tile.
  Picture icon;
  icon.width = 32;
  icon.height = 32;
  icon.pixels.assign(32 * 32, kSky);
  Blit(icon, FromArt(kTraDoc, 16, kSky), 0, 0, 2, kSky);
  files.push_back({"WeaveMaker.ico", EncodeIcon(icon)});

  files.push_back({"Tree.bmp", Bmp(Cells({kWindow, kMenu, kField, kMenuItem, kTextDoc, kPopup, kPushButton,
                                          kGroupBox, kCheck}, 16, kWhite))});
  files.push_back({"Files.bmp", Bmp(Cells({kTraDoc, kRcDoc, kFolder}, 16, kWhite))});
  files.push_back({"StdDialogs.bmp", Bmp(StdDialogStrip())});
  files.push_back({"AddOns.bmp", Bmp(Cells({kBlank, kDoc, kTextDoc, kProgram, kArchive}, 16, kMagenta))});

  struct Button {
    const char* file;
    const char* glyph;
  };
  const Button buttons[] = {{"Open", "open"}, {"RcInsert", "rcinsert"}, {"Remove", "remove"}, {"New", "new"},
                            {"Save", "save"}, {"SaveAs", "saveas"},     {"Test", "test"}};
  const char* suffixes[] = {"", "Down", "Hover", "Off"};
  for (const Button& b : buttons)
    for (int state = 0; state < 4; ++state)
      files.push_back({std::string(b.file) + suffixes[state] + ".bmp", Bmp(ButtonPicture(b.glyph, state))});
  files.push_back({"AddOnHover.bmp", Bmp(ButtonPicture("addon", 2))});
  return files;
}

}  // namespace makerpic
