#pragma once
// The one run-time error of the stand-in runtime: a platform error number and
// a message in the interface's language, Japanese: a short sentence for the
// number, then what it concerns (a path, a name). Procedures have no
// handlers of their own, so an error simply propagates as an exception until
// the event dispatcher shows it.

#include <cstdint>
#include <stdexcept>
#include <string>

namespace rt {

// The platform's error numbers for the failures this runtime can raise.
enum class ErrorNumber : std::int32_t {
  InvalidProcedureCall = 5,
  Overflow = 6,
  OutOfMemory = 7,
  DivisionByZero = 11,
  TypeMismatch = 13,
  FileNotFound = 53,
  DeviceUnavailable = 68,
  PermissionDenied = 70,
  PathNotFound = 76,
  InvalidPropertyValue = 380,
  PropertyNotFound = 438,  // object doesn't support this property or method
};

class RuntimeError : public std::runtime_error {
 public:
  RuntimeError(ErrorNumber number, const std::string& message)
      : std::runtime_error(message), number_(number) {}

  ErrorNumber number() const noexcept { return number_; }
  std::int32_t code() const noexcept { return static_cast<std::int32_t>(number_); }

 private:
  ErrorNumber number_;
};

// The sentence for each number, in UTF-8.
const char* default_message(ErrorNumber number) noexcept;

[[noreturn]] void raise(ErrorNumber number);
// The detail, in UTF-8, follows the sentence after a colon.
[[noreturn]] void raise(ErrorNumber number, const std::string& detail);

}  // namespace rt
