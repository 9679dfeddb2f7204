#pragma once
// A length field read from the block must fit in what is left of its
// slice. The error names the length field, since that is the byte that is
// wrong, not the place where the bytes would run out.

#include <cstddef>
#include <string>
#include <string_view>

#include "runtime/core/byte_reader.h"
#include "runtime/definition/reader.h"

namespace rt::definition {

inline void check_length(const rt::ByteReader& in, std::size_t count, std::size_t length_at, std::string_view what) {
  if (count > in.remaining()) {
    throw DefinitionError(length_at, std::string(what) + " of at most " + std::to_string(in.remaining()) +
                                         " bytes, to fit in " + std::string(in.name()) + " (found " +
                                         std::to_string(count) + ")");
  }
}

}  // namespace rt::definition
