// The committed page pictures against the figures the page relies on: file
// layouts and sizes, palettes, and what each picture shows.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "runtime/pictures/palette.h"
#include "runtime/pictures/pixels.h"

namespace pic = rt::pictures;
using Bytes = std::vector<std::uint8_t>;

namespace {

const std::filesystem::path folder = PAGE_PICTURES;

Bytes load(const std::string& name) {
  std::ifstream in(folder / name, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}
std::uint32_t u32(const Bytes& b, std::size_t at) {
  return b.at(at) | b.at(at + 1) << 8 | b.at(at + 2) << 16 | static_cast<std::uint32_t>(b.at(at + 3)) << 24;
}
std::uint16_t u16(const Bytes& b, std::size_t at) { return static_cast<std::uint16_t>(b.at(at) | b.at(at + 1) << 8); }

pic::Palette palette_at(const Bytes& b, std::size_t at, std::size_t entries) {
  pic::Palette p;
  for (std::size_t i = 0; i < entries; ++i) {
    EXPECT_EQ(b.at(at + 4 * i + 3), 0) << "palette entry " << i;
    p.push_back({b.at(at + 4 * i + 2), b.at(at + 4 * i + 1), b.at(at + 4 * i)});
  }
  return p;
}

// Palette indexes of an indexed BMP, top-down; read apart from the decoder.
std::vector<std::vector<int>> indexes(const Bytes& b) {
  const int width = static_cast<int>(u32(b, 18)), height = static_cast<int>(u32(b, 22)), bits = u16(b, 28);
  const std::size_t stride = (static_cast<std::size_t>(width) * bits + 31) / 32 * 4;
  std::vector<std::vector<int>> rows(static_cast<std::size_t>(height));
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const std::size_t bit = static_cast<std::size_t>(x) * bits;
      const std::uint8_t byte = b.at(u32(b, 10) + stride * static_cast<std::size_t>(height - 1 - y) + bit / 8);
      rows[static_cast<std::size_t>(y)].push_back((byte >> (8 - bits - bit % 8)) & ((1 << bits) - 1));
    }
  return rows;
}

enum class Kind { bmp, ico };
enum class PaletteKind { own, none, two, sixteen };
struct PictureSpec {
  const char* name;
  Kind kind;
  int width, height, bits;
  PaletteKind palette;
  std::size_t bytes;
};

const PictureSpec pictures[] = {
    {"form_background.bmp", Kind::bmp, 1024, 768, 8, PaletteKind::own, 787510},
    {"form_icon.ico", Kind::ico, 32, 32, 8, PaletteKind::own, 2238},
    {"play_button.bmp", Kind::bmp, 24, 22, 24, PaletteKind::none, 1638},
    {"card_pointer.ico", Kind::ico, 32, 32, 4, PaletteKind::sixteen, 766},
    {"card_tian2.bmp", Kind::bmp, 24, 45, 1, PaletteKind::two, 242},
    {"card_zhong1.bmp", Kind::bmp, 34, 45, 1, PaletteKind::two, 422},
    {"card_song1.bmp", Kind::bmp, 27, 45, 1, PaletteKind::two, 242},
    {"card_ben3.bmp", Kind::bmp, 20, 45, 1, PaletteKind::two, 242},
    {"card_jiao4.bmp", Kind::bmp, 23, 45, 1, PaletteKind::two, 242},
    {"card_wo3.bmp", Kind::bmp, 20, 45, 1, PaletteKind::two, 242},
    {"card_ni2.bmp", Kind::bmp, 20, 45, 1, PaletteKind::two, 242},
    {"card_hao3.bmp", Kind::bmp, 20, 45, 1, PaletteKind::two, 242},
    {"card_ni3.bmp", Kind::bmp, 20, 45, 1, PaletteKind::two, 242},
    {"card_shen2.bmp", Kind::bmp, 27, 45, 1, PaletteKind::two, 242},
    {"card_me0.bmp", Kind::bmp, 18, 45, 1, PaletteKind::two, 242},
    {"card_ming2.bmp", Kind::bmp, 26, 45, 1, PaletteKind::two, 242},
    {"card_zi4.bmp", Kind::bmp, 19, 45, 1, PaletteKind::two, 242},
    {"panel_imgK1.bmp", Kind::bmp, 903, 145, 4, PaletteKind::sixteen, 65658},
    {"panel_imgK2.bmp", Kind::bmp, 893, 207, 4, PaletteKind::sixteen, 92854},
    {"panel_imgKword.bmp", Kind::bmp, 833, 186, 4, PaletteKind::sixteen, 78238},
    {"panel_imgKZ.bmp", Kind::bmp, 788, 311, 4, PaletteKind::sixteen, 123274},
    {"panel_imgKpinin.bmp", Kind::bmp, 870, 311, 4, PaletteKind::sixteen, 135714},
};

void check_palette(const PictureSpec& p, const pic::Palette& palette) {
  if (p.palette == PaletteKind::two) {
    EXPECT_EQ(palette, pic::two_colour_palette());
  } else if (p.palette == PaletteKind::sixteen) {
    EXPECT_EQ(palette, pic::sixteen_colour_palette());
  }
}

void check_bmp(const PictureSpec& p, const Bytes& b) {
  const std::uint32_t offset = p.bits == 24 ? 54 : 54 + (4u << p.bits);
  const std::size_t stride = (static_cast<std::size_t>(p.width) * p.bits + 31) / 32 * 4;
  EXPECT_EQ(b.at(0), 'B');
  EXPECT_EQ(b.at(1), 'M');
  EXPECT_EQ(u32(b, 2), b.size()) << "file size field";
  EXPECT_EQ(u32(b, 6), 0u);
  EXPECT_EQ(u32(b, 10), offset);
  EXPECT_EQ(u32(b, 14), 40u);
  EXPECT_EQ(u32(b, 18), static_cast<std::uint32_t>(p.width));
  EXPECT_EQ(u32(b, 22), static_cast<std::uint32_t>(p.height));
  EXPECT_EQ(u16(b, 26), 1);
  EXPECT_EQ(u16(b, 28), p.bits);
  EXPECT_EQ(u32(b, 30), 0u);
  EXPECT_EQ(u32(b, 34), stride * static_cast<std::size_t>(p.height));
  EXPECT_EQ(u32(b, 38), 3780u);
  EXPECT_EQ(u32(b, 42), 3780u);
  EXPECT_EQ(u32(b, 46), 0u);
  EXPECT_EQ(u32(b, 50), 0u);
  EXPECT_EQ(offset + u32(b, 34), b.size()) << "nothing follows the bits";
  if (p.bits <= 8) check_palette(p, palette_at(b, 54, std::size_t{1} << p.bits));
}

void check_ico(const PictureSpec& p, const Bytes& b) {
  const std::uint32_t image = u32(b, 14);
  EXPECT_EQ(u16(b, 0), 0);
  EXPECT_EQ(u16(b, 2), 1);
  EXPECT_EQ(u16(b, 4), 1);
  EXPECT_EQ(b.at(6), 32);
  EXPECT_EQ(b.at(7), 32);
  EXPECT_EQ(b.at(8), p.bits == 4 ? 16 : 0);
  EXPECT_EQ(b.at(9), 0);
  EXPECT_EQ(u16(b, 10), 0);
  EXPECT_EQ(u16(b, 12), 0);
  EXPECT_EQ(u32(b, 18), 22u);
  EXPECT_EQ(22 + image, b.size()) << "22 + image size";
  EXPECT_EQ(u32(b, 22), 40u);
  EXPECT_EQ(u32(b, 26), 32u);
  EXPECT_EQ(u32(b, 30), 64u);
  EXPECT_EQ(u16(b, 34), 1);
  EXPECT_EQ(u16(b, 36), p.bits);
  EXPECT_EQ(u32(b, 38), 0u);
  EXPECT_EQ(u32(b, 42), 32u * 32u * p.bits / 8 + 128u) << "colour bits + mask bits";
  for (std::size_t at : {46, 50, 54, 58}) EXPECT_EQ(u32(b, at), 0u);
  EXPECT_EQ(40 + (4u << p.bits) + u32(b, 42), image);
  check_palette(p, palette_at(b, 62, std::size_t{1} << p.bits));
}

pic::Pixels decoded(const std::string& name) { return pic::decode(load(name)); }

constexpr std::uint32_t opaque(int r, int g, int b) {
  return 0xFF000000u | static_cast<std::uint32_t>(r) << 16 | static_cast<std::uint32_t>(g) << 8 | static_cast<std::uint32_t>(b);
}

}  // namespace

