#include "shells/web/web_process.h"

#include <string>

#include "shells/web/page.h"
#include "version.h"

namespace zv::web {

void WebProcess::ReportRuntimeError(const RuntimeError& error, const platform::SaverWindow*) {
  page::Report(std::string(ZV_APP_TITLE ": run-time error ") + std::to_string(static_cast<int>(error.Number())) + ": " +
               ErrorName(error.Number()));
}

void WebProcess::End() {
  page::Ended();
  for (;;) page::Halt();
}

}  // namespace zv::web
