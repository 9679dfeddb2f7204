#include "runtime/pictures/icon_file.h"

#include "runtime/core/byte_reader.h"
#include "runtime/pictures/read_error.h"

namespace rt::pictures {

bool looks_like_icon(std::span<const std::uint8_t> file) {
  return file.size() >= 4 && file[0] == 0 && file[1] == 0 && file[2] == 1 && file[3] == 0;
}

std::span<const std::uint8_t> icon_image(std::span<const std::uint8_t> file) {
  return reporting_short_reads([file] {
    rt::ByteReader in(file, 0, "icon");
    if (in.u16("reserved field") != 0) fail(in, 0, "reserved field is not 0");
    if (in.u16("type") != 1) fail(in, 2, "type is not 1 (icon)");
    if (in.u16("image count") == 0) fail(in, 4, "holds no image");
    in.seek(6 + 8, "first directory entry");  // width, height, colours, reserved, planes, bit count
    const std::uint32_t size = in.u32("image size");
    const std::uint32_t offset = in.u32("image offset");
    return in.slice(offset, size, "the image", in.name()).view();
  });
}

}  // namespace rt::pictures
