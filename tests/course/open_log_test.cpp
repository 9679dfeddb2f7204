// Silences timed by the page's opens of its recordings: each heard sound
// paired with its own open, whatever was opened and not heard in between.

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "tests/course/open_log.h"
#include "tests/support/temp_folder.h"

namespace course_test {
namespace {

constexpr double kSamplesPerMs = 22.05;
constexpr std::int64_t kMs = 1'000'000;

// A sound of `ms` milliseconds; where the capture holds it does not matter
// here, only its length.
Heard heard(const char* name, long ms) { return {name, 0, static_cast<long>(static_cast<double>(ms) * kSamplesPerMs), 1.0}; }

struct Case {
  const char* what;
  std::vector<Heard> heard;
  std::vector<Opened> opens;
  std::vector<double> silences;
};

TEST(SilencesByOpens, PairEachSoundWithTheNextOpenOfItsRecording) {
  const Case cases[] = {
      {"two sounds", {heard("ni2", 200), heard("hao3", 300)}, {{"ni2", 1000 * kMs}, {"hao3", 1300 * kMs}}, {100}},
      {"a broken file opened between them",
       {heard("wo3", 200), heard("tian2", 250)},
       {{"wo3", 0}, {"jiao4", 300 * kMs}, {"tian2", 400 * kMs}},
       {200}},
      {"a missing file, never opened, between them",
       {heard("wo3", 200), heard("tian2", 250)},
       {{"wo3", 0}, {"tian2", 400 * kMs}},
       {200}},
      {"the same syllable twice",
       {heard("jiao4", 200), heard("jiao4", 200), heard("ni3", 100)},
       {{"jiao4", 0}, {"jiao4", 300 * kMs}, {"ni3", 1000 * kMs}},
       {100, 500}},
      {"a broken file of the syllable heard next",
       {heard("wo3", 200), heard("jiao4", 200)},
       {{"wo3", 0}, {"me0", 300 * kMs}, {"jiao4", 400 * kMs}},
       {200}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const auto silences = silences_by_opens(c.heard, c.opens, kSamplesPerMs);
    ASSERT_EQ(silences.size(), c.silences.size());
    for (std::size_t i = 0; i < silences.size(); ++i) EXPECT_NEAR(silences[i], c.silences[i], 0.1) << i;
  }
}

TEST(SilencesByOpens, ASoundWithNoOpenIsAnError) {
  EXPECT_THROW(silences_by_opens({heard("ni2", 200), heard("hao3", 200)}, {{"ni2", 0}}, kSamplesPerMs),
               std::runtime_error);
  // An open before the sound it would pair with is no open of that sound.
  EXPECT_THROW(silences_by_opens({heard("ni2", 200), heard("hao3", 200)}, {{"hao3", 0}, {"ni2", 100 * kMs}},
                                 kSamplesPerMs),
               std::runtime_error);
}

TEST(OpenLog, NamesAreTheFilesStemsInLowerCase) {
  test_support::TempFolder folder;
  const auto log = folder.write("opens.log",
                                "12 ../pnn/ni2.pnn\n"
                                "15 /a b/$(c)/PNN/ZHONG1.PNN\n"
                                "17 /course/pnn/Me0.Pnn\n");
  const auto opens = read_open_log(log);
  ASSERT_EQ(opens.size(), 3u);
  EXPECT_EQ(opens[0].name, "ni2");
  EXPECT_EQ(opens[0].ns, 12);
  EXPECT_EQ(opens[1].name, "zhong1");
  EXPECT_EQ(opens[2].name, "me0");
  EXPECT_TRUE(read_open_log(folder.path() / "none.log").empty());
}

}  // namespace
}  // namespace course_test
