#pragma once
// The syllable cards: a character over its toned pinyin, one bit deep.

#include <cstdint>
#include <vector>

#include "tools/pictures/glyphs.h"

namespace draw {

struct CardSpec {
  const char* syllable;   // the recording the card plays
  const char* character;  // UTF-8
  const char* pinyin;     // UTF-8, tone-marked as shown
  int width;              // of the picture, in pixels
};

// One per syllable; the two 你 differ in the tone shown (ní before 好).
inline constexpr CardSpec card_specs[] = {
    {"tian2", "田", "tián", 24}, {"zhong1", "中", "zhōng", 34}, {"song1", "松", "sōng", 27},
    {"ben3", "本", "běn", 20},   {"jiao4", "叫", "jiào", 23},   {"wo3", "我", "wǒ", 20},
    {"ni2", "你", "ní", 20},     {"hao3", "好", "hǎo", 20},     {"ni3", "你", "nǐ", 20},
    {"shen2", "什", "shén", 27}, {"me0", "么", "me", 18},       {"ming2", "名", "míng", 26},
    {"zi4", "字", "zì", 19},
};

inline constexpr int card_height = 45;
inline constexpr int character_top = 4, character_bottom = 22;
inline constexpr int pinyin_top = 29, pinyin_bottom = 40;

// The card's BMP file. Throws std::runtime_error when the drawing cannot
// meet the card's width or rows.
std::vector<std::uint8_t> draw_card(Font& chinese, const CardSpec& card);

}  // namespace draw
