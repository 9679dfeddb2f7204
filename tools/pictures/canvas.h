#pragma once
// A drawing surface of palette indexes, top-down, with the few primitives the
// page's pictures need. Drawing outside the surface is a bug of the drawer.

#include <cstdint>
#include <stdexcept>
#include <vector>

#include "runtime/pictures/writer.h"

namespace draw {

class Canvas {
 public:
  Canvas(int width, int height, std::uint8_t ground)
      : width_(width), height_(height), px_(static_cast<std::size_t>(width) * height, ground) {}

  int width() const { return width_; }
  int height() const { return height_; }
  bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

  std::uint8_t get(int x, int y) const { return px_[index(x, y)]; }
  void set(int x, int y, std::uint8_t v) { px_[index(x, y)] = v; }
  void fill(int x0, int y0, int x1, int y1, std::uint8_t v) {  // inclusive corners
    for (int y = y0; y <= y1; ++y)
      for (int x = x0; x <= x1; ++x) set(x, y, v);
  }

  rt::pictures::IndexedPicture picture(int bits, rt::pictures::Palette palette) const {
    return {width_, height_, bits, std::move(palette), px_};
  }

 private:
  std::size_t index(int x, int y) const {
    if (!inside(x, y)) throw std::logic_error("drawing outside the canvas");
    return static_cast<std::size_t>(y) * width_ + x;
  }

  int width_;
  int height_;
  std::vector<std::uint8_t> px_;
};

}  // namespace draw