TEST(PagePictures, EachHasItsFormatSizeDepthPaletteAndBytes) {
  for (const PictureSpec& p : pictures) {
    SCOPED_TRACE(p.name);
    const Bytes b = load(p.name);
    ASSERT_EQ(b.size(), p.bytes);
    p.kind == Kind::bmp ? check_bmp(p, b) : check_ico(p, b);
    const pic::Pixels px = pic::decode(b);
    EXPECT_EQ(px.width, p.width);
    EXPECT_EQ(px.height, p.height);
  }
}

TEST(PagePictures, TheFolderHoldsTheTwentyTwoAndTheirTotal) {
  std::set<std::string> names;
  std::size_t total = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    names.insert(entry.path().filename().string());
    total += static_cast<std::size_t>(entry.file_size());
  }
  std::set<std::string> expected;
  for (const PictureSpec& p : pictures) expected.insert(p.name);
  EXPECT_EQ(names, expected);
  EXPECT_EQ(total, 1291216u);
}

TEST(CardPictures, EachCardsPictureHasItsWidthAndSyllablesDiffer) {
  struct Card {
    int image;
    const char* syllable;
    int width;
  };
  const Card cards[] = {
      {1, "tian2", 24},  {2, "zhong1", 34}, {3, "ni2", 20},    {4, "hao3", 20},   {5, "song1", 27},
      {6, "ben3", 20},   {7, "ni2", 20},    {8, "hao3", 20},   {9, "tian2", 24},  {10, "zhong1", 34},
      {11, "wo3", 20},   {12, "jiao4", 23}, {13, "tian2", 24}, {14, "zhong1", 34}, {15, "ni3", 20},
      {16, "jiao4", 23}, {17, "shen2", 27}, {18, "me0", 18},   {19, "ming2", 26}, {20, "zi4", 19},
      {21, "song1", 27}, {22, "ben3", 20},  {23, "wo3", 20},   {24, "jiao4", 23}, {25, "song1", 27},
      {26, "ben3", 20},
  };
  std::map<Bytes, std::string> seen;
  for (const Card& c : cards) {
    const Bytes b = load(std::string("card_") + c.syllable + ".bmp");
    EXPECT_EQ(u32(b, 18), static_cast<std::uint32_t>(c.width)) << "Image" << c.image;
    const auto [it, fresh] = seen.emplace(b, c.syllable);
    EXPECT_EQ(it->second, c.syllable) << "Image" << c.image << " looks like another syllable's card";
  }
  EXPECT_EQ(seen.size(), 13u);
}

