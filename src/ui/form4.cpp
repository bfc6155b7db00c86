#include "ui/form4.h"

#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

#include "profiles/profile_loading.h"
#include "ui/link_label.h"
#include "ui/tab_order.h"

namespace oza::ui {

namespace {
constexpr int kFieldWidth = 130;
}  // namespace

Form4::Form4(Platform* platform) : platform_(this), editor_(platform ? *platform : platform_) {
  platform_.beforeModal = [this] { binder_.syncAll(); };
  binder_.afterSync = [this] { afterSync(); };
  binder_.bind(editor_.Form4, this);
  setAcceptDrops(true);

  auto* layout = new QVBoxLayout(this);
  auto* cards = new QGridLayout;
  for (int k = 0; k < kProfileCards; ++k) cards->addWidget(buildFrame(k), k / 2, k % 2);
  layout->addLayout(cards);

  auto* commands = new QHBoxLayout;
  auto* help = new LinkLabel(this);
  binder_.bind(editor_.Label9, help);
  commands->addWidget(help);
  commands->addStretch(1);
  for (Control* command : {&editor_.Command1, &editor_.Command3, &editor_.Command2}) {
    auto* button = new QPushButton(this);
    button->setMinimumWidth(120);
    binder_.bind(*command, button);
    commands->addWidget(button);
  }
  layout->addLayout(commands);
  binder_.syncAll();
}

QGroupBox* Form4::buildFrame(int card) {
  auto* frame = new QGroupBox(this);
  binder_.bind(editor_.Frame[card], frame);
  auto* rows = new QGridLayout(frame);
  for (int f = 0; f < kProfileFields; ++f) {
    const ProfileField& field = kProfileFieldTable[static_cast<std::size_t>(f)];
    rows->addWidget(new QLabel(QString::fromUtf8(field.label), frame), f, 0);
    QWidget* box;
    if (field.kind == ProfileFieldKind::List)
      box = new QComboBox(frame);
    else
      box = new QLineEdit(frame);
    box->setFixedWidth(kFieldWidth);
    binder_.bind(editor_.field(f)[card], box);
    rows->addWidget(box, f, 1);
  }
  rows->setColumnStretch(0, 1);
  return frame;
}

void Form4::load(const std::string& path) {
  binder_.userEvent([&] {
    std::string sFile = path;
    LoadProfile(editor_, sFile);
  });
}

void Form4::afterSync() {
  if (editor_.unloaded() && isVisible()) close();
}

void Form4::showEvent(QShowEvent* event) {
  chainTabInReadingOrder(this);
  QWidget::showEvent(event);
}

void Form4::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void Form4::dropEvent(QDropEvent* event) {
  const QList<QUrl> urls = event->mimeData()->urls();
  if (urls.isEmpty() || !urls.first().isLocalFile()) return;
  event->acceptProposedAction();
  load(fromQt(urls.first().toLocalFile()));
}

}  // namespace oza::ui
