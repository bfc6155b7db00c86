// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

namespace oza::ui {

// The publisher's logo, drawn by the program itself.
class PublisherLogo : public QWidget {
  Q_OBJECT
 public:
  explicit PublisherLogo(QWidget* parent = nullptr);
  QSize sizeHint() const override { return {180, 56}; }

 signals:
  void clicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace oza::ui
