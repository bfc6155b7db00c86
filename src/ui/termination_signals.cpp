// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/termination_signals.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <csignal>
#include <fcntl.h>
#include <pthread.h>
#include <unistd.h>

#include "files/held_signals.h"

namespace oza::ui {

namespace {

// A signal handler can only reach the program through state it finds
// without being told: the write end of the pipe it reports on.
int signalPipe[2] = {-1, -1};

void reportSignal(int signal) {
  const char number = static_cast<char>(signal);
  [[maybe_unused]] const ssize_t written = ::write(signalPipe[1], &number, 1);
}

void endBy(int signal) {
  ::signal(signal, SIG_DFL);
  sigset_t only;
  sigemptyset(&only);
  sigaddset(&only, signal);
  pthread_sigmask(SIG_UNBLOCK, &only, nullptr);
  ::raise(signal);
}

}  // namespace

TerminationSignals::TerminationSignals(QObject* parent) : QObject(parent) {
  if (signalPipe[0] >= 0 || ::pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) != 0) return;
  auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, this);
  connect(notifier, &QSocketNotifier::activated, this, [this] {
    char number = 0;
    while (::read(signalPipe[0], &number, 1) > 0) handle(static_cast<unsigned char>(number));
  });
  struct sigaction action {};
  action.sa_handler = reportSignal;
  sigfillset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  const sigset_t ending = endingSignals();
  for (int signal = 1; signal <= SIGRTMAX; ++signal)
    if (sigismember(&ending, signal) == 1) ::sigaction(signal, &action, nullptr);
}

int TerminationSignals::exec() {
  running_ = true;
  return QCoreApplication::exec();
}

void TerminationSignals::handle(int signal) {
  const bool quits = signal == SIGINT || signal == SIGTERM || signal == SIGHUP;
  // Before the event loop runs there is nothing to save yet, and a quit
  // would be lost: it only ends a running loop.
  if (!quits || !running_) return endBy(signal);
  QCoreApplication::quit();
}

}  // namespace oza::ui
