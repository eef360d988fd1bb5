#include "runtime/run_time_error.h"

namespace zv {

const char* ErrorName(ErrorNumber number) {
  switch (number) {
    case ErrorNumber::Overflow: return "Overflow";
    case ErrorNumber::OutOfMemory: return "Out of memory";
    case ErrorNumber::SubscriptOutOfRange: return "Subscript out of range";
    case ErrorNumber::TypeMismatch: return "Type mismatch";
    case ErrorNumber::InternalError: return "Internal error";
  }
  return "Application-defined or object-defined error";
}

RuntimeError::RuntimeError(ErrorNumber number) : std::runtime_error(ErrorName(number)), number_(number) {}

std::string RuntimeError::Report() const {
  return "Run-time error '" + std::to_string(static_cast<int>(number_)) + "':\n\n" + ErrorName(number_);
}

}  // namespace zv
