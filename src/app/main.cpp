// SPDX-License-Identifier: GPL-3.0-or-later

#include <QApplication>
#include <QCoreApplication>

#include "ui/binder.h"
#include "ui/command_line.h"
#include "ui/main_window.h"
#include "ui/termination_signals.h"

int main(int argc, char** argv) {
  using oza::ui::CommandLine;
  // Help and version are printed without a window system, so that they work
  // on a console too.
  if (oza::ui::asksForText(argc, argv)) {
    QCoreApplication console(argc, argv);
    oza::ui::describeApplication();
    const CommandLine line = oza::ui::parseCommandLine(QCoreApplication::arguments());
    return oza::ui::printCommandLineText(line);
  }
  QApplication app(argc, argv);
  oza::ui::describeApplication();
  const CommandLine line = oza::ui::parseCommandLine(QApplication::arguments());
  if (line.action != CommandLine::Action::Run) return oza::ui::printCommandLineText(line);
  oza::ui::TerminationSignals termination;
  oza::ui::MainWindow window;
  window.show();
  window.start(oza::ui::fromQt(line.file));
  return termination.exec();
}
