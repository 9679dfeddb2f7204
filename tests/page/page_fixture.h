#pragma once
// The real page built from its real stored definition, on the recording
// fake platform, driven like a learner drives it.

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <string>
#include <vector>

#include "page/frmC01_001.h"
#include "page/stored_definition.h"
#include "runtime/definition/reader.h"
#include "runtime/forms/form.h"
#include "services/basMain.h"
#include "tests/support/dialogue.h"
#include "tests/support/fake_platform.h"

namespace page_test {

using test_support::CallKind;
using test_support::kLine3;
using test_support::kLine3Comma;

// The page's 13 recordings, each taking this long on the fake clock.
inline constexpr std::uint64_t kPlayingMs = 400;
inline const char* const kSyllables[] = {"ben3", "hao3", "jiao4", "me0", "ming2", "ni2", "ni3",
                                         "shen2", "song1", "tian2", "wo3", "zhong1", "zi4"};

inline std::string sound_path(const std::string& syllable) { return "..\\pnn\\" + syllable + ".pnn"; }

class PageTest : public ::testing::Test {
 protected:
  PageTest() {
    basMain::PauseMs = 0;
    for (const char* syllable : kSyllables) fake().set_sound(sound_path(syllable), 1, kPlayingMs);
  }

  test_support::FakePlatform& fake() { return platform_.fake; }

  // Form_Load, then the window shown and active; the record starts empty.
  void load_and_show() {
    form.load();
    form.show();
    QApplication::setActiveWindow(&form.window());
    fake().clear_calls();
  }

  // The centre of a control, in pixels of the client area.
  QPoint centre_of(std::string_view name) const {
    const rt::forms::Control& control = form.control(name);
    const float left = control.get("Left").to_float(), top = control.get("Top").to_float();
    const float width = control.get("Width").to_float(), height = control.get("Height").to_float();
    return QPoint(static_cast<int>((left + width / 2) / 15), static_cast<int>((top + height / 2) / 15));
  }

  void click_at(QPoint at) { QTest::mouseClick(&form.client(), Qt::LeftButton, Qt::NoModifier, at); }

  // A click that arrives while a handler runs: posted, so the blocking wait picks it up.
  void post_click(QWidget& widget, QPoint at) {
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
      const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
      QCoreApplication::postEvent(&widget, new QMouseEvent(type, QPointF(at), widget.mapToGlobal(QPointF(at)),
                                                           Qt::LeftButton, held, Qt::NoModifier));
    }
  }

  // Until held input has been handled.
  void settle() {
    while (!form.idle()) QCoreApplication::processEvents();
    QCoreApplication::processEvents();
  }

  template <class W>
  W& widget_at(QPoint at) {
    return *qobject_cast<W*>(form.client().childAt(at));
  }

  // The syllables played, in order, from the platform record.
  std::vector<std::string> played() const {
    std::vector<std::string> names;
    for (const auto& call : platform_.fake.calls_of(CallKind::SndPlaySound)) names.push_back(call.ansi);
    return names;
  }

 private:
  test_support::InstalledFakePlatform platform_;

 protected:
  rt::definition::Definition definition = rt::definition::read_definition(page::stored_definition());
  rt::forms::Form form{definition};
  page::frmC01_001 page{form};
};

// Which of the five panel pictures are shown, the unlisted one last.
inline std::vector<bool> panel_visibility(const rt::forms::Form& form) {
  std::vector<bool> shown;
  for (const char* name : {"imgK1", "imgK2", "imgKword", "imgKZ", "imgKpinin"}) {
    shown.push_back(form.control(name).get("Visible").to_bool());
  }
  return shown;
}

inline std::vector<std::string> paths(const std::vector<std::string>& syllables) {
  std::vector<std::string> result;
  for (const std::string& syllable : syllables) result.push_back(sound_path(syllable));
  return result;
}

}  // namespace page_test
