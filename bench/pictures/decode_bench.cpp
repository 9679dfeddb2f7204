// Decoding the page's pictures: the 8-bit background, a 4-bit panel, a
// 1-bit card and the 24-bit play button.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "runtime/pictures/pixels.h"

namespace {

std::vector<std::uint8_t> read_picture(const std::string& name) {
  std::ifstream in(std::string(PICTURES_DIR) + "/" + name, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void decode_picture(benchmark::State& state, const char* name) {
  const auto file = read_picture(name);
  std::int64_t pixels = 0;
  for (auto _ : state) {
    const auto decoded = rt::pictures::decode(file);
    benchmark::DoNotOptimize(decoded.argb.data());
    pixels += static_cast<std::int64_t>(decoded.argb.size());
  }
  state.counters["per_pixel"] =
      benchmark::Counter(static_cast<double>(pixels), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

BENCHMARK_CAPTURE(decode_picture, background_8bit, "form_background.bmp")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(decode_picture, panel_4bit, "panel_imgKpinin.bmp")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(decode_picture, card_1bit, "card_zhong1.bmp")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(decode_picture, play_button_24bit, "play_button.bmp")->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
