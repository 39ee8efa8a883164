// Built-in pictures stored as BMP file images in pieces.
#pragma once

#include <windows.h>

#include <cstddef>

// The piece lists (LwvPictureData.cpp).
const unsigned char* LwvBannerPieces();
const unsigned char* LwvAboutPieces();

// Joins the pieces (each a 32-bit little-endian length and that many bytes,
// ended by a length of 0) into one global memory block, at most maxBytes
// long; null when the pieces do not end within that bound or the image does
// not begin with "BM". The caller frees the block.
HGLOBAL LwvJoinPicturePieces(const unsigned char* pieces, size_t maxBytes, size_t* joinedBytes = nullptr);

// A device-dependent bitmap of the picture, made on a screen DC; with
// palette set and at most 256 colours, *palette gets a palette of the
// image's colour table (null otherwise). Null when the image is unusable.
HBITMAP LwvLoadPicture(const unsigned char* pieces, HPALETTE* palette = nullptr);
