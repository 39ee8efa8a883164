#include "BmpReader.h"

namespace {

const size_t kFileHeaderSize = 14;
const DWORD kRgb = 0, kRle8 = 1, kRle4 = 2, kBitfields = 3;

DWORD Word(const BYTE* p) { return DWORD(p[0]) | DWORD(p[1]) << 8; }
DWORD Dword(const BYTE* p) { return Word(p) | Word(p + 2) << 16; }
LONG Long(const BYTE* p) { return static_cast<LONG>(Dword(p)); }

COLORREF Rgb(BYTE r, BYTE g, BYTE b) { return DWORD(r) | DWORD(g) << 8 | DWORD(b) << 16; }

// One channel of a bit-field pixel: the mask's bits scaled to 0..255.
struct Channel {
  DWORD mask = 0;
  int shift = 0;
  DWORD top = 0;  // largest value of the field

  explicit Channel(DWORD m) : mask(m) {
    if (!mask) return;
    while (!(mask >> shift & 1)) ++shift;
    top = mask >> shift;
  }
  BYTE Of(DWORD pixel) const {
    if (!top) return 0;
    return static_cast<BYTE>((uint64_t((pixel & mask) >> shift) * 255 + top / 2) / top);
  }
};

struct Header {
  int size = 0;
  LONG width = 0;
  LONG height = 0;
  DWORD planes = 0;
  DWORD bitCount = 0;
  DWORD compression = kRgb;
  DWORD clrUsed = 0;
  DWORD masks[3] = {0, 0, 0};
  bool masksInHeader = false;
};

LwBmpResult ReadHeader(const BYTE* data, size_t size, Header& h) {
  if (size < kFileHeaderSize + 4) return LW_BMP_BAD_HEADER;
  const DWORD headerSize = Dword(data + kFileHeaderSize);
  if (headerSize != 12 && headerSize != 40 && headerSize != 108 && headerSize != 124) return LW_BMP_BAD_HEADER;
  if (size - kFileHeaderSize < headerSize) return LW_BMP_BAD_HEADER;
  const BYTE* p = data + kFileHeaderSize;
  h.size = static_cast<int>(headerSize);
  if (headerSize == 12) {
    h.width = static_cast<LONG>(Word(p + 4));
    h.height = static_cast<LONG>(Word(p + 6));
    h.planes = Word(p + 8);
    h.bitCount = Word(p + 10);
    return LW_BMP_OK;
  }
  h.width = Long(p + 4);
  h.height = Long(p + 8);
  h.planes = Word(p + 12);
  h.bitCount = Word(p + 14);
  h.compression = Dword(p + 16);
  h.clrUsed = Dword(p + 32);
  if (headerSize >= 108) {
    for (int i = 0; i < 3; ++i) h.masks[i] = Dword(p + 40 + 4 * i);
    h.masksInHeader = true;
  }
  return LW_BMP_OK;
}

bool Accepted(const Header& h) {
  if (h.planes != 1) return false;
  switch (h.bitCount) {
    case 1:
      return h.compression == kRgb;
    case 4:
      return h.compression == kRgb || h.compression == kRle4;
    case 8:
      return h.compression == kRgb || h.compression == kRle8;
    case 16:
    case 32:
      return h.size != 12 && (h.compression == kRgb || h.compression == kBitfields);
    case 24:
      return h.compression == kRgb;
    default:
      return false;
  }
}

// Colour indexes decoded from run-length data (rows from the bottom).
// Runs and literals that leave the picture are cut; the rest stays index 0.
void DecodeRle(const BYTE* p, size_t n, bool fourBit, int width, int height, std::vector<BYTE>& indexes) {
  size_t at = 0;
  long x = 0, y = 0;
  auto put = [&](BYTE index) {
    if (x >= 0 && x < width && y >= 0 && y < height) indexes[static_cast<size_t>(height - 1 - y) * width + x] = index;
    ++x;
  };
  while (at + 1 < n && y < height) {
    const BYTE count = p[at], value = p[at + 1];
    at += 2;
    if (count > 0) {
      for (int i = 0; i < count; ++i) put(fourBit ? BYTE(i % 2 ? value & 0x0F : value >> 4) : value);
      continue;
    }
    if (value == 0) {  // end of line
      x = 0;
      ++y;
    } else if (value == 1) {  // end of picture
      break;
    } else if (value == 2) {  // move
      if (at + 1 >= n) break;
      x += p[at];
      y += p[at + 1];
      at += 2;
    } else {  // literal pixels, padded to a whole word
      const size_t bytes = fourBit ? (value + 1u) / 2 : value;
      if (bytes > n - at) break;
      for (int i = 0; i < value; ++i) {
        const BYTE b = p[at + (fourBit ? i / 2 : i)];
        put(fourBit ? BYTE(i % 2 ? b & 0x0F : b >> 4) : b);
      }
      at += bytes + (bytes & 1);
    }
  }
}

}  // namespace

