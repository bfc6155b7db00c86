// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/about_box.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWindow>

#include "session/session.h"
#include "shell/icosahedron.h"
#include "shell/links.h"
#include "shell/mail.h"
#include "ui/link_label.h"
#include "ui/tab_order.h"

namespace oza::ui {

namespace {

constexpr int kTransitionMs = 2000;
constexpr int kOpeningMs = 300;
const QColor kBackground(16, 24, 48);

QImage drawLogo(QSize size) {
  QImage image(size, QImage::Format_RGB32);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  QLinearGradient sky(0, 0, 0, size.height());
  sky.setColorAt(0, QColor(30, 60, 130));
  sky.setColorAt(1, QColor(200, 90, 30));
  painter.fillRect(image.rect(), sky);
  // A card with a cooler and a chip, then the name.
  painter.setPen(QPen(QColor(20, 20, 20), 2));
  painter.setBrush(QColor(40, 120, 60));
  painter.drawRoundedRect(QRectF(16, 40, 110, 60), 6, 6);
  painter.setBrush(QColor(190, 190, 200));
  painter.drawEllipse(QPointF(52, 70), 22, 22);
  for (int blade = 0; blade < 6; ++blade) {
    painter.save();
    painter.translate(52, 70);
    painter.rotate(blade * 60);
    painter.drawLine(QPointF(0, 0), QPointF(18, 6));
    painter.restore();
  }
  painter.setBrush(QColor(230, 180, 60));
  painter.drawRect(QRectF(88, 56, 28, 28));
  QFont font = painter.font();
  font.setBold(true);
  font.setPointSize(26);
  painter.setFont(font);
  painter.setPen(Qt::white);
  painter.drawText(QRectF(132, 26, size.width() - 136, 60), Qt::AlignCenter, QStringLiteral("OZA"));
  font.setPointSize(8);
  font.setBold(false);
  painter.setFont(font);
  painter.drawText(QRectF(132, 78, size.width() - 136, 30), Qt::AlignCenter, QStringLiteral("Ozarin BIOS editor"));
  return image;
}

// Reveals the inverted copy in a diagonal sweep with a ragged edge.
bool revealed(int x, int y, int width, int height, double fraction) {
  const unsigned hash = static_cast<unsigned>(x) * 73856093u ^ static_cast<unsigned>(y) * 19349663u;
  const double noise = static_cast<double>(hash % 4000) / 4000.0;
  const double position = (static_cast<double>(x) / width + static_cast<double>(y) / height) / 2;
  return position * 0.8 + noise * 0.2 < fraction;
}

}  // namespace

QString creditsText() {
  return QStringLiteral(
      "Special thanks go to:\r\nthe beta testers of the forum\r\nall who sent in their BIOS files\r\n"
      "the authors of the public AtomBIOS documentation\r\neveryone who reported a bug");
}

AboutPicture::AboutPicture(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  image = drawLogo(QSize(300, 130));
  setFixedSize(image.size());
  setCursor(Qt::PointingHandCursor);
  clickableByKeyboard(this, [this] { emit clicked(); });
}

void AboutPicture::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawImage(0, 0, image);
  painter.end();
  drawFocusFrame(this);
}

void AboutPicture::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit clicked();
}

