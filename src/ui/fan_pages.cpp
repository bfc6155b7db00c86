#include "ui/fan_pages.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "fan/fan_layout.h"
#include "tabs/fan_tab.h"
#include "ui/binder.h"
#include "ui/fan_graph_widget.h"
#include "ui/link_label.h"

namespace oza::ui {

namespace {

QLineEdit* numberBox(Control& control, Binder& binder, QWidget* parent, const QRect& at) {
  auto* edit = new QLineEdit(parent);
  edit->setGeometry(at);
  binder.bind(control, edit);
  return edit;
}

QLabel* caption(const char* text, QWidget* parent, const QRect& at) {
  auto* label = new QLabel(QString::fromUtf8(text), parent);
  label->setGeometry(at);
  return label;
}

template <typename W>
W* bound(Control& control, Binder& binder, QWidget* parent, const QRect& at) {
  auto* widget = new W(parent);
  widget->setGeometry(at);
  binder.bind(control, widget);
  return widget;
}

// The eight threshold and speed boxes of a look-up table.
void lookUpRows(ControlArray& thresholds, ControlArray& speeds, Binder& binder, QWidget* parent, int left, int top) {
  for (int k = 0; k < kFanTablePoints; ++k) {
    numberBox(thresholds[k], binder, parent, QRect(left + 62 * k, top, 54, 22));
    numberBox(speeds[k], binder, parent, QRect(left + 62 * k, top + 28, 54, 22));
  }
}

// Every mouse event on a graph is a user event: the binder mirrors its effects.
FanGraphWidget::Mouse userMouse(Binder& binder, FanTab& tab, void (FanTab::*down)(double, double),
                                void (FanTab::*move)(double, double, bool), void (FanTab::*up)()) {
  // A drag is one edit, complete when the button is released.
  using Step = Binder::Step;
  return {[&binder, &tab, down](double x, double y) { binder.userEvent([&] { (tab.*down)(x, y); }, Step::Continues); },
          [&binder, &tab, move](double x, double y, bool left) {
            binder.userEvent([&] { (tab.*move)(x, y, left); }, Step::Continues);
          },
          [&binder, &tab, up] { binder.userEvent([&] { (tab.*up)(); }); }};
}

}  // namespace

QGroupBox* buildType1Frame(FanTab& tab, Binder& binder, QWidget* parent, FanGraphWidget** graph) {
  auto* frame = new QGroupBox(parent);
  binder.bind(tab.type1Frame, frame);

  bound<QRadioButton>(tab.transferFunctionMode, binder, frame, QRect(14, 24, 300, 22));
  bound<QRadioButton>(tab.lookUpTableMode, binder, frame, QRect(14, 46, 300, 22));

  const struct {
    const char* caption;
    Control* box;
  } rows[] = {
      {"Tmin (\u00B0C):", &tab.tmin},
      {"Tmax (\u00B0C):", &tab.tmax},
      {"Tslope (%):", &tab.tslope},
      {"Duty cycle min (%):", &tab.dutyCycleMin},
      {"Hysteresis (%):", &tab.hysteresis},
      {"Tmin hysteresis (\u00B0C):", &tab.tminHysteresis},
      {"Spin up cycle (%):", &tab.spinUpCycle},
      {"Spin up time (internal time units):", &tab.spinUpTime},
  };
  int y = 78;
  for (const auto& row : rows) {
    caption(row.caption, frame, QRect(14, y, 240, 22));
    numberBox(*row.box, binder, frame, QRect(260, y, 60, 22));
    if (row.box == &tab.tslope)
      bound<QLabel>(tab.storedTslope, binder, frame, QRect(130, y, 124, 22))->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    y += 27;
  }
  bound<QCheckBox>(tab.pwmRampOn, binder, frame, QRect(14, y, 200, 22));
  y += 27;
  caption("PWM ramp (%):", frame, QRect(14, y, 240, 22));
  numberBox(tab.pwmRamp, binder, frame, QRect(260, y, 60, 22));

  *graph = new FanGraphWidget(tab.type1Graph, userMouse(binder, tab, &FanTab::type1GraphMouseDown,
                                                        &FanTab::type1GraphMouseMove, &FanTab::type1GraphMouseUp));
  binder.bind(tab.type1Picture, *graph);
  QWidget* panel = graphPanel(*graph, frame);
  panel->move(360, 22);
  bound<QPushButton>(tab.saveType1GraphButton, binder, frame, QRect(418, 290, 90, 26));

  auto* graphType = bound<QGroupBox>(tab.type1GraphType, binder, frame, QRect(530, 282, 232, 48));
  bound<QRadioButton>(tab.type1StepGraph, binder, graphType, QRect(10, 20, 110, 22));
  bound<QRadioButton>(tab.type1ContinuousGraph, binder, graphType, QRect(122, 20, 100, 22));

  bound<QLabel>(tab.thresholdCaption, binder, frame, QRect(14, 362, 120, 22));
  bound<QLabel>(tab.speedCaption, binder, frame, QRect(14, 390, 120, 22));
  lookUpRows(tab.type1Threshold, tab.type1Speed, binder, frame, 140, 362);

  bound<QPushButton>(tab.recommendedValuesButton, binder, frame, QRect(14, 436, 330, 28));
  bound<LinkLabel>(tab.settingsHelpLink, binder, frame, QRect(360, 440, 260, 22));
  return frame;
}

QGroupBox* buildType2Frame(FanTab& tab, Binder& binder, QWidget* parent, FanGraphWidget** graph) {
  auto* frame = new QGroupBox(parent);
  binder.bind(tab.type2Frame, frame);

  caption("Hysteresis (\u00B0C):", frame, QRect(14, 30, 120, 22));
  numberBox(tab.type2Hysteresis, binder, frame, QRect(140, 30, 54, 22));

  caption("Threshold (\u00B0C):", frame, QRect(14, 76, 120, 22));
  caption("Fan speed (%):", frame, QRect(14, 104, 120, 22));
  lookUpRows(tab.type2Threshold, tab.type2Speed, binder, frame, 140, 76);

  *graph = new FanGraphWidget(tab.type2Graph, userMouse(binder, tab, &FanTab::type2GraphMouseDown,
                                                        &FanTab::type2GraphMouseMove, &FanTab::type2GraphMouseUp));
  binder.bind(tab.type2Picture, *graph);
  QWidget* panel = graphPanel(*graph, frame);
  panel->move(14, 150);
  bound<QPushButton>(tab.saveType2GraphButton, binder, frame, QRect(430, 150, 90, 26));

  auto* graphType = bound<QGroupBox>(tab.type2GraphType, binder, frame, QRect(430, 190, 232, 48));
  bound<QRadioButton>(tab.type2StepGraph, binder, graphType, QRect(10, 20, 110, 22));
  bound<QRadioButton>(tab.type2ContinuousGraph, binder, graphType, QRect(122, 20, 100, 22));
  return frame;
}

}  // namespace oza::ui
