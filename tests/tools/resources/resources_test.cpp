// Reads the resources back out of a built program: the ELF section headers,
// the resource tree, the icon and its group, and the version record. The
// walkers here are written apart from the writer, so that a fault in the
// layout shows.

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "runtime/core/cp932.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes read_file(const char* path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::uint64_t le(const Bytes& b, std::size_t at, int size) {
  if (at + static_cast<std::size_t>(size) > b.size()) throw std::out_of_range("read past the end at " + std::to_string(at));
  std::uint64_t v = 0;
  for (int i = size - 1; i >= 0; --i) v = v << 8 | b[at + static_cast<std::size_t>(i)];
  return v;
}
std::uint16_t u16(const Bytes& b, std::size_t at) { return static_cast<std::uint16_t>(le(b, at, 2)); }
std::uint32_t u32(const Bytes& b, std::size_t at) { return static_cast<std::uint32_t>(le(b, at, 4)); }

// The bytes of the named section of a 64-bit little-endian ELF file.
std::optional<Bytes> elf_section(const Bytes& elf, const std::string& name) {
  if (elf.size() < 64 || std::memcmp(elf.data(), "\x7f" "ELF", 4) != 0 || elf[4] != 2 || elf[5] != 1) return {};
  const std::uint64_t table = le(elf, 0x28, 8);
  const std::uint16_t entry = u16(elf, 0x3A), count = u16(elf, 0x3C), names = u16(elf, 0x3E);
  auto header = [&](std::size_t i) { return static_cast<std::size_t>(table + i * entry); };
  const auto names_at = static_cast<std::size_t>(le(elf, header(names) + 0x18, 8));
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t h = header(i);
    const char* section_name = reinterpret_cast<const char*>(elf.data() + names_at + u32(elf, h));
    if (name != section_name) continue;
    const auto offset = static_cast<std::size_t>(le(elf, h + 0x18, 8));
    const auto size = static_cast<std::size_t>(le(elf, h + 0x20, 8));
    if (offset + size > elf.size()) return {};
    return Bytes(elf.begin() + static_cast<std::ptrdiff_t>(offset), elf.begin() + static_cast<std::ptrdiff_t>(offset + size));
  }
  return {};
}

struct Found {
  Bytes data;
  std::uint32_t code_page;
};

struct Entry {
  std::uint32_t id;
  std::uint32_t target;
};

std::vector<Entry> directory(const Bytes& rsrc, std::uint32_t at) {
  std::vector<Entry> entries;
  const std::uint16_t named = u16(rsrc, at + 12), ids = u16(rsrc, at + 14);
  EXPECT_EQ(named, 0);
  for (std::uint32_t i = 0; i < ids; ++i)
    entries.push_back({u32(rsrc, at + 16 + 8 * i), u32(rsrc, at + 20 + 8 * i)});
  return entries;
}

// Walks type -> id -> language to the data entry and its data.
std::optional<Found> find(const Bytes& rsrc, std::uint32_t type, std::uint32_t id, std::uint32_t language) {
  std::uint32_t at = 0;
  for (std::uint32_t key : {type, id, language}) {
    std::optional<std::uint32_t> next;
    std::int64_t previous = -1;
    for (const Entry& e : directory(rsrc, at)) {
      EXPECT_GT(e.id, previous) << "entries sorted by id";
      previous = e.id;
      if (e.id == key) next = e.target;
    }
    if (!next) return {};
    at = *next;
    if (key != language) {
      if (!(at & 0x80000000u)) return {};
      at &= 0x7FFFFFFFu;
    } else if (at & 0x80000000u) {
      return {};
    }
  }
  const std::uint32_t data = u32(rsrc, at), size = u32(rsrc, at + 4);
  if (data + size > rsrc.size()) return {};
  return Found{Bytes(rsrc.begin() + data, rsrc.begin() + data + size), u32(rsrc, at + 8)};
}

// One node of the version record.
struct Node {
  std::u16string key;
  std::uint16_t value_length, type;
  Bytes value;
  std::vector<Node> children;
};

Node parse_node(const Bytes& b, std::size_t at) {
  const std::size_t start = at, length = u16(b, at);
  Node n{{}, u16(b, at + 2), u16(b, at + 4), {}, {}};
  at += 6;
  while (u16(b, at) != 0) {
    n.key.push_back(static_cast<char16_t>(u16(b, at)));
    at += 2;
  }
  at = (at + 2 + 3) & ~std::size_t{3};
  const std::size_t value_bytes = n.type == 1 ? 2u * n.value_length : n.value_length;
  n.value.assign(b.begin() + static_cast<std::ptrdiff_t>(at), b.begin() + static_cast<std::ptrdiff_t>(at + value_bytes));
  at += value_bytes;
  for (at = (at + 3) & ~std::size_t{3}; at < start + length; at = (at + 3) & ~std::size_t{3}) {
    n.children.push_back(parse_node(b, at));
    at += u16(b, at);
  }
  EXPECT_EQ(at, (start + length + 3) & ~std::size_t{3}) << "children fill their parent";
  return n;
}

std::string text_of(const Node& n) {
  std::u16string s;
  for (std::size_t i = 0; i + 1 < n.value.size(); i += 2) s.push_back(static_cast<char16_t>(n.value[i] | n.value[i + 1] << 8));
  EXPECT_EQ(s.back(), u'\0');
  s.pop_back();
  return rt::to_utf8(s);
}

// Every program built with the resources: the test's own carrier and the
// page program.
const char* const programs[] = {CARRIER_PROGRAM, PAGE_PROGRAM};

