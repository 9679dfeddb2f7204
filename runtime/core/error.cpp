#include "runtime/core/error.h"

namespace rt {

const char* default_message(ErrorNumber number) noexcept {
  switch (number) {
    case ErrorNumber::InvalidProcedureCall: return "Invalid procedure call or argument";
    case ErrorNumber::Overflow: return "Overflow";
    case ErrorNumber::OutOfMemory: return "Out of memory";
    case ErrorNumber::DivisionByZero: return "Division by zero";
    case ErrorNumber::TypeMismatch: return "Type mismatch";
    case ErrorNumber::FileNotFound: return "File not found";
    case ErrorNumber::DeviceUnavailable: return "Device unavailable";
    case ErrorNumber::PermissionDenied: return "Permission denied";
    case ErrorNumber::PathNotFound: return "Path not found";
    case ErrorNumber::InvalidPropertyValue: return "Invalid property value";
    case ErrorNumber::PropertyNotFound: return "Object doesn't support this property or method";
  }
  return "Application-defined or object-defined error";
}

void raise(ErrorNumber number) { throw RuntimeError(number, default_message(number)); }

void raise(ErrorNumber number, const std::string& detail) {
  throw RuntimeError(number, std::string(default_message(number)) + ": " + detail);
}

}  // namespace rt
