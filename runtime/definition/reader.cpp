#include "runtime/definition/reader.h"

#include <cstdio>
#include <string>
#include <vector>

#include "runtime/core/byte_reader.h"
#include "runtime/definition/format.h"
#include "runtime/definition/length_field.h"
#include "runtime/definition/opcodes.h"
#include "runtime/definition/values.h"

namespace rt::definition {

DefinitionError::DefinitionError(std::size_t offset, std::string_view expected)
    : std::runtime_error("stored definition, offset " + std::to_string(offset) + ": expected " +
                         std::string(expected)),
      offset_(offset),
      expected_(expected) {}

namespace {

std::string hex(std::uint8_t b) {
  char text[8];
  std::snprintf(text, sizeof text, "0x%02X", b);
  return text;
}

enum class RecordKind { Window, Control, Menu };

bool type_fits(RecordKind kind, ControlType type) {
  switch (kind) {
    case RecordKind::Window: return type == ControlType::Form;
    case RecordKind::Menu: return type == ControlType::Menu;
    case RecordKind::Control: return type != ControlType::Form && type != ControlType::Menu;
  }
  return false;
}

constexpr const char* kind_text(RecordKind kind) {
  switch (kind) {
    case RecordKind::Window: return "the window's type 13";
    case RecordKind::Menu: return "the menu type 19";
    case RecordKind::Control: return "a control type (1, 4, 7, 10, 23 or 24)";
  }
  return "";
}

class BlockReader {
 public:
  explicit BlockReader(Bytes block) : in_(block, 0, "the block") {}

  Definition read() {
    Definition d;
    read_header(d);
    d.window = read_record(RecordKind::Window);
    expect_link(format::kControlsBegin, "the link byte 0x01 that opens the control list");
    while (true) {
      d.controls.push_back(read_record(RecordKind::Control));
      std::size_t at = in_.offset();
      std::uint8_t link = in_.u8("a link byte after a control");
      if (link == format::kListEnd) break;
      if (link != format::kNextControl) {
        throw DefinitionError(at, "the link byte 0x03 (another control) or 0x02 (end of controls)");
      }
    }
    expect_link(format::kMenusBegin, "the link byte 0x05 that opens the menu list");
    read_menus(d.menus);
    expect_link(format::kWindowEnd, "the end-of-window byte 0x04");
    if (!in_.at_end()) throw DefinitionError(in_.offset(), "the end of the block after 0x04");
    if (highest_id_ != next_id_ - 1) {
      throw DefinitionError(format::kHighestIdOffset,
                            "the highest id " + std::to_string(next_id_ - 1));
    }
    return d;
  }

 private:
  void read_header(Definition& d) {
    if (in_.u8("the signature 0xFF 0xCC") != format::kSignature[0] ||
        in_.u8("the signature 0xFF 0xCC") != format::kSignature[1]) {
      throw DefinitionError(0, "the signature 0xFF 0xCC");
    }
    if (in_.u16("the header word 0x0031") != format::kHeaderWord) {
      throw DefinitionError(2, "the header word 0x0031");
    }
    highest_id_ = in_.u8("the highest id");
    copy_guid(d.class_id, "the class id");
    copy_guid(d.interface_id, "the interface id");
    std::size_t type_at = in_.offset();
    Guid type_id{};
    copy_guid(type_id, "the window's control-type id");
    if (type_id != format::kFormTypeId) {
      throw DefinitionError(type_at, "the window's control-type id {33AD4F3A-6699-11CF-B70C-00AA0060D393}");
    }
    for (std::uint8_t b : in_.bytes(format::kZerosLength, "36 zero bytes")) {
      if (b != 0) throw DefinitionError(format::kZerosOffset, "36 zero bytes");
    }
    std::uint32_t remaining = in_.u32("the remaining length");
    // The u32 is the last header field, so the block is at least 93 bytes here.
    if (remaining != in_.offset() + in_.remaining() - format::kRemainingOffset) {
      throw DefinitionError(format::kRemainingOffset,
                            "the remaining length " +
                                std::to_string(in_.offset() + in_.remaining() - format::kRemainingOffset));
    }
  }

  void copy_guid(Guid& guid, std::string_view what) {
    Bytes b = in_.bytes(guid.size(), what);
    std::copy(b.begin(), b.end(), guid.begin());
  }

  void expect_link(std::uint8_t link, std::string_view what) {
    std::size_t at = in_.offset();
    if (in_.u8(what) != link) throw DefinitionError(at, what);
  }

