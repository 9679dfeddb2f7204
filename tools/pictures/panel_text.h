#pragma once
// The panels' notes as written in their data file: per panel its tab stops
// and its lines, each line a sequence of black and red runs.

#include <istream>
#include <string>
#include <vector>

namespace draw {

struct Run {
  std::u32string text;  // may hold tabs
  bool red = false;
};

struct PanelText {
  std::string name;
  std::vector<int> tabs;
  std::vector<std::vector<Run>> lines;
};

// Throws std::runtime_error naming the line of a malformed file.
std::vector<PanelText> read_panel_texts(std::istream& in);

}  // namespace draw
