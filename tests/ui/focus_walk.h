// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QApplication>
#include <QStringList>
#include <QTest>
#include <QWidget>

namespace oza::ui::focus {

// Shows `window` active, as a user finds it.
inline bool activate(QWidget& window) {
  window.show();
  window.activateWindow();
  return QTest::qWaitForWindowActive(&window);
}

// The name of the control that has the focus (a box inside a control
// counts as the control).
inline QString focusName() {
  for (QWidget* w = QApplication::focusWidget(); w; w = w->parentWidget())
    if (!w->objectName().isEmpty() && !w->objectName().startsWith(QLatin1String("qt_"))) return w->objectName();
  return {};
}

// The controls Tab visits, starting on `first`, until the focus comes back.
inline QStringList tabWalk(QWidget* first) {
  first->setFocus(Qt::TabFocusReason);
  QStringList visited{focusName()};
  for (int step = 0; step < 400; ++step) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    if (QApplication::focusWidget() == first) break;
    visited << focusName();
  }
  return visited;
}

// The controls of `window` a user can reach: shown, enabled, taking Tab.
inline QStringList reachableControls(QWidget& window) {
  QStringList names;
  for (QWidget* w : window.findChildren<QWidget*>())
    if (!w->isWindow() && w->window() == &window && w->isVisible() && w->isEnabled() &&
        (w->focusPolicy() & Qt::TabFocus) && !w->focusProxy() && !w->objectName().isEmpty() &&
        !w->objectName().startsWith(QLatin1String("qt_")))
      names << w->objectName();
  return names;
}

}  // namespace oza::ui::focus
