#pragma once
// Where the page's controls stand in its client area, in pixels, as the
// stored window definition places them, and what the cards' stored
// tooltips name.

#include <array>
#include <string>
#include <string_view>

#include "tests/course/x_session.h"

namespace course_test::layout {

struct Card {
  std::string_view name;
  Rect rect;
};

inline constexpr std::array<Card, 26> kCards{{
    {"Image1", {52, 48, 24, 45}},    {"Image2", {84, 48, 34, 45}},    {"Image3", {136, 48, 20, 45}},
    {"Image4", {164, 48, 20, 45}},   {"Image5", {52, 100, 27, 45}},   {"Image6", {84, 100, 20, 45}},
    {"Image7", {136, 100, 20, 45}},  {"Image8", {164, 100, 20, 45}},  {"Image9", {52, 152, 24, 45}},
    {"Image10", {84, 152, 34, 45}},  {"Image11", {136, 152, 20, 45}}, {"Image12", {164, 152, 23, 45}},
    {"Image13", {196, 152, 24, 45}}, {"Image14", {228, 152, 34, 45}}, {"Image15", {276, 152, 20, 45}},
    {"Image16", {304, 152, 23, 45}}, {"Image17", {332, 152, 27, 45}}, {"Image18", {364, 152, 18, 45}},
    {"Image19", {388, 152, 26, 45}}, {"Image20", {420, 152, 19, 45}}, {"Image21", {52, 204, 27, 45}},
    {"Image22", {84, 204, 20, 45}},  {"Image23", {136, 204, 20, 45}}, {"Image24", {164, 204, 23, 45}},
    {"Image25", {196, 204, 27, 45}}, {"Image26", {228, 204, 20, 45}},
}};

inline constexpr Rect kCmd001{8, 52, 25, 25};
inline constexpr Rect kCmd002{8, 104, 25, 25};
inline constexpr Rect kCmd003{8, 156, 25, 25};
inline constexpr Rect kCmd004{8, 208, 25, 25};
inline constexpr Rect kTitleStrip{0, 0, 1021, 9};
inline constexpr Rect kScrollBar{844, 44, 21, 69};
inline constexpr Rect kTimeLabel{868, 44, 65, 21};
inline constexpr Rect kChooser{84, 268, 133, 24};
inline constexpr Rect kPanelFrame{12, 308, 969, 327};  // its stored height; the page fits it
inline constexpr Rect kFirstPanel{24, 316, 903, 145};

inline constexpr Point centre(Rect r) { return {r.x + r.width / 2, r.y + r.height / 2}; }

const Card& card(std::string_view name);
// The syllable a card's stored tooltip names: what its click must play.
std::string plays(std::string_view card);

}  // namespace course_test::layout
