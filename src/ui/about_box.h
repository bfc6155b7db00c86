// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>
#include <QElapsedTimer>
#include <QImage>
#include <QTimer>

namespace oza {
class Platform;
}

namespace oza::ui {

class AboutPicture;

// The About box: credits, the author's mail link and the logo with
// its two animations (the inversion two seconds after opening and the
// turning icosahedron after a click).
class AboutBox : public QDialog {
  Q_OBJECT
 public:
  explicit AboutBox(Platform& platform, QWidget* parent = nullptr);

  bool animating() const { return animationFlag_; }
  int angle() const { return angle_; }
  const QImage& picture() const;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;

 public:
  // Escape closes the window as its close button does.
  void reject() override { close(); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void startTransition();
  void transitionStep();
  void pictureClicked();
  void icosahedronStep();

  Platform& platform_;
  AboutPicture* picture_;
  QTimer timer1_;      // one shot, 2000 ms after opening
  QTimer transition_;  // frames of the inversion
  QElapsedTimer transitionClock_;
  QImage original_;
  QImage inverted_;
  QTimer icosahedron_;  // one degree every 8 ms
  bool animationFlag_ = false;
  int angle_ = 0;
  QElapsedTimer openedClock_;  // from the first expose on
};

// The logo picture of the About box.
class AboutPicture : public QWidget {
  Q_OBJECT
 public:
  explicit AboutPicture(QWidget* parent = nullptr);
  QImage image;
  QSize sizeHint() const override { return image.size(); }

 signals:
  void clicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
};

// The credits: "Special thanks go to:" and one name a line.
QString creditsText();

}  // namespace oza::ui
