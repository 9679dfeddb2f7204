// The syllable cards: a click plays the card's syllable, then the pause.
#include <QHelpEvent>
#include <QToolTip>

#include "tests/page/page_fixture.h"

namespace page_test {
namespace {

struct Card {
  const char* name;
  const char* syllable;
};

const Card kCards[] = {
    {"Image1", "tian2"},  {"Image2", "zhong1"},  {"Image3", "ni2"},    {"Image4", "hao3"},   {"Image5", "song1"},
    {"Image6", "ben3"},   {"Image7", "ni2"},     {"Image8", "hao3"},   {"Image9", "tian2"},  {"Image10", "zhong1"},
    {"Image11", "wo3"},   {"Image12", "jiao4"},  {"Image13", "tian2"}, {"Image14", "zhong1"}, {"Image15", "ni3"},
    {"Image16", "jiao4"}, {"Image17", "shen2"},  {"Image18", "me0"},   {"Image19", "ming2"},  {"Image20", "zi4"},
    {"Image21", "song1"}, {"Image22", "ben3"},   {"Image23", "wo3"},   {"Image24", "jiao4"},  {"Image25", "song1"},
    {"Image26", "ben3"},
};

TEST_F(PageTest, ClickOnEachCardPlaysItsSyllableThenThePause) {
  load_and_show();
  for (const Card& card : kCards) {
    SCOPED_TRACE(card.name);
    fake().clear_calls();
    click_at(centre_of(card.name));
    const auto& calls = fake().calls();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].kind, CallKind::SndPlaySound);
    EXPECT_EQ(calls[0].ansi, sound_path(card.syllable));
    EXPECT_EQ(calls[0].number, 2u);  // synchronous, no default sound
    EXPECT_EQ(calls[1].kind, CallKind::SleepEx);
    EXPECT_EQ(calls[1].number, 100u);
    EXPECT_EQ(calls[1].at_ms, calls[0].at_ms + kPlayingMs);
  }
}

TEST_F(PageTest, ClickOnPunctuationDividerOrGapPlaysNothing) {
  load_and_show();
  const QPoint places[] = {
      centre_of("Label9"), centre_of("Label12"), centre_of("Label8"), centre_of("Label5"), centre_of("Label13"),
      {128, 62}, {128, 114}, {128, 166}, {128, 218},  // the dividers
      {80, 70},   // between Image1 and Image2
      {132, 120}, // between the divider and Image7
      {300, 60},  // the empty end of line 1, inside the dialogue box
  };
  for (const QPoint& at : places) click_at(at);
  EXPECT_TRUE(fake().calls().empty());
}

TEST_F(PageTest, CardShowsItsSyllableAsTooltipAndTheLoudspeakerPointer) {
  load_and_show();
  QWidget& client = form.client();
  const QPoint at = centre_of("Image2");
  QHelpEvent help(QEvent::ToolTip, at, client.mapToGlobal(at));
  QApplication::sendEvent(&client, &help);
  EXPECT_EQ(QToolTip::text(), QStringLiteral("zhong1"));
  QMouseEvent move(QEvent::MouseMove, QPointF(at), client.mapToGlobal(QPointF(at)), Qt::NoButton, Qt::NoButton,
                   Qt::NoModifier);
  QApplication::sendEvent(&client, &move);
  EXPECT_EQ(client.cursor().shape(), Qt::BitmapCursor);
}

TEST_F(PageTest, NewPauseAppliesFromTheNextClick) {
  load_and_show();
  form.control("vscTime").set("Value", 550);
  fake().clear_calls();
  click_at(centre_of("Image18"));
  ASSERT_EQ(fake().calls_of(CallKind::SleepEx).size(), 1u);
  EXPECT_EQ(fake().calls_of(CallKind::SleepEx)[0].number, 550u);
}

}  // namespace
}  // namespace page_test
