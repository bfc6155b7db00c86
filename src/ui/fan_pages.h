// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QGroupBox>

namespace oza {
class FanTab;
}

namespace oza::ui {

class Binder;
class FanGraphWidget;

// The fan page for type-1 tables and RV770 cards (`type1Frame`) and for
// type-2 tables (`type2Frame`).
QGroupBox* buildType1Frame(FanTab& tab, Binder& binder, QWidget* parent, FanGraphWidget** graph);
QGroupBox* buildType2Frame(FanTab& tab, Binder& binder, QWidget* parent, FanGraphWidget** graph);

}  // namespace oza::ui
