#include "runtime/pictures/writer.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <stdexcept>
#include <vector>

namespace pic = rt::pictures;

namespace {

std::uint32_t u32(const std::vector<std::uint8_t>& b, std::size_t at) {
  return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}
std::uint16_t u16(const std::vector<std::uint8_t>& b, std::size_t at) {
  return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}

pic::IndexedPicture filled(int w, int h, int bits, std::uint8_t index) {
  const pic::Palette& palette = bits == 1 ? pic::two_colour_palette() : pic::sixteen_colour_palette();
  pic::Palette full = palette;
  full.resize(std::size_t{1} << bits);
  return {w, h, bits, full, std::vector<std::uint8_t>(static_cast<std::size_t>(w) * h, index)};
}

}  // namespace

TEST(BmpWriter, HeaderFieldsAndSizesFollowTheDepth) {
  struct Case {
    int width, height, bits;
    std::uint32_t offset, file_size;
  };
  const Case cases[] = {
      {24, 45, 1, 62, 242}, {34, 45, 1, 62, 422}, {903, 145, 4, 118, 65658}, {1024, 768, 8, 1078, 787510},
  };
  for (const Case& c : cases) {
    const auto b = pic::write_bmp(filled(c.width, c.height, c.bits, 1));
    SCOPED_TRACE(c.width);
    ASSERT_EQ(b.size(), c.file_size);
    EXPECT_EQ(b[0], 'B');
    EXPECT_EQ(b[1], 'M');
    EXPECT_EQ(u32(b, 2), c.file_size);
    EXPECT_EQ(u32(b, 6), 0u);
    EXPECT_EQ(u32(b, 10), c.offset);
    EXPECT_EQ(u32(b, 14), 40u);
    EXPECT_EQ(u32(b, 18), static_cast<std::uint32_t>(c.width));
    EXPECT_EQ(u32(b, 22), static_cast<std::uint32_t>(c.height));
    EXPECT_EQ(u16(b, 26), 1);
    EXPECT_EQ(u16(b, 28), c.bits);
    EXPECT_EQ(u32(b, 30), 0u);
    EXPECT_EQ(u32(b, 34), c.file_size - c.offset);
    EXPECT_EQ(u32(b, 38), 3780u);
    EXPECT_EQ(u32(b, 42), 3780u);
    EXPECT_EQ(u32(b, 46), 0u);
    EXPECT_EQ(u32(b, 50), 0u);
  }
}

TEST(BmpWriter, RowsAreBottomUpPackedFromTheHighBitsAndPadded) {
  pic::IndexedPicture p = filled(3, 2, 1, 0);
  p.indexes = {1, 0, 1,   // top row
               0, 1, 0};  // bottom row
  const auto b = pic::write_bmp(p);
  ASSERT_EQ(b.size(), 62u + 8u);
  EXPECT_EQ((std::vector<std::uint8_t>(b.begin() + 54, b.begin() + 62)),
            (std::vector<std::uint8_t>{0, 0, 0, 0, 255, 255, 255, 0}));
  EXPECT_EQ((std::vector<std::uint8_t>(b.begin() + 62, b.end())),
            (std::vector<std::uint8_t>{0b0100'0000, 0, 0, 0, 0b1010'0000, 0, 0, 0}));
}

TEST(BmpWriter, TwentyFourBitRowsAreBlueGreenRedAndPadded) {
  pic::RgbPicture p{1, 2, {{1, 2, 3}, {4, 5, 6}}};
  const auto b = pic::write_bmp(p);
  ASSERT_EQ(b.size(), 54u + 8u);
  EXPECT_EQ(u32(b, 10), 54u);
  EXPECT_EQ((std::vector<std::uint8_t>(b.begin() + 54, b.end())), (std::vector<std::uint8_t>{6, 5, 4, 0, 3, 2, 1, 0}));
}

TEST(IcoWriter, DirectoryImageHeaderAndMask) {
  struct Case {
    int bits;
    std::uint8_t colour_count;
    std::uint32_t image_bytes;
  };
  for (const Case& c : {Case{4, 16, 744}, Case{8, 0, 2216}}) {
    pic::IconPicture icon{filled(32, 32, c.bits, 0), std::vector<bool>(1024, false)};
    icon.transparent[0] = true;             // top-left pixel
    icon.transparent[31 * 32 + 31] = true;  // bottom-right pixel
    const auto b = pic::write_ico(icon);
    SCOPED_TRACE(c.bits);
    ASSERT_EQ(b.size(), 22 + c.image_bytes);
    EXPECT_EQ(u16(b, 0), 0);
    EXPECT_EQ(u16(b, 2), 1);
    EXPECT_EQ(u16(b, 4), 1);
    EXPECT_EQ(b[6], 32);
    EXPECT_EQ(b[7], 32);
    EXPECT_EQ(b[8], c.colour_count);
    EXPECT_EQ(b[9], 0);
    EXPECT_EQ(u16(b, 10), 0);
    EXPECT_EQ(u16(b, 12), 0);
    EXPECT_EQ(u32(b, 14), c.image_bytes);
    EXPECT_EQ(u32(b, 18), 22u);
    EXPECT_EQ(u32(b, 22), 40u);
    EXPECT_EQ(u32(b, 30), 64u);
    EXPECT_EQ(u16(b, 36), c.bits);
    EXPECT_EQ(u32(b, 42), c.image_bytes - 40 - (4u << c.bits));
    EXPECT_EQ(u32(b, 46), 0u);
    // The mask is the last 128 bytes: its first row is the bottom one.
    const std::size_t mask = b.size() - 128;
    EXPECT_EQ(b[mask + 3], 0x01);
    EXPECT_EQ(b[mask + 124], 0x80);
  }
}

TEST(Writers, RefuseWhatTheFormatsCannotHold) {
  pic::IndexedPicture short_palette = filled(4, 4, 4, 0);
  short_palette.palette.resize(15);
  pic::IndexedPicture bad_index = filled(4, 4, 1, 0);
  bad_index.indexes[5] = 2;
  pic::IndexedPicture bad_count = filled(4, 4, 8, 0);
  bad_count.indexes.pop_back();
  for (const auto& p : {short_palette, bad_index, bad_count}) EXPECT_THROW(pic::write_bmp(p), std::invalid_argument);
  EXPECT_THROW(pic::write_ico({filled(16, 16, 4, 0), std::vector<bool>(256)}), std::invalid_argument);
  EXPECT_THROW(pic::write_ico({filled(32, 32, 4, 0), std::vector<bool>(10)}), std::invalid_argument);
}
