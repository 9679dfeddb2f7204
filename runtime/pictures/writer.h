#pragma once
// Writes the two picture file formats the page carries: uncompressed BMP
// (1, 4, 8 or 24 bits, bottom-up, 96 dpi, full palette) and a one-image
// 32 x 32 ICO (4 or 8 bits with its mask). Used by the build-time tools.

#include <cstdint>
#include <vector>

#include "runtime/pictures/palette.h"

namespace rt::pictures {

// Palette indexes, top-down rows; the palette holds 2^bits entries.
struct IndexedPicture {
  int width = 0;
  int height = 0;
  int bits_per_pixel = 8;
  Palette palette;
  std::vector<std::uint8_t> indexes;
};

// Colours, top-down rows, for a 24-bit picture.
struct RgbPicture {
  int width = 0;
  int height = 0;
  std::vector<Rgb> pixels;
};

// A 32 x 32 icon: its colour image and, top-down, which pixels are
// transparent (a transparent pixel's colour index should be 0).
struct IconPicture {
  IndexedPicture colour;
  std::vector<bool> transparent;
};

// Bytes a BMP or icon row takes: filled up to a multiple of 4.
std::size_t row_bytes(int width, int bits_per_pixel);

// Throw std::invalid_argument when the picture is not one these formats hold.
std::vector<std::uint8_t> write_bmp(const IndexedPicture& picture);
std::vector<std::uint8_t> write_bmp(const RgbPicture& picture);
std::vector<std::uint8_t> write_ico(const IconPicture& icon);

}  // namespace rt::pictures
