// Any bytes: the decoder returns pixels or throws PictureError, and never
// reads outside its input.
#include <cstddef>
#include <cstdint>
#include <span>

#include "runtime/pictures/pixels.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  try {
    const auto pixels = rt::pictures::decode(std::span<const std::uint8_t>(data, size));
    if (pixels.argb.size() != static_cast<std::size_t>(pixels.width) * static_cast<std::size_t>(pixels.height))
      __builtin_trap();
  } catch (const rt::pictures::PictureError&) {
  }
  return 0;
}
