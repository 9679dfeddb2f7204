#include "tools/pictures/cards.h"

#include <stdexcept>
#include <string>

#include "runtime/pictures/writer.h"
#include "tools/pictures/canvas.h"
#include "tools/pictures/pinyin_type.h"
#include "tools/pictures/utf8.h"

namespace draw {
namespace {

constexpr std::uint8_t black = 0, white = 1;
constexpr int em_height = 21;         // fills rows 4 to 22 with the tallest characters
constexpr int preferred_em_width = 22;  // a touch wide: the cell is 20 columns
constexpr int largest_cell = 20;
constexpr int baseline = 21;            // shared by all characters

// The character at the preferred width, or, when it alone sets the card's
// width, at the nearest em width whose ink is exactly that wide.
Glyph character_glyph(Font& font, char32_t c, int exact_width) {
  for (int step = 0; step <= 6; ++step)
    for (int em_width : {preferred_em_width - step, preferred_em_width + step}) {
      font.set_size(em_width, em_height);
      Glyph g = font.render(c);
      const InkBox ink = ink_box(g);
      if (ink.right < 0) throw std::runtime_error("character without ink");
      const int width = ink.right - ink.left + 1;
      if (exact_width == 0 ? width <= largest_cell : width == exact_width) return g;
    }
  throw std::runtime_error("no size of the character fits its card");
}

}  // namespace

std::vector<std::uint8_t> draw_card(Font& chinese, const CardSpec& card) {
  const std::u32string character = decode_utf8(card.character);
  const std::u32string pinyin = decode_utf8(card.pinyin);
  if (character.size() != 1) throw std::runtime_error(std::string("card ") + card.syllable + ": one character");
  const int pinyin_line = pinyin_width(pinyin);
  if (pinyin_line > card.width) throw std::runtime_error(std::string("card ") + card.syllable + ": pinyin too wide");
  // When the pinyin is narrower than the card, the character sets the width.
  const int exact = pinyin_line < card.width ? card.width : 0;
  if (exact > largest_cell) throw std::runtime_error(std::string("card ") + card.syllable + ": no line is that wide");

  const Glyph g = character_glyph(chinese, character[0], exact);
  const InkBox ink = ink_box(g);
  const int top = baseline - g.top;  // row of the bitmap's first row
  if (top + ink.top < character_top || top + ink.bottom > character_bottom)
    throw std::runtime_error(std::string("card ") + card.syllable + ": character outside its rows");

  Canvas canvas(card.width, card_height, white);
  for (int y = ink.top; y <= ink.bottom; ++y)
    for (int x = ink.left; x <= ink.right; ++x)
      if (g.at(x, y)) canvas.set(x - ink.left, top + y, black);
  draw_pinyin(canvas, 0, pinyin_top, pinyin, black);
  return rt::pictures::write_bmp(canvas.picture(1, rt::pictures::two_colour_palette()));
}

}  // namespace draw
