#pragma once

#include <QGroupBox>

namespace oza {
class ClockTab;
}

namespace oza::ui {

class Binder;

// The clock page: the scrolled clock info blocks, the lock, the
// PowerPlay state list and the Overdrive values.
class ClockPage : public QGroupBox {
  Q_OBJECT
 public:
  ClockPage(ClockTab& tab, Binder& binder, QWidget* parent);
  // Places the bands where the tab's scrolling has moved them.
  void follow();

  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Scrolls the bands so that the band holding `box` is in view.
  void showBandOf(const QWidget* box);
  ClockTab& tab_;
  Binder& binder_;
  QWidget* bands_ = nullptr;
  QWidget* listViewport_ = nullptr;
};

}  // namespace oza::ui
