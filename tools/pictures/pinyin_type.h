#pragma once
// A small bold pixel type for the cards' pinyin: lower-case letters on a
// 12-row body (tone marks, ascenders, x-height of 6, descenders), with the
// four tone marks placed over their vowels. Its letter widths are drawn so
// that every card's pinyin comes out at the card's width.

#include <cstdint>
#include <string_view>

#include "tools/pictures/canvas.h"

namespace draw {

constexpr int pinyin_rows = 12;

// Width in pixels from the first letter's first column to the last inked column.
int pinyin_width(std::u32string_view text);

// Draws the text with the top of its body at `top`, first column at `left`.
// Throws std::runtime_error for a letter the type does not have.
void draw_pinyin(Canvas& canvas, int left, int top, std::u32string_view text, std::uint8_t ink);

}  // namespace draw
