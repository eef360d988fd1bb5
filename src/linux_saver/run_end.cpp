#include "linux_saver/run_end.h"

#include <cstdlib>
#include <initializer_list>

namespace zv::linux_saver {

int ExitStatus(RunEnd end) {
  switch (end) {
    case RunEnd::Ended: return 0;
    case RunEnd::OutputGone: return 3;
    case RunEnd::Failed: break;
  }
  return 1;
}

RunEnd EndOfStatus(int status) {
  for (RunEnd end : {RunEnd::Ended, RunEnd::OutputGone})
    if (status == ExitStatus(end)) return end;
  return RunEnd::Failed;
}

void EndProcess(RunEnd end) { std::exit(ExitStatus(end)); }

}  // namespace zv::linux_saver
