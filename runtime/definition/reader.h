#pragma once
// Reading a stored window definition. The reader checks every rule of the
// format and never reads outside the block; whatever it yields, writing it
// back gives a block that reads to the same description.

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

#include "runtime/definition/model.h"

namespace rt::definition {

// A block that breaks the format: where, and what was expected there.
class DefinitionError : public std::runtime_error {
 public:
  DefinitionError(std::size_t offset, std::string_view expected);
  std::size_t offset() const noexcept { return offset_; }
  const std::string& expected() const noexcept { return expected_; }

 private:
  std::size_t offset_;
  std::string expected_;
};

// The description held by `block`. Pictures are views into `block`, which
// must outlive the result; texts are decoded to UTF-16.
Definition read_definition(Bytes block);

}  // namespace rt::definition
