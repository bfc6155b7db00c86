// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/profile_editor_window.h"

#include <QCloseEvent>
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
#include <QVBoxLayout>

#include "profile_editor/profile_loading.h"
#include "ui/control_descriptions.h"
#include "ui/link_label.h"
#include "ui/tab_order.h"

namespace oza::ui {

ProfileEditorWindow::ProfileEditorWindow(Platform* platform)
    : platform_(this), editor_(platform ? *platform : platform_) {
  platform_.beforeModal = [this] { binder_.syncAll(); };
  binder_.afterSync = [this] { afterSync(); };
  setProperty("ozaMarksEdits", true);
  binder_.bind(editor_.window, this);
  setAcceptDrops(true);

  auto* layout = new QVBoxLayout(this);
  auto* cards = new QGridLayout;
  for (int k = 0; k < kProfileCards; ++k) cards->addWidget(buildFrame(k), k / 2, k % 2);
  layout->addLayout(cards);

  auto* commands = new QHBoxLayout;
  auto* help = new LinkLabel(this);
  binder_.bind(editor_.helpLink, help);
  commands->addWidget(help);
  commands->addStretch(1);
  for (Control* command : {&editor_.loadButton, &editor_.saveButton, &editor_.exitButton}) {
    auto* button = new QPushButton(this);
    button->setMinimumWidth(120);
    binder_.bind(*command, button);
    commands->addWidget(button);
  }
  layout->addLayout(commands);
  auto* status = new QLabel(this);
  status->setObjectName(QStringLiteral("status"));
  layout->addWidget(status);
  platform_.statusLine = [status](const QString& text) { status->setText(text); };
  describeControls(binder_, editor_);
  binder_.syncAll();
}

QGroupBox* ProfileEditorWindow::buildFrame(int card) {
  auto* frame = new QGroupBox(this);
  binder_.bind(editor_.cardFrame[card], frame);
  auto* rows = new QGridLayout(frame);
  for (int f = 0; f < kProfileFields; ++f) {
    const ProfileField& field = kProfileFieldTable[static_cast<std::size_t>(f)];
    rows->addWidget(new QLabel(QString::fromUtf8(field.label), frame), f, 0);
    QWidget* box;
    if (field.kind == ProfileFieldKind::List)
      box = new QComboBox(frame);
    else
      box = new QLineEdit(frame);
    // Room for a clock in Hz, in the font in use.
    box->setMinimumWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("0000000000000")));
    binder_.bind(editor_.field(f)[card], box);
    rows->addWidget(box, f, 1);
  }
  rows->setColumnStretch(0, 1);
  return frame;
}

void ProfileEditorWindow::load(const std::string& path) {
  binder_.userEvent([&] {
    std::string chosen = path;
    loadProfile(editor_, chosen);
  });
}

void ProfileEditorWindow::afterSync() {
  // The title names the file the editor shows.
  const QString title = toQt(editor_.window.text()) + (editor_.path.empty() ? QString() : " - " + toQt(editor_.path));
  if (windowTitle() != title + "[*]") setWindowTitle(title + "[*]");
  setWindowModified(editor_.hasUnsavedEdits());
  if (editor_.unloaded() && isVisible()) close();
}

void ProfileEditorWindow::closeEvent(QCloseEvent* event) {
  // Exit has settled the edits already; the window's own close has not.
  bool settled = true;
  if (!editor_.unloaded()) binder_.userEvent([&] { settled = settleProfileEdits(editor_); });
  if (settled) {
    event->accept();
  } else {
    event->ignore();
  }
}

void ProfileEditorWindow::showEvent(QShowEvent* event) {
  chainTabInReadingOrder(this);
  QWidget::showEvent(event);
}

void ProfileEditorWindow::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void ProfileEditorWindow::dropEvent(QDropEvent* event) {
  const std::optional<std::string> path = firstDroppedFile(*event);
  if (!path) return;
  event->acceptProposedAction();
  load(*path);
}

}  // namespace oza::ui
