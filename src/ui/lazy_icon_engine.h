// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QIconEngine>
#include <QList>
#include <QPixmap>
#include <QString>

namespace oza::ui {

// An icon drawn at several sizes, one file each, that decodes a file only
// when a pixmap of its size is asked for. Qt's own engine decodes every file
// as it is added, which costs the window's start the decoding of pictures
// the platform may never ask for.
class LazyIconEngine : public QIconEngine {
 public:
  // `pattern` holds "%1" where the size goes (":/icons/app-%1.png").
  LazyIconEngine(const QString& pattern, const QList<int>& sizes);

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
  QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
  QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
  QIconEngine* clone() const override;
  QString key() const override;
  bool isNull() override;

 private:
  struct Drawing {
    int size;
    QString file;
    QPixmap pixmap;  // null until first asked for
  };
  // The smallest drawing that covers `size`, or the largest there is.
  Drawing* drawingFor(const QSize& size);

  QList<Drawing> drawings_;
};

}  // namespace oza::ui
