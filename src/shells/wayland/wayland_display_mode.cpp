#include "shells/wayland/wayland_display_mode.h"

#include <signal.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <system_error>
#include <vector>

#include "linux_saver/end_signals.h"
#include "linux_saver/run_end.h"
#include "shells/wayland/wayland_connection.h"
#include "shells/wayland/wayland_platform.h"
#include "startup/md_saver.h"

namespace zv::wayland {
namespace {

using linux_saver::RunEnd;

// A saver's process, and the descriptor that becomes readable when it ends.
struct Saver {
  pid_t pid;
  int ended;
};

class Watcher {
 public:
  explicit Watcher(const OutputSaver& runSaver) : runSaver_(runSaver) {
    // New outputs start their savers between dispatches, not inside one.
    connection_.onOutputAdded = [this](const Output& output) { appeared_.push_back(output.name); };
    for (const auto& output : connection_.Outputs()) appeared_.push_back(output->name);
  }

  int Run() {
    for (;;) {
      for (std::uint32_t output : appeared_) Start(output);
      appeared_.clear();
      std::vector<pollfd> sources{{endSignals_.Fd(), POLLIN, 0}};
      for (const Saver& saver : savers_) sources.push_back({saver.ended, POLLIN, 0});
      if (!connection_.Wait(nullptr, sources) || connection_.DispatchPending() < 0) return EndOnFailure();
      if (endSignals_.Received()) return EndAll(RunEnd::Ended);
      for (std::size_t i = 1; i < sources.size(); ++i)
        if (sources[i].revents != 0) {
          const RunEnd end = Reap(savers_[i - 1]);
          if (end != RunEnd::OutputGone) return EndAll(end);
        }
      std::erase_if(savers_, [](const Saver& saver) { return saver.pid == 0; });
    }
  }

 private:
  void Start(std::uint32_t output) {
    std::fflush(nullptr);
    const pid_t pid = fork();
    if (pid < 0) throw std::system_error(errno, std::generic_category(), "fork");
    if (pid == 0) {
      // The saver talks to the compositor on its own connection and takes its own signals.
      close(connection_.Fd());
      close(endSignals_.Fd());
      for (const Saver& saver : savers_) close(saver.ended);
      try {
        runSaver_(output);
      } catch (const std::exception& error) {
        std::fprintf(stderr, "zorvalite: %s\n", error.what());
      }
      linux_saver::EndProcess(RunEnd::Failed);
    }
    const int ended = static_cast<int>(syscall(SYS_pidfd_open, pid, 0));
    if (ended < 0) throw std::system_error(errno, std::generic_category(), "pidfd_open");
    savers_.push_back({pid, ended});
  }

  // How the saver ended (a failure when a signal ended it); it is then forgotten.
  RunEnd Reap(Saver& saver) {
    int status = 0;
    waitpid(saver.pid, &status, 0);
    close(saver.ended);
    saver.pid = 0;
    if (WIFEXITED(status)) return linux_saver::EndOfStatus(WEXITSTATUS(status));
    std::fprintf(stderr, "zorvalite: the saver of an output ended on signal %d\n", WTERMSIG(status));
    return RunEnd::Failed;
  }

  // Ends the savers still running and returns the exit status of `end`; after an error, tells of
  // a compositor that went away, which no saver told.
  int EndAll(RunEnd end) {
    for (const Saver& saver : savers_)
      if (saver.pid != 0) kill(saver.pid, SIGTERM);
    for (Saver& saver : savers_)
      if (saver.pid != 0) Reap(saver);
    if (end != RunEnd::Ended && !connection_.Roundtrip() && connection_.Gone())
      std::fprintf(stderr, "zorvalite: %s\n", connection_.Failure().c_str());
    return linux_saver::ExitStatus(end);
  }

  int EndOnFailure() {
    if (!connection_.Gone()) std::fprintf(stderr, "zorvalite: %s\n", connection_.Failure().c_str());
    return EndAll(RunEnd::Failed);
  }

  const OutputSaver& runSaver_;
  // First, so that the savers start with the ending signals blocked: one that arrives before a
  // saver takes them waits for it.
  linux_saver::EndSignals endSignals_;
  WaylandConnection connection_;
  std::vector<Saver> savers_;
  std::vector<std::uint32_t> appeared_;
};

}  // namespace

int RunOnEveryOutput(const OutputSaver& runSaver) { return Watcher(runSaver).Run(); }

int RunDisplayMode(const linux_saver::Options& options) {
  if (options.target == linux_saver::Target::TryWindow) {
    WaylandPlatform platform(options, std::nullopt);
    // The run ends the process.
    RunSaverProgram(platform);
    return linux_saver::ExitStatus(RunEnd::Failed);
  }
  return RunOnEveryOutput([&options](std::uint32_t output) {
    WaylandPlatform platform(options, output);
    RunSaverProgram(platform);
  });
}

}  // namespace zv::wayland
