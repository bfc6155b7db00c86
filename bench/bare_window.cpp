// SPDX-License-Identifier: GPL-3.0-or-later

// The yardstick of the window's start: a Qt window with one label, shown,
// painted once, and closed.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QMainWindow window;
  window.setCentralWidget(new QLabel("OZA"));
  window.show();
  QApplication::processEvents();
  window.repaint();
  return 0;
}