LwBmpResult LwReadBmp(const BYTE* data, size_t size, LwBmpImage& image, size_t maxPixels) {
  image = LwBmpImage();
  if (!data || size < kFileHeaderSize || data[0] != 'B' || data[1] != 'M') return LW_BMP_NOT_BITMAP;
  Header h;
  const LwBmpResult header = ReadHeader(data, size, h);
  if (header != LW_BMP_OK) return header;

  const bool topDown = h.height < 0;
  const int64_t height = topDown ? -int64_t(h.height) : int64_t(h.height);
  if (h.width <= 0 || height <= 0 || h.width > LW_BMP_MAX_SIDE || height > LW_BMP_MAX_SIDE ||
      uint64_t(h.width) * uint64_t(height) > maxPixels)
    return LW_BMP_BAD_SIZE;
  if (!Accepted(h) || (topDown && (h.compression == kRle4 || h.compression == kRle8))) return LW_BMP_UNSUPPORTED;
  const int width = static_cast<int>(h.width);
  const int rows = static_cast<int>(height);

  // Masks and colour table follow the info header.
  size_t at = kFileHeaderSize + static_cast<size_t>(h.size);
  if (h.compression == kBitfields && !h.masksInHeader) {
    if (size - at < 12) return LW_BMP_BAD_COLOUR_TABLE;
    for (int i = 0; i < 3; ++i) h.masks[i] = Dword(data + at + 4 * i);
    at += 12;
  }
  const uint64_t indexable = h.bitCount <= 8 ? uint64_t(1) << h.bitCount : 0;
  uint64_t colours = h.size == 12 ? indexable : (h.clrUsed ? h.clrUsed : indexable);
  if (h.bitCount <= 8 && colours > indexable) return LW_BMP_BAD_COLOUR_TABLE;
  const uint64_t entrySize = h.size == 12 ? 3 : 4;
  if (colours * entrySize > size - at) return LW_BMP_BAD_COLOUR_TABLE;
  std::vector<COLORREF> table;
  table.reserve(static_cast<size_t>(colours));
  for (uint64_t i = 0; i < colours; ++i) {
    const BYTE* q = data + at + i * entrySize;
    table.push_back(Rgb(q[2], q[1], q[0]));
  }
  at += static_cast<size_t>(colours * entrySize);

  // The file header's pixel offset, when set, must lie behind the table.
  const DWORD offBits = Dword(data + 10);
  if (offBits) {
    if (offBits < at || offBits > size) return LW_BMP_BAD_PIXEL_DATA;
    at = offBits;
  }
  const BYTE* bits = data + at;
  const size_t available = size - at;

  std::vector<COLORREF> pixels(static_cast<size_t>(width) * rows);
  auto colourOf = [&table](DWORD index) { return index < table.size() ? table[index] : COLORREF(0); };

  if (h.compression == kRle4 || h.compression == kRle8) {
    std::vector<BYTE> indexes(pixels.size(), 0);
    DecodeRle(bits, available, h.compression == kRle4, width, rows, indexes);
    for (size_t i = 0; i < pixels.size(); ++i) pixels[i] = colourOf(indexes[i]);
  } else {
    const uint64_t stride = (uint64_t(width) * h.bitCount + 31) / 32 * 4;
    if (stride * uint64_t(rows) > available) return LW_BMP_BAD_PIXEL_DATA;
    if (h.compression == kRgb && h.bitCount == 16) {
      h.masks[0] = 0x7C00;
      h.masks[1] = 0x03E0;
      h.masks[2] = 0x001F;
    } else if (h.compression == kRgb && h.bitCount == 32) {
      h.masks[0] = 0xFF0000;
      h.masks[1] = 0x00FF00;
      h.masks[2] = 0x0000FF;
    }
    const Channel red(h.masks[0]), green(h.masks[1]), blue(h.masks[2]);
    for (int r = 0; r < rows; ++r) {
      const BYTE* row = bits + stride * uint64_t(r);
      COLORREF* out = &pixels[static_cast<size_t>(topDown ? r : rows - 1 - r) * width];
      for (int x = 0; x < width; ++x) {
        switch (h.bitCount) {
          case 1:
            out[x] = colourOf(row[x / 8] >> (7 - x % 8) & 1);
            break;
          case 4:
            out[x] = colourOf(row[x / 2] >> (x % 2 ? 0 : 4) & 0x0F);
            break;
          case 8:
            out[x] = colourOf(row[x]);
            break;
          case 24:
            out[x] = Rgb(row[3 * x + 2], row[3 * x + 1], row[3 * x]);
            break;
          default: {
            const DWORD v = h.bitCount == 16 ? Word(row + 2 * x) : Dword(row + 4 * x);
            out[x] = Rgb(red.Of(v), green.Of(v), blue.Of(v));
          }
        }
      }
    }
  }

  image.width = width;
  image.height = rows;
  image.bitCount = static_cast<int>(h.bitCount);
  image.compression = h.compression;
  image.headerSize = h.size;
  image.colourTable.swap(table);
  image.pixels.swap(pixels);
  return LW_BMP_OK;
}

LwBmpResult LwReadBmpFile(LPCTSTR path, LwBmpImage& image, size_t maxPixels) {
  image = LwBmpImage();
  if (!path || !*path) return LW_BMP_NOT_BITMAP;
  std::vector<BYTE> bytes;
  try {
    CFile file;
    if (!file.Open(path, CFile::modeRead | CFile::shareDenyWrite)) return LW_BMP_NOT_BITMAP;
    const ULONGLONG length = file.GetLength();
    // No accepted picture needs more than four bytes a pixel plus its tables.
    if (length < kFileHeaderSize || length > uint64_t(maxPixels) * 4 + 65536) return LW_BMP_NOT_BITMAP;
    bytes.resize(static_cast<size_t>(length));
    if (file.Read(bytes.data(), static_cast<UINT>(bytes.size())) != bytes.size()) return LW_BMP_NOT_BITMAP;
  } catch (const CException&) {
    return LW_BMP_NOT_BITMAP;
  }
  return LwReadBmp(bytes.data(), bytes.size(), image, maxPixels);
}