TEST(CardPictures, InkStaysInItsRowsAndBothLinesStartAtTheLeftEdge) {
  for (const PictureSpec& p : pictures) {
    const std::string name = p.name;
    if (name.rfind("card_", 0) != 0 || p.kind != Kind::bmp) continue;
    SCOPED_TRACE(name);
    const auto rows = indexes(load(name));
    auto ink_columns = [&](int top, int bottom) {
      std::set<int> columns;
      for (int y = top; y <= bottom; ++y)
        for (int x = 0; x < p.width; ++x)
          if (rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] == 0) columns.insert(x);
      return columns;
    };
    EXPECT_TRUE(ink_columns(0, 3).empty());
    EXPECT_TRUE(ink_columns(23, 28).empty());
    EXPECT_TRUE(ink_columns(41, 44).empty());
    const auto character = ink_columns(4, 22), pinyin = ink_columns(29, 40);
    ASSERT_FALSE(character.empty());
    ASSERT_FALSE(pinyin.empty());
    EXPECT_EQ(*character.begin(), 0);
    EXPECT_EQ(*pinyin.begin(), 0);
    EXPECT_LE(*character.rbegin(), 19) << "the character's cell is at most 20 wide";
    EXPECT_EQ(std::max(*character.rbegin(), *pinyin.rbegin()), p.width - 1) << "as wide as the wider line";
  }
}

TEST(CardPictures, TheTwoNiCardsDifferOnlyInTheToneMark) {
  const auto rising = indexes(load("card_ni2.bmp")), dipping = indexes(load("card_ni3.bmp"));
  for (int y = 0; y < 45; ++y) {
    if (y >= 29 && y <= 30) continue;  // the tone mark's rows
    EXPECT_EQ(rising[static_cast<std::size_t>(y)], dipping[static_cast<std::size_t>(y)]) << "row " << y;
  }
  EXPECT_NE(rising, dipping);
}

TEST(PanelPictures, UseOnlyBlackRedAndWhiteOnTheirLines) {
  struct Panel {
    const char* name;
    int lines_with_text;
  };
  // imgKZ and imgKpinin leave one of their 15 lines empty.
  for (const Panel& panel : {Panel{"panel_imgK1.bmp", 7}, Panel{"panel_imgK2.bmp", 10}, Panel{"panel_imgKword.bmp", 9},
                             Panel{"panel_imgKZ.bmp", 14}, Panel{"panel_imgKpinin.bmp", 14}}) {
    SCOPED_TRACE(panel.name);
    const auto rows = indexes(load(panel.name));
    std::map<int, int> used;
    int runs = 0;
    bool previous_inked = false;
    for (const auto& row : rows) {
      bool inked = false;
      for (int i : row) {
        ++used[i];
        inked |= i != 15;
      }
      runs += inked && !previous_inked;
      previous_inked = inked;
    }
    EXPECT_EQ(used.size(), 3u);
    for (const auto& [index, count] : used) EXPECT_TRUE(index == 0 || index == 9 || index == 15) << index;
    EXPECT_EQ(runs, panel.lines_with_text) << "lines of text, told apart by blank rows";
  }
}

