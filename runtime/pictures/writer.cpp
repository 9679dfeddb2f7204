#include "runtime/pictures/writer.h"

#include <stdexcept>

#include "runtime/core/byte_writer.h"

namespace rt::pictures {
namespace {

constexpr std::uint32_t file_header_bytes = 14;
constexpr std::uint32_t info_header_bytes = 40;
constexpr std::uint32_t icon_header_bytes = 6 + 16;
constexpr std::int32_t pixels_per_metre = 3780;  // 96 dots per inch
constexpr int icon_size = 32;

struct InfoHeader {
  int width;
  int height;
  int bits_per_pixel;
  std::uint32_t image_bytes;
  std::int32_t resolution;
};

void put_info_header(rt::ByteWriter& out, const InfoHeader& h) {
  out.u32(info_header_bytes);
  out.u32(static_cast<std::uint32_t>(h.width));
  out.u32(static_cast<std::uint32_t>(h.height));
  out.u16(1);  // planes
  out.u16(static_cast<std::uint16_t>(h.bits_per_pixel));
  out.u32(0);  // no compression
  out.u32(h.image_bytes);
  out.u32(static_cast<std::uint32_t>(h.resolution));
  out.u32(static_cast<std::uint32_t>(h.resolution));
  out.u32(0);  // colours used: the full palette
  out.u32(0);  // colours important
}

void put_palette(rt::ByteWriter& out, const Palette& palette) {
  for (const Rgb& c : palette) {
    out.u8(c.b);
    out.u8(c.g);
    out.u8(c.r);
    out.u8(0);
  }
}

void check_indexed(const IndexedPicture& p) {
  const int bits = p.bits_per_pixel;
  if (bits != 1 && bits != 4 && bits != 8) throw std::invalid_argument("indexed picture: depth must be 1, 4 or 8");
  if (p.width <= 0 || p.height <= 0) throw std::invalid_argument("indexed picture: empty");
  if (p.palette.size() != (std::size_t{1} << bits)) throw std::invalid_argument("indexed picture: palette must be full");
  if (p.indexes.size() != static_cast<std::size_t>(p.width) * static_cast<std::size_t>(p.height))
    throw std::invalid_argument("indexed picture: wrong pixel count");
  for (std::uint8_t i : p.indexes)
    if (i >= p.palette.size()) throw std::invalid_argument("indexed picture: index beyond palette");
}

// Rows bottom-up, pixels packed from the high bits, each row filled to 4 bytes.
void put_indexed_rows(rt::ByteWriter& out, const IndexedPicture& p) {
  const std::size_t stride = row_bytes(p.width, p.bits_per_pixel);
  const int per_byte = 8 / p.bits_per_pixel;
  for (int y = p.height - 1; y >= 0; --y) {
    std::vector<std::uint8_t> row(stride, 0);
    for (int x = 0; x < p.width; ++x) {
      const int shift = 8 - p.bits_per_pixel * (x % per_byte + 1);
      row[static_cast<std::size_t>(x / per_byte)] |=
          static_cast<std::uint8_t>(p.indexes[static_cast<std::size_t>(y) * p.width + x] << shift);
    }
    out.bytes(row);
  }
}

}  // namespace

std::size_t row_bytes(int width, int bits_per_pixel) {
  return (static_cast<std::size_t>(width) * static_cast<std::size_t>(bits_per_pixel) + 31) / 32 * 4;
}

std::vector<std::uint8_t> write_bmp(const IndexedPicture& p) {
  check_indexed(p);
  const auto offset = static_cast<std::uint32_t>(file_header_bytes + info_header_bytes + 4 * p.palette.size());
  const auto image = static_cast<std::uint32_t>(row_bytes(p.width, p.bits_per_pixel) * p.height);
  rt::ByteWriter out;
  out.u8('B');
  out.u8('M');
  out.u32(offset + image);
  out.u32(0);  // two reserved words
  out.u32(offset);
  put_info_header(out, {p.width, p.height, p.bits_per_pixel, image, pixels_per_metre});
  put_palette(out, p.palette);
  put_indexed_rows(out, p);
  return out.take();
}

std::vector<std::uint8_t> write_bmp(const RgbPicture& p) {
  if (p.width <= 0 || p.height <= 0) throw std::invalid_argument("rgb picture: empty");
  if (p.pixels.size() != static_cast<std::size_t>(p.width) * static_cast<std::size_t>(p.height))
    throw std::invalid_argument("rgb picture: wrong pixel count");
  const std::uint32_t offset = file_header_bytes + info_header_bytes;
  const std::size_t stride = row_bytes(p.width, 24);
  const auto image = static_cast<std::uint32_t>(stride * p.height);
  rt::ByteWriter out;
  out.u8('B');
  out.u8('M');
  out.u32(offset + image);
  out.u32(0);
  out.u32(offset);
  put_info_header(out, {p.width, p.height, 24, image, pixels_per_metre});
  for (int y = p.height - 1; y >= 0; --y) {
    for (int x = 0; x < p.width; ++x) {
      const Rgb& c = p.pixels[static_cast<std::size_t>(y) * p.width + x];
      out.u8(c.b);
      out.u8(c.g);
      out.u8(c.r);
    }
    out.zeros(stride - 3 * static_cast<std::size_t>(p.width));
  }
  return out.take();
}

std::vector<std::uint8_t> write_ico(const IconPicture& icon) {
  const IndexedPicture& colour = icon.colour;
  check_indexed(colour);
  if (colour.width != icon_size || colour.height != icon_size || colour.bits_per_pixel == 1)
    throw std::invalid_argument("icon: must be 32 x 32 at 4 or 8 bits");
  if (icon.transparent.size() != colour.indexes.size()) throw std::invalid_argument("icon: mask size");

  const std::size_t mask_stride = row_bytes(icon_size, 1);
  const auto bits_bytes = static_cast<std::uint32_t>(row_bytes(icon_size, colour.bits_per_pixel) * icon_size +
                                                     mask_stride * icon_size);
  const auto image_bytes = static_cast<std::uint32_t>(info_header_bytes + 4 * colour.palette.size() + bits_bytes);

  rt::ByteWriter out;
  out.u16(0);
  out.u16(1);  // type: icon
  out.u16(1);  // one image
  out.u8(icon_size);
  out.u8(icon_size);
  out.u8(colour.bits_per_pixel == 4 ? 16 : 0);  // colour count, 0 for 256
  out.u8(0);
  out.u16(0);  // planes and bit count are left 0 in the file's directory
  out.u16(0);
  out.u32(image_bytes);
  out.u32(icon_header_bytes);
  // The image counts the colour rows and the mask rows together.
  put_info_header(out, {icon_size, 2 * icon_size, colour.bits_per_pixel, bits_bytes, 0});
  put_palette(out, colour.palette);
  put_indexed_rows(out, colour);
  for (int y = icon_size - 1; y >= 0; --y) {
    std::vector<std::uint8_t> row(mask_stride, 0);
    for (int x = 0; x < icon_size; ++x)
      if (icon.transparent[static_cast<std::size_t>(y) * icon_size + x])
        row[static_cast<std::size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
    out.bytes(row);
  }
  return out.take();
}

}  // namespace rt::pictures
