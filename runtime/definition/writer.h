#pragma once
// Writing a stored window definition from a description. The writer computes
// every length, gives the ids 0, 6, 7, ... in stream order (controls, then
// menu entries in tree order) and stores the highest in the header; the ids
// held by the description's records are not consulted.

#include <cstdint>
#include <vector>

#include "runtime/definition/model.h"

namespace rt::definition {

// Throws std::invalid_argument for a description the format cannot hold:
// a window without controls or menus, a record of the wrong type for its
// place, an opcode not in its type's table or not rising, a value of the
// wrong encoding, a text not in code page 932, entries under a menu entry
// that does not store HasSubmenu = True, more than 250 records.
std::vector<std::uint8_t> write_definition(const Definition& definition);

}  // namespace rt::definition
