#pragma once
// How the picture readers report what is wrong: the part of the file being
// read ("BMP", "icon image"), the byte, and the reason.

#include <cstddef>
#include <string>

#include "runtime/core/byte_reader.h"
#include "runtime/pictures/pixels.h"

namespace rt::pictures {

// `position` is a place in `in`'s view; the error names it in the whole input.
[[noreturn]] void fail(const rt::ByteReader& in, std::size_t position, const std::string& reason);

PictureError picture_error(const rt::ShortRead& short_read);

// Runs `read`, turning a read past the end into the PictureError naming it.
template <typename Read>
auto reporting_short_reads(Read read) -> decltype(read()) {
  try {
    return read();
  } catch (const rt::ShortRead& e) {
    throw picture_error(e);
  }
}

}  // namespace rt::pictures