  Record read_record(RecordKind kind) {
    std::size_t start = in_.offset();
    std::uint32_t size = in_.u32("a record size");
    // Size, id, name length, name end byte, type and end byte take 10 bytes.
    if (size < 10) throw DefinitionError(start, "a record size of at least 10");
    if (size - 4 > in_.remaining()) {
      throw DefinitionError(start, "a record size of at most " + std::to_string(in_.remaining() + 4) +
                                       " to fit in the block, not " + std::to_string(size));
    }
    rt::ByteReader body = in_.reader(size - 4, "the record", "the record");

    Record record;
    int id = kind == RecordKind::Window ? format::kWindowId : next_id_++;
    if (id > 255) throw DefinitionError(body.offset(), "no more than 250 controls and menu entries");
    if (body.u8("the record id") != id) {
      throw DefinitionError(body.offset() - 1, "the record id " + std::to_string(id));
    }
    record.id = static_cast<std::uint8_t>(id);
    read_name(body, record.name);
    std::size_t type_at = body.offset();
    std::uint8_t type = body.u8("the control type");
    if (!is_known_type(type) || !type_fits(kind, static_cast<ControlType>(type))) {
      throw DefinitionError(type_at, kind_text(kind));
    }
    record.type = static_cast<ControlType>(type);

    int previous = -1;
    while (true) {
      std::size_t op_at = body.offset();
      std::uint8_t opcode = body.u8("an opcode or the end byte 0xFF");
      if (opcode == format::kRecordEnd) {
        if (!body.at_end()) {
          throw DefinitionError(op_at, "an opcode; the end byte 0xFF belongs at offset " +
                                           std::to_string(start + size - 1));
        }
        break;
      }
      const OpcodeEntry* entry = find_opcode(record.type, opcode);
      if (entry == nullptr || !entry->stored) {
        throw DefinitionError(op_at, "an opcode of the " + std::string(type_name(record.type)) +
                                         " table or 0xFF, not " + hex(opcode));
      }
      if (opcode <= previous) {
        throw DefinitionError(op_at, "an opcode above " + hex(static_cast<std::uint8_t>(previous)) +
                                         ", not " + hex(opcode));
      }
      previous = opcode;
      record.properties.push_back({opcode, read_value(body, entry->encoding)});
    }
    return record;
  }

  static void read_name(rt::ByteReader& body, std::string& name) {
    std::size_t length_at = body.offset();
    std::uint16_t length = body.u16("the name length");
    check_length(body, length, length_at, "a name");
    if (length == 0) throw DefinitionError(length_at, "a name of at least one byte");
    std::size_t at = body.offset();
    Bytes bytes = body.bytes(length, "the name");
    for (std::size_t i = 0; i < bytes.size(); ++i) {
      if (!format::is_name_char(bytes[i])) throw DefinitionError(at + i, "a letter, digit or _ of the name");
    }
    name.assign(bytes.begin(), bytes.end());
    std::size_t end_at = body.offset();
    if (body.u8("the name's end byte 0") != 0) throw DefinitionError(end_at, "the name's end byte 0");
  }

  static bool opens_submenu(const Record& menu) {
    const Value* v = menu.find("HasSubmenu");
    return v != nullptr && std::get<bool>(*v);
  }

  // The menu list: the first entry, then 0x02 before every other, 0x03 to
  // close the innermost open submenu or, with none open, the list.
  void read_menus(std::vector<MenuEntry>& top) {
    std::vector<std::vector<MenuEntry>*> open;  // entries of each open submenu
    auto add = [&] {
      std::vector<MenuEntry>& list = open.empty() ? top : *open.back();
      list.push_back({read_record(RecordKind::Menu), {}});
      if (opens_submenu(list.back().record)) open.push_back(&list.back().entries);
    };
    add();
    while (true) {
      std::size_t at = in_.offset();
      std::uint8_t link = in_.u8("a link byte in the menu list");
      if (link == format::kNextMenu) {
        add();
      } else if (link == format::kCloseMenu) {
        if (open.empty()) return;
        open.pop_back();
      } else {
        throw DefinitionError(at, "the link byte 0x02 (another menu entry) or 0x03 (close)");
      }
    }
  }

  rt::ByteReader in_;
  int highest_id_ = 0;
  int next_id_ = format::kFirstControlId;
};

}  // namespace

Definition read_definition(Bytes block) {
  try {
    return BlockReader(block).read();
  } catch (const rt::ShortRead& e) {
    throw DefinitionError(e.offset(), e.field() + " (" + std::to_string(e.length()) + " bytes), but " +
                                          std::to_string(e.left()) + " bytes are left in " + e.name());
  }
}

}  // namespace rt::definition
