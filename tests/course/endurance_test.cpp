// Many inputs in a row: clicks made while a line plays are handled after it,
// in their order, one sound at a time, each followed by its pause; and
// memory stays flat over many plays.

#include <string>
#include <vector>

#include "tests/course/page_test.h"
#include "tests/support/dialogue.h"

namespace course_test {
namespace {

using Names = std::vector<std::string>;

// Neighbouring cards differ, so that no two clicks in a row make a double click.
const Names kClickOrder{"Image1", "Image15", "Image8", "Image24", "Image18", "Image6",  "Image20",
                        "Image2", "Image11", "Image26", "Image17", "Image3", "Image19", "Image12"};

// All the clicks in one xdotool run, a learner's tenth of a second apart:
// faster than the page can play them.
void click_all(LivePageTest& test, const Names& cards) {
  std::vector<std::string> args;
  for (const auto& card : cards) {
    const Point p = test.page().to_screen(layout::centre(layout::card(card).rect));
    args.insert(args.end(), {"mousemove", std::to_string(p.x), std::to_string(p.y), "click", "1", "sleep", "0.1"});
  }
  ASSERT_EQ(xdotool(test.display(), args), 0);
}

Names played_by(const Names& cards) {
  Names out;
  for (const auto& card : cards) out.push_back(layout::plays(card));
  return out;
}

TEST_F(LivePageTest, ClicksDuringALineAreHandledAfterItInOrder) {
  CourseFolder course;
  start_page(course);
  Names expected = test_support::kLine3;
  const Names clicked = played_by(kClickOrder);
  expected.insert(expected.end(), clicked.begin(), clicked.end());
  // Every syllable followed by its pause, the comma's wait included: no
  // sound cut short, none laid over another.
  std::vector<double> silences(expected.size() - 1, 100);
  silences[test_support::kLine3Comma] = 700;
  expect_played(
      [&] {
        page().click(layout::centre(layout::kCmd003));
        click_all(*this, kClickOrder);
      },
      expected, silences);
  // Each sound matches its recording exactly: no two ever sounded at once.
  for (const auto& h : page().listen(page().heard_count()).heard) EXPECT_GT(h.match, 0.999) << h.name;
}

TEST_F(LivePageTest, MemoryStaysFlatAcrossManyPlays) {
  CourseFolder course;
  // Freed memory is not held back for checking, so that what is resident is
  // what the page keeps.
  page_ = std::make_unique<PageSession>(
      display_, PageStart{.program = course.program(),
                          .cwd = course.scratch(),
                          .capture = course.scratch() / "sound.raw",
                          .env = {{"ASAN_OPTIONS", "detect_leaks=0:quarantine_size_mb=0"}}});
  ASSERT_TRUE(page().started());

  // Lines 3 and 4 in turn: fourteen plays a round.
  struct Line {
    Rect button;
    std::size_t syllables;
  };
  const Line lines[] = {{layout::kCmd003, 10}, {layout::kCmd004, 4}};
  std::size_t plays = 0;
  auto play_rounds = [&](int rounds) {
    for (int i = 0; i < rounds; ++i) {
      for (const Line& line : lines) {
        page().click(layout::centre(line.button));
        plays += line.syllables;
        ASSERT_EQ(page().listen(plays, std::chrono::seconds(30), std::chrono::milliseconds(200)).heard.size(), plays);
      }
    }
  };
  play_rounds(2);
  const long after_warm_up = page().process().resident_kib();
  const std::size_t warm_up_plays = plays;
  play_rounds(5);
  const long after_rounds = page().process().resident_kib();
  // A recording kept per play would add over ten kilobytes each time.
  EXPECT_LT(after_rounds - after_warm_up, 512) << "KiB after " << plays - warm_up_plays << " more plays";
}

}  // namespace
}  // namespace course_test
