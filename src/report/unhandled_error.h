#pragma once
#include "platform/process.h"

namespace zv {

// Reports the exception being handled, which nothing in the program handled, the way the
// platform reports an unhandled run-time error, then ends the process. Call it only inside a
// catch block. A run-time error names itself; running out of memory is reported as error 7,
// Out of memory, and any other exception as error 51, Internal error. The process ends even
// when the report itself cannot be shown. The report belongs to `owner` when one is given.
void ReportUnhandledAndEnd(platform::Process& process, const platform::SaverWindow* owner = nullptr);

}  // namespace zv
