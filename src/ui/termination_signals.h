// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

namespace oza::ui {

// Catches every signal that ends a program from outside (see endingSignals),
// in whichever of the program's threads it lands, and acts on it in the event
// loop, where no save is halfway: SIGINT, SIGTERM and SIGHUP end the program
// as Exit does once its event loop runs (a save in progress finishes or
// removes its temporary file first); before that, while a start-up message
// runs its own loop, and for the other signals always, the signal then ends
// the program as it would have without being caught.
class TerminationSignals : public QObject {
 public:
  explicit TerminationSignals(QObject* parent = nullptr);
  // Runs the application's event loop.
  int exec();

 private:
  void handle(int signal);
  bool running_ = false;
};

}  // namespace oza::ui
