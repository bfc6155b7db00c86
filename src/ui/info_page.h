// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QGroupBox>

namespace oza {
class InfoTab;
}

namespace oza::ui {

class Binder;
class InfoDiagram;

// The information page, bound to the tab's controls.
QGroupBox* buildInfoPage(InfoTab& tab, Binder& binder, QWidget* parent, InfoDiagram** diagram);

}  // namespace oza::ui
