#include "tools/pictures/panel_text.h"

#include <gtest/gtest.h>

#include <sstream>
#include <stdexcept>
#include <string>

namespace {

std::vector<draw::PanelText> read(const std::string& text) {
  std::istringstream in(text);
  return draw::read_panel_texts(in);
}

}  // namespace

TEST(PanelTexts, PanelsLinesRedRunsAndTabStops) {
  const auto panels = read(
      "# notes\n"
      "[one]\n"
      "@tabs 8 72\n"
      "a{红}b\n"
      "\n"
      "\tc\n"
      "\n"
      "\n"
      "[two]\n"
      "x\n");
  ASSERT_EQ(panels.size(), 2u);
  const draw::PanelText& one = panels[0];
  EXPECT_EQ(one.name, "one");
  EXPECT_EQ(one.tabs, (std::vector<int>{8, 72}));
  ASSERT_EQ(one.lines.size(), 3u) << "a blank line inside a panel is a line; those at its end are not";
  ASSERT_EQ(one.lines[0].size(), 3u);
  EXPECT_EQ(one.lines[0][0].text, U"a");
  EXPECT_FALSE(one.lines[0][0].red);
  EXPECT_EQ(one.lines[0][1].text, U"红");
  EXPECT_TRUE(one.lines[0][1].red);
  EXPECT_EQ(one.lines[0][2].text, U"b");
  EXPECT_EQ(one.lines[1][0].text, U"");
  EXPECT_EQ(one.lines[2][0].text, U"\tc");
  EXPECT_EQ(panels[1].lines.size(), 1u);
}

TEST(PanelTexts, MalformedFilesNameTheirLine) {
  struct Case {
    const char* text;
    const char* reason;
  };
  const Case cases[] = {
      {"[p]\na}b\n", "line 2: unbalanced"},
      {"[p]\na{b{c}\n", "line 2: unbalanced"},
      {"[p]\nok\na{b\n", "line 3: red run not closed"},
      {"text\n[p]\n", "line 1: text before the first panel"},
      {"[p\n", "line 1: bad header"},
      {"[p]\n\xE3\x81\n", "malformed UTF-8"},
  };
  for (const Case& c : cases) {
    try {
      read(c.text);
      ADD_FAILURE() << "accepted: " << c.text;
    } catch (const std::runtime_error& e) {
      EXPECT_NE(std::string(e.what()).find(c.reason), std::string::npos) << e.what();
    }
  }
}
