#include "tools/pictures/pixel_art.h"

#include <stdexcept>

namespace draw {
namespace {

template <typename Value>
Value colour_of(const std::vector<std::pair<char, Value>>& colours, char letter) {
  for (const auto& [l, v] : colours)
    if (l == letter) return v;
  throw std::logic_error(std::string("pixel art: no colour for '") + letter + "'");
}

}  // namespace

rt::pictures::IconPicture art_icon(std::span<const std::string_view> rows, const ArtColours& colours, int bits,
                                   rt::pictures::Palette palette) {
  rt::pictures::IconPicture icon;
  icon.colour = {static_cast<int>(rows[0].size()), static_cast<int>(rows.size()), bits, std::move(palette), {}};
  for (std::string_view row : rows)
    for (char c : row) {
      icon.transparent.push_back(c == '.');
      icon.colour.indexes.push_back(c == '.' ? 0 : colour_of(colours, c));
    }
  return icon;
}

rt::pictures::RgbPicture art_rgb(std::span<const std::string_view> rows, const ArtRgb& colours) {
  rt::pictures::RgbPicture picture{static_cast<int>(rows[0].size()), static_cast<int>(rows.size()), {}};
  for (std::string_view row : rows)
    for (char c : row) picture.pixels.push_back(colour_of(colours, c));
  return picture;
}

}  // namespace draw
