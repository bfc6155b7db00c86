// SPDX-License-Identifier: GPL-3.0-or-later

// The other windows by keyboard: the text window, the About box, the profile
// editor and the message boxes.
#include <gtest/gtest.h>

#include <QDialogButtonBox>
#include <QExposeEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include "focus_walk.h"
#include "support/profile_fixture.h"
#include "support/temp_dir.h"
#include "ui/about_box.h"
#include "ui/main_window.h"
#include "ui/message_dialog.h"
#include "ui/profile_editor_window.h"
#include "ui/text_window_view.h"

namespace oza::ui {
namespace {

using focus::tabWalk;

TEST(WindowKeys, EscapeClosesTheTextWindowForGood) {
  MainWindow window;
  window.start("");
  window.findChild<QPushButton*>(QStringLiteral("Command6"))->click();
  TextWindowView& text = window.textWindow();
  ASSERT_TRUE(focus::activate(text));
  EXPECT_EQ(tabWalk(text.findChild<QWidget*>(QStringLiteral("Text1"))), (QStringList{"Text1", "Command1"}));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
  EXPECT_FALSE(text.isVisible());
  EXPECT_FALSE(window.session().textWindow().shown());
  // The next event in the main window does not bring it back.
  window.findChild<QPushButton*>(QStringLiteral("Option1"))->click();
  EXPECT_FALSE(text.isVisible());
}

TEST(WindowKeys, TheAboutBoxIsReadByTabAndClosedByEscapeOrEnter) {
  MainWindow window;
  window.start("");
  for (Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
    QPointer<AboutBox> about = window.showAbout();
    ASSERT_TRUE(focus::activate(*about));
    EXPECT_EQ(focus::focusName(), QStringLiteral("Command1"));
    if (key == Qt::Key_Escape) {
      EXPECT_EQ(tabWalk(about->findChild<QWidget*>(QStringLiteral("Picture1"))),
                (QStringList{"Picture1", "Label2", "Command1"}));
    }
    QTest::keyClick(QApplication::focusWidget(), key);
    QApplication::processEvents();
    EXPECT_TRUE(about.isNull()) << key;
  }
}

TEST(WindowKeys, EveryUncoveringOfTheAboutBoxInvertsThePicture) {
  MainWindow window;
  window.start("");
  AboutBox* about = window.showAbout();
  ASSERT_TRUE(focus::activate(*about));
  const QImage opened = about->picture().copy();
  QImage inverted = opened;
  inverted.invertPixels();
  // X11 reports the opening as more than one expose.
  QExposeEvent opening(QRegion(0, 0, about->width(), about->height()));
  QApplication::sendEvent(about->windowHandle(), &opening);
  EXPECT_EQ(about->picture(), opened);
  QTest::qWait(400);
  // A window that covered a corner of it goes away.
  QExposeEvent corner(QRegion(0, 0, 40, 30));
  QApplication::sendEvent(about->windowHandle(), &corner);
  EXPECT_EQ(about->picture(), inverted);
  QExposeEvent again(QRegion(10, 10, 40, 30));
  QApplication::sendEvent(about->windowHandle(), &again);
  EXPECT_EQ(about->picture(), opened);
  about->close();
}

TEST(WindowKeys, TheProfileEditorIsReadCardByCard) {
  ::oza::test::TempDir dir;
  ::oza::test::writeText(dir.file("Profiles.xml"), ::oza::test::realisticProfile());
  ProfileEditorWindow window;
  window.load(dir.file("Profiles.xml"));
  ASSERT_TRUE(focus::activate(window));
  const QStringList walk = tabWalk(window.findChild<QWidget*>(QStringLiteral("FanSpeedAlgo(0)")));
  const QStringList reachable = focus::reachableControls(window);
  EXPECT_EQ(QSet<QString>(walk.begin(), walk.end()), QSet<QString>(reachable.begin(), reachable.end()));
  // The profile has cards 0 and 1; the frames of the others are disabled.
  const QStringList order{"FanSpeedAlgo(0)", "Protocol(0)", "MemVolt(0)", "FanSpeedAlgo(1)", "MemVolt(1)",
                          "Label9",          "Command1",    "Command3",   "Command2"};
  QStringList seen;
  for (const QString& name : walk)
    if (order.contains(name)) seen << name;
  EXPECT_EQ(seen.join(' ').toStdString(), order.join(' ').toStdString());
}

// Answers the box that opens next with a key.
MessageAnswer answerWith(const Message& message, Qt::Key key) {
  MessageDialog box(message);
  QTimer::singleShot(0, &box, [&box, key] {
    QWidget* focus = QApplication::focusWidget();
    QTest::keyClick(focus ? focus : &box, key);
  });
  box.exec();
  return box.answer();
}

TEST(WindowKeys, MessageBoxesTakeEnterAsYesAndEscapeAsNo) {
  const Message question{"OZA", "Overwrite?", MessageIcon::Question, MessageButtons::YesNo};
  EXPECT_EQ(answerWith(question, Qt::Key_Return), MessageAnswer::Yes);
  EXPECT_EQ(answerWith(question, Qt::Key_Escape), MessageAnswer::No);
  const Message note{"OZA", "Saved.", MessageIcon::Information, MessageButtons::Ok};
  EXPECT_EQ(answerWith(note, Qt::Key_Return), MessageAnswer::Ok);
}

TEST(WindowKeys, MessageLinesAreNotBrokenAgain) {
  const QString line1 =
      QStringLiteral("This is just for helping with over-/underclocking 3xx0 video cards. For those cards");
  const QString line2 = QStringLiteral("clock infos are written exactly the same values.");
  MessageDialog box(Message{"OZA", (line1 + "\r\n" + line2).toStdString(), MessageIcon::Information});
  box.show();
  auto* label = box.findChild<QLabel*>(QStringLiteral("text"));
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->text(), line1 + "\n" + line2);
  EXPECT_GE(label->width(), label->fontMetrics().horizontalAdvance(line1));
  EXPECT_LE(label->height(), 3 * label->fontMetrics().lineSpacing());

  // A paragraph wider than the screen still wraps, at the screen's width.
  std::string paragraph;
  for (int k = 0; k < 300; ++k) paragraph += "word ";
  MessageDialog wide(Message{"OZA", paragraph});
  wide.show();
  EXPECT_LE(wide.width(), wide.screen()->availableGeometry().width());
}

}  // namespace
}  // namespace oza::ui
