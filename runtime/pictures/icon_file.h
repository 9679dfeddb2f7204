#pragma once
// The directory of an icon file: where its first image lies.

#include <cstdint>
#include <span>

namespace rt::pictures {

// The bytes of the file's first image (information header, palette, colour
// bits, mask), as the directory places them. Throws PictureError when the
// header or directory is malformed or the image runs past the file.
std::span<const std::uint8_t> icon_image(std::span<const std::uint8_t> file);

// True when the bytes start like an icon file (reserved 0, type 1).
bool looks_like_icon(std::span<const std::uint8_t> file);

}  // namespace rt::pictures
