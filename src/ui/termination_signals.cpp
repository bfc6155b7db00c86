// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/termination_signals.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace oza::ui {

namespace {

// A signal handler can only reach the program through state it finds
// without being told: the write end of the pipe it reports on.
int signalPipe[2] = {-1, -1};

void reportSignal(int signal) {
  const char number = static_cast<char>(signal);
  [[maybe_unused]] const ssize_t written = ::write(signalPipe[1], &number, 1);
}

}  // namespace

void quitOnTerminationSignals(QObject* parent) {
  if (signalPipe[0] >= 0 || ::pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) != 0) return;
  auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, parent);
  QObject::connect(notifier, &QSocketNotifier::activated, parent, [] {
    char number = 0;
    while (::read(signalPipe[0], &number, 1) > 0) {
    }
    QCoreApplication::quit();
  });
  struct sigaction action {};
  action.sa_handler = reportSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (int signal : {SIGINT, SIGTERM, SIGHUP}) ::sigaction(signal, &action, nullptr);
}

}  // namespace oza::ui
