#pragma once

namespace zv::linux_saver {

// SIGTERM and SIGINT, with which the screen-saver daemon (or a terminal) ends the saver, taken
// as events of the main loop: they are blocked while this object lives and arrive on a file
// descriptor, so that no work happens in a signal handler and the loop's wait ends at once.
class EndSignals {
 public:
  EndSignals();  // throws std::system_error
  ~EndSignals();
  EndSignals(const EndSignals&) = delete;
  EndSignals& operator=(const EndSignals&) = delete;

  int Fd() const { return fd_; }
  // True when one of the signals has arrived; does not wait.
  bool Received();

 private:
  int fd_;
};

}  // namespace zv::linux_saver
