// A saver run of the page: the core on the web shell, one instance of the WebAssembly module in
// the run's worker (docs/ARCHITECTURE.md, "The web page").
#include "shells/web/web_platform.h"
#include "startup/md_saver.h"

int main() {
  zv::web::WebPlatform platform;
  // The run ends the process.
  zv::RunSaverProgram(platform);
  return 1;
}
