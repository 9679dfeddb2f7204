#pragma once
// Pictures of the stored definition turned into pixels for display.

#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace rt::pictures {

// Top-down rows of 0xAARRGGBB; alpha 0 where an icon's mask is transparent.
struct Pixels {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> argb;
  std::uint32_t at(int x, int y) const { return argb[static_cast<size_t>(y) * width + x]; }
};

class PictureError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Decodes an uncompressed BMP (1, 4, 8 or 24 bits) or an ICO holding one
// such image. Throws PictureError naming what is wrong; never reads past file.
Pixels decode(std::span<const std::uint8_t> file);

}  // namespace rt::pictures
