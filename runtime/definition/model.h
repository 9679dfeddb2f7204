#pragma once
// What a stored window definition describes: the window's own record, its
// controls front to back, and the menu tree. The reader yields it, the writer
// takes it, the forms layer builds a window from it.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace rt::definition {

using Bytes = std::span<const std::uint8_t>;

// Control-type numbers of the stored definition.
enum class ControlType : std::uint8_t {
  Label = 1,
  CommandButton = 4,
  ComboBox = 7,
  VScrollBar = 10,
  Form = 13,
  Menu = 19,
  Line = 23,
  Image = 24,
};

// How a property's value is laid out in the block.
enum class Encoding : std::uint8_t {
  Text,        // u16 byte count, code page 932 bytes, 0
  Boolean,     // 0x00 / 0xFF
  Byte,        // u8
  Integer,     // i16
  Long,        // i32
  Colour,      // u32
  Position,    // four i16: left, top, width, height
  ClientRect,  // four i32
  Raw4,        // four bytes kept as they are
  Font,        // the platform's font persistence
  Picture,     // u32 n, "lt\0\0", u32 n-8, the picture file
};

// 16-byte id in the platform's layout (u32, u16, u16, 8 bytes), kept as stored.
using Guid = std::array<std::uint8_t, 16>;

struct Colour {
  std::uint32_t raw = 0;  // 0x00BBGGRR, or 0x800000nn for system colour nn

  bool is_system() const { return (raw & 0xFF000000u) == 0x80000000u; }
  std::uint8_t system_index() const { return static_cast<std::uint8_t>(raw & 0xFFu); }
  std::uint8_t red() const { return static_cast<std::uint8_t>(raw); }
  std::uint8_t green() const { return static_cast<std::uint8_t>(raw >> 8); }
  std::uint8_t blue() const { return static_cast<std::uint8_t>(raw >> 16); }
  static Colour rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return {static_cast<std::uint32_t>(r) | (static_cast<std::uint32_t>(g) << 8) |
            (static_cast<std::uint32_t>(b) << 16)};
  }
  static Colour system(std::uint8_t index) { return {0x80000000u | index}; }
  bool operator==(const Colour&) const = default;
};

struct Position {
  std::int16_t left = 0, top = 0, width = 0, height = 0;
  bool operator==(const Position&) const = default;
};

struct ClientRect {
  std::int32_t left = 0, top = 0, width = 0, height = 0;
  bool operator==(const ClientRect&) const = default;
};

struct Font {
  std::uint8_t version = 1;
  std::uint16_t charset = 128;
  std::uint8_t style = 0;  // 2 italic, 4 underline, 8 strikeout
  std::uint16_t weight = 400;
  std::uint32_t size_e4 = 0;  // ten-thousandths of a point
  std::u16string face;
  bool operator==(const Font&) const = default;
};

// A complete BMP or ICO file. A view: into the block for a read definition,
// into the owner's storage for one built by hand or parsed from text.
struct Picture {
  Bytes file;
  bool operator==(const Picture& other) const {
    return std::equal(file.begin(), file.end(), other.file.begin(), other.file.end());
  }
};

// One alternative per Encoding, in the same order.
using Value = std::variant<std::u16string, bool, std::uint8_t, std::int16_t, std::int32_t, Colour,
                           Position, ClientRect, std::array<std::uint8_t, 4>, Font, Picture>;

struct Property {
  std::uint8_t opcode = 0;
  Value value;
  bool operator==(const Property&) const = default;
};

struct Record {
  std::uint8_t id = 0;  // 0 for the window; 6, 7, ... in stream order
  std::string name;
  ControlType type = ControlType::Label;
  std::vector<Property> properties;  // opcodes strictly rising

  // The stored value of the property of that name (see opcodes.h), if stored.
  const Value* find(std::string_view property_name) const;
  bool operator==(const Record&) const = default;
};

struct MenuEntry {
  Record record;
  std::vector<MenuEntry> entries;  // its submenu, empty when it opens none
  bool operator==(const MenuEntry&) const = default;
};

struct Definition {
  Guid class_id{};
  Guid interface_id{};
  Record window;
  std::vector<Record> controls;  // front to back
  std::vector<MenuEntry> menus;  // top level, in display order
  bool operator==(const Definition&) const = default;
};

}  // namespace rt::definition
