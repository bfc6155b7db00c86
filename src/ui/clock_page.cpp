// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/clock_page.h"

#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>
#include <QWheelEvent>

#include "tabs/clock_tab.h"
#include "ui/binder.h"
#include "ui/link_label.h"
#include "ui/number_box.h"

namespace oza::ui {

namespace {

// Three of the four bands show at a time.
constexpr int kShownBands = 3;

// The bands' area scrolls a whole band into view when a box gets the focus
// (the page does that); left to Qt, it would scroll to the box alone.
class BandsArea : public QScrollArea {
 public:
  using QScrollArea::QScrollArea;

 protected:
  bool focusNextPrevChild(bool next) override { return QWidget::focusNextPrevChild(next); }
};

}  // namespace

ClockPage::ClockPage(ClockTab& tab, Binder& binder, QWidget* parent) : QGroupBox(parent), tab_(tab), binder_(binder) {
  binder.bind(tab.clockFrame, this);

  buildBands(tab, binder);
  auto* page = new QGridLayout(this);
  page->addWidget(bandsArea_, 0, 0);
  page->addWidget(buildStates(tab, binder), 0, 1);
  page->addLayout(buildLockRow(tab, binder), 1, 0, 1, 2);
  // The boot state's clocks come from the firmware, not from its record.
  auto* boot = new QLabel(this);
  binder.bind(tab.bootNote, boot);
  page->addWidget(boot, 2, 0, 1, 2);
  page->addWidget(buildOverdrive(tab, binder), 3, 0, 1, 2);
  page->setRowStretch(4, 1);
  page->setColumnStretch(1, 1);
  placeBands();
}

// The four bands of five blocks scroll together; three show at a time.
void ClockPage::buildBands(ClockTab& tab, Binder& binder) {
  bandsArea_ = new BandsArea(this);
  bandsArea_->setFrameShape(QFrame::NoFrame);
  bandsArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  bandsArea_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  bandsArea_->setFocusPolicy(Qt::NoFocus);  // Tab walks into the blocks
  bands_ = new QWidget;
  auto* grid = new QGridLayout(bands_);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setVerticalSpacing(4);
  for (int g = 0; g < kBands; ++g) {
    const int top = 5 * g;
    if (g > 0) {
      auto* line = new QFrame(bands_);
      line->setObjectName(QStringLiteral("Line99(%1)").arg(g - 1));
      line->setFrameShape(QFrame::HLine);
      line->setFrameShadow(QFrame::Sunken);
      grid->addWidget(line, top - 1, 0, 1, 6);
    }
    ControlArray* captions[] = {&tab.gpuCaption, &tab.memoryCaption, &tab.voltageCaption};
    for (int r = 0; r < 3; ++r) {
      auto* caption = new QLabel(bands_);
      binder.bind((*captions[r])[g], caption);
      grid->addWidget(caption, top + 1 + r, 0);
    }
    for (int k = 0; k < 5; ++k) {
      const int block = 5 * g + k;
      auto* title = new QLabel(bands_);
      binder.bind(tab.blockCaption[block], title);
      grid->addWidget(title, top, k + 1);
      int r = 1;
      for (ControlArray* boxes : {&tab.gpuClock, &tab.memoryClock, &tab.voltage}) {
        QLineEdit* edit = numberBox((*boxes)[block], binder, bands_, 7);
        edit->installEventFilter(this);
        grid->addWidget(edit, top + r++, k + 1);
        // A band reaches from its first title to its last voltage box.
        if (k == 0 && boxes == &tab.gpuClock) bandWidgets_.push_back({title, nullptr});
        if (k == 0 && boxes == &tab.voltage) bandWidgets_.back().second = edit;
      }
    }
  }
  bandsArea_->setWidget(bands_);
  bandsArea_->viewport()->installEventFilter(this);
  // The area's bar is the page's scroll bar, as the core knows it.
  scroll_ = new QScrollBar(Qt::Vertical, this);
  scroll_->setFocusPolicy(Qt::TabFocus);
  bandsArea_->setVerticalScrollBar(scroll_);
  binder.bind(tab.bandScroll, scroll_);
}

QLayout* ClockPage::buildLockRow(ClockTab& tab, Binder& binder) {
  auto* lockRow = new QHBoxLayout;
  auto* lock = new QCheckBox(this);
  binder.bind(tab.lock, lock);
  auto* lockHelp = new LinkLabel(this);
  binder.bind(tab.lockHelpLink, lockHelp);
  auto* count = new QLabel(this);
  binder.bind(tab.recordCount, count);
  lockRow->addWidget(lock);
  lockRow->addWidget(lockHelp);
  lockRow->addStretch(1);
  lockRow->addWidget(new QLabel(QStringLiteral("Clock infos found:"), this));
  lockRow->addWidget(count);

  return lockRow;
}

// Overdrive values, shown only.
QGroupBox* ClockPage::buildOverdrive(ClockTab& tab, Binder& binder) {
  auto* overdrive = new QGroupBox(QStringLiteral("Overdrive information (reserved for future usage)"), this);
  auto* values = new QGridLayout(overdrive);
  const struct {
    Control* caption;
    Control* value;
    int row, column;
  } rows[] = {{&tab.standardGpuCaption, &tab.standardGpuClock, 0, 0},
              {&tab.standardRamCaption, &tab.standardRamClock, 1, 0},
              {&tab.gpuLimitCaption, &tab.gpuLimit, 0, 2},
              {&tab.ramLimitCaption, &tab.ramLimit, 1, 2}};
  for (const auto& r : rows) {
    auto* caption = new QLabel(overdrive);
    binder.bind(*r.caption, caption);
    auto* value = new QLabel(overdrive);
    binder.bind(*r.value, value);
    values->addWidget(caption, r.row, r.column);
    values->addWidget(value, r.row, r.column + 1);
  }
  values->setColumnStretch(1, 1);
  values->setColumnStretch(3, 1);

  return overdrive;
}

// PowerPlay states, read-only.
QGroupBox* ClockPage::buildStates(ClockTab& tab, Binder& binder) {
  auto* statesFrame = new QGroupBox(QStringLiteral("Powerplay states structure"), this);
  auto* states = new QVBoxLayout(statesFrame);
  states->addWidget(new QLabel(QStringLiteral("State"), statesFrame));
  auto* list = new QListWidget(statesFrame);
  list->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  list->setMinimumWidth(list->fontMetrics().horizontalAdvance(QStringLiteral("0 - Balanced, Boot")) + 30);
  binder.bind(tab.stateList, list);
  listViewport_ = list->viewport();
  listViewport_->installEventFilter(this);
  connect(list, &QListWidget::itemPressed, this, [this, list] {
    binder_.userEvent([&] {
      tab_.stateList.setListIndex(list->currentRow());
      tab_.listMouseDown();
    });
  });
  states->addWidget(list, 1);
  states->addWidget(new QLabel(QStringLiteral("Clock info modes used"), statesFrame));
  auto* modes = new QGridLayout;
  const char* const modeNames[] = {"mode 1 - 'low'", "mode 2 - 'medium'", "mode 3 - 'high'"};
  Control* modeLabels[] = {&tab.lowModeIndex, &tab.mediumModeIndex, &tab.highModeIndex};
  for (int m = 0; m < 3; ++m) {
    modes->addWidget(new QLabel(QString::fromUtf8(modeNames[m]), statesFrame), m, 0);
    auto* value = new QLabel(statesFrame);
    binder.bind(*modeLabels[m], value);
    modes->addWidget(value, m, 1);
  }
  modes->setColumnStretch(1, 1);
  states->addLayout(modes);
  auto* help = new LinkLabel(statesFrame);
  binder.bind(tab.stateHelpLink, help);
  states->addWidget(help);

  return statesFrame;
}

void ClockPage::placeBands() {
  // The grid's own geometry, with the style's sizes, so that the area has
  // its size before it is first shown.
  bands_->ensurePolished();
  bands_->resize(bands_->sizeHint());
  bands_->layout()->activate();
  bandTop_.clear();
  bandBottom_.clear();
  for (int g = 0; g < kBands; ++g) {
    bandTop_.push_back(bandWidgets_[static_cast<std::size_t>(g)].first->geometry().top());
    bandBottom_.push_back(bandWidgets_[static_cast<std::size_t>(g)].second->geometry().bottom() + 1);
  }
  // Down to the fourth band's line.
  const int shown = bandBottom_[kShownBands - 1] + (bandTop_[kShownBands] - bandBottom_[kShownBands - 1]) / 2;
  const int bar =
      std::max(scroll_->sizeHint().width(), style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, scroll_));
  bandsArea_->setFixedSize(bands_->width() + bar + 2, shown);
  const int bandHeight = bandTop_[1] - bandTop_[0];
  scroll_->setSingleStep(std::max(bandHeight / 4, 1));
  scroll_->setPageStep(bandHeight);
}