class ProgramResources : public ::testing::TestWithParam<const char*> {
 protected:
  void SetUp() override {
    const auto section = elf_section(read_file(GetParam()), ".rsrc");
    ASSERT_TRUE(section.has_value()) << "no .rsrc section in " << GetParam();
    rsrc = *section;
    window_icon = read_file(WINDOW_ICON);
    ASSERT_EQ(window_icon.size(), 2238u);
  }
  Bytes rsrc, window_icon;
};

TEST_P(ProgramResources, HoldTheThreeResourcesAndNothingElse) {
  std::vector<std::uint32_t> types;
  for (const Entry& e : directory(rsrc, 0)) types.push_back(e.id);
  EXPECT_EQ(types, (std::vector<std::uint32_t>{3, 14, 16}));
  EXPECT_FALSE(find(rsrc, 3, 1, 0).has_value());
  EXPECT_FALSE(find(rsrc, 16, 1, 0).has_value()) << "the version record is Japanese, not neutral";
}

TEST_P(ProgramResources, ApplicationIconIsTheWindowIconsImage) {
  const auto icon = find(rsrc, 3, 30001, 0);
  ASSERT_TRUE(icon.has_value());
  EXPECT_EQ(icon->data, Bytes(window_icon.begin() + 22, window_icon.end()));

  const auto group = find(rsrc, 14, 1, 0);
  ASSERT_TRUE(group.has_value());
  const Bytes& g = group->data;
  ASSERT_EQ(g.size(), 6u + 14u);
  EXPECT_EQ(u16(g, 0), 0);
  EXPECT_EQ(u16(g, 2), 1);
  EXPECT_EQ(u16(g, 4), 1);
  EXPECT_EQ(g[6], 32);
  EXPECT_EQ(g[7], 32);
  EXPECT_EQ(g[8], 0);
  EXPECT_EQ(g[9], 0);
  EXPECT_EQ(u16(g, 10), 1) << "planes";
  EXPECT_EQ(u16(g, 12), 8) << "bit count";
  EXPECT_EQ(u32(g, 14), 2216u);
  EXPECT_EQ(u16(g, 18), 30001);
  // The window's own icon file leaves planes and bit count 0: the only difference.
  EXPECT_EQ(u16(window_icon, 10), 0);
  EXPECT_EQ(u16(window_icon, 12), 0);
}

TEST_P(ProgramResources, VersionRecordHasItsFixedPartTranslationAndStrings) {
  const auto found = find(rsrc, 16, 1, 0x0411);
  ASSERT_TRUE(found.has_value());
  const Bytes& v = found->data;
  ASSERT_EQ(v.size(), 644u);
  const Node root = parse_node(v, 0);
  EXPECT_EQ(u16(v, 0), 644);
  EXPECT_EQ(root.key, u"VS_VERSION_INFO");
  ASSERT_EQ(root.value.size(), 52u);
  struct Field {
    std::size_t at;
    std::uint32_t value;
    const char* name;
  };
  const Field fields[] = {
      {0, 0xFEEF04BDu, "signature"},   {4, 0x00010000u, "structure version 1.0"},
      {8, 0x00010001u, "file version 1.1"}, {12, 0, "file version .0.0"},
      {16, 0x00010001u, "product version 1.1"}, {20, 0, "product version .0.0"},
      {24, 0, "flags mask"},  {28, 0, "flags"}, {32, 4, "32-bit Windows"}, {36, 1, "application"},
      {40, 0, "subtype"},     {44, 0, "date"},  {48, 0, "date"},
  };
  for (const Field& f : fields) EXPECT_EQ(u32(root.value, f.at), f.value) << f.name;

  ASSERT_EQ(root.children.size(), 2u);
  const Node& var = root.children[0];
  EXPECT_EQ(var.key, u"VarFileInfo");
  ASSERT_EQ(var.children.size(), 1u);
  EXPECT_EQ(var.children[0].key, u"Translation");
  EXPECT_EQ(var.children[0].value, (Bytes{0x11, 0x04, 0xB0, 0x04}));

  const Node& strings = root.children[1];
  EXPECT_EQ(strings.key, u"StringFileInfo");
  ASSERT_EQ(strings.children.size(), 1u);
  const Node& table = strings.children[0];
  EXPECT_EQ(table.key, u"041104B0");
  std::vector<std::string> keys;
  for (const Node& s : table.children) {
    keys.push_back(rt::to_utf8(s.key));
    EXPECT_EQ(s.type, 1) << keys.back();
    EXPECT_FALSE(text_of(s).empty()) << keys.back();
  }
  EXPECT_EQ(keys, (std::vector<std::string>{"Comments", "CompanyName", "LegalTrademarks", "ProductName", "FileVersion",
                                            "ProductVersion", "InternalName", "OriginalFilename"}));
  ASSERT_EQ(table.children.size(), 8u);
  EXPECT_NE(text_of(table.children[0]).find("Velquor"), std::string::npos);
  EXPECT_EQ(text_of(table.children[2]), "Velquor");
  EXPECT_EQ(text_of(table.children[3]), "Velquor");
  EXPECT_EQ(text_of(table.children[4]), "1.01");
  EXPECT_EQ(text_of(table.children[5]), "1.01");
}

INSTANTIATE_TEST_SUITE_P(Built, ProgramResources, ::testing::ValuesIn(programs),
                         [](const auto& test) { return std::filesystem::path(test.param).filename().string(); });

}  // namespace
