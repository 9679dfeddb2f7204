#include "runtime/definition/writer.h"

#include <cstdio>
#include <stdexcept>
#include <string>

#include "runtime/core/byte_writer.h"
#include "runtime/definition/format.h"
#include "runtime/definition/opcodes.h"
#include "runtime/definition/values.h"

namespace rt::definition {
namespace {

[[noreturn]] void refuse(const Record& record, const std::string& what) {
  throw std::invalid_argument("record '" + record.name + "': " + what);
}

bool opens_submenu(const Record& menu) {
  const Value* v = menu.find("HasSubmenu");
  return v != nullptr && std::holds_alternative<bool>(*v) && std::get<bool>(*v);
}

class BlockWriter {
 public:
  std::vector<std::uint8_t> write(const Definition& d) {
    if (d.controls.empty()) throw std::invalid_argument("a window needs at least one control");
    if (d.menus.empty()) throw std::invalid_argument("a window needs at least one menu entry");
    out_.bytes(format::kSignature);
    out_.u16(format::kHeaderWord);
    out_.u8(0);  // highest id, known at the end
    out_.bytes(d.class_id);
    out_.bytes(d.interface_id);
    out_.bytes(format::kFormTypeId);
    out_.zeros(format::kZerosLength);
    out_.u32(0);  // remaining length, known at the end

    write_record(d.window, format::kWindowId, ControlType::Form);
    out_.u8(format::kControlsBegin);
    for (std::size_t i = 0; i < d.controls.size(); ++i) {
      if (i > 0) out_.u8(format::kNextControl);
      const Record& control = d.controls[i];
      if (control.type == ControlType::Form || control.type == ControlType::Menu) {
        refuse(control, "a control cannot be of type " + std::string(type_name(control.type)));
      }
      write_record(control, next_id_++, control.type);
    }
    out_.u8(format::kListEnd);
    out_.u8(format::kMenusBegin);
    write_menus(d.menus, true);
    out_.u8(format::kWindowEnd);

    out_.patch_u8(format::kHighestIdOffset, static_cast<std::uint8_t>(next_id_ - 1));
    out_.patch_u32(format::kRemainingOffset,
                   static_cast<std::uint32_t>(out_.size() - format::kRemainingOffset));
    return out_.take();
  }

 private:
  void write_menus(const std::vector<MenuEntry>& entries, bool top) {
    for (std::size_t i = 0; i < entries.size(); ++i) {
      if (!(top && i == 0)) out_.u8(format::kNextMenu);
      const MenuEntry& e = entries[i];
      write_record(e.record, next_id_++, ControlType::Menu);
      if (opens_submenu(e.record)) {
        write_menus(e.entries, false);
        out_.u8(format::kCloseMenu);
      } else if (!e.entries.empty()) {
        refuse(e.record, "has entries but does not store HasSubmenu = True");
      }
    }
    if (top) out_.u8(format::kCloseMenu);
  }

  void write_record(const Record& record, int id, ControlType expected_type) {
    if (id > 255) refuse(record, "more than 250 controls and menu entries");
    if (record.type != expected_type) {
      refuse(record, "of type " + std::string(type_name(record.type)) + " where a " +
                         std::string(type_name(expected_type)) + " belongs");
    }
    if (record.name.empty() || record.name.size() > 0xFFFF) refuse(record, "a name of 1 to 65535 bytes");
    for (char c : record.name) {
      if (!format::is_name_char(static_cast<std::uint8_t>(c))) refuse(record, "a name of letters, digits and _");
    }
    std::size_t start = out_.size();
    out_.u32(0);  // size, known at the end byte
    out_.u8(static_cast<std::uint8_t>(id));
    out_.u16(static_cast<std::uint16_t>(record.name.size()));
    out_.bytes({reinterpret_cast<const std::uint8_t*>(record.name.data()), record.name.size()});
    out_.u8(0);
    out_.u8(static_cast<std::uint8_t>(record.type));
    int previous = -1;
    for (const Property& p : record.properties) {
      const OpcodeEntry* entry = find_opcode(record.type, p.opcode);
      if (entry == nullptr || !entry->stored) {
        char number[8];
        std::snprintf(number, sizeof number, "0x%02X", p.opcode);
        refuse(record, "opcode " + std::string(number) + " is not stored for " +
                           std::string(type_name(record.type)));
      }
      if (p.opcode <= previous) refuse(record, "opcodes must rise, " + std::string(entry->name));
      if (encoding_of(p.value) != entry->encoding) refuse(record, "wrong kind of value for " + std::string(entry->name));
      previous = p.opcode;
      out_.u8(p.opcode);
      try {
        write_value(out_, p.value);
      } catch (const std::invalid_argument& e) {
        refuse(record, std::string(entry->name) + ": " + e.what());
      }
    }
    out_.u8(format::kRecordEnd);
    if (out_.size() - start > 0xFFFFFFFFu) refuse(record, "a record over 4 GB");
    out_.patch_u32(start, static_cast<std::uint32_t>(out_.size() - start));
  }

  rt::ByteWriter out_;
  int next_id_ = format::kFirstControlId;
};

}  // namespace

std::vector<std::uint8_t> write_definition(const Definition& definition) {
  const std::vector<std::uint8_t> block = BlockWriter().write(definition);
  if (block.size() - format::kRemainingOffset > 0xFFFFFFFFu) {
    throw std::invalid_argument("a definition over 4 GB");
  }
  return block;
}

}  // namespace rt::definition
