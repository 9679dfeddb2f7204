// The play buttons: each speaks its sentence, a pause after every syllable,
// and the third line a longer silence at its comma.
#include <QPushButton>

#include "runtime/core/error.h"
#include "tests/page/page_fixture.h"
#include "tests/runtime/forms/message_box.h"

namespace page_test {
namespace {

// Silence after each played syllable: from the end of its recording to the
// next call (the next syllable, or the end of the record).
std::vector<std::uint64_t> silences(const test_support::FakePlatform& fake) {
  const auto sounds = fake.calls_of(CallKind::SndPlaySound);
  std::vector<std::uint64_t> result;
  for (size_t i = 0; i < sounds.size(); ++i) {
    const std::uint64_t ended = sounds[i].at_ms + kPlayingMs;
    const std::uint64_t next = i + 1 < sounds.size() ? sounds[i + 1].at_ms : fake.now_ms();
    result.push_back(next - ended);
  }
  return result;
}

TEST_F(PageTest, EachButtonSpeaksItsSentence) {
  load_and_show();
  struct Case {
    const char* button;
    std::vector<std::string> syllables;
  };
  const Case cases[] = {
      {"cmd001", paths({"ni2", "hao3"})},
      {"cmd002", paths({"ni2", "hao3"})},
      {"cmd003", paths(kLine3)},
      {"cmd004", paths({"wo3", "jiao4", "song1", "ben3"})},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.button);
    fake().clear_calls();
    QTest::mouseClick(&widget_at<QPushButton>(centre_of(c.button)), Qt::LeftButton);
    EXPECT_EQ(played(), c.syllables);
    const std::vector<std::uint64_t> gaps = silences(fake());
    for (size_t i = 0; i < gaps.size(); ++i) {
      const bool comma = std::string(c.button) == "cmd003" && i == kLine3Comma;
      EXPECT_EQ(gaps[i], comma ? 700u : 100u) << i;
    }
  }
}

TEST_F(PageTest, CommaOfTheThirdLineHoldsTwiceThePausePlus500) {
  load_and_show();
  for (const std::int32_t pause : {50, 100, 1000}) {
    SCOPED_TRACE(pause);
    basMain::PauseMs = pause;
    fake().clear_calls();
    page.cmd003_Click();
    const std::vector<std::uint64_t> gaps = silences(fake());
    ASSERT_EQ(gaps.size(), kLine3.size());
    EXPECT_EQ(gaps[kLine3Comma], static_cast<std::uint64_t>(2 * pause + 500));
    // The extra wait follows the pause of "zhong1", never replaces it.
    const auto waits = fake().calls_of(CallKind::SleepEx);
    ASSERT_EQ(waits.size(), kLine3.size() + 1);
    EXPECT_EQ(waits[kLine3Comma].number, static_cast<std::uint32_t>(pause));
    EXPECT_EQ(waits[kLine3Comma + 1].number, static_cast<std::uint32_t>(pause + 500));
    EXPECT_EQ(waits[kLine3Comma + 1].data, 1);  // alertable
  }
}

TEST_F(PageTest, PauseTooLargeForTheCommaWaitRaisesOverflowAfterTheFirstSentence) {
  load_and_show();
  basMain::PauseMs = 2147483148;
  const QString shown = forms_test::answer_message_box(
      [&] { QTest::mouseClick(&widget_at<QPushButton>(centre_of("cmd003")), Qt::LeftButton); });
  EXPECT_TRUE(shown.contains(QStringLiteral("'6'"))) << shown.toStdString();
  const std::vector<std::string> first_sentence(kLine3.begin(), kLine3.begin() + kLine3Comma + 1);
  EXPECT_EQ(played(), paths(first_sentence));
  EXPECT_EQ(fake().calls_of(CallKind::SleepEx).size(), first_sentence.size());
  // The page keeps running.
  basMain::PauseMs = 2147483147;
  fake().clear_calls();
  page.cmd003_Click();
  EXPECT_EQ(played().size(), kLine3.size());
}

}  // namespace
}  // namespace page_test
