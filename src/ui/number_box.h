// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLineEdit>

#include "controls/control.h"

namespace oza::ui {

class Binder;

// A box bound to `control`, as wide as `digits` digits (and its frame)
// in the font it shows, however large that is.
QLineEdit* numberBox(Control& control, Binder& binder, QWidget* parent, int digits);

}  // namespace oza::ui
