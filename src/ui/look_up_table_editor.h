// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

#include "tabs/fan_tab.h"

namespace oza::ui {

class Binder;
class FanGraphWidget;

// One look-up table of the fan tab as the pages show it: the captions and
// the two rows of eight boxes, and the graph with its axes, "Save..." and the
// graph type. Both fan pages use it; each places the two parts its own way.
class LookUpTableEditor {
 public:
  struct Options {
    // The row captions' controls where the core has them (the type-1 page);
    // else the captions are plain texts.
    Control* thresholdCaption = nullptr;
    Control* speedCaption = nullptr;
    // "Save..." and the graph type to the right of the graph, else under it.
    bool controlsBeside = false;
  };
  LookUpTableEditor(FanTab& tab, const FanTab::LookUpTable& parts, Binder& binder, QWidget* parent, Options options);

  QWidget* rows() const { return rows_; }
  QWidget* graph() const { return graph_; }
  FanGraphWidget* graphWidget() const { return graphWidget_; }

 private:
  QWidget* rows_ = nullptr;
  QWidget* graph_ = nullptr;
  FanGraphWidget* graphWidget_ = nullptr;
};

}  // namespace oza::ui
