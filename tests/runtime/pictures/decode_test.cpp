#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "runtime/pictures/icon_file.h"
#include "runtime/pictures/pixels.h"
#include "runtime/pictures/writer.h"

namespace pic = rt::pictures;
using Bytes = std::vector<std::uint8_t>;

namespace {

// A picture whose every pixel differs from its neighbours, so that a row or
// column put in the wrong place shows.
pic::IndexedPicture gradient(int w, int h, int bits) {
  pic::Palette palette(std::size_t{1} << bits);
  for (std::size_t i = 0; i < palette.size(); ++i)
    palette[i] = {static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(255 - i), static_cast<std::uint8_t>(i * 7)};
  pic::IndexedPicture p{w, h, bits, palette, {}};
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) p.indexes.push_back(static_cast<std::uint8_t>((x * 3 + y * 5) % palette.size()));
  return p;
}

std::uint32_t argb(const pic::Rgb& c) { return 0xFF000000u | c.r << 16 | c.g << 8 | c.b; }

void expect_same(const pic::Pixels& got, const pic::IndexedPicture& p) {
  ASSERT_EQ(got.width, p.width);
  ASSERT_EQ(got.height, p.height);
  for (int y = 0; y < p.height; ++y)
    for (int x = 0; x < p.width; ++x)
      ASSERT_EQ(got.at(x, y), argb(p.palette[p.indexes[static_cast<std::size_t>(y) * p.width + x]]))
          << "at " << x << "," << y;
}

void put_u32(Bytes& b, std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}
void put_u16(Bytes& b, std::size_t at, std::uint16_t v) {
  b[at] = static_cast<std::uint8_t>(v);
  b[at + 1] = static_cast<std::uint8_t>(v >> 8);
}

Bytes small_bmp(int bits) { return pic::write_bmp(gradient(5, 3, bits)); }

Bytes small_icon() {
  pic::IconPicture icon{gradient(32, 32, 4), std::vector<bool>(1024, false)};
  icon.transparent[2 * 32 + 7] = true;
  return pic::write_ico(icon);
}

}  // namespace

TEST(Decode, IndexedBmpsOfEveryDepthRoundTrip) {
  for (int bits : {1, 4, 8})
    for (int w : {1, 7, 9, 34}) {
      SCOPED_TRACE(std::to_string(bits) + " bits, width " + std::to_string(w));
      const auto p = gradient(w, 4, bits);
      expect_same(pic::decode(pic::write_bmp(p)), p);
    }
}

// The 5x3 8-bit gradient uses indexes 0 to 22; its file's first row (the
// picture's bottom) holds 10, 13, 16, 19, 22, the next 5 to 17.
TEST(Decode, ShortPaletteDecodesItsIndexesAndNamesTheFirstItLacks) {
  const auto p = gradient(5, 3, 8);
  Bytes enough = pic::write_bmp(p);
  put_u32(enough, 46, 23);
  expect_same(pic::decode(enough), p);

  Bytes short_by_some = pic::write_bmp(p);
  put_u32(short_by_some, 46, 15);
  try {
    pic::decode(short_by_some);
    ADD_FAILURE() << "accepted";
  } catch (const pic::PictureError& e) {
    EXPECT_NE(std::string(e.what()).find("at byte 1078: pixel index 16 lies beyond the palette of 15"),
              std::string::npos)
        << e.what();
  }
}

TEST(Decode, TwentyFourBitBmpRoundTrips) {
  pic::RgbPicture p{3, 2, {{1, 2, 3}, {4, 5, 6}, {7, 8, 9}, {10, 11, 12}, {13, 14, 15}, {16, 17, 18}}};
  const auto got = pic::decode(pic::write_bmp(p));
  ASSERT_EQ(got.width, 3);
  ASSERT_EQ(got.height, 2);
  EXPECT_EQ(got.at(0, 0), 0xFF010203u);
  EXPECT_EQ(got.at(2, 1), 0xFF101112u);
}

TEST(Decode, TopDownBmpKeepsItsRowOrder) {
  Bytes b = small_bmp(8);
  put_u32(b, 22, static_cast<std::uint32_t>(-3));
  const auto bottom_up = pic::decode(small_bmp(8));
  const auto top_down = pic::decode(b);
  for (int x = 0; x < 5; ++x) EXPECT_EQ(top_down.at(x, 0), bottom_up.at(x, 2));
}

