// The syllable cards: a click plays the card's syllable, then the pause.
#include <QHelpEvent>
#include <QToolTip>
#include <string>

#include "runtime/core/cp932.h"
#include "runtime/forms/stored.h"
#include "tests/page/page_fixture.h"

namespace page_test {
namespace {

// The syllable a card's stored tooltip names: what its click must play.
std::string stored_tooltip(const rt::definition::Definition& definition, const std::string& card) {
  for (const rt::definition::Record& record : definition.controls) {
    if (record.name != card) continue;
    const auto* tooltip = rt::forms::stored<std::u16string>(record, "ToolTipText");
    return tooltip != nullptr ? rt::to_utf8(*tooltip) : std::string();
  }
  ADD_FAILURE() << "no card " << card;
  return {};
}

TEST_F(PageTest, ClickOnEachCardPlaysTheSyllableItsStoredTooltipNamesThenThePause) {
  load_and_show();
  for (int number = 1; number <= 26; ++number) {
    const std::string card = "Image" + std::to_string(number);
    SCOPED_TRACE(card);
    const std::string syllable = stored_tooltip(definition, card);
    ASSERT_FALSE(syllable.empty());
    fake().clear_calls();
    click_at(centre_of(card));
    const auto& calls = fake().calls();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].kind, CallKind::SndPlaySound);
    EXPECT_EQ(calls[0].ansi, sound_path(syllable));
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
