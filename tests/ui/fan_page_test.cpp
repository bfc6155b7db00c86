// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>

#include "fan/graph_bitmap.h"
#include "support/fixture_image.h"
#include "support/temp_dir.h"
#include "ui/fan_graph_widget.h"
#include "ui/main_window.h"

namespace oza::ui {
namespace {

void send(QWidget* widget, QEvent::Type type, QPointF at, Qt::MouseButtons buttons) {
  QMouseEvent event(type, at, widget->mapToGlobal(at), type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                    buttons, Qt::NoModifier);
  QApplication::sendEvent(widget, &event);
}

QPointF at(double x, double y) { return {pixelX(x) + 0.5, pixelY(y) + 0.5}; }

TEST(FanPage, DraggingOnTheTransferGraphMovesTheKnee) {
  test::TempDir dir;
  test::FixtureImage fixture;
  fixture.save(dir.file("fan.rom"));
  MainWindow window;
  window.start(dir.file("fan.rom"));
  window.findChild<QPushButton*>(QStringLiteral("Option2"))->click();
  auto* graph = window.findChild<FanGraphWidget*>(QStringLiteral("Picture2"));
  ASSERT_NE(graph, nullptr);
  auto* tmin = window.findChild<QLineEdit*>(QStringLiteral("Text5"));
  auto* duty = window.findChild<QLineEdit*>(QStringLiteral("Text9"));
  auto* tslope = window.findChild<QLineEdit*>(QStringLiteral("Text7"));

  // The knee moves by as much as the pointer does.
  const int tmin0 = tmin->text().toInt(), duty0 = duty->text().toInt();
  send(graph, QEvent::MouseButtonPress, at(45, 20), Qt::LeftButton);
  send(graph, QEvent::MouseMove, at(50, 30), Qt::LeftButton);
  EXPECT_NEAR(tmin->text().toInt(), tmin0 + 5, 1);
  EXPECT_NEAR(duty->text().toInt(), duty0 + 10, 1);
  EXPECT_EQ(tmin->palette().color(QPalette::Base), QColor(0, 255, 0));
  EXPECT_EQ(graph->toolTip().left(3), QStringLiteral("X: "));
  send(graph, QEvent::MouseButtonRelease, at(50, 30), Qt::NoButton);
  EXPECT_NE(tmin->palette().color(QPalette::Base), QColor(0, 255, 0));

  // Tslope and the curve follow the new knee.
  const FanTab& fan = window.session().form().fan;
  const double d = duty->text().toDouble();
  const double t = tmin->text().toDouble();
  EXPECT_EQ(tslope->text().toInt(), static_cast<int>(std::nearbyint(16 * (100 - d) / (106 - t))));
  const auto segments = fan.type1Graph.segments();
  ASSERT_FALSE(segments.empty());
  EXPECT_EQ(segments[0].x2, t);
  EXPECT_EQ(segments[0].y1, d);

  // The widget shows exactly the pixels a saved bitmap holds.
  const GraphRaster raster = rasterize(fan.type1Graph);
  const QImage shown = graph->grab().toImage();
  const Rgb& pixel = raster.at(pixelX(100), pixelY(100));
  EXPECT_EQ(shown.pixelColor(pixelX(100), pixelY(100)), QColor(pixel.r, pixel.g, pixel.b));
}

TEST(FanPage, TheFanTabIsDisabledWithoutFanSettings) {
  test::TempDir dir;
  test::FixtureImage fixture;
  fixture.fanType = 0;
  fixture.save(dir.file("nofan.rom"));
  MainWindow window;
  window.start(dir.file("nofan.rom"));
  EXPECT_FALSE(window.findChild<QPushButton*>(QStringLiteral("Option2"))->isEnabled());
}

TEST(FanPage, AnImageWithoutALookUpTableShowsNoneLeftOver) {
  test::TempDir dir;
  test::FixtureImage table;
  test::Type1Fields lookUp;
  lookUp.controlMode = 3;
  table.registers = test::registersFor(lookUp);
  table.save(dir.file("table.rom"));
  test::FixtureImage rv770 = table;
  rv770.fanType = 0;
  rv770.cardId = 0x9442;
  rv770.rv770Registers = true;
  rv770.save(dir.file("rv770.rom"));

  MainWindow fresh;
  fresh.start(dir.file("rv770.rom"));
  fresh.findChild<QPushButton*>(QStringLiteral("Option2"))->click();
  const QImage expected = fresh.findChild<FanGraphWidget*>(QStringLiteral("Picture2"))->grab().toImage();

  MainWindow window;
  window.start(dir.file("table.rom"));
  window.openPath(dir.file("rv770.rom"));
  window.findChild<QPushButton*>(QStringLiteral("Option2"))->click();
  EXPECT_EQ(window.findChild<FanGraphWidget*>(QStringLiteral("Picture2"))->grab().toImage(), expected);
  for (int k = 0; k < 8; ++k)
    EXPECT_NE(window.findChild<QLineEdit*>(QStringLiteral("Type1Threshold(%1)").arg(k))->text(),
              QString::number(table.type1Thresholds[static_cast<std::size_t>(k)]));
}

}  // namespace
}  // namespace oza::ui
