// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/lazy_icon_engine.h"

#include <QPainter>
#include <algorithm>

namespace oza::ui {

LazyIconEngine::LazyIconEngine(const QString& pattern, const QList<int>& sizes) {
  for (int size : sizes) drawings_.push_back({size, pattern.arg(size), {}});
  std::sort(drawings_.begin(), drawings_.end(), [](const Drawing& a, const Drawing& b) { return a.size < b.size; });
}

LazyIconEngine::Drawing* LazyIconEngine::drawingFor(const QSize& size) {
  if (drawings_.isEmpty()) return nullptr;
  const int wanted = std::max(size.width(), size.height());
  for (Drawing& drawing : drawings_)
    if (drawing.size >= wanted) return &drawing;
  return &drawings_.back();
}

QSize LazyIconEngine::actualSize(const QSize& size, QIcon::Mode, QIcon::State) {
  const Drawing* drawing = drawingFor(size);
  if (!drawing) return {};
  return QSize(drawing->size, drawing->size).boundedTo(size);
}

QPixmap LazyIconEngine::pixmap(const QSize& size, QIcon::Mode, QIcon::State) {
  Drawing* drawing = drawingFor(size);
  if (!drawing || size.isEmpty()) return {};
  if (drawing->pixmap.isNull() && !drawing->pixmap.load(drawing->file)) return {};
  // Shrunk to fit, never blown up: a larger picture would only be blurred.
  const QSize fit = drawing->pixmap.size().boundedTo(size);
  if (drawing->pixmap.size() == fit) return drawing->pixmap;
  return drawing->pixmap.scaled(fit, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

void LazyIconEngine::paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) {
  const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
  QPixmap picture = pixmap(rect.size() * ratio, mode, state);
  picture.setDevicePixelRatio(ratio);
  painter->drawPixmap(rect, picture);
}

QList<QSize> LazyIconEngine::availableSizes(QIcon::Mode, QIcon::State) {
  QList<QSize> sizes;
  for (const Drawing& drawing : drawings_) sizes.push_back(QSize(drawing.size, drawing.size));
  return sizes;
}

QIconEngine* LazyIconEngine::clone() const { return new LazyIconEngine(*this); }

QString LazyIconEngine::key() const { return QStringLiteral("oza-lazy"); }

bool LazyIconEngine::isNull() { return drawings_.isEmpty(); }

}  // namespace oza::ui
