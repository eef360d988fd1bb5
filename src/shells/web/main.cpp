// A saver run of the page: the core on the web shell, one instance of the WebAssembly module in a
// worker of the page. Its load sequence runs the whole run, its main loop handing the worker its
// thread at every yield; at the process's end the run stops for good and the page ends the worker.
#include <exception>

#include "report/unhandled_error.h"
#include "saver/frm_scrn_save.h"
#include "shells/web/run_state.h"
#include "shells/web/web_platform.h"

int main() {
  using namespace zv;
  web::WebPlatform platform;
  // As RunSaverProgram runs it, with the run's state offered to the page's test hook.
  try {
    Globals globals;
    globals.SaverMode = kTrue;
    frmScrnSave saver(platform, globals);
    web::OfferRunState(saver.Engine(), globals, platform);
    saver.Form_Load();
  } catch (const std::exception&) {
    ReportUnhandledAndEnd(platform.GetProcess());
  }
  return 1;
}
