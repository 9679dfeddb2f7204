#include "tests/course/page_test.h"

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

void expect_silences(const std::vector<double>& measured, const std::vector<double>& expected) {
  ASSERT_EQ(measured.size(), expected.size());
  const double slack = 2 * kDevicePeriodMs + 10;
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_GE(measured[i], expected[i] * 0.97 - slack) << "silence " << i;
    EXPECT_LE(measured[i], expected[i] * 1.03 + slack) << "silence " << i;
  }
}

}  // namespace course_test
