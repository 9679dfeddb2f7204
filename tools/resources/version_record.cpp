#include "tools/resources/version_record.h"

#include <cstdio>

#include "runtime/core/byte_writer.h"
#include "runtime/core/cp932.h"

namespace resources {
namespace {

constexpr std::uint32_t fixed_signature = 0xFEEF04BDu;
constexpr std::uint32_t fixed_structure_version = 0x00010000u;  // 1.0
constexpr std::uint16_t binary = 0, text = 1;

void put_utf16(rt::ByteWriter& out, const std::u16string& s) {
  for (char16_t c : s) out.u16(static_cast<std::uint16_t>(c));
  out.u16(0);
}

// Writes a node's header, key and value; `children` appends the children.
// Patches the node's length once they are written.
template <typename Children>
void node(rt::ByteWriter& out, const char* key, std::uint16_t value_length, std::uint16_t type,
          const std::vector<std::uint8_t>& value, Children children) {
  out.align4();
  const std::size_t start = out.size();
  out.u16(0);  // length, patched below
  out.u16(value_length);
  out.u16(type);
  put_utf16(out, rt::from_utf8(key));
  out.align4();
  out.bytes(value);
  children();
  out.patch_u16(start, static_cast<std::uint16_t>(out.size() - start));
}

std::vector<std::uint8_t> fixed_part(const FixedVersion& f) {
  rt::ByteWriter out;
  out.u32(fixed_signature);
  out.u32(fixed_structure_version);
  out.u32(static_cast<std::uint32_t>(f.file[0]) << 16 | f.file[1]);
  out.u32(static_cast<std::uint32_t>(f.file[2]) << 16 | f.file[3]);
  out.u32(static_cast<std::uint32_t>(f.product[0]) << 16 | f.product[1]);
  out.u32(static_cast<std::uint32_t>(f.product[2]) << 16 | f.product[3]);
  out.u32(f.flags_mask);
  out.u32(f.flags);
  out.u32(f.os);
  out.u32(f.type);
  out.u32(f.subtype);
  out.u32(static_cast<std::uint32_t>(f.date >> 32));
  out.u32(static_cast<std::uint32_t>(f.date));
  return out.take();
}

std::vector<std::uint8_t> utf16_bytes(const std::u16string& s) {
  rt::ByteWriter out;
  put_utf16(out, s);
  return out.take();
}

}  // namespace

std::vector<std::uint8_t> version_record(const VersionInfo& info) {
  rt::ByteWriter out;
  const auto fixed = fixed_part(info.fixed);
  node(out, "VS_VERSION_INFO", static_cast<std::uint16_t>(fixed.size()), binary, fixed, [&] {
    node(out, "VarFileInfo", 0, text, {}, [&] {
      rt::ByteWriter pair;
      pair.u16(info.language);
      pair.u16(info.code_page);
      node(out, "Translation", 4, binary, pair.take(), [] {});
    });
    node(out, "StringFileInfo", 0, text, {}, [&] {
      char table[9];
      std::snprintf(table, sizeof table, "%04X%04X", info.language, info.code_page);
      node(out, table, 0, text, {}, [&] {
        for (const auto& [key, value] : info.strings) {
          const std::u16string v = rt::from_utf8(value);
          node(out, key.c_str(), static_cast<std::uint16_t>(v.size() + 1), text, utf16_bytes(v), [] {});
        }
      });
    });
  });
  return out.take();
}

}  // namespace resources
