// SPDX-License-Identifier: GPL-3.0-or-later

// The window as `oza IMAGE` opens it, shown with the image loaded, painted
// once, and closed: the same steps as the bare window beside it.
#include <QApplication>

#include "ui/command_line.h"
#include "ui/main_window.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  oza::ui::describeApplication();
  oza::ui::MainWindow window;
  window.show();
  window.start(argc > 1 ? argv[1] : "");
  QApplication::processEvents();
  window.repaint();
  return 0;
}
