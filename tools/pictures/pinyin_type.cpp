#include "tools/pictures/pinyin_type.h"

#include <array>
#include <stdexcept>
#include <string>

namespace draw {
namespace {

constexpr int letter_gap = 2;  // as wide as a stroke: the type is bold

// Rows 0-2 hold tone marks, dots and ascenders, rows 3-8 the x-height,
// rows 9-11 descenders. '#' is ink.
struct Letter {
  char name;
  std::array<const char*, pinyin_rows> rows;
  int mark_left;  // first column of a tone mark over this letter
};

// clang-format off
constexpr Letter letters[] = {
  {'a', {".....", ".....", ".....", ".###.", "...##", ".####", "##.##", "##.##", ".####", ".....", ".....", "....."}, 1},
  {'b', {"##...", "##...", "##...", "####.", "##.##", "##.##", "##.##", "##.##", "####.", ".....", ".....", "....."}, 1},
  {'e', {"......", "......", "......", ".####.", "##..##", "######", "##....", "##..##", ".####.", "......", "......", "......"}, 1},
  {'g', {".....", ".....", ".....", ".####", "##.##", "##.##", "##.##", "##.##", ".####", "...##", "...##", "####."}, 1},
  {'h', {"##...", "##...", "##...", "####.", "##.##", "##.##", "##.##", "##.##", "##.##", ".....", ".....", "....."}, 1},
  {'i', {"##", "##", "..", "##", "##", "##", "##", "##", "##", "..", "..", ".."}, -1},
  {'j', {"..##", "..##", "....", "..##", "..##", "..##", "..##", "..##", "..##", "..##", "..##", "###."}, 1},
  {'m', {"........", "........", "........", "#######.", "##.##.##", "##.##.##", "##.##.##", "##.##.##", "##.##.##", "........", "........", "........"}, 2},
  {'n', {".....", ".....", ".....", "####.", "##.##", "##.##", "##.##", "##.##", "##.##", ".....", ".....", "....."}, 1},
  {'o', {"......", "......", "......", ".####.", "##..##", "##..##", "##..##", "##..##", ".####.", "......", "......", "......"}, 1},
  {'s', {".....", ".....", ".....", ".####", "##...", "###..", "..###", "...##", "####.", ".....", ".....", "....."}, 1},
  {'t', {"......", ".##...", ".##...", "######", ".##...", ".##...", ".##...", ".##...", "..####", "......", "......", "......"}, 1},
  {'w', {"........", "........", "........", "##....##", "##....##", "##.##.##", "##.##.##", ".######.", ".##..##.", "........", "........", "........"}, 2},
  {'z', {".....", ".....", ".....", "#####", "...##", "..##.", ".##..", "##...", "#####", ".....", ".....", "....."}, 1},
};

// Tone marks, 4 columns by 2 rows, drawn from the letter's mark column.
constexpr std::array<const char*, 2> marks[] = {
  {"....", "####"},  // first tone: level
  {"..##", ".##."},  // second tone: rising
  {"#..#", ".##."},  // third tone: dipping
  {"##..", ".##."},  // fourth tone: falling
};
// clang-format on

struct Accented {
  char32_t letter;
  char base;
  int tone;
};
constexpr Accented accented[] = {
    {U'ā', 'a', 1}, {U'á', 'a', 2}, {U'ǎ', 'a', 3}, {U'à', 'a', 4}, {U'ē', 'e', 1}, {U'é', 'e', 2},
    {U'ě', 'e', 3}, {U'è', 'e', 4}, {U'ī', 'i', 1}, {U'í', 'i', 2}, {U'ǐ', 'i', 3}, {U'ì', 'i', 4},
    {U'ō', 'o', 1}, {U'ó', 'o', 2}, {U'ǒ', 'o', 3}, {U'ò', 'o', 4},
};

struct Glyph {
  const Letter* letter;
  int tone;  // 0: none
};

Glyph find(char32_t c) {
  char base = 0;
  int tone = 0;
  for (const Accented& a : accented)
    if (a.letter == c) {
      base = a.base;
      tone = a.tone;
    }
  if (base == 0 && c < 0x80) base = static_cast<char>(c);
  for (const Letter& l : letters)
    if (l.name == base) return {&l, tone};
  throw std::runtime_error("the pinyin type has no letter U+" + std::to_string(static_cast<unsigned>(c)));
}

int width_of(const Letter& l) { return static_cast<int>(std::string_view(l.rows[0]).size()); }

}  // namespace

int pinyin_width(std::u32string_view text) {
  int width = 0;
  for (char32_t c : text) width += width_of(*find(c).letter) + letter_gap;
  return text.empty() ? 0 : width - letter_gap;
}

void draw_pinyin(Canvas& canvas, int left, int top, std::u32string_view text, std::uint8_t ink) {
  int x = left;
  for (char32_t c : text) {
    const Glyph g = find(c);
    const int w = width_of(*g.letter);
    // A marked vowel loses its dot: the mark takes its place.
    const int first_row = g.tone != 0 ? 2 : 0;
    for (int row = first_row; row < pinyin_rows; ++row)
      for (int col = 0; col < w; ++col)
        if (g.letter->rows[static_cast<std::size_t>(row)][col] == '#') canvas.set(x + col, top + row, ink);
    if (g.tone != 0)
      for (int row = 0; row < 2; ++row)
        for (int col = 0; col < 4; ++col)
          if (marks[g.tone - 1][static_cast<std::size_t>(row)][col] == '#')
            canvas.set(x + g.letter->mark_left + col, top + row, ink);
    x += w + letter_gap;
  }
}

}  // namespace draw
