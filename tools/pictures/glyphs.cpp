#include "tools/pictures/glyphs.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <stdexcept>

namespace draw {

struct Font::Impl {
  FT_Library library = nullptr;
  FT_Face face = nullptr;
  std::string path;
};

InkBox ink_box(const Glyph& g) {
  InkBox box{g.width, -1, g.rows, -1};
  for (int y = 0; y < g.rows; ++y)
    for (int x = 0; x < g.width; ++x)
      if (g.at(x, y)) box = {std::min(box.left, x), std::max(box.right, x), std::min(box.top, y), std::max(box.bottom, y)};
  return box;
}

Font::Font(const std::string& path) : impl_(std::make_unique<Impl>()) {
  impl_->path = path;
  if (FT_Init_FreeType(&impl_->library) != 0) throw std::runtime_error("FreeType does not start");
  if (FT_New_Face(impl_->library, path.c_str(), 0, &impl_->face) != 0) {
    FT_Done_FreeType(impl_->library);
    throw std::runtime_error("cannot open font " + path);
  }
}

Font::~Font() {
  FT_Done_Face(impl_->face);
  FT_Done_FreeType(impl_->library);
}

void Font::set_size(int width_px, int height_px) {
  if (FT_Set_Pixel_Sizes(impl_->face, static_cast<FT_UInt>(width_px), static_cast<FT_UInt>(height_px)) != 0)
    throw std::runtime_error("cannot size font " + impl_->path);
}

bool Font::has(char32_t c) const { return FT_Get_Char_Index(impl_->face, c) != 0; }

Glyph Font::render(char32_t c) const {
  const FT_UInt index = FT_Get_Char_Index(impl_->face, c);
  if (index == 0) throw std::runtime_error("font " + impl_->path + " lacks U+" + std::to_string(c));
  // Outlines only (no embedded bitmaps), hinted for one-bit output.
  if (FT_Load_Glyph(impl_->face, index, FT_LOAD_NO_BITMAP | FT_LOAD_TARGET_MONO) != 0 ||
      FT_Render_Glyph(impl_->face->glyph, FT_RENDER_MODE_MONO) != 0)
    throw std::runtime_error("cannot render U+" + std::to_string(c));
  const FT_GlyphSlot slot = impl_->face->glyph;
  const FT_Bitmap& bm = slot->bitmap;
  Glyph g;
  g.width = static_cast<int>(bm.width);
  g.rows = static_cast<int>(bm.rows);
  g.left = slot->bitmap_left;
  g.top = slot->bitmap_top;
  g.advance = static_cast<int>((slot->advance.x + 32) >> 6);
  g.ink.resize(static_cast<std::size_t>(g.width) * g.rows);
  for (int y = 0; y < g.rows; ++y) {
    const unsigned char* row = bm.buffer + static_cast<std::ptrdiff_t>(y) * bm.pitch;
    for (int x = 0; x < g.width; ++x) g.ink[static_cast<std::size_t>(y) * g.width + x] = (row[x / 8] >> (7 - x % 8)) & 1;
  }
  return g;
}

}  // namespace draw