AboutBox::AboutBox(Platform& platform, QWidget* parent) : QDialog(parent), platform_(platform) {
  setObjectName(QStringLiteral("Form2"));
  setWindowTitle(QStringLiteral("About OZA"));
  setAttribute(Qt::WA_DeleteOnClose);
  auto* layout = new QVBoxLayout(this);

  picture_ = new AboutPicture(this);
  picture_->setObjectName(QStringLiteral("Picture1"));
  layout->addWidget(picture_, 0, Qt::AlignHCenter);
  auto* title =
      new QLabel(QStringLiteral("OZA - Ozarin BIOS editor v") + QString::fromStdString(runningVersionText()), this);
  title->setAlignment(Qt::AlignHCenter);
  layout->addWidget(title);
  auto* credits = new QLabel(creditsText().replace(QStringLiteral("\r\n"), QStringLiteral("\n")), this);
  credits->setObjectName(QStringLiteral("Label1"));
  credits->setAlignment(Qt::AlignHCenter);
  layout->addWidget(credits);
  auto* mail = new LinkLabel(this);
  mail->setObjectName(QStringLiteral("Label2"));
  mail->setText(QString::fromLatin1(kAuthorMail));
  mail->setAlignment(Qt::AlignHCenter);
  layout->addWidget(mail);
  auto* close = new QPushButton(QStringLiteral("&OK"), this);
  close->setObjectName(QStringLiteral("Command1"));
  close->setDefault(true);
  close->setFocus();
  layout->addWidget(close, 0, Qt::AlignHCenter);

  connect(mail, &LinkLabel::clicked, this, [this] { sendMail(platform_, kAuthorMail, kMailSubject, "", "", ""); });
  connect(close, &QPushButton::clicked, this, &QWidget::close);
  connect(picture_, &AboutPicture::clicked, this, [this] { pictureClicked(); });

  original_ = picture_->image;
  timer1_.setSingleShot(true);
  timer1_.setInterval(kTransitionMs);
  connect(&timer1_, &QTimer::timeout, this, [this] { startTransition(); });
  transition_.setInterval(16);
  connect(&transition_, &QTimer::timeout, this, [this] { transitionStep(); });
  icosahedron_.setInterval(8);
  connect(&icosahedron_, &QTimer::timeout, this, [this] { icosahedronStep(); });

  create();
  windowHandle()->installEventFilter(this);

  // Opening: the transition is due in two seconds, the icosahedron waits
  // for a click.
  animationFlag_ = false;
  timer1_.start();
}

const QImage& AboutBox::picture() const { return picture_->image; }

void AboutBox::startTransition() {
  original_ = picture_->image;
  inverted_ = original_;
  inverted_.invertPixels();
  transitionClock_.start();
  transition_.start();
}

void AboutBox::transitionStep() {
  const double fraction = static_cast<double>(transitionClock_.elapsed()) / kTransitionMs;
  if (fraction >= 1) {
    transition_.stop();
    picture_->image = inverted_;
    picture_->update();
    return;
  }
  QImage frame = original_;
  for (int y = 0; y < frame.height(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(frame.scanLine(y));
    const auto* source = reinterpret_cast<const QRgb*>(inverted_.constScanLine(y));
    for (int x = 0; x < frame.width(); ++x)
      if (revealed(x, y, frame.width(), frame.height(), fraction)) row[x] = source[x];
  }
  picture_->image = frame;
  picture_->update();
}

void AboutBox::pictureClicked() {
  timer1_.stop();
  transition_.stop();
  if (!animationFlag_) animationFlag_ = true;
  angle_ = 0;  // a click starts the turn again from the first degree
  icosahedron_.start();
  icosahedronStep();
}

void AboutBox::icosahedronStep() {
  angle_ = angle_ % 360 + 1;
  QImage& image = picture_->image;
  image.fill(kBackground);
  if (animationFlag_) {
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(120, 220, 255), 1));
    // User scale: x from -10 (left) to 10, y from 10 (top) to -10.
    const double sx = image.width() / 20.0;
    const double sy = image.height() / 20.0;
    auto point = [&](const std::array<float, 2>& p) { return QPointF((p[0] + 10) * sx, (10 - p[1]) * sy); };
    for (const Mat32& face : icosahedronFrame(angle_)) {
      painter.drawLine(point(face[0]), point(face[1]));
      painter.drawLine(point(face[1]), point(face[2]));
      painter.drawLine(point(face[2]), point(face[0]));
    }
  }
  picture_->update();
}

bool AboutBox::eventFilter(QObject* watched, QEvent* event) {
  // Every time the window is uncovered, wholly or in part, the picture turns
  // into its inverse once more. The platform reports an uncovering as an
  // expose of the window. X11 reports the opening itself with two exposes in
  // a row (one for the mapping, one from the server), so the exposes of the
  // first moments after the window was first shown are its opening.
  if (watched == windowHandle() && event->type() == QEvent::Expose && windowHandle()->isExposed()) {
    if (!openedClock_.isValid()) openedClock_.start();
    if (openedClock_.elapsed() > kOpeningMs) {
      picture_->image.invertPixels();
      picture_->update();
    }
  }
  return QDialog::eventFilter(watched, event);
}

void AboutBox::showEvent(QShowEvent* event) {
  chainTabInReadingOrder(this);
  QDialog::showEvent(event);
}

void AboutBox::closeEvent(QCloseEvent* event) {
  timer1_.stop();
  transition_.stop();
  icosahedron_.stop();
  animationFlag_ = false;
  event->accept();
}

}  // namespace oza::ui
