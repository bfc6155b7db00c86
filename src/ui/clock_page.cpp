#include "ui/clock_page.h"

#include <QCheckBox>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>

#include "tabs/clock_tab.h"
#include "ui/binder.h"
#include "ui/link_label.h"

namespace oza::ui {

namespace {

constexpr int kBandHeight = 116;
constexpr int kCaptionWidth = 78;
constexpr int kBlockWidth = 86;
constexpr int kViewportHeight = 3 * kBandHeight;

QLabel* label(QWidget* parent, const QString& text, const QRect& geometry) {
  auto* l = new QLabel(text, parent);
  l->setGeometry(geometry);
  return l;
}

}  // namespace

ClockPage::ClockPage(ClockTab& tab, Binder& binder, QWidget* parent)
    : QGroupBox(parent), tab_(tab), binder_(binder) {
  binder.bind(tab.clockFrame, this);

  // The four bands of five blocks scroll together inside a clipping viewport.
  auto* viewport = new QWidget(this);
  viewport->setGeometry(12, 26, kCaptionWidth + 5 * kBlockWidth + 8, kViewportHeight);
  bands_ = new QWidget(viewport);
  bands_->setGeometry(0, 0, viewport->width(), 4 * kBandHeight);
  for (int g = 0; g < kBands; ++g) {
    const int top = g * kBandHeight;
    if (g > 0) {
      auto* line = new QFrame(bands_);
      line->setObjectName(QStringLiteral("Line99(%1)").arg(g - 1));
      line->setFrameShape(QFrame::HLine);
      line->setFrameShadow(QFrame::Sunken);
      line->setGeometry(0, top - 6, bands_->width(), 4);
    }
    auto* gpuCaption = new QLabel(bands_);
    auto* ramCaption = new QLabel(bands_);
    auto* voltCaption = new QLabel(bands_);
    binder.bind(tab.gpuCaption[g], gpuCaption);
    binder.bind(tab.memoryCaption[g], ramCaption);
    binder.bind(tab.voltageCaption[g], voltCaption);
    gpuCaption->setGeometry(0, top + 24, kCaptionWidth, 22);
    ramCaption->setGeometry(0, top + 50, kCaptionWidth, 22);
    voltCaption->setGeometry(0, top + 76, kCaptionWidth, 22);
    for (int k = 0; k < 5; ++k) {
      const int block = 5 * g + k;
      const int left = kCaptionWidth + k * kBlockWidth;
      auto* title = new QLabel(bands_);
      binder.bind(tab.blockCaption[block], title);
      title->setGeometry(left + 2, top + 2, kBlockWidth - 6, 20);
      int y = top + 24;
      for (ControlArray* boxes : {&tab.gpuClock, &tab.memoryClock, &tab.voltage}) {
        auto* edit = new QLineEdit(bands_);
        edit->setGeometry(left, y, kBlockWidth - 8, 22);
        binder.bind((*boxes)[block], edit);
        edit->installEventFilter(this);
        y += 26;
      }
    }
  }
  auto* scroll = new QScrollBar(Qt::Vertical, this);
  scroll->setGeometry(viewport->geometry().right() + 4, 26, 18, kViewportHeight);
  scroll->setRange(0, 4 * kBandHeight - kViewportHeight);
  scroll->setSingleStep(kBandHeight / 4);
  scroll->setPageStep(kBandHeight);
  scroll->setFocusPolicy(Qt::TabFocus);
  binder.bind(tab.bandScroll, scroll);

  const int belowBands = 26 + kViewportHeight + 12;
  auto* lock = new QCheckBox(this);
  lock->setGeometry(14, belowBands, 90, 22);
  binder.bind(tab.lock, lock);
  auto* lockHelp = new LinkLabel(this);
  lockHelp->setGeometry(104, belowBands, 260, 22);
  binder.bind(tab.lockHelpLink, lockHelp);
  label(this, QStringLiteral("Clock infos found:"), QRect(380, belowBands, 120, 22));
  auto* count = new QLabel(this);
  count->setGeometry(500, belowBands, 40, 22);
  binder.bind(tab.recordCount, count);

  // PowerPlay states, read-only.
  auto* statesFrame = new QGroupBox(QStringLiteral("Powerplay states structure"), this);
  statesFrame->setGeometry(560, 20, 208, 300);
  label(statesFrame, QStringLiteral("State"), QRect(10, 22, 100, 18));
  auto* list = new QListWidget(statesFrame);
  list->setGeometry(10, 42, 188, 130);
  list->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  binder.bind(tab.stateList, list);
  listViewport_ = list->viewport();
  listViewport_->installEventFilter(this);
  connect(list, &QListWidget::itemPressed, this, [this, list] {
    binder_.userEvent([&] {
      tab_.stateList.setListIndex(list->currentRow());
      tab_.listMouseDown();
    });
  });
  label(statesFrame, QStringLiteral("Clock info modes used"), QRect(10, 180, 188, 18));
  const char* const modes[] = {"mode 1 - 'low'", "mode 2 - 'medium'", "mode 3 - 'high'"};
  Control* modeLabels[] = {&tab.lowModeIndex, &tab.mediumModeIndex, &tab.highModeIndex};
  for (int m = 0; m < 3; ++m) {
    label(statesFrame, QString::fromUtf8(modes[m]), QRect(10, 202 + 22 * m, 130, 20));
    auto* value = new QLabel(statesFrame);
    value->setGeometry(150, 202 + 22 * m, 40, 20);
    binder.bind(*modeLabels[m], value);
  }
  auto* help = new LinkLabel(statesFrame);
  help->setGeometry(10, 272, 60, 20);
  binder.bind(tab.stateHelpLink, help);

  // Overdrive values, shown only.
  auto* overdrive = new QGroupBox(QStringLiteral("Overdrive information (reserved for future usage)"), this);
  overdrive->setGeometry(12, belowBands + 30, 540, 90);
  const struct {
    Control* caption;
    Control* value;
    QRect at;
  } rows[] = {{&tab.standardGpuCaption, &tab.standardGpuClock, QRect(12, 26, 130, 22)},
              {&tab.standardRamCaption, &tab.standardRamClock, QRect(12, 56, 130, 22)},
              {&tab.gpuLimitCaption, &tab.gpuLimit, QRect(276, 26, 130, 22)},
              {&tab.ramLimitCaption, &tab.ramLimit, QRect(276, 56, 130, 22)}};
  for (const auto& row : rows) {
    auto* caption = new QLabel(overdrive);
    caption->setGeometry(row.at);
    binder.bind(*row.caption, caption);
    auto* value = new QLabel(overdrive);
    value->setGeometry(row.at.translated(row.at.width(), 0));
    binder.bind(*row.value, value);
  }
}

void ClockPage::follow() {
  if (bands_->y() != tab_.bandOffset()) bands_->move(0, tab_.bandOffset());
}

void ClockPage::showBandOf(const QWidget* box) {
  // The whole band, so that the block's title shows with the box.
  const int top = box->y() / kBandHeight * kBandHeight;
  int value = tab_.bandScroll.value();
  if (top < value) value = top;
  if (top + kBandHeight > value + kViewportHeight) value = top + kBandHeight - kViewportHeight;
  if (value != tab_.bandScroll.value()) binder_.userEvent([&] { tab_.bandScroll.setValue(value); });
}

bool ClockPage::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusIn && watched->parent() == bands_) showBandOf(static_cast<QWidget*>(watched));
  if (watched == listViewport_ && event->type() == QEvent::MouseButtonRelease)
    binder_.userEvent([this] { tab_.listMouseUp(); });
  return QGroupBox::eventFilter(watched, event);
}

}  // namespace oza::ui
