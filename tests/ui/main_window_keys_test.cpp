// SPDX-License-Identifier: GPL-3.0-or-later

// The main window by keyboard: tab order, access keys, the state list and
// the clock blocks scrolled into view.
#include <gtest/gtest.h>

#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>

#include "focus_walk.h"
#include "support/fixture_image.h"
#include "support/temp_dir.h"
#include "find_widget.h"
#include "ui/main_window.h"
#include "ui/text_window_view.h"

namespace oza::ui {
namespace {

using focus::tabWalk;

// `expected` appears in `walk` in this order, each name once.
::testing::AssertionResult inOrder(const QStringList& walk, const QStringList& expected) {
  qsizetype last = -1;
  for (const QString& name : expected) {
    const qsizetype at = walk.indexOf(name);
    if (at < 0 || walk.count(name) != 1)
      return ::testing::AssertionFailure() << name.toStdString() << " not once in " << walk.join(' ').toStdString();
    if (at < last)
      return ::testing::AssertionFailure() << name.toStdString() << " out of order in " << walk.join(' ').toStdString();
    last = at;
  }
  return ::testing::AssertionSuccess();
}

QSet<QString> asSet(const QStringList& names) { return QSet<QString>(names.begin(), names.end()); }

class MainWindowKeys : public ::testing::Test {
 protected:
  void open(const ::oza::test::FixtureImage& fixture) {
    fixture.save(dir.file("card.rom"));
    window.start(dir.file("card.rom"));
    ASSERT_TRUE(focus::activate(window));
  }
  QLineEdit* box(const char* kind, int i) {
    return widget<QLineEdit>(window, QStringLiteral("%1(%2)").arg(kind).arg(i));
  }
  QString caption(const char* name) {
    return widget<QWidget>(window, QString::fromLatin1(name))->property("text").toString();
  }

