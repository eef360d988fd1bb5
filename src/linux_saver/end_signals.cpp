#include "linux_saver/end_signals.h"

#include <signal.h>
#include <sys/signalfd.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

namespace zv::linux_saver {
namespace {

sigset_t EndingSignals() {
  sigset_t signals;
  sigemptyset(&signals);
  sigaddset(&signals, SIGTERM);
  sigaddset(&signals, SIGINT);
  return signals;
}

}  // namespace

EndSignals::EndSignals() {
  const sigset_t signals = EndingSignals();
  if (sigprocmask(SIG_BLOCK, &signals, nullptr) != 0)
    throw std::system_error(errno, std::generic_category(), "sigprocmask");
  fd_ = signalfd(-1, &signals, SFD_NONBLOCK | SFD_CLOEXEC);
  if (fd_ < 0) throw std::system_error(errno, std::generic_category(), "signalfd");
}

EndSignals::~EndSignals() {
  close(fd_);
  const sigset_t signals = EndingSignals();
  sigprocmask(SIG_UNBLOCK, &signals, nullptr);
}

bool EndSignals::Received() {
  signalfd_siginfo info;
  return read(fd_, &info, sizeof info) == static_cast<ssize_t>(sizeof info);
}

}  // namespace zv::linux_saver
