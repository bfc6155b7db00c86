// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QWidget>
#include <gtest/gtest.h>

namespace oza::ui {

// The child of `window` with the object name `name`; a test fails without one.
template <typename T>
T* widget(QWidget& window, const char* name) {
  T* found = window.findChild<T*>(QString::fromLatin1(name));
  EXPECT_NE(found, nullptr) << name;
  return found;
}

}  // namespace oza::ui
