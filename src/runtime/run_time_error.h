#pragma once
#include <stdexcept>
#include <string>

namespace zv {

// The run-time errors the program can raise. Their numbers and names are the ones the
// platform's report of an unhandled run-time error shows.
enum class ErrorNumber : int { Overflow = 6, SubscriptOutOfRange = 9, TypeMismatch = 13 };

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
