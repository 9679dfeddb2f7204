#pragma once
// Pictures written out as rows of letters, one letter a pixel.

#include <span>
#include <string_view>
#include <utility>
#include <vector>

#include "runtime/pictures/writer.h"

namespace draw {

using ArtColours = std::vector<std::pair<char, std::uint8_t>>;  // letter -> palette index
using ArtRgb = std::vector<std::pair<char, rt::pictures::Rgb>>;

// '.' is transparent (colour index 0 under the mask). Throws
// std::logic_error for a letter without a colour.
rt::pictures::IconPicture art_icon(std::span<const std::string_view> rows, const ArtColours& colours, int bits,
                                   rt::pictures::Palette palette);
rt::pictures::RgbPicture art_rgb(std::span<const std::string_view> rows, const ArtRgb& colours);

}  // namespace draw
