#pragma once
// One property value in its stored encoding: read from a bounded reader,
// appended by the writer. The encoding of a value is its Value alternative.

#include <string_view>

#include "runtime/core/byte_reader.h"
#include "runtime/core/byte_writer.h"
#include "runtime/definition/model.h"

namespace rt::definition {

Value read_value(rt::ByteReader& in, Encoding encoding);

// Throws std::invalid_argument for a value the encoding cannot hold (a text
// too long or not in code page 932, a face name over 255 bytes...).
void write_value(rt::ByteWriter& out, const Value& value);

inline Encoding encoding_of(const Value& value) { return static_cast<Encoding>(value.index()); }

}  // namespace rt::definition
