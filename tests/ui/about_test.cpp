// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "ui/about_box.h"
#include "ui/main_window.h"

namespace oza::ui {
namespace {

TEST(About, OpensStillAndTurnsOnlyAfterAClick) {
  MainWindow window;
  window.start("");
  window.findChild<QPushButton*>(QStringLiteral("Command3"))->click();
  AboutBox* about = window.about();
  ASSERT_NE(about, nullptr);
  EXPECT_TRUE(about->isVisible());
  EXPECT_FALSE(about->animating());
  EXPECT_TRUE(about->findChild<QLabel*>(QStringLiteral("Label1"))
                  ->text()
                  .startsWith(QStringLiteral("Special thanks go to:\n")));

  auto* picture = about->findChild<QWidget*>(QStringLiteral("Picture1"));
  QTest::mouseClick(picture, Qt::LeftButton);
  EXPECT_TRUE(about->animating());
  const int first = about->angle();
  QTest::qWait(60);
  EXPECT_GT(about->angle(), first);  // one degree every 8 ms

  about->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
  QApplication::processEvents();
  EXPECT_EQ(window.about(), nullptr);  // closed windows are made anew

  // Opened again: still until clicked.
  window.showAbout();
  EXPECT_FALSE(window.about()->animating());
  window.about()->close();
}

TEST(About, TheLogoTurnsIntoItsInverseAfterTwoSeconds) {
  MainWindow window;
  window.start("");
  AboutBox* about = window.showAbout();
  QImage before = about->picture().copy();
  QTest::qWait(4300);
  QImage expected = before;
  expected.invertPixels();
  EXPECT_EQ(about->picture(), expected);
  about->close();
}

}  // namespace
}  // namespace oza::ui
