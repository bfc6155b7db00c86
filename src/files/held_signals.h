// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <csignal>

namespace oza {

// While it lives, the calling thread holds back the signals that end a
// program from the keyboard or the system (SIGINT, SIGTERM, SIGHUP, SIGQUIT):
// they take effect once it ends, when a write has either put its new file in
// place or removed it, so that no temporary file is left behind. And a write
// beyond the process's file-size limit fails with EFBIG, reported like any
// other failed write, instead of killing the process with SIGXFSZ.
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
