// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QGroupBox>
#include <vector>

class QLabel;
class QScrollArea;
class QScrollBar;

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

  bool eventFilter(QObject* watched, QEvent* event) override;

 protected:
  void changeEvent(QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  // Sizes the viewport to three bands of the font in use and the bar to the
  // bands' height.
  void buildBands(ClockTab& tab, Binder& binder);
  QLayout* buildLockRow(ClockTab& tab, Binder& binder);
  QGroupBox* buildOverdrive(ClockTab& tab, Binder& binder);
  QGroupBox* buildStates(ClockTab& tab, Binder& binder);
  void placeBands();
  // Scrolls the bands so that the band holding `box` is in view.
  void showBandOf(const QWidget* box);
  ClockTab& tab_;
  Binder& binder_;
  QScrollArea* bandsArea_ = nullptr;
  QWidget* bands_ = nullptr;
  QScrollBar* scroll_ = nullptr;
  std::vector<std::pair<QWidget*, QWidget*>> bandWidgets_;  // each band's first title and last box
  std::vector<int> bandTop_;                                // where each band starts in the bands' widget
  std::vector<int> bandBottom_;                             // and ends
  QWidget* listViewport_ = nullptr;
};

}  // namespace oza::ui
