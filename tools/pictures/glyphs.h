#pragma once
// Monochrome glyphs from FreeType: no grey levels, so a glyph maps straight
// onto a palette entry.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace draw {

struct Glyph {
  int width = 0;   // bitmap columns
  int rows = 0;    // bitmap rows
  int left = 0;    // from the pen position to the bitmap's first column
  int top = 0;     // from the baseline up to the bitmap's first row
  int advance = 0; // pen movement in whole pixels
  std::vector<bool> ink;  // rows x width, top-down
  bool at(int x, int y) const { return ink[static_cast<std::size_t>(y) * width + x]; }
};

// Inclusive bounds of a glyph's ink in its own columns and rows; right < 0
// when it has none.
struct InkBox {
  int left, right, top, bottom;
};
InkBox ink_box(const Glyph& g);

class Font {
 public:
  explicit Font(const std::string& path);
  ~Font();
  Font(const Font&) = delete;
  Font& operator=(const Font&) = delete;

  // Pixel size of the em square, across and down.
  void set_size(int width_px, int height_px);
  bool has(char32_t c) const;
  // Throws std::runtime_error when the font lacks the character.
  Glyph render(char32_t c) const;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace draw
