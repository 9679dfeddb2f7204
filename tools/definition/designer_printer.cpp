#include <algorithm>
#include <stdexcept>

#include "runtime/definition/opcodes.h"
#include "tools/definition/designer.h"
#include "tools/definition/value_text.h"

namespace designer {

using namespace rt::definition;

namespace {

void print_block(std::string& out, const Record& record, const std::vector<MenuEntry>* entries, int depth,
                 const PictureNamer& name_of) {
  const std::string indent(static_cast<std::size_t>(depth) * 4, ' ');
  if (depth == 0) out += "\n";
  out += indent + std::string(type_name(record.type)) + " " + record.name + "\n";
  std::vector<std::pair<std::string_view, std::string>> lines;
  std::size_t width = 0;
  for (const Property& p : record.properties) {
    const OpcodeEntry* entry = find_opcode(record.type, p.opcode);
    if (entry == nullptr) throw std::invalid_argument("record '" + record.name + "': opcode without a name");
    lines.emplace_back(entry->name, print_value(p.value, name_of));
    width = std::max(width, entry->name.size());
  }
  for (const auto& [name, value] : lines) {
    out += indent + "    " + std::string(name) + std::string(width - name.size(), ' ') + " = " + value + "\n";
  }
  if (entries != nullptr) {
    for (const MenuEntry& e : *entries) print_block(out, e.record, &e.entries, depth + 1, name_of);
  }
  out += indent + "end\n";
}

}  // namespace

std::string print_designer(const Definition& d, const PictureNamer& name_of) {
  std::string out = "ClassId     = " + print_guid(d.class_id) + "\n" +
                    "InterfaceId = " + print_guid(d.interface_id) + "\n";
  print_block(out, d.window, nullptr, 0, name_of);
  for (const Record& c : d.controls) print_block(out, c, nullptr, 0, name_of);
  for (const MenuEntry& m : d.menus) print_block(out, m.record, &m.entries, 0, name_of);
  return out;
}

}  // namespace designer
