// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include "support/fixture_image.h"
#include "support/temp_dir.h"
#include "find_widget.h"
#include "ui/main_window.h"

namespace oza::ui {
namespace {

class ClockPageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::FixtureImage fixture;
    fixture.clocks.assign(10, test::ClockRecord{50000, 60000, 1100});
    fixture.save(dir.file("ten.rom"));
    window.start(dir.file("ten.rom"));
    widget<QPushButton>(window, "Option1")->click();
  }
  QLineEdit* box(const char* kind, int i) {
    return widget<QLineEdit>(window, QStringLiteral("%1(%2)").arg(kind).arg(i));
  }

  test::TempDir dir;
  MainWindow window;
};

TEST_F(ClockPageTest, TypingWithTheLockOnMirrorsIntoTheFollowers) {
  QTest::mouseClick(widget<QCheckBox>(window, "Check2"), Qt::LeftButton);
  ASSERT_TRUE(window.session().form().clock.lock.checked());
  EXPECT_FALSE(box("GPU", 4)->isEnabled());
  EXPECT_FALSE(box("GPU", 9)->isEnabled());

  QLineEdit* gpu1 = box("GPU", 1);
  gpu1->setFocus();
  gpu1->selectAll();
  QTest::keyClicks(gpu1, "7a,1.5");
  EXPECT_EQ(gpu1->text(), QStringLiteral("71.5"));
  EXPECT_EQ(box("GPU", 4)->text(), QStringLiteral("71.5"));
  EXPECT_EQ(box("GPU", 8)->text(), QStringLiteral("500"));
  EXPECT_EQ(box("RAM", 4)->text(), QStringLiteral("600"));
  QTest::keyClick(gpu1, Qt::Key_Backspace);
  EXPECT_EQ(box("GPU", 4)->text(), QStringLiteral("71."));
}

TEST_F(ClockPageTest, NavigationAndDeletionKeysKeepWorking) {
  QLineEdit* gpu0 = box("GPU", 0);
  gpu0->setFocus();
  gpu0->setCursorPosition(0);
  QTest::keyClick(gpu0, Qt::Key_Delete);
  EXPECT_EQ(gpu0->text(), QStringLiteral("00"));
  QTest::keyClick(gpu0, Qt::Key_End);
  QTest::keyClick(gpu0, Qt::Key_Left);
  QTest::keyClick(gpu0, Qt::Key_Backspace);
  EXPECT_EQ(gpu0->text(), QStringLiteral("0"));
  EXPECT_EQ(window.session().form().clock.gpuClock[0].text(), "0");
  QTest::keyClick(gpu0, Qt::Key_A, Qt::ControlModifier);  // no character the box takes
  QTest::keyClick(gpu0, Qt::Key_Tab);
  EXPECT_FALSE(gpu0->hasFocus());
}

TEST_F(ClockPageTest, ScrollingMovesTheBands) {
  QWidget* title = widget<QWidget>(window, "ClockInfo(0)");
  const int before = title->mapTo(&window, QPoint(0, 0)).y();
  widget<QScrollBar>(window, "VScroll1")->setValue(58);
  EXPECT_EQ(window.session().form().clock.bandOffset(), -58);
  EXPECT_EQ(title->mapTo(&window, QPoint(0, 0)).y(), before - 58);
}

TEST_F(ClockPageTest, PressingOnAStateHighlightsItsBlocksUntilRelease) {
  auto* list = widget<QListWidget>(window, "List1");
  const QRect item = list->visualItemRect(list->item(1));
  QTest::mousePress(list->viewport(), Qt::LeftButton, {}, item.center());
  EXPECT_EQ(box("GPU", 1)->palette().color(QPalette::Base), QColor(0, 255, 0));
  EXPECT_EQ(box("RAM", 3)->palette().color(QPalette::Base), QColor(255, 0, 0));
  QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, item.center());
  EXPECT_NE(box("GPU", 1)->palette().color(QPalette::Base), QColor(0, 255, 0));
  EXPECT_EQ(widget<QWidget>(window, "Label93")->property("text").toString(), QStringLiteral("2"));
}

}  // namespace
}  // namespace oza::ui
