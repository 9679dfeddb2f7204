#include <gtest/gtest.h>

#include "runtime/definition/reader.h"
#include "runtime/definition/writer.h"
#include "tests/runtime/definition/block_layout.h"
#include "tests/runtime/definition/sample_definition.h"

using namespace rt::definition;

namespace {

const Picture& picture_of(const Record& r, std::string_view name) {
  return std::get<Picture>(*r.find(name));
}

}  // namespace

TEST(ReadWrite, SamplesRoundTripBothWays) {
  for (const Definition& d : {sample::tiny_definition(), sample::full_definition()}) {
    std::vector<std::uint8_t> block = write_definition(d);
    Definition read = read_definition(block);
    EXPECT_EQ(read, d);
    EXPECT_EQ(write_definition(read), block);
  }
}

TEST(ReadWrite, HeaderAndLinksOfTheTinySample) {
  std::vector<std::uint8_t> block = write_definition(sample::tiny_definition());
  sample::TinyLayout at(block);
  EXPECT_EQ(block[0], 0xFF);
  EXPECT_EQ(block[1], 0xCC);
  EXPECT_EQ(block[2], 0x31);
  EXPECT_EQ(block[3], 0x00);
  EXPECT_EQ(block[4], 10) << "highest id: W 0, L 6, K 7, M 8, E 9, H 10";
  EXPECT_EQ(block[5], 0x10) << "class id first";
  EXPECT_EQ(block[21], 0x11) << "then the interface id";
  EXPECT_EQ(block[37], 0x3A) << "the window's control-type id";
  EXPECT_EQ(block[52], 0x93);
  EXPECT_EQ(sample::u32_at(block, 89), block.size() - 89);
  EXPECT_EQ(block[at.after_window - 1], 0xFF);
  EXPECT_EQ(block[at.after_window], 0x01);
  EXPECT_EQ(block[at.line - 1], 0x03);
  EXPECT_EQ(block[at.menu - 2], 0x02);
  EXPECT_EQ(block[at.menu - 1], 0x05);
  // M, 02 E, 03 (closes M's submenu), 02 H, 03 (closes the list), 04.
  std::vector<std::uint8_t> tail(block.end() - 3, block.end());
  EXPECT_EQ(tail, (std::vector<std::uint8_t>{0xFF, 0x03, 0x04}));
}

TEST(ReadWrite, WindowFontHasThePlatformPersistence) {
  std::vector<std::uint8_t> block = write_definition(sample::tiny_definition());
  sample::TinyLayout at(block);
  // Window record: opcode 0x21, picture of 4 + 8 + 6 bytes, then opcode 0x40.
  std::size_t font = at.window + sample::TinyLayout::kFirstOpcode + 1 + 18;
  ASSERT_EQ(block[font], 0x40);
  std::vector<std::uint8_t> expected = {0x01, 0x80, 0x00, 0x00, 0x90, 0x01, 0xC0, 0xD4, 0x01, 0x00, 0x0D,
                                        0x82, 0x6C, 0x82, 0x72, 0x20, 0x83, 0x53, 0x83, 0x56, 0x83, 0x62,
                                        0x83, 0x4E};
  EXPECT_EQ(std::vector<std::uint8_t>(block.begin() + font + 1, block.begin() + font + 1 + 24), expected);
  EXPECT_EQ(block[font + 25], 0xFF);
}

TEST(ReadWrite, TextsAreCodePage932WithHalfWidthKanaAndCountWithoutEndByte) {
  std::vector<std::uint8_t> block = write_definition(sample::tiny_definition());
  sample::TinyLayout at(block);
  std::size_t caption = at.menu + sample::TinyLayout::kFirstOpcode;
  ASSERT_EQ(block[caption], 0x03);
  std::vector<std::uint8_t> expected = {8, 0, 0xCC, 0xA7, 0xB2, 0xD9, '(', '&', 'F', ')', 0};
  EXPECT_EQ(std::vector<std::uint8_t>(block.begin() + caption + 1, block.begin() + caption + 12), expected);
}

TEST(ReadWrite, ReadYieldsTreeIdsAndPictureViewsIntoTheBlock) {
  std::vector<std::uint8_t> block = write_definition(sample::full_definition());
  Definition d = read_definition(block);
  EXPECT_EQ(d.window.id, 0);
  ASSERT_EQ(d.controls.size(), 6u);
  EXPECT_EQ(d.controls.front().id, 6);
  EXPECT_EQ(d.controls.back().name, "Line1");
  ASSERT_EQ(d.menus.size(), 2u);
  EXPECT_EQ(d.menus[0].record.name, "mnuView");
  ASSERT_EQ(d.menus[0].entries.size(), 3u);
  EXPECT_EQ(d.menus[0].entries[1].entries.at(0).record.name, "mnuDeep");
  EXPECT_TRUE(d.menus[0].entries[2].entries.empty()) << "a submenu opened and closed at once";
  EXPECT_EQ(d.menus[1].record.name, "mnuHelp");
  EXPECT_EQ(d.menus[1].record.id, 17);
  EXPECT_EQ(std::get<std::u16string>(*d.controls[4].find("Caption")), u"音と\r\n単位はﾐﾘ秒です");

  const Picture& background = picture_of(d.window, "Picture");
  EXPECT_GE(background.file.data(), block.data());
  EXPECT_LE(background.file.data() + background.file.size(), block.data() + block.size());
  EXPECT_EQ(background.file.size(), 6u);
}

TEST(ReadWrite, WriterGivesIdsInStreamOrderWhateverTheRecordsHold) {
  Definition d = sample::tiny_definition();
  d.controls[0].id = 42;
  d.menus[1].record.id = 0;
  Definition read = read_definition(write_definition(d));
  EXPECT_EQ(read.controls[0].id, 6);
  EXPECT_EQ(read.menus[1].record.id, 10);
}

TEST(ReadWrite, WriterRefusesWhatTheFormatCannotHold) {
  struct Case {
    const char* what;
    void (*edit)(Definition&);
  };
  const Case cases[] = {
      {"no controls", [](Definition& d) { d.controls.clear(); }},
      {"no menus", [](Definition& d) { d.menus.clear(); }},
      {"a control of menu type", [](Definition& d) { d.controls[0].type = ControlType::Menu; }},
      {"a window of label type", [](Definition& d) { d.window.type = ControlType::Label; }},
      {"opcode not in the table", [](Definition& d) { d.controls[0].properties[0].opcode = 0x02; }},
      {"opcode not stored", [](Definition& d) { d.window.properties.insert(d.window.properties.begin(), {0x01, std::u16string(u"x")}); }},
      {"opcodes not rising", [](Definition& d) { std::swap(d.controls[0].properties[1], d.controls[0].properties[2]); }},
      {"value of the wrong encoding", [](Definition& d) { d.controls[1].properties[0].value = std::int16_t{1}; }},
      {"text not in code page 932", [](Definition& d) { d.controls[0].properties[0].value = std::u16string(u"\u00e9\U0001F600"); }},
      {"entries without HasSubmenu", [](Definition& d) { d.menus[0].record.properties.pop_back(); }},
      {"a name with a blank", [](Definition& d) { d.controls[0].name = "a b"; }},
      {"an empty name", [](Definition& d) { d.controls[1].name.clear(); }},
      {"too many records", [](Definition& d) { d.controls.resize(251, d.controls[1]); }},
  };
  for (const Case& c : cases) {
    Definition d = sample::tiny_definition();
    c.edit(d);
    EXPECT_THROW(write_definition(d), std::invalid_argument) << c.what;
  }
}
