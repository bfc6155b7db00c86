// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QWidget>
#include <gtest/gtest.h>

namespace oza::ui {

// The child of `window` with the object name `name`; a test fails without one.
template <typename T>
T* widget(QWidget& window, const QString& name) {
  T* found = window.findChild<T*>(name);
  EXPECT_NE(found, nullptr) << name.toStdString();
  return found;
}

}  // namespace oza::ui
