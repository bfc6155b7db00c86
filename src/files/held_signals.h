// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <csignal>

namespace oza {

// The signals that end a program by default and come from outside it (the
// keyboard, kill, timers, a closed pipe), as opposed to the faults of the
// program itself (SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGTRAP, SIGABRT, SIGSYS).
// SIGKILL and SIGSTOP cannot be held and are not among them.
sigset_t endingSignals();

// While it lives, the calling thread holds back the ending signals: they take
// effect once it ends, when a write has either put its new file in place or
// removed it, so that no temporary file is left behind. And a write beyond
// the process's file-size limit fails with EFBIG, reported like any other
// failed write, instead of killing the process with SIGXFSZ. A program with
// more than one thread must also keep the other threads from ending it
// (see the window's own signal handling).
class HeldSignals {
 public:
  HeldSignals();
  ~HeldSignals();
  HeldSignals(const HeldSignals&) = delete;
  HeldSignals& operator=(const HeldSignals&) = delete;

 private:
  sigset_t previousMask_;
  struct sigaction previousSizeAction_;
};

}  // namespace oza
