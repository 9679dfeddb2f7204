// The page's stored definition as the build embeds it.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "page/stored_definition.h"
#include "runtime/definition/reader.h"
#include "runtime/definition/writer.h"
#include "tools/definition/designer.h"

using namespace rt::definition;

namespace {

std::uint32_t u32_at(Bytes b, std::size_t at) {
  return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<std::uint32_t>(b[at + 3]) << 24);
}
std::uint16_t u16_at(Bytes b, std::size_t at) { return static_cast<std::uint16_t>(b[at] | (b[at + 1] << 8)); }

constexpr std::size_t kWindow = 93;

// Offsets of the control records by name, walked by their sizes and link bytes.
std::map<std::string, std::size_t> control_offsets(Bytes b) {
  std::map<std::string, std::size_t> at;
  std::size_t p = kWindow + u32_at(b, kWindow) + 1;
  while (true) {
    std::uint16_t length = u16_at(b, p + 5);
    at[std::string(b.begin() + p + 7, b.begin() + p + 7 + length)] = p;
    p += u32_at(b, p);
    if (b[p++] == 0x02) return at;
  }
}

// Where a record's first property starts: size, id, name length, name, 0, type.
std::size_t first_property(Bytes b, std::size_t record) { return record + 9 + u16_at(b, record + 5); }

void collect_ids(const std::vector<MenuEntry>& entries, std::vector<int>& ids) {
  for (const MenuEntry& e : entries) {
    ids.push_back(e.record.id);
    collect_ids(e.entries, ids);
  }
}

designer::Design page_design() {
  std::string path = C01_PAGE_DIR "/frmC01_001.frmdef";
  std::FILE* f = std::fopen(path.c_str(), "rb");
  EXPECT_NE(f, nullptr);
  std::string text;
  char buffer[4096];
  for (std::size_t n; f != nullptr && (n = std::fread(buffer, 1, sizeof buffer, f)) > 0;) text.append(buffer, n);
  if (f != nullptr) std::fclose(f);
  return designer::parse_designer(text, path, designer::pictures_in(C01_PAGE_DIR "/pictures"));
}

}  // namespace

TEST(PageBlock, HeaderLengthsAndEnd) {
  Bytes b = page::stored_definition();
  ASSERT_EQ(b.size(), 1322980u);
  EXPECT_EQ(u32_at(b, 89), 1322891u);
  EXPECT_EQ(b[4], 79);
  EXPECT_EQ(u32_at(b, kWindow), 789854u);
  EXPECT_EQ(b[kWindow + 789854 - 1], 0xFF);
  EXPECT_EQ(b[kWindow + 789854], 0x01);
  std::vector<std::uint8_t> tail(b.end() - 3, b.end());
  EXPECT_EQ(tail, (std::vector<std::uint8_t>{0x03, 0x03, 0x04})) << "Help's submenu, the menu list, the window";
}

TEST(PageBlock, RecordAndValueLengths) {
  Bytes b = page::stored_definition();
  auto at = control_offsets(b);
  ASSERT_EQ(at.size(), 60u);
  EXPECT_EQ(u32_at(b, at["vscTime"]), 44u);

  std::size_t caption = first_property(b, at["lbl001"]);
  ASSERT_EQ(b[caption], 0x01);
  EXPECT_EQ(u16_at(b, caption + 1), 46u) << "two CR LF pairs included, end byte not counted";
  EXPECT_EQ(b[caption + 3 + 46], 0x00);
  EXPECT_EQ(b[caption + 3 + 12], '\r');
  EXPECT_EQ(b[caption + 3 + 13], '\n');

  std::size_t a = first_property(b, at["lblT01"]);
  EXPECT_EQ(std::vector<std::uint8_t>(b.begin() + a, b.begin() + a + 5),
            (std::vector<std::uint8_t>{0x01, 0x01, 0x00, 'a', 0x00}));

  // The window: 0x19 and its four raw bytes, then the background picture.
  std::size_t w = first_property(b, kWindow);
  ASSERT_EQ(b[w], 0x19);
  ASSERT_EQ(b[w + 5], 0x21);
  EXPECT_EQ(u32_at(b, w + 6), 787518u);
  EXPECT_EQ(u32_at(b, w + 10), 0x0000746Cu);
  EXPECT_EQ(u32_at(b, w + 14), 787510u);

  // A card: its picture, position, pointer 99, then the pointer icon.
  std::size_t p = first_property(b, at["Image18"]);
  ASSERT_EQ(b[p], 0x02);
  p += 1 + 4 + u32_at(b, p + 1);
  ASSERT_EQ(b[p], 0x03);
  EXPECT_EQ(u16_at(b, p + 5), 270u);
  p += 9;
  ASSERT_EQ(b[p], 0x09);
  EXPECT_EQ(b[p + 1], 99);
  ASSERT_EQ(b[p + 2], 0x13);
  EXPECT_EQ(u32_at(b, p + 3), 774u);
  EXPECT_EQ(u32_at(b, p + 11), 766u);

  // The window's font, last before the end byte: 12 pt regular "ＭＳ ゴシック".
  std::size_t font = kWindow + 789854 - 1 - 25;
  ASSERT_EQ(b[font], 0x40);
  std::vector<std::uint8_t> expected = {0x01, 0x80, 0x00, 0x00, 0x90, 0x01, 0xC0, 0xD4, 0x01, 0x00, 0x0D,
                                        0x82, 0x6C, 0x82, 0x72, 0x20, 0x83, 0x53, 0x83, 0x56, 0x83, 0x62,
                                        0x83, 0x4E};
  EXPECT_EQ(std::vector<std::uint8_t>(b.begin() + font + 1, b.begin() + font + 25), expected);
}

