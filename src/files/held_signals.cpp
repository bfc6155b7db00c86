// SPDX-License-Identifier: GPL-3.0-or-later

#include "files/held_signals.h"

#include <initializer_list>
#include <pthread.h>

namespace oza {

HeldSignals::HeldSignals() {
  sigset_t held;
  sigemptyset(&held);
  for (int signal : {SIGINT, SIGTERM, SIGHUP, SIGQUIT}) sigaddset(&held, signal);
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
