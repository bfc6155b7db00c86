// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/qt_platform.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QScreen>
#include <QUrl>

#include "ui/binder.h"
#include "ui/message_dialog.h"
#include "ui/save_review_dialog.h"

namespace oza::ui {

QString toQtText(const std::string& text) { return toQt(text); }

void centreOn(QWidget& dialog, const QWidget* owner, QSize size) {
  if (size.isValid()) {
    dialog.resize(size);
  } else {
    dialog.adjustSize();
  }
  // On the window it belongs to, or, before that window shows, on the screen.
  const QRect over = owner && owner->isVisible() ? owner->window()->frameGeometry()
                     : dialog.screen()           ? dialog.screen()->availableGeometry()
                                                 : QRect();
  if (over.isValid()) dialog.move(over.center() - dialog.rect().center());
}

QString qtFilters(const FileDialogRequest& request) {
  QStringList filters;
  for (const auto& filter : request.filters) {
    QString name = toQt(filter.name);
    const int paren = name.lastIndexOf('(');
    if (paren > 0) name = name.left(paren).trimmed();
    QString patterns = toQt(filter.pattern);
    patterns.replace(';', ' ');
    filters << QStringLiteral("%1 (%2)").arg(name, patterns.simplified());
  }
  return filters.join(QStringLiteral(";;"));
}

MessageAnswer QtPlatform::showMessage(const Message& message) {
  if (beforeModal) beforeModal();
  MessageDialog box(message, owner_);
  centreOn(box, owner_);
  box.exec();
  return box.answer();
}

std::string QtPlatform::openFileDialog(const FileDialogRequest& request) {
  if (beforeModal) beforeModal();
  return fromQt(
      QFileDialog::getOpenFileName(owner_, toQt(request.title), toQt(request.startFolder), qtFilters(request)));
}

std::string QtPlatform::saveFileDialog(const FileDialogRequest& request) {
  if (beforeModal) beforeModal();
  QString start = toQt(request.defaultName);
  if (!request.startFolder.empty()) start = toQt(request.startFolder) + "/" + start;
  return fromQt(QFileDialog::getSaveFileName(owner_, toQt(request.title), start, qtFilters(request), nullptr,
                                             QFileDialog::DontConfirmOverwrite));
}

bool QtPlatform::confirmSave(const SaveReview& review) {
  if (beforeModal) beforeModal();
  SaveReviewDialog dialog(review, owner_);
  // A size the user gave the review is kept for the next one.
  centreOn(dialog, owner_, reviewSize_);
  const bool save = dialog.exec() == QDialog::Accepted;
  reviewSize_ = dialog.size();
  return save;
}

bool QtPlatform::openUrl(const std::string& url) { return QDesktopServices::openUrl(QUrl(toQt(url))); }

void QtPlatform::testReachable(const std::string& url, std::function<void(bool)> done) {
  network_.testReachable(url, std::move(done));
}

void QtPlatform::download(const std::string& url, const std::string& path, std::function<void(bool)> done) {
  network_.download(url, path, std::move(done));
}

void QtPlatform::setBusy(bool busy) {
  if (busy == busy_) return;
  busy_ = busy;
  if (busy) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
  } else {
    QApplication::restoreOverrideCursor();
  }
}

}  // namespace oza::ui
