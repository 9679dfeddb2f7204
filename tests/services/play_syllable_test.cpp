#include "tests/services/services_fixture.h"

namespace services_tests {
namespace {

using Syllable = Services;

TEST_F(Syllable, PlaysThenPausesForTheCurrentPause) {
  fake().set_sound("..\\pnn\\ni2.pnn", 1, 400);
  EXPECT_EQ(basMain::PlaySyllable(u"ni2"), std::optional<std::int32_t>(1));

  ASSERT_EQ(kinds(), (std::vector<CallKind>{CallKind::SndPlaySound, CallKind::SleepEx}));
  const PlatformCall& play = fake().calls()[0];
  const PlatformCall& pause = fake().calls()[1];
  EXPECT_EQ(play.ansi, "..\\pnn\\ni2.pnn");
  EXPECT_EQ(play.number, 2u);
  EXPECT_EQ(pause.number, 100u);
  EXPECT_EQ(pause.data, 1);
  EXPECT_EQ(pause.at_ms, 400u);  // after the whole recording
  EXPECT_EQ(fake().now_ms(), 500u);
}

TEST_F(Syllable, NamesFormPathsUnchanged) {
  struct Case {
    std::u16string name;
    std::string path;
  };
  const Case cases[] = {
      {u"", "..\\pnn\\.pnn"},
      {u"NI2", "..\\pnn\\NI2.pnn"},
      {u" me0 ", "..\\pnn\\ me0 .pnn"},
      {u"に2", "..\\pnn\\\x82\xC9" "2.pnn"},  // handed over in code page 932
  };
  for (const Case& c : cases) {
    fake().clear_calls();
    EXPECT_EQ(basMain::PlaySyllable(c.name), std::optional<std::int32_t>(0));
    ASSERT_EQ(kinds(), (std::vector<CallKind>{CallKind::SndPlaySound, CallKind::SleepEx}));
    EXPECT_EQ(fake().calls()[0].ansi, c.path);
  }
}

TEST_F(Syllable, EveryAttemptIsFollowedByThePause) {
  // A missing file: the call answers 0 at once, the result holds 0.
  EXPECT_EQ(basMain::PlaySyllable(u"xx9"), std::optional<std::int32_t>(0));
  EXPECT_EQ(fake().calls_of(CallKind::SleepEx).at(0).at_ms, 0u);

  // The play step fails: no result, and still the pause.
  fake().raise_on(CallKind::SndPlaySound, rt::ErrorNumber::FileNotFound);
  EXPECT_EQ(basMain::PlaySyllable(u"ni2"), std::nullopt);
  // A name code page 932 cannot hold fails the play step before the call.
  EXPECT_EQ(basMain::PlaySyllable(u"你3"), std::nullopt);

  EXPECT_EQ(kinds(), (std::vector<CallKind>{CallKind::SndPlaySound, CallKind::SleepEx, CallKind::SndPlaySound,
                                            CallKind::SleepEx, CallKind::SleepEx}));
}

TEST_F(Syllable, AFailingPauseIsSwallowedToo) {
  fake().set_sound("..\\pnn\\hao3.pnn", 1, 300);
  fake().raise_on(CallKind::SleepEx, rt::ErrorNumber::InvalidProcedureCall);
  EXPECT_EQ(basMain::PlaySyllable(u"hao3"), std::optional<std::int32_t>(1));
}

TEST_F(Syllable, ThePauseIsReadAfterThePlay) {
  fake().set_sound("..\\pnn\\wo3.pnn", 1, 300);
  basMain::PlaySyllable(u"wo3");
  basMain::PauseMs = 1000;
  basMain::PlaySyllable(u"wo3");
  // A change made while the recording plays counts for this very pause.
  rt::set_blocking_hook([] { basMain::PauseMs = 50; });
  basMain::PlaySyllable(u"wo3");

  const std::vector<PlatformCall> pauses = fake().calls_of(CallKind::SleepEx);
  ASSERT_EQ(pauses.size(), 3u);
  EXPECT_EQ(pauses[0].number, 100u);
  EXPECT_EQ(pauses[1].number, 1000u);
  EXPECT_EQ(pauses[2].number, 50u);
}

}  // namespace
}  // namespace services_tests
