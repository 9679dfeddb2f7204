// Turns the page's BMP and ICO pictures into pixels. Every field comes from a
// bounded reader, every offset and length is checked before use, and the
// icon decoder only ever sees its own image's slice.

#include <algorithm>
#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "runtime/core/byte_reader.h"
#include "runtime/pictures/icon_file.h"
#include "runtime/pictures/pixels.h"
#include "runtime/pictures/read_error.h"

namespace rt::pictures {
namespace {

constexpr std::uint32_t info_header_bytes = 40;
// Far beyond any picture of a page, yet small enough that the pixel buffer
// of a hostile header stays bounded.
constexpr std::int64_t largest_side = 16384;

struct Dib {
  int width = 0;
  int height = 0;  // rows of the colour image
  bool bottom_up = true;
  int bits = 0;
  std::vector<std::uint32_t> palette;  // 0xFFRRGGBB
};

std::uint64_t row_stride(int width, int bits) {
  return (static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(bits) + 31) / 32 * 4;
}

// Reads the 40-byte information header at the reader's offset (larger
// versions of the header keep these fields first) and the palette after it.
// An icon image stores twice its height: colour rows and mask rows.
Dib read_dib_header(rt::ByteReader& in, bool icon) {
  const std::size_t start = in.position();
  const std::uint32_t header_size = in.u32("header size");
  if (header_size < info_header_bytes) fail(in, start, "header size " + std::to_string(header_size) + " is below 40");
  Dib dib;
  const std::int32_t width = in.i32("width");
  const std::int32_t height = in.i32("height");
  if (in.u16("planes") != 1) fail(in, start + 12, "planes is not 1");
  dib.bits = in.u16("bits per pixel");
  if (dib.bits != 1 && dib.bits != 4 && dib.bits != 8 && dib.bits != 24)
    fail(in, start + 14, "bits per pixel " + std::to_string(dib.bits) + " is not 1, 4, 8 or 24");
  const std::uint32_t compression = in.u32("compression");
  if (compression != 0) fail(in, start + 16, "compression " + std::to_string(compression) + " is not supported");
  in.seek(start + 32, "colours used");
  const std::uint32_t colours_used = in.u32("colours used");

  std::int64_t rows = height;
  if (icon) {
    if (height <= 0 || height % 2 != 0) fail(in, start + 8, "icon height " + std::to_string(height) + " is not even");
    rows = height / 2;
  } else if (height < 0) {
    dib.bottom_up = false;
    rows = -static_cast<std::int64_t>(height);
  }
  if (width <= 0 || width > largest_side) fail(in, start + 4, "width " + std::to_string(width) + " is out of range");
  if (rows <= 0 || rows > largest_side) fail(in, start + 8, "height " + std::to_string(height) + " is out of range");
  dib.width = width;
  dib.height = static_cast<int>(rows);

  if (dib.bits <= 8) {
    const std::uint32_t full = 1u << dib.bits;
    if (colours_used > full)
      fail(in, start + 32, std::to_string(colours_used) + " colours used exceed the depth's " + std::to_string(full));
    in.seek(start + std::uint64_t{header_size}, "palette");
    const std::uint32_t count = colours_used == 0 ? full : colours_used;
    for (std::uint32_t i = 0; i < count; ++i) {
      const std::uint32_t bgr0 = in.u32("palette entry");
      dib.palette.push_back(0xFF000000u | (bgr0 & 0x00FFFFFFu));
    }
  } else {
    // A 24-bit picture may carry a palette of hints; its bits follow it.
    in.seek(start + std::uint64_t{header_size} + 4 * std::uint64_t{colours_used}, "pixel bits");
  }
  return dib;
}

// Palette colours by index, every index of the depth: an index the palette
// lacks maps to 0, which no palette colour is (their alpha is 0xFF), so a row
// is checked once, after it is decoded, by the AND of its colours.
using ColourTable = std::array<std::uint32_t, 256>;

ColourTable colour_table(const Dib& dib) {
  ColourTable table{};
  std::copy(dib.palette.begin(), dib.palette.end(), table.begin());
  return table;
}

// One row of indexed pixels, several to a byte, the leftmost in the high bits.
template <int Bits>
std::uint32_t indexed_row(const std::uint8_t* line, int width, const ColourTable& table, std::uint32_t* out) {
  constexpr int per_byte = 8 / Bits;
  constexpr unsigned mask = (1u << Bits) - 1;
  std::uint32_t all = 0xFFFFFFFFu;
  const int whole = width / per_byte;
  for (int i = 0; i < whole; ++i) {
    const unsigned byte = line[i];
    for (int k = 0; k < per_byte; ++k) {
      const std::uint32_t colour = table[(byte >> (8 - Bits * (k + 1))) & mask];
      all &= colour;
      *out++ = colour;
    }
  }
  for (int k = 0; k < width - whole * per_byte; ++k) {
    const std::uint32_t colour = table[(line[whole] >> (8 - Bits * (k + 1))) & mask];
    all &= colour;
    *out++ = colour;
  }
  return all;
}

template <>
std::uint32_t indexed_row<8>(const std::uint8_t* line, int width, const ColourTable& table, std::uint32_t* out) {
  std::uint32_t all = 0xFFFFFFFFu;
  for (int x = 0; x < width; ++x) {
    const std::uint32_t colour = table[line[x]];
    all &= colour;
    out[x] = colour;
  }
  return all;
}

void direct_row(const std::uint8_t* line, int width, std::uint32_t* out) {
  for (int x = 0; x < width; ++x, line += 3)
    out[x] = 0xFF000000u | static_cast<std::uint32_t>(line[2]) << 16 | static_cast<std::uint32_t>(line[1]) << 8 | line[0];
}

// Names the first index, in file order, that the palette lacks.
[[noreturn]] void fail_on_index(const rt::ByteReader& rows, const Dib& dib, std::size_t stride) {
  const auto bits = rows.view();
  const int per_byte = 8 / dib.bits;
  for (int row = 0; row < dib.height; ++row) {
    const auto line = bits.subspan(static_cast<std::size_t>(row) * stride, stride);
    for (int x = 0; x < dib.width; ++x) {
      const int shift = 8 - dib.bits * (x % per_byte + 1);
      const unsigned index = (line[static_cast<std::size_t>(x / per_byte)] >> shift) & ((1u << dib.bits) - 1);
      if (index >= dib.palette.size())
        fail(rows, static_cast<std::size_t>(row) * stride, "pixel index " + std::to_string(index) +
                                                                 " lies beyond the palette of " +
                                                                 std::to_string(dib.palette.size()));
    }
  }
  fail(rows, 0, "pixel index beyond the palette");  // not reached: a caller saw one
}

// Fills pixels from `rows`, whose view holds exactly the colour rows: each
// row's bytes lie within its stride, so no read leaves the view. Each row is
// decoded into one small buffer and appended top-down, so the picture's
// pixels are never zero-filled first.
Pixels read_colour_rows(const rt::ByteReader& rows, const Dib& dib) {
  const auto bits = rows.view();
  Pixels out;
  out.width = dib.width;
  out.height = dib.height;
  out.argb.reserve(static_cast<std::size_t>(dib.width) * static_cast<std::size_t>(dib.height));
  const auto stride = static_cast<std::size_t>(row_stride(dib.width, dib.bits));
  const ColourTable table = colour_table(dib);
  std::vector<std::uint32_t> row_pixels(static_cast<std::size_t>(dib.width));
  for (int y = 0; y < dib.height; ++y) {
    const int row = dib.bottom_up ? dib.height - 1 - y : y;
    const std::uint8_t* line = bits.data() + static_cast<std::size_t>(row) * stride;
    std::uint32_t all = 0xFFFFFFFFu;
    switch (dib.bits) {
      case 1: all = indexed_row<1>(line, dib.width, table, row_pixels.data()); break;
      case 4: all = indexed_row<4>(line, dib.width, table, row_pixels.data()); break;
      case 8: all = indexed_row<8>(line, dib.width, table, row_pixels.data()); break;
      default: direct_row(line, dib.width, row_pixels.data()); break;
    }
    if ((all & 0xFF000000u) == 0) fail_on_index(rows, dib, stride);
    out.argb.insert(out.argb.end(), row_pixels.begin(), row_pixels.end());
  }
  return out;
}

Pixels decode_bmp(std::span<const std::uint8_t> file) {
  rt::ByteReader in(file, 0, "BMP");
  in.seek(10, "pixel offset");
  const std::uint32_t bits_offset = in.u32("pixel offset");
  const Dib dib = read_dib_header(in, false);
  if (bits_offset < in.position())
    fail(in, 10, "pixel bits at " + std::to_string(bits_offset) + " overlap the headers");
  const std::uint64_t length = row_stride(dib.width, dib.bits) * static_cast<std::uint64_t>(dib.height);
  return read_colour_rows(in.slice(bits_offset, length, "pixel bits", in.name()), dib);
}

// The image is this decoder's whole input: its offsets count from the
// image's first byte, and nothing outside it can be reached.
Pixels decode_icon(std::span<const std::uint8_t> file) {
  const auto image = icon_image(file);
  rt::ByteReader in(image, 0, "icon image");
  if (image.size() >= 4 && image[0] == 0x89 && image[1] == 'P')
    fail(in, 0, "compressed (PNG) icon images are not supported");
  const Dib dib = read_dib_header(in, true);
  const std::size_t colour_at = in.position();
  const std::uint64_t colour_length = row_stride(dib.width, dib.bits) * static_cast<std::uint64_t>(dib.height);
  Pixels out = read_colour_rows(in.slice(colour_at, colour_length, "colour bits", in.name()), dib);

  const std::uint64_t mask_stride = row_stride(dib.width, 1);
  const auto mask =
      in.slice(colour_at + colour_length, mask_stride * static_cast<std::uint64_t>(dib.height), "mask", in.name())
          .view();
  for (int row = 0; row < dib.height; ++row) {
    const int y = dib.height - 1 - row;
    const auto line = mask.subspan(static_cast<std::size_t>(row * mask_stride), static_cast<std::size_t>(mask_stride));
    for (int x = 0; x < dib.width; ++x)
      if (line[static_cast<std::size_t>(x / 8)] & (0x80 >> (x % 8)))
        out.argb[static_cast<std::size_t>(y) * dib.width + x] = 0;
  }
  return out;
}

}  // namespace

Pixels decode(std::span<const std::uint8_t> file) {
  if (file.size() >= 2 && file[0] == 'B' && file[1] == 'M')
    return reporting_short_reads([file] { return decode_bmp(file); });
  if (looks_like_icon(file)) return reporting_short_reads([file] { return decode_icon(file); });
  throw PictureError("picture: neither a BMP (\"BM\") nor an icon file (0, 1)");
}

}  // namespace rt::pictures
