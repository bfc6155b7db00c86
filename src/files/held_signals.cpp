// SPDX-License-Identifier: GPL-3.0-or-later

#include "files/held_signals.h"

#include <initializer_list>
#include <pthread.h>

namespace oza {

sigset_t endingSignals() {
  sigset_t ending;
  sigemptyset(&ending);
  for (int signal : {SIGHUP, SIGINT, SIGQUIT, SIGUSR1, SIGUSR2, SIGPIPE, SIGALRM, SIGTERM, SIGSTKFLT, SIGXCPU,
                     SIGVTALRM, SIGPROF, SIGIO, SIGPWR})
    sigaddset(&ending, signal);
  for (int signal = SIGRTMIN; signal <= SIGRTMAX; ++signal) sigaddset(&ending, signal);
  return ending;
}

HeldSignals::HeldSignals() {
  const sigset_t held = endingSignals();
  pthread_sigmask(SIG_BLOCK, &held, &previousMask_);
  struct sigaction ignore {};
  ignore.sa_handler = SIG_IGN;
  sigemptyset(&ignore.sa_mask);
  sigaction(SIGXFSZ, &ignore, &previousSizeAction_);
}

HeldSignals::~HeldSignals() {
  // An ignored SIGXFSZ was discarded, so restoring its action delivers none.
  sigaction(SIGXFSZ, &previousSizeAction_, nullptr);
  pthread_sigmask(SIG_SETMASK, &previousMask_, nullptr);
}

}  // namespace oza
