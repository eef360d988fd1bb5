// The page's saver run: the core on the web shell, in one instance of the WebAssembly module.
// Its load sequence runs the whole run, its main loop handing the browser its thread at every
// yield, and the process's end stops the instance.
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