TEST(WindowIcon, SixColoursAndTwoHundredTwentyEightTransparentPixelsAroundTheNotebook) {
  const pic::Pixels px = decoded("form_icon.ico");
  std::set<std::uint32_t> colours;
  std::vector<bool> transparent(1024);
  for (int i = 0; i < 1024; ++i) {
    const std::uint32_t c = px.argb[static_cast<std::size_t>(i)];
    transparent[static_cast<std::size_t>(i)] = (c >> 24) == 0;
    if ((c >> 24) != 0) colours.insert(c);
  }
  EXPECT_EQ(std::count(transparent.begin(), transparent.end(), true), 228);
  EXPECT_EQ(colours, (std::set<std::uint32_t>{opaque(0, 0, 0), opaque(255, 255, 0), opaque(255, 255, 255),
                                              opaque(107, 109, 107), opaque(189, 173, 173), opaque(128, 0, 0)}));
  // Every transparent pixel lies outside the notebook: reachable from the edge.
  std::vector<bool> reached(1024);
  std::vector<int> todo;
  for (int i = 0; i < 1024; ++i)
    if (transparent[static_cast<std::size_t>(i)] && (i < 32 || i >= 992 || i % 32 == 0 || i % 32 == 31)) todo.push_back(i);
  while (!todo.empty()) {
    const int i = todo.back();
    todo.pop_back();
    if (reached[static_cast<std::size_t>(i)] || !transparent[static_cast<std::size_t>(i)]) continue;
    reached[static_cast<std::size_t>(i)] = true;
    if (i % 32 > 0) todo.push_back(i - 1);
    if (i % 32 < 31) todo.push_back(i + 1);
    if (i >= 32) todo.push_back(i - 32);
    if (i < 992) todo.push_back(i + 32);
  }
  EXPECT_EQ(reached, transparent);
}

TEST(PointerIcon, BlackAndWhiteInItsSeventeenByFifteenBox) {
  const pic::Pixels px = decoded("card_pointer.ico");
  int left = 32, right = -1, top = 32, bottom = -1;
  std::set<std::uint32_t> colours;
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x)
      if (px.at(x, y) >> 24) {
        colours.insert(px.at(x, y));
        left = std::min(left, x), right = std::max(right, x), top = std::min(top, y), bottom = std::max(bottom, y);
      }
  EXPECT_EQ(colours, (std::set<std::uint32_t>{opaque(0, 0, 0), opaque(255, 255, 255)}));
  EXPECT_EQ(left, 7);
  EXPECT_EQ(right, 23);
  EXPECT_EQ(top, 8);
  EXPECT_EQ(bottom, 22);
}

TEST(PlayButton, YellowBlackAndSilverOnly) {
  const pic::Pixels px = decoded("play_button.bmp");
  const std::set<std::uint32_t> colours(px.argb.begin(), px.argb.end());
  EXPECT_EQ(colours, (std::set<std::uint32_t>{opaque(0, 0, 0), opaque(255, 255, 0), opaque(192, 192, 192)}));
  EXPECT_EQ(px.at(0, 0), opaque(192, 192, 192)) << "on silver";
}

TEST(Background, TwentyFourWarmTonesRepeatingEvery180Pixels) {
  const Bytes b = load("form_background.bmp");
  const pic::Palette palette = palette_at(b, 54, 256);
  const auto rows = indexes(b);
  std::map<int, int> used;
  for (const auto& row : rows)
    for (int i : row) ++used[i];
  EXPECT_EQ(used.size(), 24u);
  for (const auto& [index, count] : used) {
    const pic::Rgb c = palette[static_cast<std::size_t>(index)];
    EXPECT_TRUE(c.r >= 232 && c.g >= 160 && c.g <= 208 && c.b >= 96 && c.b <= 136)
        << index << ": " << int{c.r} << "," << int{c.g} << "," << int{c.b};
  }
  const auto commonest = std::max_element(used.begin(), used.end(), [](auto& x, auto& y) { return x.second < y.second; });
  EXPECT_EQ(palette[static_cast<std::size_t>(commonest->first)], (pic::Rgb{240, 184, 120}));

  auto agreement = [&](int shift) {  // share of pixels equal to the one `shift` to the right
    long same = 0, all = 0;
    for (const auto& row : rows)
      for (std::size_t x = 0; x + static_cast<std::size_t>(shift) < row.size(); ++x, ++all)
        same += row[x] == row[x + static_cast<std::size_t>(shift)];
    return static_cast<double>(same) / static_cast<double>(all);
  };
  EXPECT_GT(agreement(180), 0.85);
  EXPECT_LT(agreement(180), 1.0) << "small variations between repeats";
  EXPECT_GT(agreement(180), agreement(90) + 0.05) << "180 is the period, not any shift";
}
