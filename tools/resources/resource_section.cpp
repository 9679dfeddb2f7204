#include "tools/resources/resource_section.h"

#include <algorithm>
#include <stdexcept>
#include <tuple>

#include "runtime/core/byte_writer.h"

namespace resources {
namespace {

constexpr std::uint32_t directory_bytes = 16, entry_bytes = 8, data_entry_bytes = 16;
constexpr std::uint32_t subdirectory = 0x80000000u;

// One directory of the tree: its entries' ids, and for each the index of
// the child directory at the next level or of the resource at the last.
struct Directory {
  std::vector<std::uint16_t> ids;
  std::vector<std::size_t> targets;
  std::uint32_t offset = 0;
};

std::uint16_t key(const Resource& r, int level) { return level == 0 ? r.type : level == 1 ? r.id : r.language; }

}  // namespace

std::vector<std::uint8_t> resource_section(std::vector<Resource> resources) {
  std::sort(resources.begin(), resources.end(), [](const Resource& a, const Resource& b) {
    return std::tie(a.type, a.id, a.language) < std::tie(b.type, b.id, b.language);
  });
  for (std::size_t i = 1; i < resources.size(); ++i)
    if (std::tie(resources[i].type, resources[i].id, resources[i].language) ==
        std::tie(resources[i - 1].type, resources[i - 1].id, resources[i - 1].language))
      throw std::invalid_argument("two resources of the same type, id and language");

  // levels[l] holds the directories of level l; each directory covers a run
  // of the sorted resources that agree on the keys of the levels above.
  struct Span {
    std::size_t first, last;  // resources [first, last)
  };
  std::vector<std::vector<Directory>> levels(3);
  std::vector<Span> spans{{0, resources.size()}};
  for (int level = 0; level < 3; ++level) {
    std::vector<Span> next;
    for (const Span& span : spans) {
      Directory dir;
      for (std::size_t i = span.first; i < span.last;) {
        std::size_t j = i;
        while (j < span.last && key(resources[j], level) == key(resources[i], level)) ++j;
        dir.ids.push_back(key(resources[i], level));
        dir.targets.push_back(level < 2 ? next.size() : i);
        next.push_back({i, j});
        i = j;
      }
      levels[static_cast<std::size_t>(level)].push_back(dir);
    }
    spans = std::move(next);
  }

  std::uint32_t offset = 0;
  for (auto& level : levels)
    for (Directory& dir : level) {
      dir.offset = offset;
      offset += directory_bytes + entry_bytes * static_cast<std::uint32_t>(dir.ids.size());
    }
  const std::uint32_t data_entries = offset;
  offset += data_entry_bytes * static_cast<std::uint32_t>(resources.size());
  std::vector<std::uint32_t> data_at;
  for (const Resource& r : resources) {
    offset = (offset + 7) & ~7u;
    data_at.push_back(offset);
    offset += static_cast<std::uint32_t>(r.data.size());
  }

  rt::ByteWriter out;
  for (std::size_t level = 0; level < 3; ++level)
    for (const Directory& dir : levels[level]) {
      out.u32(0);  // characteristics
      out.u32(0);  // time stamp
      out.u16(0);  // major version
      out.u16(0);  // minor version
      out.u16(0);  // named entries
      out.u16(static_cast<std::uint16_t>(dir.ids.size()));
      for (std::size_t e = 0; e < dir.ids.size(); ++e) {
        out.u32(dir.ids[e]);
        out.u32(level < 2 ? subdirectory | levels[level + 1][dir.targets[e]].offset
                          : data_entries + data_entry_bytes * static_cast<std::uint32_t>(dir.targets[e]));
      }
    }
  for (std::size_t i = 0; i < resources.size(); ++i) {
    out.u32(data_at[i]);
    out.u32(static_cast<std::uint32_t>(resources[i].data.size()));
    out.u32(0);  // code page
    out.u32(0);  // reserved
  }
  for (std::size_t i = 0; i < resources.size(); ++i) {
    out.pad_to(data_at[i]);
    out.bytes(resources[i].data);
  }
  return out.take();
}

}  // namespace resources
