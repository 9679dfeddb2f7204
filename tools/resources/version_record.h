#pragma once
// The version record: a tree of nodes, each a 6-byte header (its length in
// bytes, its value's length, its value's type: 0 binary, 1 text), its key in
// UTF-16 with a terminating 0, padding to 4 bytes, its value, then its
// children, each starting on a 4-byte boundary. A node's length covers its
// children but not the padding after its last byte; a text value's length
// counts UTF-16 units, the terminating 0 included.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace resources {

struct FixedVersion {
  std::uint16_t file[4];     // major, minor, build, revision
  std::uint16_t product[4];
  std::uint32_t flags_mask;
  std::uint32_t flags;
  std::uint32_t os;          // 4: 32-bit Windows
  std::uint32_t type;        // 1: application
  std::uint32_t subtype;
  std::uint64_t date;
};

struct VersionInfo {
  FixedVersion fixed;
  std::uint16_t language;    // of the one translation and the string table
  std::uint16_t code_page;
  std::vector<std::pair<std::string, std::string>> strings;  // key, value; UTF-8; in order
};

// The record: the fixed part, the translation block, then the string block.
std::vector<std::uint8_t> version_record(const VersionInfo& info);

}  // namespace resources
