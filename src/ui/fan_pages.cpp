#include "ui/fan_pages.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "controls/number_keys.h"
#include "fan/fan_layout.h"
#include "fan/fan_tab.h"
#include "ui/binder.h"
#include "ui/fan_graph_widget.h"
#include "ui/link_label.h"

namespace oza::ui {

namespace {

QLineEdit* numberBox(Control& control, Binder& binder, QWidget* parent, const QRect& at) {
  auto* edit = new QLineEdit(parent);
  edit->setGeometry(at);
  binder.bind(control, edit);
  binder.setKeyFilter(edit, numberKeyAccepted);
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

}  // namespace

QGroupBox* buildFrame4(FanTab& tab, Binder& binder, QWidget* parent, FanGraphWidget** graph) {
  auto* frame = new QGroupBox(parent);
  binder.bind(tab.Frame4, frame);

  bound<QRadioButton>(tab.Option4, binder, frame, QRect(14, 24, 300, 22));
  bound<QRadioButton>(tab.Option5, binder, frame, QRect(14, 46, 300, 22));

  const struct {
    const char* caption;
    Control* box;
  } rows[] = {
      {"Tmin (\u00B0C):", &tab.Text5},
      {"Tmax (\u00B0C):", &tab.Text6},
      {"Tslope (%):", &tab.Text7},
      {"Duty cycle min (%):", &tab.Text9},
      {"Hysteresis (%):", &tab.Type1Hysteresis},
      {"Tmin hysteresis (\u00B0C):", &tab.Text8},
      {"Spin up cycle (%):", &tab.Text3},
      {"Spin up time (internal time units):", &tab.Text4},
  };
  int y = 78;
  for (const auto& row : rows) {
    caption(row.caption, frame, QRect(14, y, 240, 22));
    numberBox(*row.box, binder, frame, QRect(260, y, 60, 22));
    y += 27;
  }
  bound<QCheckBox>(tab.Check3, binder, frame, QRect(14, y, 200, 22));
  y += 27;
  caption("PWM ramp (%):", frame, QRect(14, y, 240, 22));
  numberBox(tab.Text2, binder, frame, QRect(260, y, 60, 22));

  // Every mouse event on a graph is a user event: the binder mirrors its effects.
  *graph = new FanGraphWidget(tab.graph2, FanGraphWidget::Mouse{
      [&binder, &tab](double x, double y) { binder.userEvent([&] { tab.picture2MouseDown(x, y); }); },
      [&binder, &tab](double x, double y, bool left) { binder.userEvent([&] { tab.picture2MouseMove(x, y, left); }); },
      [&binder, &tab] { binder.userEvent([&] { tab.picture2MouseUp(); }); }});
  binder.bind(tab.Picture2, *graph);
  QWidget* panel = graphPanel(*graph, frame);
  panel->move(360, 22);
  bound<QPushButton>(tab.Command8, binder, frame, QRect(418, 290, 90, 26));

  auto* graphType = bound<QGroupBox>(tab.Frame6, binder, frame, QRect(530, 282, 232, 48));
  bound<QRadioButton>(tab.Option9, binder, graphType, QRect(10, 20, 110, 22));
  bound<QRadioButton>(tab.Option8, binder, graphType, QRect(122, 20, 100, 22));

  bound<QLabel>(tab.Label53, binder, frame, QRect(14, 362, 120, 22));
  bound<QLabel>(tab.Label54, binder, frame, QRect(14, 390, 120, 22));
  lookUpRows(tab.Type1Threshold, tab.Type1FanSpeed, binder, frame, 140, 362);

  bound<QPushButton>(tab.Command7, binder, frame, QRect(14, 436, 330, 28));
  bound<LinkLabel>(tab.Label67, binder, frame, QRect(360, 440, 260, 22));
  return frame;
}

QGroupBox* buildFrame3(FanTab& tab, Binder& binder, QWidget* parent, FanGraphWidget** graph) {
  auto* frame = new QGroupBox(parent);
  binder.bind(tab.Frame3, frame);

  caption("Hysteresis (\u00B0C):", frame, QRect(14, 30, 120, 22));
  numberBox(tab.Text1, binder, frame, QRect(140, 30, 54, 22));

  caption("Threshold (\u00B0C):", frame, QRect(14, 76, 120, 22));
  caption("Fan speed (%):", frame, QRect(14, 104, 120, 22));
  lookUpRows(tab.Threshold, tab.FanSpeed, binder, frame, 140, 76);

  *graph = new FanGraphWidget(tab.graph5, FanGraphWidget::Mouse{
      [&binder, &tab](double x, double y) { binder.userEvent([&] { tab.picture5MouseDown(x, y); }); },
      [&binder, &tab](double x, double y, bool left) { binder.userEvent([&] { tab.picture5MouseMove(x, y, left); }); },
      [&binder, &tab] { binder.userEvent([&] { tab.picture5MouseUp(); }); }});
  binder.bind(tab.Picture5, *graph);
  QWidget* panel = graphPanel(*graph, frame);
  panel->move(14, 150);
  bound<QPushButton>(tab.Command9, binder, frame, QRect(430, 150, 90, 26));

  auto* graphType = bound<QGroupBox>(tab.Frame5, binder, frame, QRect(430, 190, 232, 48));
  bound<QRadioButton>(tab.Option6, binder, graphType, QRect(10, 20, 110, 22));
  bound<QRadioButton>(tab.Option7, binder, graphType, QRect(122, 20, 100, 22));
  return frame;
}

}  // namespace oza::ui
