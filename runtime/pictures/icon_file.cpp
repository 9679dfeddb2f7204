#include "runtime/pictures/icon_file.h"

#include "runtime/pictures/byte_reader.h"

namespace rt::pictures {

bool looks_like_icon(std::span<const std::uint8_t> file) {
  return file.size() >= 4 && file[0] == 0 && file[1] == 0 && file[2] == 1 && file[3] == 0;
}

std::span<const std::uint8_t> icon_image(std::span<const std::uint8_t> file) {
  ByteReader in(file, "icon");
  if (in.u16("reserved field") != 0) in.fail(0, "reserved field is not 0");
  if (in.u16("type") != 1) in.fail(2, "type is not 1 (icon)");
  if (in.u16("image count") == 0) in.fail(4, "holds no image");
  in.seek(6 + 8, "first directory entry");  // width, height, colours, reserved, planes, bit count
  const std::uint32_t size = in.u32("image size");
  const std::uint32_t offset = in.u32("image offset");
  return in.slice(offset, size, "the image");
}

}  // namespace rt::pictures
