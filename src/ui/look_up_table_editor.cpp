// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/look_up_table_editor.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "ui/binder.h"
#include "ui/fan_graph_widget.h"
#include "ui/number_box.h"

namespace oza::ui {

LookUpTableEditor::LookUpTableEditor(FanTab& tab, const FanTab::LookUpTable& parts, Binder& binder, QWidget* parent,
                                     Options options) {
  rows_ = new QWidget(parent);
  auto* grid = new QGridLayout(rows_);
  grid->setContentsMargins(0, 0, 0, 0);
  int row = 0;
  for (auto [caption, text] : {std::pair{options.thresholdCaption, "Threshold (\u00B0C):"},
                               std::pair{options.speedCaption, "Fan speed (%):"}}) {
    auto* label = new QLabel(QString::fromUtf8(text), rows_);
    if (caption) binder.bind(*caption, label);
    grid->addWidget(label, row++, 0);
  }
  for (int k = 0; k < kFanTablePoints; ++k) {
    grid->addWidget(numberBox(parts.thresholds[k], binder, rows_, 4), 0, k + 1);
    grid->addWidget(numberBox(parts.speeds[k], binder, rows_, 4), 1, k + 1);
  }
  grid->setColumnStretch(kFanTablePoints + 1, 1);

  // Every mouse event on the graph is a user event; a drag is one edit,
  // complete when the button is released.
  using Step = Binder::Step;
  FanGraphWidget::Mouse mouse{[&binder, &tab, down = parts.mouseDown](double x, double y) {
                                binder.userEvent([&] { (tab.*down)(x, y); }, Step::Continues);
                              },
                              [&binder, &tab, move = parts.mouseMove](double x, double y, bool left) {
                                binder.userEvent([&] { (tab.*move)(x, y, left); }, Step::Continues);
                              },
                              [&binder, &tab, up = parts.mouseUp] { binder.userEvent([&] { (tab.*up)(); }); }};
  graphWidget_ = new FanGraphWidget(parts.graph, std::move(mouse));
  binder.bind(parts.picture, graphWidget_);

  graph_ = new QWidget(parent);
  auto* layout = new QBoxLayout(options.controlsBeside ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom, graph_);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(graphPanel(graphWidget_, graph_), 0, Qt::AlignLeft | Qt::AlignTop);
  auto* controls = new QBoxLayout(options.controlsBeside ? QBoxLayout::TopToBottom : QBoxLayout::LeftToRight);
  auto* save = new QPushButton(graph_);
  binder.bind(parts.saveButton, save);
  controls->addWidget(save, 0, Qt::AlignTop);
  auto* graphType = new QGroupBox(graph_);
  binder.bind(parts.graphType, graphType);
  auto* types = new QHBoxLayout(graphType);
  for (Control* option : {&parts.stepGraph, &parts.continuousGraph}) {
    auto* button = new QRadioButton(graphType);
    binder.bind(*option, button);
    types->addWidget(button);
  }
  controls->addWidget(graphType, 0, Qt::AlignTop);
  controls->addStretch(1);
  layout->addLayout(controls);
  layout->addStretch(1);
}

}  // namespace oza::ui