  ::oza::test::TempDir dir;
  MainWindow window;
};

TEST_F(MainWindowKeys, ArrowKeysInTheStateListShowTheModesWithoutHighlighting) {
  ::oza::test::FixtureImage fixture;
  fixture.states = {{0x0008, {0, 0, 0}}, {0x0001, {1, 2, 3}}, {0x0002, {4, 5, 6}}};
  fixture.clocks.assign(10, ::oza::test::ClockRecord{50000, 60000, 1100});
  open(fixture);
  widget<QPushButton>(window, "Option1")->click();
  auto* list = widget<QListWidget>(window, "List1");
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
  EXPECT_EQ(caption("Label94"), QStringLiteral("0"));

  QTest::keyClick(list, Qt::Key_Down);
  EXPECT_EQ(caption("Label92"), QStringLiteral("1"));
  EXPECT_EQ(caption("Label93"), QStringLiteral("2"));
  EXPECT_EQ(caption("Label94"), QStringLiteral("3"));
  EXPECT_NE(box("GPU", 1)->palette().color(QPalette::Base), QColor(0, 255, 0));
  QTest::keyClick(list, Qt::Key_End);
  EXPECT_EQ(caption("Label94"), QStringLiteral("6"));
}

TEST_F(MainWindowKeys, TheMenuBarWinsTheAccessKeysItSharesWithButtons) {
  open(::oza::test::FixtureImage());
  auto openedBy = [](MainWindow& w, Qt::Key key) {
    QTest::keyClick(&w, key, Qt::AltModifier);
    auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    const QString name = popup ? popup->menuAction()->objectName() : QString();
    if (popup) popup->close();
    return name;
  };
  EXPECT_EQ(openedBy(window, Qt::Key_F), QStringLiteral("FileMother"));
  MainWindow other;
  other.start("");
  ASSERT_TRUE(focus::activate(other));
  EXPECT_EQ(openedBy(other, Qt::Key_I), QStringLiteral("Info"));
  ASSERT_TRUE(focus::activate(window));
  // The buttons keep their captions and stay reachable by Tab.
  EXPECT_EQ(widget<QPushButton>(window, "Command4")->text(), QStringLiteral("Get Win&Flash!"));
  EXPECT_TRUE(widget<QPushButton>(window, "Command4")->shortcut().isEmpty());
  EXPECT_TRUE(widget<QPushButton>(window, "Option3")->shortcut().isEmpty());
  EXPECT_EQ(widget<QPushButton>(window, "Command3")->shortcut(), QKeySequence(Qt::ALT | Qt::Key_A));
  EXPECT_TRUE(tabWalk(widget<QPushButton>(window, "Option1")).contains(QStringLiteral("Command4")));
}

TEST_F(MainWindowKeys, AClockBlockThatGetsTheFocusIsScrolledIntoView) {
  ::oza::test::FixtureImage fixture;
  fixture.clocks.assign(20, ::oza::test::ClockRecord{50000, 60000, 1100});
  open(fixture);
  widget<QPushButton>(window, "Option1")->click();
  auto* scroll = widget<QScrollBar>(window, "VScroll1");
  QWidget* viewport = box("GPU", 0)->parentWidget()->parentWidget();
  auto inView = [&](QLineEdit* edit) {
    const QRect at(edit->mapTo(viewport, QPoint(0, 0)), edit->size());
    return viewport->rect().contains(at);
  };

  box("Voltage", 14)->setFocus();
  ASSERT_EQ(scroll->value(), 0);
  QTest::keyClick(box("Voltage", 14), Qt::Key_Tab);
  ASSERT_TRUE(box("GPU", 15)->hasFocus());
  EXPECT_GT(scroll->value(), 0);
  EXPECT_EQ(window.session().form().clock.lastScrollValue, scroll->value());
  EXPECT_TRUE(inView(box("GPU", 15)));
  EXPECT_TRUE(inView(box("Voltage", 19)));

  // Typing goes into the box the user now sees.
  QTest::keyClicks(box("GPU", 15), "7");
  EXPECT_EQ(window.session().form().clock.gpuClock[15].text(), "7");

  const int value = scroll->value();
  QTest::keyClick(box("GPU", 15), Qt::Key_Backtab);
  EXPECT_EQ(scroll->value(), value);  // already in view
  box("RAM", 0)->setFocus();
  EXPECT_EQ(scroll->value(), 0);
  EXPECT_TRUE(inView(box("GPU", 0)));
}

TEST_F(MainWindowKeys, TabReadsEveryPageLeftToRightTopToBottom) {
  ::oza::test::FixtureImage fixture;
  fixture.clocks.assign(20, ::oza::test::ClockRecord{50000, 60000, 1100});
  open(fixture);
  const QStringList buttons{"Command1", "Command2", "Command11", "Command6", "Command10",
                            "Command4", "Command3", "Command5",  "Picture1"};

  QStringList info = tabWalk(widget<QPushButton>(window, "Option1"));
  EXPECT_EQ(asSet(info), asSet(focus::reachableControls(window)));
  EXPECT_TRUE(inOrder(info, QStringList{"Option1", "Option2", "Option3", "InfoText(0)", "InfoText(1)", "InfoText(6)",
                                        "Combo1", "Combo2", "Check1", "Label57"} +
                                buttons));

  widget<QPushButton>(window, "Option1")->click();
  QStringList clock = tabWalk(widget<QPushButton>(window, "Option1"));
  EXPECT_EQ(asSet(clock), asSet(focus::reachableControls(window)));
  EXPECT_TRUE(inOrder(clock, QStringList{"Option1", "Option2", "Option3", "GPU(0)", "GPU(4)", "RAM(0)", "Voltage(4)",
                                         "GPU(5)", "Voltage(15)", "VScroll1", "List1", "Label96", "Check2", "Label58"} +
                                 buttons));

  widget<QPushButton>(window, "Option2")->click();
  QStringList fan = tabWalk(widget<QPushButton>(window, "Option1"));
  EXPECT_EQ(asSet(fan), asSet(focus::reachableControls(window)));
  EXPECT_TRUE(inOrder(fan, QStringList{"Option1", "Option2", "Option3", "Option4", "Option5", "Text5", "Text6", "Text4",
                                       "Check3", "Text2", "Command8", "Command7", "Label67"} +
                               buttons));
}

TEST_F(MainWindowKeys, LinksAreClickedWithEnter) {
  open(::oza::test::FixtureImage());
  widget<QPushButton>(window, "Option1")->click();
  QWidget* help = widget<QWidget>(window, "Label96");
  help->setFocus(Qt::TabFocusReason);
  QTest::keyClick(help, Qt::Key_A);
  EXPECT_FALSE(window.textWindow().isVisible());
  QTest::keyClick(help, Qt::Key_Return);
  EXPECT_TRUE(window.textWindow().isVisible());
  EXPECT_EQ(window.textWindow().windowTitle(), QStringLiteral("Help on PowerPlay states"));
}

TEST_F(MainWindowKeys, FileMenuSeparatorsCarryNoCaption) {
  open(::oza::test::FixtureImage());
  for (const char* name : {"KeinName", "KeinName2"}) {
    auto* separator = window.findChild<QAction*>(QString::fromLatin1(name));
    ASSERT_NE(separator, nullptr);
    EXPECT_TRUE(separator->isSeparator());
    EXPECT_TRUE(separator->text().isEmpty());
  }
}

TEST_F(MainWindowKeys, LoadedTextsShowFromTheirStart) {
  ::oza::test::FixtureImage fixture;
  fixture.cableMessage = std::string(
      "ERROR: The PCI Express power connector of this card is not plugged in. Please connect the power cable.");
  open(fixture);
  auto* cable = widget<QLineEdit>(window, "InfoText(6)");
  ASSERT_TRUE(cable->text().startsWith(QStringLiteral("ERROR")));
  EXPECT_EQ(cable->cursorPosition(), 0);
  EXPECT_EQ(widget<QLineEdit>(window, "InfoText(3)")->cursorPosition(), 0);
}

}  // namespace
}  // namespace oza::ui