void ClockPage::changeEvent(QEvent* event) {
  if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) placeBands();
  QGroupBox::changeEvent(event);
}

void ClockPage::showEvent(QShowEvent* event) {
  placeBands();
  QGroupBox::showEvent(event);
}

void ClockPage::showBandOf(const QWidget* box) {
  // The whole band, so that the block's title shows with the box.
  std::size_t band = 0;
  while (band + 1 < bandTop_.size() && box->y() >= bandTop_[band + 1]) ++band;
  const int top = bandTop_[band];
  const int bottom = bandBottom_[band];
  int value = tab_.bandScroll.value();
  if (top < value) value = top;
  const int height = bandsArea_->viewport()->height();
  if (bottom > value + height) value = std::min(bottom - height, scroll_->maximum());
  if (value != tab_.bandScroll.value()) binder_.userEvent([&] { tab_.bandScroll.setValue(value); });
}

bool ClockPage::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusIn && watched->parent() == bands_) showBandOf(static_cast<QWidget*>(watched));
  // The wheel over a box scrolls the bands, as over the rest of them.
  if (event->type() == QEvent::Wheel && watched->parent() == bands_) {
    QApplication::sendEvent(scroll_, event);
    return true;
  }
  if (watched == listViewport_ && event->type() == QEvent::MouseButtonRelease)
    binder_.userEvent([this] { tab_.listMouseUp(); });
  return QGroupBox::eventFilter(watched, event);
}

}  // namespace oza::ui
