#pragma once
// The window's background: light-orange wood with the grain running across.

#include <cstdint>
#include <vector>

namespace draw {

inline constexpr int background_width = 1024, background_height = 768;
inline constexpr int grain_period = 180;  // the pattern repeats this often across

std::vector<std::uint8_t> draw_background();

}  // namespace draw
