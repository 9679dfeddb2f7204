// A stored definition that cannot be read stops the program with a clear
// message and a failing exit status.
#include <gtest/gtest.h>

#include <vector>

#include "app/run_page.h"
#include "page/stored_definition.h"
#include "tests/runtime/forms/message_box.h"

namespace {

TEST(RunPage, UnreadableDefinitionIsReportedAndFails) {
  const rt::definition::Bytes real = page::stored_definition();
  const std::vector<std::uint8_t> signature_only{0xFF, 0xCC};
  const rt::definition::Bytes cases[] = {
      rt::definition::Bytes(signature_only),
      real.first(real.size() / 2),  // cut short inside the pictures
  };
  for (const rt::definition::Bytes block : cases) {
    int status = 0;
    const QString shown = forms_test::answer_message_box([&] { status = app::run_page(block); });
    EXPECT_EQ(status, 1);
    EXPECT_TRUE(shown.startsWith(QStringLiteral("保存されたウィンドウの定義を読めません："))) << shown.toStdString();
  }
}

}  // namespace
