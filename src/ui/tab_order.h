// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QWidget;

namespace oza::ui {

// Chains Tab through every control of `window` in reading order: a frame
// (any widget holding controls) is read as a whole, left to right and top
// to bottom like the single controls beside it. Controls added later fall
// into place when the order is chained again.
void chainTabInReadingOrder(QWidget* window);

}  // namespace oza::ui
