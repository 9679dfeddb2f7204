#include "tests/course/page_test.h"

#include <cmath>

namespace course_test {

void PageTest::start_page(const std::filesystem::path& program, const std::filesystem::path& cwd,
                          const std::filesystem::path& scratch, bool as_nobody) {
  page_ = std::make_unique<PageSession>(
      display_, PageStart{.program = program, .cwd = cwd, .capture = scratch / "sound.raw", .as_nobody = as_nobody});
  ASSERT_TRUE(page_->started());
}

void PageTest::start_page(const CourseFolder& course, bool as_nobody) {
  start_page(course.program(), course.scratch(), course.scratch(), as_nobody);
}

void expect_silences(const std::vector<double>& measured, const std::vector<double>& expected) {
  ASSERT_EQ(measured.size(), expected.size());
  const double slack = 2 * kDevicePeriodMs + 10;
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_GE(measured[i], expected[i] * 0.98 - slack) << "silence " << i;
    EXPECT_LE(measured[i], expected[i] * 1.02 + slack) << "silence " << i;
  }
}

}  // namespace course_test
