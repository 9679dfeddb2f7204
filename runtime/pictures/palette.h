#pragma once
// Colours and the fixed palettes the page's pictures carry.

#include <compare>
#include <cstdint>
#include <vector>

namespace rt::pictures {

struct Rgb {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;
  auto operator<=>(const Rgb&) const = default;
};

using Palette = std::vector<Rgb>;

// Entry 0 black, entry 1 white.
const Palette& two_colour_palette();

// The platform's standard 16 colours in their usual order (9 red, 15 white).
const Palette& sixteen_colour_palette();

}  // namespace rt::pictures
