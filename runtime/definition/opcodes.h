#pragma once
// Property opcode tables, one per control type: the opcode, the property's
// name (as code refers to it at run time) and its value encoding. A row with
// `stored == false` names a property that code may read or write at run time
// but that a stored definition never holds.

#include <cstdint>
#include <span>
#include <string_view>

#include "runtime/definition/model.h"

namespace rt::definition {

struct OpcodeEntry {
  std::uint8_t opcode;
  std::string_view name;
  Encoding encoding;
  bool stored = true;
};

std::span<const OpcodeEntry> opcode_table(ControlType type);
const OpcodeEntry* find_opcode(ControlType type, std::uint8_t opcode);
const OpcodeEntry* find_property(ControlType type, std::string_view name);
std::string_view type_name(ControlType type);  // "Label", "Form", ...
bool is_known_type(std::uint8_t number);

}  // namespace rt::definition