TEST(PageBlock, RecordsIdsTypesAndMenuTree) {
  Bytes block = page::stored_definition();
  Definition d = read_definition(block);
  EXPECT_EQ(d.window.name, "frmC01_001");
  EXPECT_EQ(d.window.id, 0);
  std::vector<int> ids;
  std::map<ControlType, int> types;
  std::multiset<int> tabs;
  for (const Record& c : d.controls) {
    ids.push_back(c.id);
    ++types[c.type];
    if (const Value* t = c.find("TabIndex")) {
      tabs.insert(std::holds_alternative<std::int16_t>(*t) ? std::get<std::int16_t>(*t) : std::get<std::uint8_t>(*t));
    }
  }
  EXPECT_EQ(d.controls.front().name, "vscTime");
  EXPECT_EQ(d.controls.back().name, "lblK");
  collect_ids(d.menus, ids);
  std::vector<int> expected(74);
  for (int i = 0; i < 74; ++i) expected[static_cast<std::size_t>(i)] = 6 + i;
  EXPECT_EQ(ids, expected);
  EXPECT_EQ(types, (std::map<ControlType, int>{{ControlType::Label, 17},
                                               {ControlType::CommandButton, 4},
                                               {ControlType::ComboBox, 1},
                                               {ControlType::VScrollBar, 1},
                                               {ControlType::Line, 6},
                                               {ControlType::Image, 31}}));
  std::multiset<int> zero_to_22;
  for (int i = 0; i <= 22; ++i) zero_to_22.insert(i);
  EXPECT_EQ(tabs, zero_to_22);

  ASSERT_EQ(d.menus.size(), 4u);
  const char* heads[] = {"mnuFile", "mnuHensyu", "mnuView", "mnuHelp"};
  const std::size_t sizes[] = {1, 1, 7, 1};
  for (std::size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(d.menus[i].record.name, heads[i]);
    EXPECT_EQ(d.menus[i].entries.size(), sizes[i]) << heads[i];
  }
  EXPECT_EQ(d.menus[2].entries[6].record.name, "mnuV_free");
  EXPECT_EQ(d.menus[3].entries[0].record.id, 79);
  EXPECT_EQ(std::get<std::u16string>(*d.menus[0].entries[0].record.find("Caption")), u"終了(&X)     Alt + F4");
  EXPECT_EQ(std::get<std::u16string>(*d.menus[1].entries[0].record.find("Caption")), u"ﾎﾞﾘｭｰﾑｺﾝﾄﾛｰﾙ(&V)");
}

TEST(PageBlock, PicturesAreWholeViewsOfTheBlock) {
  Bytes block = page::stored_definition();
  Definition d = read_definition(block);
  std::size_t count = 0, bytes = 0;
  auto add = [&](const Record& r) {
    for (const Property& p : r.properties) {
      if (const Picture* pic = std::get_if<Picture>(&p.value)) {
        ++count;
        bytes += pic->file.size();
        EXPECT_TRUE(pic->file.data() >= block.data() && pic->file.data() + pic->file.size() <= block.data() + block.size());
      }
    }
  };
  add(d.window);
  for (const Record& c : d.controls) add(c);
  EXPECT_EQ(count, 63u);
  EXPECT_EQ(bytes, 1318786u);
}

TEST(PageBlock, ReadWriteAndTheDesignerFileAgree) {
  Bytes block = page::stored_definition();
  Definition d = read_definition(block);
  std::vector<std::uint8_t> again = write_definition(d);
  EXPECT_TRUE(std::equal(again.begin(), again.end(), block.begin(), block.end())) << "read, then write";
  EXPECT_EQ(read_definition(again), d) << "write, then read";

  designer::Design design = page_design();
  EXPECT_EQ(design.definition, d) << "the embedded block is the designer file's";
  EXPECT_EQ(design.pictures.size(), 22u);

  // Each card shows the picture of the syllable it plays.
  for (const Record& c : d.controls) {
    const Value* tip = c.find("ToolTipText");
    if (c.type != ControlType::Image || tip == nullptr) continue;
    std::u16string syllable = std::get<std::u16string>(*tip);
    const auto& file = design.pictures.at("card_" + std::string(syllable.begin(), syllable.end()) + ".bmp");
    Bytes shown = std::get<Picture>(*c.find("Picture")).file;
    EXPECT_TRUE(std::equal(shown.begin(), shown.end(), file.begin(), file.end())) << c.name;
  }

  // Printed back as designer text, the block parses to itself.
  std::map<std::string, std::string> names;
  for (const auto& [name, bytes] : design.pictures) names[std::string(bytes.begin(), bytes.end())] = name;
  std::string text = designer::print_designer(d, [&](Bytes f) { return names.at(std::string(f.begin(), f.end())); });
  designer::Design printed = designer::parse_designer(text, "dump", designer::pictures_in(C01_PAGE_DIR "/pictures"));
  std::vector<std::uint8_t> from_text = write_definition(printed.definition);
  EXPECT_TRUE(std::equal(from_text.begin(), from_text.end(), block.begin(), block.end()));
}
