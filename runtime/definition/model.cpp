#include "runtime/definition/model.h"

#include "runtime/definition/opcodes.h"

namespace rt::definition {

const Value* Record::find(std::string_view property_name) const {
  const OpcodeEntry* entry = find_property(type, property_name);
  if (entry == nullptr) return nullptr;
  for (const Property& p : properties) {
    if (p.opcode == entry->opcode) return &p.value;
  }
  return nullptr;
}

}  // namespace rt::definition
