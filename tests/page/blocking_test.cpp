// While a phrase plays, input waits: it is handled after the phrase, in the
// order it was made.
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <QScrollBar>

#include "tests/page/page_fixture.h"

namespace page_test {
namespace {

TEST_F(PageTest, InputDuringAPhraseIsHandledAfterItInOrder) {
  load_and_show();
  auto& bar = widget_at<QScrollBar>(centre_of("vscTime"));
  QCoreApplication::postEvent(&bar, new QKeyEvent(QEvent::KeyPress, Qt::Key_PageDown, Qt::NoModifier));
  post_click(form.client(), centre_of("Image5"));
  post_click(form.client(), centre_of("Image1"));
  QTest::mouseClick(&widget_at<QPushButton>(centre_of("cmd001")), Qt::LeftButton);
  EXPECT_EQ(played(), paths({"ni2", "hao3"}));
  EXPECT_EQ(basMain::PauseMs, 100);
  settle();
  EXPECT_EQ(played(), paths({"ni2", "hao3", "song1", "tian2"}));
  // The phrase kept its pause; the change made meanwhile applies after it.
  std::vector<std::uint32_t> pauses;
  for (const auto& call : fake().calls_of(CallKind::SleepEx)) pauses.push_back(call.number);
  EXPECT_EQ(pauses, (std::vector<std::uint32_t>{100, 100, 150, 150}));
}

TEST_F(PageTest, CloseRequestDuringAPhraseEndsTheProgramAfterIt) {
  load_and_show();
  QCoreApplication::postEvent(&form.window(), new QCloseEvent);
  QTest::mouseClick(&widget_at<QPushButton>(centre_of("cmd004")), Qt::LeftButton);
  EXPECT_FALSE(form.ended());
  settle();
  EXPECT_TRUE(form.ended());
  const auto& calls = fake().calls();
  ASSERT_EQ(calls.size(), 9u);
  EXPECT_EQ(calls[7].kind, CallKind::SleepEx);  // the pause after "ben3"
  EXPECT_EQ(calls[8].kind, CallKind::EndProgram);
}

TEST_F(PageTest, AThousandClicksDuringALongPhraseAreHandledInOrder) {
  load_and_show();
  const char* const cards[] = {"Image5", "Image18", "Image2", "Image20"};
  const char* const syllables[] = {"song1", "me0", "zhong1", "zi4"};
  std::vector<std::string> expected = paths(kLine3);
  for (int i = 0; i < 1000; ++i) {
    post_click(form.client(), centre_of(cards[i % 4]));
    expected.push_back(sound_path(syllables[i % 4]));
  }
  QTest::mouseClick(&widget_at<QPushButton>(centre_of("cmd003")), Qt::LeftButton);
  EXPECT_EQ(played().size(), kLine3.size());
  settle();
  EXPECT_EQ(played(), expected);
}

}  // namespace
}  // namespace page_test
