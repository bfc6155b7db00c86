// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

namespace oza::ui {

// Saves a copy of a window when OZA_SCREENSHOTS names a folder, for a look at
// what the tests built.
inline void keepScreenshot(QWidget& window, const char* name) {
  const QByteArray folder = qgetenv("OZA_SCREENSHOTS");
  if (!folder.isEmpty()) window.grab().save(QString::fromLocal8Bit(folder) + '/' + QString::fromLatin1(name));
}

}  // namespace oza::ui
