#include "report/unhandled_error.h"

#include <new>

namespace zv {
namespace {

RuntimeError AsRuntimeError() {
  try {
    throw;
  } catch (const RuntimeError& error) {
    return error;
  } catch (const std::bad_alloc&) {
    return RuntimeError(ErrorNumber::OutOfMemory);
  } catch (...) {
    return RuntimeError(ErrorNumber::InternalError);
  }
}

}  // namespace

void ReportUnhandledAndEnd(platform::Process& process, const platform::SaverWindow* owner) {
  try {
    process.ReportRuntimeError(AsRuntimeError(), owner);
  } catch (...) {
    // With no memory left even for the report's text, ending is all that is left to do.
  }
  process.End();
}

}  // namespace zv
