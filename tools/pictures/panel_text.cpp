#include "tools/pictures/panel_text.h"

#include <sstream>
#include <stdexcept>

#include "tools/pictures/utf8.h"

namespace draw {
namespace {

std::vector<Run> parse_runs(const std::u32string& line, int number) {
  std::vector<Run> runs(1);
  for (char32_t c : line) {
    if (c == U'{' || c == U'}') {
      if (runs.back().red == (c == U'{')) throw std::runtime_error("panel texts line " + std::to_string(number) + ": unbalanced braces");
      runs.push_back({{}, c == U'{'});
    } else {
      runs.back().text.push_back(c);
    }
  }
  if (runs.back().red) throw std::runtime_error("panel texts line " + std::to_string(number) + ": red run not closed");
  return runs;
}

}  // namespace

std::vector<PanelText> read_panel_texts(std::istream& in) {
  std::vector<PanelText> panels;
  std::string line;
  for (int number = 1; std::getline(in, line); ++number) {
    if (!line.empty() && line[0] == '#') continue;
    if (!line.empty() && line[0] == '[') {
      if (line.back() != ']') throw std::runtime_error("panel texts line " + std::to_string(number) + ": bad header");
      panels.push_back({line.substr(1, line.size() - 2), {}, {}});
      continue;
    }
    if (panels.empty()) {
      if (line.empty()) continue;
      throw std::runtime_error("panel texts line " + std::to_string(number) + ": text before the first panel");
    }
    if (line.rfind("@tabs", 0) == 0) {
      std::istringstream stops(line.substr(5));
      for (int x; stops >> x;) panels.back().tabs.push_back(x);
      continue;
    }
    panels.back().lines.push_back(parse_runs(decode_utf8(line), number));
  }
  // Blank lines only separate panels at the end of one; inside a panel they
  // are lines of their own.
  for (PanelText& p : panels)
    while (!p.lines.empty() && p.lines.back().size() == 1 && p.lines.back()[0].text.empty()) p.lines.pop_back();
  return panels;
}

}  // namespace draw
