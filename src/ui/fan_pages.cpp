// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/fan_pages.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "tabs/fan_tab.h"
#include "ui/binder.h"
#include "ui/fan_graph_widget.h"
#include "ui/link_label.h"
#include "ui/look_up_table_editor.h"
#include "ui/number_box.h"

namespace oza::ui {

namespace {

template <typename W>
W* bound(Control& control, Binder& binder, QWidget* parent) {
  auto* widget = new W(parent);
  binder.bind(control, widget);
  return widget;
}

}  // namespace

QGroupBox* buildType1Frame(FanTab& tab, Binder& binder, QWidget* parent, FanGraphWidget** graph) {
  auto* frame = new QGroupBox(parent);
  binder.bind(tab.type1Frame, frame);
  auto* page = new QVBoxLayout(frame);
  auto* top = new QHBoxLayout;
  page->addLayout(top);

  auto* settings = new QGridLayout;
  settings->addWidget(bound<QRadioButton>(tab.transferFunctionMode, binder, frame), 0, 0, 1, 3);
  settings->addWidget(bound<QRadioButton>(tab.lookUpTableMode, binder, frame), 1, 0, 1, 3);
  settings->setRowMinimumHeight(2, 8);
  // Each box's label is its field's caption, the name messages use too.
  const auto caption = [frame](const Control& box) { return new QLabel(toQt(box.caption() + ":"), frame); };
  int row = 3;
  for (Control* box : {&tab.tmin, &tab.tmax, &tab.tslope, &tab.dutyCycleMin, &tab.hysteresis, &tab.tminHysteresis,
                       &tab.spinUpCycle, &tab.spinUpTime}) {
    settings->addWidget(caption(*box), row, 0);
    if (box == &tab.tslope)
      settings->addWidget(bound<QLabel>(tab.computedTslopeHint, binder, frame), row, 1, Qt::AlignRight);
    settings->addWidget(numberBox(*box, binder, frame, 4), row++, 2);
  }
  settings->addWidget(bound<QCheckBox>(tab.pwmRampOn, binder, frame), row++, 0, 1, 3);
  settings->addWidget(caption(tab.pwmRamp), row, 0);
  settings->addWidget(numberBox(tab.pwmRamp, binder, frame, 4), row++, 2);
  settings->setRowStretch(row, 1);
  settings->setColumnStretch(1, 1);
  top->addLayout(settings);
  top->addSpacing(12);

  LookUpTableEditor table(tab, tab.type1Table(), binder, frame, {&tab.thresholdCaption, &tab.speedCaption, false});
  *graph = table.graphWidget();
  top->addWidget(table.graph(), 1);
  page->addSpacing(8);
  page->addWidget(table.rows());
  page->addSpacing(8);

  auto* commands = new QHBoxLayout;
  commands->addWidget(bound<QPushButton>(tab.recommendedValuesButton, binder, frame));
  commands->addSpacing(12);
  commands->addWidget(bound<LinkLabel>(tab.settingsHelpLink, binder, frame));
  commands->addStretch(1);
  page->addLayout(commands);
  page->addStretch(1);
  return frame;
}

QGroupBox* buildType2Frame(FanTab& tab, Binder& binder, QWidget* parent, FanGraphWidget** graph) {
  auto* frame = new QGroupBox(parent);
  binder.bind(tab.type2Frame, frame);
  auto* page = new QVBoxLayout(frame);
  auto* hysteresis = new QHBoxLayout;
  hysteresis->addWidget(new QLabel(QString::fromUtf8("Hysteresis (\u00B0C):"), frame));
  hysteresis->addWidget(numberBox(tab.type2Hysteresis, binder, frame, 4));
  hysteresis->addStretch(1);
  page->addLayout(hysteresis);
  page->addSpacing(12);

  LookUpTableEditor table(tab, tab.type2Table(), binder, frame, {nullptr, nullptr, true});
  *graph = table.graphWidget();
  page->addWidget(table.rows());
  page->addSpacing(12);
  page->addWidget(table.graph());
  page->addStretch(1);
  return frame;
}

}  // namespace oza::ui
