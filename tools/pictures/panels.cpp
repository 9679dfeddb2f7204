#include "tools/pictures/panels.h"

#include <algorithm>
#include <stdexcept>
#include <string>

#include "runtime/pictures/writer.h"
#include "tools/pictures/canvas.h"

namespace draw {
namespace {

constexpr int type_size = 16;
constexpr int left_margin = 8;
constexpr int right_margin = 4;
constexpr int ascent = 16;  // from a line's top to its baseline; line pitch is height / lines
// Latin text (all of it pinyin but the program's name) comes from the Chinese
// font: the Japanese type sets tone-marked vowels full-width, apart from
// their syllables.
constexpr char32_t latin_end = 0x250;

struct CaronVowel {
  char32_t letter, base;
};
constexpr CaronVowel caron_vowels[] = {{U'ǎ', U'a'}, {U'ǐ', U'ı'}, {U'ǒ', U'o'}, {U'ǔ', U'u'}};

struct Setter {
  Font& japanese;
  Font& chinese;
  Canvas& canvas;
  const std::string& panel;

  [[noreturn]] void fail(int line, const std::string& what) const {
    throw std::runtime_error("panel " + panel + " line " + std::to_string(line + 1) + ": " + what);
  }

  // Draws the glyph's ink with its origin at (x, baseline); returns its box.
  InkBox blit(int line, const Glyph& g, int x, int baseline, std::uint8_t colour) {
    InkBox box{canvas.width(), -1, canvas.height(), -1};
    for (int gy = 0; gy < g.rows; ++gy)
      for (int gx = 0; gx < g.width; ++gx)
        if (g.at(gx, gy)) {
          const int px = x + g.left + gx, py = baseline - g.top + gy;
          if (!canvas.inside(px, py) || px >= canvas.width() - right_margin) fail(line, "text runs outside the panel");
          canvas.set(px, py, colour);
          box = {std::min(box.left, px), std::max(box.right, px), std::min(box.top, py), std::max(box.bottom, py)};
        }
    return box;
  }

  // Japanese text: the Japanese type, the Chinese one for Latin letters and
  // for what the Japanese type lacks.
  Font& font_for(char32_t c) { return (c < latin_end || !japanese.has(c)) ? chinese : japanese; }

  // A run of Chinese (a red run) in one typeface that has all its
  // characters, the Chinese one where it can, so that a word never mixes
  // two typefaces.
  Font& font_for_chinese(int line, const Run& run) {
    auto has_all = [&](const Font& font) {
      return std::all_of(run.text.begin(), run.text.end(), [&](char32_t c) { return c == U'\t' || font.has(c); });
    };
    if (has_all(chinese)) return chinese;
    if (has_all(japanese)) return japanese;
    fail(line, "no typeface has every character of a Chinese run");
  }

  // Sets one character; returns its advance.
  int set_glyph(int line, char32_t c, int x, int top, std::uint8_t colour, Font& font) {
    const Glyph g = font.render(c);
    const int baseline = top + ascent;
    if (blit(line, g, x, baseline, colour).right >= 0) return g.advance;
    // A font may map a caron vowel to an empty outline: build it from the
    // plain letter and the caron, centred one pixel above the letter.
    for (const CaronVowel& v : caron_vowels)
      if (v.letter == c) {
        const Glyph base = font.render(v.base);
        const InkBox letter = blit(line, base, x, baseline, colour);
        const Glyph mark = font.render(U'ˇ');
        const InkBox probe = ink_box(mark);
        const int dx = (letter.left + letter.right) / 2 - (probe.left + probe.right) / 2 - (x + mark.left);
        const int dy = letter.top - 2 - probe.bottom - (baseline - mark.top);
        blit(line, mark, x + dx, baseline + dy, colour);
        return base.advance;
      }
    return g.advance;
  }

  void set_line(int line, const std::vector<Run>& runs, const std::vector<int>& tabs, int top) {
    int x = left_margin;
    std::size_t tab = 0;
    for (const Run& run : runs) {
      Font* chinese_run = run.red ? &font_for_chinese(line, run) : nullptr;
      for (char32_t c : run.text) {
        if (c == U'\t') {  // the n-th tab of a line goes to the n-th stop
          if (tab == tabs.size()) fail(line, "more tabs than tab stops");
          if (tabs[tab] < x) fail(line, "text overruns tab stop " + std::to_string(tabs[tab]));
          x = tabs[tab++];
          continue;
        }
        x += set_glyph(line, c, x, top, run.red ? text_red : text_black, chinese_run ? *chinese_run : font_for(c));
      }
    }
  }
};

}  // namespace

std::vector<std::uint8_t> draw_panel(Font& japanese, Font& chinese, const PanelSpec& spec, const PanelText& text) {
  if (static_cast<int>(text.lines.size()) != spec.lines)
    throw std::runtime_error("panel " + text.name + ": " + std::to_string(text.lines.size()) + " lines, wants " +
                             std::to_string(spec.lines));
  japanese.set_size(type_size, type_size);
  chinese.set_size(type_size, type_size);
  Canvas canvas(spec.width, spec.height, panel_white);
  Setter setter{japanese, chinese, canvas, text.name};
  for (int i = 0; i < spec.lines; ++i)
    setter.set_line(i, text.lines[static_cast<std::size_t>(i)], text.tabs, i * spec.height / spec.lines);
  return rt::pictures::write_bmp(canvas.picture(4, rt::pictures::sixteen_colour_palette()));
}

}  // namespace draw
