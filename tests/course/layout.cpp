#include "tests/course/layout.h"

#include <stdexcept>
#include <string>

namespace course_test::layout {

const Card& card(std::string_view name) {
  for (const auto& c : kCards)
    if (c.name == name) return c;
  throw std::invalid_argument("no card " + std::string(name));
}

}  // namespace course_test::layout