TEST(Decode, IconMaskMakesPixelsTransparent) {
  const auto got = pic::decode(small_icon());
  ASSERT_EQ(got.width, 32);
  ASSERT_EQ(got.height, 32);
  EXPECT_EQ(got.at(7, 2), 0u);
  const auto colours = gradient(32, 32, 4);
  EXPECT_EQ(got.at(6, 2), argb(colours.palette[colours.indexes[2 * 32 + 6]]));
  EXPECT_EQ(got.at(31, 31) >> 24, 0xFFu);
}

TEST(Decode, IconImageIsTheSliceTheDirectoryNames) {
  const Bytes file = small_icon();
  const auto image = pic::icon_image(file);
  EXPECT_EQ(image.data(), file.data() + 22);
  EXPECT_EQ(image.size(), 744u);
}

TEST(Decode, EveryTruncationIsRefused) {
  for (const Bytes& whole : {small_bmp(1), small_bmp(4), small_bmp(8), small_icon()})
    for (std::size_t n = 0; n < whole.size(); ++n) {
      const Bytes cut(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(n));
      EXPECT_THROW(pic::decode(cut), pic::PictureError) << "length " << n << " of " << whole.size();
    }
}

TEST(Decode, MalformedFieldsAreRefusedWithTheirReason) {
  struct Case {
    const char* name;
    std::function<Bytes()> make;
    const char* reason;
  };
  const Case cases[] = {
      {"unknown format", [] { return Bytes{'G', 'I', 'F', '8'}; }, "neither a BMP"},
      {"16 bits", [] { auto b = small_bmp(8); put_u16(b, 28, 16); return b; }, "bits per pixel 16"},
      {"compressed", [] { auto b = small_bmp(8); put_u32(b, 30, 1); return b; }, "compression 1"},
      {"two planes", [] { auto b = small_bmp(8); put_u16(b, 26, 2); return b; }, "planes"},
      {"short header", [] { auto b = small_bmp(8); put_u32(b, 14, 12); return b; }, "below 40"},
      {"zero width", [] { auto b = small_bmp(8); put_u32(b, 18, 0); return b; }, "width 0"},
      {"huge width", [] { auto b = small_bmp(1); put_u32(b, 18, 0x7FFFFFFF); return b; }, "out of range"},
      {"most negative height", [] { auto b = small_bmp(1); put_u32(b, 22, 0x80000000u); return b; }, "out of range"},
      {"bits past the end", [] { auto b = small_bmp(8); put_u32(b, 10, 0xFFFFFFF0u); return b; }, "runs past the end"},
      {"bits over headers", [] { auto b = small_bmp(8); put_u32(b, 10, 20); return b; }, "overlap"},
      {"too many colours", [] { auto b = small_bmp(1); put_u32(b, 46, 3); return b; }, "exceed"},
      {"index beyond palette", [] { auto b = small_bmp(4); put_u32(b, 46, 2); put_u32(b, 10, 54 + 8); return b; },
       "beyond the palette"},
      {"icon type 2", [] { auto b = small_icon(); put_u16(b, 2, 2); return b; }, "neither a BMP"},
      {"icon of no images", [] { auto b = small_icon(); put_u16(b, 4, 0); return b; }, "no image"},
      {"icon image past end", [] { auto b = small_icon(); put_u32(b, 18, 0xFFFFFFFFu); return b; }, "past the end"},
      {"icon image size wraps", [] { auto b = small_icon(); put_u32(b, 14, 0xFFFFFFF0u); return b; }, "past the end"},
      {"icon odd height", [] { auto b = small_icon(); put_u32(b, 22 + 8, 33); return b; }, "not even"},
      {"icon png", [] { auto b = small_icon(); b[22] = 0x89; b[23] = 'P'; return b; }, "PNG"},
      {"icon mask cut off", [] { auto b = small_icon(); b.resize(b.size() - 1); put_u32(b, 14, 743); return b; },
       "mask"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    try {
      pic::decode(c.make());
      ADD_FAILURE() << "accepted";
    } catch (const pic::PictureError& e) {
      EXPECT_NE(std::string(e.what()).find(c.reason), std::string::npos) << e.what();
    }
  }
}
