#pragma once
// The explanation panels: Japanese notes in 16-pixel type, black on white
// with the Chinese in red, four bits deep.

#include <cstdint>
#include <vector>

#include "tools/pictures/glyphs.h"
#include "tools/pictures/panel_text.h"

namespace draw {

struct PanelSpec {
  const char* name;
  int width;
  int height;
  int lines;
};

inline constexpr PanelSpec panel_specs[] = {
    {"imgK1", 903, 145, 7},  {"imgK2", 893, 207, 10},    {"imgKword", 833, 186, 9},
    {"imgKZ", 788, 311, 15}, {"imgKpinin", 870, 311, 15},
};

inline constexpr std::uint8_t text_black = 0, text_red = 9, panel_white = 15;

// Japanese text in the Japanese type, the Chinese font for Latin letters and
// what it lacks; each red run, Chinese, in one typeface that has all of it.
// Throws std::runtime_error when the text does not fit the panel.
std::vector<std::uint8_t> draw_panel(Font& japanese, Font& chinese, const PanelSpec& spec, const PanelText& text);

}  // namespace draw
