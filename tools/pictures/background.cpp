#include "tools/pictures/background.h"

#include <algorithm>
#include <array>
#include <map>
#include <stdexcept>

#include "runtime/pictures/writer.h"
#include "tools/pictures/canvas.h"

namespace draw {
namespace {

using rt::pictures::Rgb;

// Integer arithmetic only, so the picture is the same on every machine.
std::uint32_t hash(std::uint32_t a, std::uint32_t b) {
  std::uint32_t h = a * 0x9E3779B9u ^ (b + 0x7F4A7C15u) * 0x85EBCA6Bu;
  h ^= h >> 16;
  h *= 0x7FEB352Du;
  h ^= h >> 15;
  h *= 0x846CA68Bu;
  h ^= h >> 16;
  return h;
}

constexpr int levels = 24;
constexpr int base_level = 7;  // the wood's own colour, (240,184,120)
constexpr int sub = 16;        // profile steps per pixel

// 24 tones from light to dark through the base colour.
rt::pictures::Palette wood_palette() {
  constexpr Rgb light{254, 206, 134}, base{240, 184, 120}, dark{232, 162, 98};
  auto mix = [](Rgb a, Rgb b, int t, int n) {
    auto m = [&](int p, int q) { return static_cast<std::uint8_t>(p + (q - p) * t / n); };
    return Rgb{m(a.r, b.r), m(a.g, b.g), m(a.b, b.b)};
  };
  rt::pictures::Palette palette(256, Rgb{0, 0, 0});
  for (int i = 0; i < levels; ++i)
    palette[static_cast<std::size_t>(i)] =
        i <= base_level ? mix(light, base, i, base_level) : mix(base, dark, i - base_level, levels - 1 - base_level);
  return palette;
}

// A smooth curve through random points every 30 pixels, periodic across the
// grain period; values in 1/16 pixel, within +-amplitude pixels.
int periodic_curve(int x, std::uint32_t seed, int amplitude) {
  constexpr int step = 30, points = grain_period / step;
  const int k = x % grain_period / step, t = x % step;
  auto point = [&](int i) {
    return static_cast<int>(hash(seed, static_cast<std::uint32_t>(i % points)) % (2 * amplitude * sub + 1)) -
           amplitude * sub;
  };
  const int a = point(k), b = point(k + 1);
  const int s = t * t * (3 * step - 2 * t);  // smoothstep, scaled by step^3
  return a + (b - a) * s / (step * step * step);
}

// Darkness along the direction across the grain: growth rings of varying
// width, each ending in a dark line, some with a light streak inside.
std::vector<int> ring_profile(int length_px) {
  std::vector<int> profile(static_cast<std::size_t>(length_px) * sub, base_level);
  int start = 0;
  for (std::uint32_t ring = 0; start < length_px * sub; ++ring) {
    const int width = (10 + static_cast<int>(hash(1, ring) % 25)) * sub;
    const int dark = 12 + static_cast<int>(hash(2, ring) % 14);  // the darkest are clamped
    const bool streak = hash(3, ring) % 3 == 0;
    const int light = base_level - 1 - static_cast<int>(hash(4, ring) % base_level);
    for (int p = 0; p < width && start + p < length_px * sub; ++p) {
      const int to_end = width - p;
      int level = base_level;
      if (to_end <= 3 * sub / 2) level = dark;
      else if (to_end <= 3 * sub) level = base_level + (dark - base_level) / 2;
      else if (to_end <= 5 * sub) level = base_level + 2;
      else if (streak && p >= width * 2 / 5 && p < width * 2 / 5 + 2 * sub) level = light;
      profile[static_cast<std::size_t>(start + p)] = level;
    }
    start += width;
  }
  return profile;
}

}  // namespace

std::vector<std::uint8_t> draw_background() {
  constexpr int margin = 16;  // room for the curves' sway
  const std::vector<int> profile = ring_profile(background_height + 2 * margin);
  Canvas canvas(background_width, background_height, base_level);
  for (int x = 0; x < background_width; ++x) {
    // Two sway curves mixed down the picture, so the lines drift apart a little.
    const int upper = periodic_curve(x, 11, 6), lower = periodic_curve(x, 12, 6);
    const int fade = 13 + periodic_curve(x, 13, 3) / sub;  // of 16: lines fade in and out across
    for (int y = 0; y < background_height; ++y) {
      const int sway = upper + (lower - upper) * y / background_height;
      const int u = (y + margin) * sub + sway;
      int level = base_level + (profile[static_cast<std::size_t>(u)] - base_level) * std::min(fade, 16) / 16;
      // Small flecks: each repeat of the pattern differs a little.
      const std::uint32_t h = hash(static_cast<std::uint32_t>(x), static_cast<std::uint32_t>(y) + 5000);
      if (h % 16 == 0) level += static_cast<int>(h >> 8) % 3 - 1;
      canvas.set(x, y, static_cast<std::uint8_t>(std::clamp(level, 0, levels - 1)));
    }
  }

  std::map<int, int> used;
  for (int y = 0; y < background_height; ++y)
    for (int x = 0; x < background_width; ++x) ++used[canvas.get(x, y)];
  if (used.size() != levels) throw std::runtime_error("background: " + std::to_string(used.size()) + " tones used");
  for (const auto& [level, count] : used)
    if (count > used[base_level]) throw std::runtime_error("background: the base tone is not the commonest");
  return rt::pictures::write_bmp(canvas.picture(8, wood_palette()));
}

}  // namespace draw
