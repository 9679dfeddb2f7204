#include "tools/pictures/icons.h"

#include <array>
#include <stdexcept>
#include <string_view>

#include "runtime/pictures/writer.h"
#include "tools/pictures/pixel_art.h"

namespace draw {
namespace {

using rt::pictures::Rgb;

// '.' transparent, K black, Y yellow, W white, G grey, R greyish rose, D dark red.
// The binding's coils are open at the left, so that every transparent pixel
// lies around the notebook.
constexpr std::array<std::string_view, 32> notebook = {
    "................................",
    "................................",
    ".....KKKKKKKKKKKKKKKKKKKKKKKK...",
    ".KKKKKYYYYYYYYYYYYYYYYYYYYYYK...",
    "....KKYYYYYYYYYYYYYYYYYYYYYYK...",
    "..KKKYYYYYYYYYYYYYYYYYYYYYYYK...",
    "....KYYYYYYYYYYYYYYYYYYYYYYYK...",
    ".KKKKKYYYYYYYYYYYYYYYYYYYYYYK...",
    "....KKYYYYYYYYYYYYYYYYYYYYYKWRK.",
    "..KKKYYYYYYYYYYYYYYYYYYYYYKWWRK.",
    "....KYYYYYYYYYYYYYYYYYYYYKGGGRK.",
    ".KKKKKYYYYYYYYYYYYYYYYYYKWWWWRK.",
    "....KKYYYYYYYYYYYYYYYYYKWWWWWRK.",
    "..KKKYYYYYYYYYYYYYYYYYKGGGGGGRK.",
    "....KYYYYYYYYYYYYYYYYKWWWWWWWRK.",
    ".KKKKKYYYYYYYYYYYYYYKWWWWWWWWRK.",
    "....KKYYYYYYYYYYYYYKGGGGGGGGGRK.",
    "..KKKYYYYYYYYYYYYYKWWWWWWWWWWRK.",
    "....KYYYYYYYYYYYYKWWWWWWWWWWWRK.",
    ".KKKKKYYYYYYYYYYKGGGGGGGGGGGGRK.",
    "....KKYYYYYYYYYKWWWWWWWWWWWWWRK.",
    "..KKKYYYYYYYYYKWWWWWWWWWWWWWWRK.",
    "....KYYYYYYYYKGGGGGGGGGGGGGGGRK.",
    ".KKKKKYYYYYYKWWWWWWWWWWWWWWWWRK.",
    "....KKYYYYYKWWWWWWWWWWWWWWWWWRK.",
    "..KKKYYYYYKWWWWWWWWWWWWWWWWWWRK.",
    "....KKKKKKGGGGGGGGGGGGGGGGGGGRK.",
    "....KWWWWWWWWWWWWWWWWWWWWWWWWRK.",
    "....KRRRRRRRRRRRRRRRRRRRRRRRRRK.",
    ".....KDDDDDDDDDDDDDDDDDDDDDDDDK.",
    ".......KKKKKKKKKKKKKKKKKKKKKKKK.",
    "................................",
};

// K black, Y yellow, S silver; the lower body is a yellow-and-silver checker.
constexpr std::array<std::string_view, 22> loudspeaker = {
    "SSSSSSSSSSSSSSSSSSSSSSSS",
    "SSSSSSSSSSSSSSSSSSSSSSSS",
    "SSSSSSSSSSSKSSSSSSSSSSSS",
    "SSSSSSSSSSKKSSSSSKSSSSSS",
    "SSSSSSSSSKYKSSSSSSKSSSSS",
    "SSSSSSSSKYYKSSSKSSSKSSSS",
    "SSSSSSSKYYYKSSSSKSSKSSSS",
    "SSKKKKKYYYYKSKSSKSSSKSSS",
    "SSKYYYYYYYYKSSKSSKSSKSSS",
    "SSKYYYYYYYYKSSKSSKSSKSSS",
    "SSKYYYYYYYYKSSSKSKSSKSSS",
    "SSKYSYSYSYSKSSSKSKSSKSSS",
    "SSKSYSYSYSYKSSKSSKSSKSSS",
    "SSKYSYSYSYSKSSKSSKSSKSSS",
    "SSKKKKKSYSYKSKSSKSSSKSSS",
    "SSSSSSSKSYSKSSSSKSSKSSSS",
    "SSSSSSSSKSYKSSSKSSSKSSSS",
    "SSSSSSSSSKSKSSSSSSKSSSSS",
    "SSSSSSSSSSKKSSSSSKSSSSSS",
    "SSSSSSSSSSSKSSSSSSSSSSSS",
    "SSSSSSSSSSSSSSSSSSSSSSSS",
    "SSSSSSSSSSSSSSSSSSSSSSSS",
};

// '.' transparent, K black, W white.
constexpr std::array<std::string_view, 32> pointer = {
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "...............KK.....K.........",
    "..............KWWK....K.........",
    ".............KWWWK.....K........",
    "............KWWWWK..K..K........",
    ".......KKKKKWWWWWWK.K..K........",
    ".......KWWWWWWWWWWK..K.K........",
    ".......KWWWWWWWWWWK..K.K........",
    ".......KWWWWWWWWWWK..K.K........",
    ".......KWWWWWWWWWWK..K.K........",
    ".......KWWWWWWWWWWK..K.K........",
    ".......KKKKKWWWWWWK.K..K........",
    "............KWWWWK..K..K........",
    ".............KWWWK.....K........",
    "..............KWWK....K.........",
    "...............KK.....K.........",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
};

}  // namespace

std::vector<std::uint8_t> draw_window_icon() {
  // The icon's own palette: its six colours first, the rest black.
  rt::pictures::Palette palette(256, Rgb{0, 0, 0});
  const ArtColours colours = {{'K', 0}, {'Y', 1}, {'W', 2}, {'G', 3}, {'R', 4}, {'D', 5}};
  palette[1] = {255, 255, 0};
  palette[2] = {255, 255, 255};
  palette[3] = {107, 109, 107};
  palette[4] = {189, 173, 173};
  palette[5] = {128, 0, 0};
  const auto icon = art_icon(notebook, colours, 8, palette);
  int transparent = 0;
  for (bool t : icon.transparent) transparent += t;
  if (transparent != window_icon_transparent) throw std::runtime_error("window icon: wrong mask");
  return rt::pictures::write_ico(icon);
}

std::vector<std::uint8_t> draw_play_button() {
  return rt::pictures::write_bmp(art_rgb(loudspeaker, {{'K', {0, 0, 0}}, {'Y', {255, 255, 0}}, {'S', {192, 192, 192}}}));
}

std::vector<std::uint8_t> draw_pointer_icon() {
  return rt::pictures::write_ico(
      art_icon(pointer, {{'K', 0}, {'W', 15}}, 4, rt::pictures::sixteen_colour_palette()));
}

}  // namespace draw
