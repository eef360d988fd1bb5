#include "report/unhandled_error.h"

#include <gtest/gtest.h>

#include <new>
#include <stdexcept>
#include <string>
#include <vector>

#include "shells/headless/headless_platform.h"

namespace zv::platform {
namespace {

using headless::HeadlessProcess;
using headless::ProcessEnded;
using Reports = std::vector<std::string>;

// Throws the fault and hands it to ReportUnhandledAndEnd, as a catch at the top of the program
// or at a window procedure does; the reports the process made.
template <typename Fault>
Reports ReportsOf(HeadlessProcess& process, const Fault& fault) {
  try {
    throw fault;
  } catch (...) {
    EXPECT_THROW(ReportUnhandledAndEnd(process), ProcessEnded);
  }
  EXPECT_TRUE(process.ended);
  return process.errorReports;
}

TEST(ReportUnhandledAndEnd, ARunTimeErrorIsReportedAsItselfOnce) {
  HeadlessProcess process;
  EXPECT_EQ(ReportsOf(process, RuntimeError(ErrorNumber::SubscriptOutOfRange)),
            Reports{"Run-time error '9':\n\nSubscript out of range"});
}

TEST(ReportUnhandledAndEnd, OutOfMemoryIsError7AndAnyOtherFaultError51) {
  HeadlessProcess memory, library, other;
  EXPECT_EQ(ReportsOf(memory, std::bad_alloc()), Reports{"Run-time error '7':\n\nOut of memory"});
  EXPECT_EQ(ReportsOf(library, std::out_of_range("vector")), Reports{"Run-time error '51':\n\nInternal error"});
  EXPECT_EQ(ReportsOf(other, 42), Reports{"Run-time error '51':\n\nInternal error"});
}

TEST(ReportUnhandledAndEnd, TheProcessEndsEvenWhenTheReportCannotBeShown) {
  struct NoMemoryForTheReport : HeadlessProcess {
    void ReportRuntimeError(const RuntimeError&, const SaverWindow*) override { throw std::bad_alloc(); }
  } process;
  EXPECT_TRUE(ReportsOf(process, std::bad_alloc()).empty());
}

}  // namespace
}  // namespace zv::platform
