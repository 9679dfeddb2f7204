// How the panels set their notes: a Chinese word is drawn in one typeface.
#include <gtest/gtest.h>

#include "tools/pictures/panels.h"

namespace {

const draw::PanelSpec kOneLine{"test", 200, 20, 1};

std::vector<std::uint8_t> drawn(draw::Font& japanese, draw::Font& chinese, const std::u32string& line) {
  const draw::PanelText text{"test", {}, {{{U"　", false}, {line, true}}}};
  return draw::draw_panel(japanese, chinese, kOneLine, text);
}

TEST(PanelDrawing, ChineseRunIsSetInTheChineseTypeAlone) {
  draw::Font japanese(C01_JAPANESE_FONT), chinese(C01_CHINESE_FONT);
  // 你 and 好 are in both typefaces, 吗 only in the Chinese one: each word
  // looks as it does when the Chinese type is the only one there is.
  for (const std::u32string word : {U"你好吗", U"你好"}) {
    EXPECT_EQ(drawn(japanese, chinese, word), drawn(chinese, chinese, word));
  }
  // Not in the Japanese type, although it has both characters.
  EXPECT_NE(drawn(japanese, chinese, U"你好"), drawn(japanese, japanese, U"你好"));
}

}  // namespace
