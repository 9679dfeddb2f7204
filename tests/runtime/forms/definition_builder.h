#pragma once
// Small window definitions made by hand for tests of the forms layer, and
// tiny pictures to put in them.

#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/definition/model.h"
#include "runtime/pictures/palette.h"
#include "runtime/pictures/writer.h"

namespace forms_test {

using rt::definition::ControlType;
using rt::definition::Definition;
using rt::definition::Record;
using rt::definition::Value;

// A property by its name in the control type's opcode table.
rt::definition::Property property(ControlType type, std::string_view name, Value value);

struct Builder {
  Definition definition;
  std::deque<std::vector<std::uint8_t>> files;  // pictures live here

  Builder();
  // Appends a control behind those added before it.
  Record& add(ControlType type, std::string name, std::vector<std::pair<std::string_view, Value>> properties);
  Record& window() { return definition.window; }
  void set(Record& record, std::string_view name, Value value);
  // A 24-bit BMP, kept alive by the builder; one of a single colour.
  rt::definition::Picture bmp(const rt::pictures::RgbPicture& picture);
  rt::definition::Picture bmp(int width, int height, rt::pictures::Rgb colour);
  // A 32 x 32 icon, opaque everywhere.
  rt::definition::Picture icon();
};

inline rt::definition::Position place(std::int16_t left, std::int16_t top, std::int16_t width, std::int16_t height) {
  return {left, top, width, height};
}

}  // namespace forms_test
