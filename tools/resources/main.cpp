// Writes the program's compiled resources: the application icon (the window
// icon's image, with its group) and the version record.
//
//   write_resources OUTPUT_FILE WINDOW_ICON_FILE

#include <cstdio>
#include <exception>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

#include "runtime/core/byte_reader.h"
#include "runtime/core/byte_writer.h"
#include "runtime/pictures/icon_file.h"
#include "tools/resources/resource_section.h"
#include "tools/resources/version_record.h"

namespace {

constexpr std::uint16_t icon_type = 3, icon_group_type = 14, version_type = 16;
constexpr std::uint16_t application_icon_id = 30001;
constexpr std::uint16_t neutral = 0, japanese = 0x0411, utf16_code_page = 1200;
constexpr std::size_t version_record_bytes = 644;

const resources::VersionInfo version_info{
    {{1, 1, 0, 0}, {1, 1, 0, 0}, 0, 0, 4, 1, 0, 0},
    japanese,
    utf16_code_page,
    {
        {"Comments", "Velquorのデモプログラムです。"},
        {"CompanyName", "Quorri Studio"},
        {"LegalTrademarks", "Velquor"},
        {"ProductName", "Velquor"},
        {"FileVersion", "1.01"},  // minor version 1, written with two digits
        {"ProductVersion", "1.01"},
        {"InternalName", "C01_001"},
        {"OriginalFilename", "C01_001"},
    }};

struct ImageHeader {
  std::uint32_t width, height, bits;
};

// Width, height and bit count from the image's information header; its
// height counts the colour rows and the mask rows together.
ImageHeader image_header(std::span<const std::uint8_t> image) {
  rt::ByteReader in(image, 0, "the icon image");
  try {
    ImageHeader h{};
    in.seek(4, "the width");  // past the header size
    h.width = in.u32("the width");
    h.height = in.u32("the height") / 2;
    in.seek(14, "the bit count");  // past the planes
    h.bits = in.u16("the bit count");
    return h;
  } catch (const rt::ShortRead&) {
    throw std::runtime_error("icon image header is cut short");
  }
}

// The group's one entry describes the image from its own header; unlike the
// icon file's directory it states planes 1 and the real bit count.
std::vector<std::uint8_t> icon_group(std::span<const std::uint8_t> image) {
  const auto [width, height, bits] = image_header(image);
  rt::ByteWriter out;
  out.u16(0);
  out.u16(1);  // icons
  out.u16(1);  // one entry
  out.u8(static_cast<std::uint8_t>(width));
  out.u8(static_cast<std::uint8_t>(height));
  out.u8(bits < 8 ? static_cast<std::uint8_t>(1u << bits) : 0);  // colour count, 0 for 256 or more
  out.u8(0);
  out.u16(1);  // planes
  out.u16(static_cast<std::uint16_t>(bits));
  out.u32(static_cast<std::uint32_t>(image.size()));
  out.u16(application_icon_id);
  return out.take();
}

std::vector<std::uint8_t> read_file(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s OUTPUT_FILE WINDOW_ICON_FILE\n", argv[0]);
    return 2;
  }
  try {
    const std::vector<std::uint8_t> icon_file = read_file(argv[2]);
    const auto image = rt::pictures::icon_image(icon_file);
    std::vector<std::uint8_t> version = resources::version_record(version_info);
    if (version.size() != version_record_bytes)
      throw std::runtime_error("version record is " + std::to_string(version.size()) + " bytes");
    const auto section = resources::resource_section({
        {icon_type, application_icon_id, neutral, {image.begin(), image.end()}},
        {icon_group_type, 1, neutral, icon_group(image)},
        {version_type, 1, japanese, std::move(version)},
    });
    std::ofstream out(argv[1], std::ios::binary);
    out.write(reinterpret_cast<const char*>(section.data()), static_cast<std::streamsize>(section.size()));
    if (!out) throw std::runtime_error(std::string("cannot write ") + argv[1]);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "write_resources: %s\n", e.what());
    return 1;
  }
  return 0;
}
