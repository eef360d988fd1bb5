#pragma once
#include <stdexcept>
#include <string>

namespace zv {

// The run-time errors the program can raise. Their numbers and names are the ones the
// platform's report of an unhandled run-time error shows. Out of memory and Internal error are
// what a fault below the program's own checks is reported as (platform/unhandled_error.h).
enum class ErrorNumber : int {
  Overflow = 6,
  OutOfMemory = 7,
  SubscriptOutOfRange = 9,
  TypeMismatch = 13,
  InternalError = 51,
};

class RuntimeError : public std::runtime_error {
 public:
  explicit RuntimeError(ErrorNumber number);
  ErrorNumber Number() const { return number_; }
  // "Run-time error '6':\n\nOverflow"
  std::string Report() const;

 private:
  ErrorNumber number_;
};

const char* ErrorName(ErrorNumber number);

}  // namespace zv
