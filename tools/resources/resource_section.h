#pragma once
// The platform's compiled resources, laid out as the resource section of a
// program file:
//
//   a three-level tree of directories (type, then id, then language), each
//   directory a 16-byte header (characteristics, time stamp, major and minor
//   version, count of named entries, count of id entries: all 0 but the id
//   count) followed by 8-byte entries sorted by id (the id; then the offset
//   of the next level's directory with the high bit set, or at the last
//   level the offset of a data entry);
//   16-byte data entries (where the data lies, its size, code page 0,
//   reserved 0);
//   the data, each piece starting on an 8-byte boundary.
//
// Directories come first, level by level, then the data entries, then the
// data. All offsets, the data entries' addresses included, count from the
// start of the section: the section is not part of a loaded image here, so
// there is no image base to count from. Nothing varies between runs (no
// time stamp).

#include <cstdint>
#include <vector>

namespace resources {

struct Resource {
  std::uint16_t type;
  std::uint16_t id;
  std::uint16_t language;
  std::vector<std::uint8_t> data;
};

// Throws std::invalid_argument for two resources of the same type, id and language.
std::vector<std::uint8_t> resource_section(std::vector<Resource> resources);

}  // namespace resources
