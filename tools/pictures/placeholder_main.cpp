// Writes blank pictures of the page's exact formats and sizes, so that the
// stored definition can be built before the drawings exist.

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "runtime/pictures/writer.h"

namespace pic = rt::pictures;

namespace {

struct Card {
  const char* syllable;
  int width;
};
constexpr Card cards[] = {
    {"tian2", 24}, {"zhong1", 34}, {"song1", 27}, {"ben3", 20}, {"jiao4", 23}, {"wo3", 20}, {"ni2", 20},
    {"hao3", 20},  {"ni3", 20},    {"shen2", 27}, {"me0", 18},  {"ming2", 26}, {"zi4", 19},
};
struct Panel {
  const char* name;
  int width;
  int height;
};
constexpr Panel panels[] = {
    {"imgK1", 903, 145}, {"imgK2", 893, 207}, {"imgKword", 833, 186}, {"imgKZ", 788, 311}, {"imgKpinin", 870, 311},
};

pic::IndexedPicture blank(int w, int h, int bits, pic::Palette palette, std::uint8_t index) {
  return {w, h, bits, std::move(palette), std::vector<std::uint8_t>(static_cast<size_t>(w) * h, index)};
}

void save(const std::filesystem::path& dir, const std::string& name, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(dir / name, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
    return 2;
  }
  const std::filesystem::path dir = argv[1];
  std::filesystem::create_directories(dir);

  pic::Palette warm(256, pic::Rgb{240, 184, 120});
  save(dir, "form_background.bmp", pic::write_bmp(blank(1024, 768, 8, warm, 0)));
  pic::Palette icon_palette(256, pic::Rgb{0, 0, 0});
  icon_palette[1] = {255, 255, 0};
  pic::IconPicture icon{blank(32, 32, 8, icon_palette, 1), std::vector<bool>(1024, false)};
  save(dir, "form_icon.ico", pic::write_ico(icon));
  save(dir, "play_button.bmp", pic::write_bmp(pic::RgbPicture{24, 22, std::vector<pic::Rgb>(24 * 22, {192, 192, 192})}));
  pic::IconPicture pointer{blank(32, 32, 4, pic::sixteen_colour_palette(), 0), std::vector<bool>(1024, true)};
  save(dir, "card_pointer.ico", pic::write_ico(pointer));
  for (const Card& c : cards)
    save(dir, std::string("card_") + c.syllable + ".bmp",
         pic::write_bmp(blank(c.width, 45, 1, pic::two_colour_palette(), 1)));
  for (const Panel& p : panels)
    save(dir, std::string("panel_") + p.name + ".bmp",
         pic::write_bmp(blank(p.width, p.height, 4, pic::sixteen_colour_palette(), 15)));
  return 0;
}
