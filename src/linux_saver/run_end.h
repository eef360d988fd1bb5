#pragma once

namespace zv::linux_saver {

// How a run of the display mode ends. Its exit status is decided here alone: 0 when input or an
// ending signal ended it, 1 after a failure (told on standard error), 3 when the output it
// covered has gone (the watcher of the outputs lets such a saver go quietly).
enum class RunEnd { Ended, Failed, OutputGone };

int ExitStatus(RunEnd end);
// The end that a saver's exit status tells; a status of no end counts as a failure.
RunEnd EndOfStatus(int status);
// Ends the process with the end's status.
[[noreturn]] void EndProcess(RunEnd end);

}  // namespace zv::linux_saver
