#include "runtime/pictures/read_error.h"

namespace rt::pictures {
namespace {

PictureError error_at(const std::string& part, std::size_t offset, const std::string& reason) {
  return PictureError(part + ": at byte " + std::to_string(offset) + ": " + reason);
}

}  // namespace

void fail(const rt::ByteReader& in, std::size_t position, const std::string& reason) {
  throw error_at(std::string(in.name()), in.base() + position, reason);
}

PictureError picture_error(const rt::ShortRead& short_read) {
  return error_at(short_read.name(), short_read.offset(), short_read.detail());
}

}  // namespace rt::pictures
