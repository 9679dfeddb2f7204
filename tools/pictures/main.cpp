// Draws the page's 22 pictures into a folder. The same inputs give the same
// bytes on every run: no clock, no randomness, integer drawing only.
//
//   draw_pictures OUTPUT_FOLDER PANEL_TEXTS JAPANESE_FONT CHINESE_FONT

#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tools/pictures/background.h"
#include "tools/pictures/cards.h"
#include "tools/pictures/icons.h"
#include "tools/pictures/panels.h"

namespace {

void save(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path.string());
}

void draw_all(const std::filesystem::path& dir, const std::string& texts_path, const std::string& japanese_path,
              const std::string& chinese_path) {
  draw::Font japanese(japanese_path);
  draw::Font chinese(chinese_path);
  std::ifstream texts_file(texts_path);
  if (!texts_file) throw std::runtime_error("cannot read " + texts_path);
  const std::vector<draw::PanelText> texts = draw::read_panel_texts(texts_file);

  std::filesystem::create_directories(dir);
  save(dir / "form_background.bmp", draw::draw_background());
  save(dir / "form_icon.ico", draw::draw_window_icon());
  save(dir / "play_button.bmp", draw::draw_play_button());
  save(dir / "card_pointer.ico", draw::draw_pointer_icon());
  for (const draw::CardSpec& card : draw::card_specs)
    save(dir / (std::string("card_") + card.syllable + ".bmp"), draw::draw_card(chinese, card));
  for (const draw::PanelSpec& panel : draw::panel_specs) {
    const draw::PanelText* text = nullptr;
    for (const draw::PanelText& t : texts)
      if (t.name == panel.name) text = &t;
    if (text == nullptr) throw std::runtime_error(std::string("no text for panel ") + panel.name);
    save(dir / (std::string("panel_") + panel.name + ".bmp"), draw::draw_panel(japanese, chinese, panel, *text));
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 5) {
    std::fprintf(stderr, "usage: %s OUTPUT_FOLDER PANEL_TEXTS JAPANESE_FONT CHINESE_FONT\n", argv[0]);
    return 2;
  }
  try {
    draw_all(argv[1], argv[2], argv[3], argv[4]);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "draw_pictures: %s\n", e.what());
    return 1;
  }
  return 0;
}
