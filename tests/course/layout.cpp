#include "tests/course/layout.h"

#include <stdexcept>
#include <string>
#include <variant>

#include "page/stored_definition.h"
#include "runtime/core/cp932.h"
#include "runtime/definition/reader.h"

namespace course_test::layout {

const Card& card(std::string_view name) {
  for (const auto& c : kCards)
    if (c.name == name) return c;
  throw std::invalid_argument("no card " + std::string(name));
}

std::string plays(std::string_view card) {
  static const rt::definition::Definition stored = rt::definition::read_definition(page::stored_definition());
  for (const rt::definition::Record& record : stored.controls) {
    if (record.name != card) continue;
    const rt::definition::Value* tooltip = record.find("ToolTipText");
    if (tooltip == nullptr) break;
    return rt::to_utf8(std::get<std::u16string>(*tooltip));
  }
  throw std::invalid_argument("no card with a tooltip " + std::string(card));
}

}  // namespace course_test::layout
