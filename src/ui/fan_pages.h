#pragma once

#include <QGroupBox>

namespace oza {
class FanTab;
}

namespace oza::ui {

class Binder;
class FanGraphWidget;

// The fan page for type-1 tables and RV770 cards (`Frame4`) and for type-2
// tables (`Frame3`).
QGroupBox* buildFrame4(FanTab& tab, Binder& binder, QWidget* parent, FanGraphWidget** graph);
QGroupBox* buildFrame3(FanTab& tab, Binder& binder, QWidget* parent, FanGraphWidget** graph);

}  // namespace oza::ui
