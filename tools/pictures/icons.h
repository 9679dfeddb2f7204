#pragma once
// The small drawn pictures: the window's icon, the play buttons' loudspeaker
// and the cards' loudspeaker pointer.

#include <cstdint>
#include <vector>

namespace draw {

std::vector<std::uint8_t> draw_window_icon();
std::vector<std::uint8_t> draw_play_button();
std::vector<std::uint8_t> draw_pointer_icon();

// The window icon's mask leaves exactly this many pixels transparent.
inline constexpr int window_icon_transparent = 228;

}  // namespace draw
