#include "tests/course/page_test.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>

namespace course_test {

void LivePageTest::start_page(const std::filesystem::path& program, const std::filesystem::path& cwd,
                          const std::filesystem::path& scratch, bool as_nobody) {
  page_ = std::make_unique<PageSession>(
      display_, PageStart{.program = program, .cwd = cwd, .capture = scratch / "sound.raw", .as_nobody = as_nobody});
  ASSERT_TRUE(page_->started());
}

void LivePageTest::start_page(const CourseFolder& course, bool as_nobody) {
  start_page(course.program(), course.scratch(), course.scratch(), as_nobody);
}

rt::pictures::Pixels page_picture(const std::string& file) {
  std::ifstream in(std::filesystem::path(C01_PAGE_PICTURES) / file, std::ios::binary);
  const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  return rt::pictures::decode(bytes);
}

double shown_share(const Screenshot& shot, Point at, const rt::pictures::Pixels& picture) {
  long same = 0;
  for (int y = 0; y < picture.height; ++y) {
    for (int x = 0; x < picture.width; ++x) {
      const std::uint32_t p = picture.at(x, y);
      const Rgb expected{static_cast<std::uint8_t>(p >> 16), static_cast<std::uint8_t>(p >> 8),
                         static_cast<std::uint8_t>(p)};
      if (shot.at(at.x + x, at.y + y) == expected) ++same;
    }
  }
  return static_cast<double>(same) / (static_cast<double>(picture.width) * picture.height);
}

namespace {

struct Panel {
  const char* picture;
  int frame_height;  // pixels: the picture's height + 13
};

// In the chooser's order.
constexpr Panel kPanels[kPanelCount]{
    {"panel_imgK1.bmp", 158},
    {"panel_imgK2.bmp", 220},
    {"panel_imgKword.bmp", 199},
    {"panel_imgKZ.bmp", 324},
};

// Right of every panel picture, inside the frame.
constexpr int kFrameProbeX = 960;
constexpr Rgb kWhite{255, 255, 255};

}  // namespace

bool panel_shown(const PageSession& page, const Screenshot& shot, std::size_t entry) {
  const Panel& panel = kPanels[entry];
  const int bottom = layout::kPanelFrame.y + panel.frame_height;  // first row below the frame
  return shown_share(shot, page.to_screen(Point{layout::kFirstPanel.x, layout::kFirstPanel.y}),
                     page_picture(panel.picture)) == 1.0 &&
         page.pixel(shot, {kFrameProbeX, bottom - 3}) == kWhite &&
         page.pixel(shot, {kFrameProbeX, bottom + 2}) != kWhite;
}

namespace {

// A silence is never shorter than its pause, give or take the device's
// periods and pace; it is longer by the page's own work between two sounds,
// which a sanitizer build makes slower.
bool silence_matches(double measured, double expected) {
  const double periods = 2 * kDevicePeriodMs;
  return measured >= expected * 0.97 - periods && measured <= expected * 1.03 + periods + C01_PAGE_WORK_MS;
}

}  // namespace

bool silences_match(const std::vector<double>& measured, const std::vector<double>& expected) {
  if (measured.size() != expected.size()) return false;
  for (std::size_t i = 0; i < expected.size(); ++i)
    if (!silence_matches(measured[i], expected[i])) return false;
  return true;
}

void expect_silences(const std::vector<double>& measured, const std::vector<double>& expected) {
  ASSERT_EQ(measured.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i)
    EXPECT_TRUE(silence_matches(measured[i], expected[i]))
        << "silence " << i << ": " << measured[i] << " ms, expected " << expected[i] << " ms";
}

void LivePageTest::expect_played(const std::function<void()>& action, const std::vector<std::string>& names,
                                 const std::vector<double>& silences, std::chrono::milliseconds quiet) {
  std::vector<double> measured;
  for (int run = 0; run < 3; ++run) {
    const auto first = static_cast<long>(page().heard_count());
    action();
    const auto heard = page().listen(static_cast<std::size_t>(first) + names.size(), std::chrono::seconds(30), quiet);
    const auto all_names = heard.names();
    ASSERT_EQ(std::vector<std::string>(all_names.begin() + std::min(first, static_cast<long>(all_names.size())),
                                       all_names.end()),
              names);
    const auto all_silences = heard.silences_ms();
    measured.assign(all_silences.begin() + first, all_silences.end());
    if (silences_match(measured, silences)) return;
  }
  expect_silences(measured, silences);
}

}  // namespace course_test
