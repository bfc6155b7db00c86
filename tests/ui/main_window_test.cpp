// SPDX-License-Identifier: GPL-3.0-or-later

#include "find_widget.h"
#include "ui/main_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <map>

#include "support/fixture_image.h"
#include "support/temp_dir.h"
#include "ui/modal_answers.h"
#include "ui/text_window_view.h"

namespace oza::ui {
namespace {

TEST(MainWindow, StartsOnTheEmptyInformationTab) {
  MainWindow window;
  window.start("");
  EXPECT_TRUE(window.windowTitle().endsWith(QStringLiteral(": OZA - Ozarin BIOS editor v1.12[*]")));
  EXPECT_FALSE(window.isWindowModified());
  EXPECT_TRUE(widget<QPushButton>(window, "Option3")->isChecked());
  EXPECT_FALSE(widget<QPushButton>(window, "Option1")->isChecked());
  EXPECT_EQ(widget<QPushButton>(window, "Option2")->text(), QStringLiteral("Fan se&ttings"));
  EXPECT_EQ(widget<QComboBox>(window, "Combo1")->count(), 45);
  EXPECT_EQ(widget<QComboBox>(window, "Combo2")->count(), 34);
  EXPECT_EQ(widget<QLineEdit>(window, "InfoText(2)")->text(), QString());
  EXPECT_EQ(widget<QLabel>(window, "Label48")->text(), QStringLiteral("Loaded BIOS file:"));
}

TEST(MainWindow, LoadsAnImageFromTheCommandLineWithQuotes) {
  test::TempDir dir;
  test::FixtureImage fixture;
  fixture.save(dir.file("my card.rom"));
  MainWindow window;
  window.start("\"" + dir.file("my card.rom") + "\"");
  EXPECT_EQ(widget<QLineEdit>(window, "Label49")->text().toStdString(), dir.file("my card.rom"));
  EXPECT_EQ(widget<QLineEdit>(window, "InfoText(1)")->text(), QStringLiteral("113-B50102-101"));
  EXPECT_EQ(widget<QLineEdit>(window, "InfoText(0)")->text(), QStringLiteral("09/10/08 14:22"));
  EXPECT_EQ(widget<QComboBox>(window, "Combo2")->currentText(), QStringLiteral("HD 3870"));
  EXPECT_EQ(widget<QComboBox>(window, "Combo1")->currentIndex(), 1);
  EXPECT_EQ(widget<QLabel>(window, "Label25")->text(), QStringLiteral("0x10000"));
  EXPECT_TRUE(widget<QLabel>(window, "Label24")->text().startsWith(QStringLiteral("0x")));
  EXPECT_FALSE(widget<QCheckBox>(window, "Check1")->isChecked());
}

TEST(MainWindow, DroppingFilesLoadsTheFirstOnly) {
  test::TempDir dir;
  test::FixtureImage first;
  first.version = "FIRST-VERSION";
  first.save(dir.file("first.rom"));
  test::FixtureImage second;
  second.version = "SECOND-VERSION";
  second.save(dir.file("second.rom"));

  MainWindow window;
  window.start("");
  // As the desktop delivers it: enter, then drop.
  auto drop = [&](QMimeData& data) {
    QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &enter);
    QDropEvent event(QPointF(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &event);
  };
  QMimeData text;
  text.setText(QStringLiteral("just text"));
  drop(text);
  EXPECT_EQ(widget<QLineEdit>(window, "InfoText(1)")->text(), QString());

  QMimeData files;
  files.setUrls({QUrl::fromLocalFile(QString::fromStdString(dir.file("first.rom"))),
                 QUrl::fromLocalFile(QString::fromStdString(dir.file("second.rom")))});
  drop(files);
  EXPECT_EQ(widget<QLineEdit>(window, "InfoText(1)")->text(), QStringLiteral("FIRST-VERSION"));
}

// What the window shows, widget by widget: texts, checks, choices, enabled
// and hidden states.
std::map<QString, QString> shown(QWidget& window) {
  std::map<QString, QString> states;
  for (QWidget* w : window.findChildren<QWidget*>()) {
    // Qt's own parts (scroll bars that come and go with the room) are no content.
    if (w->objectName().isEmpty() || w->objectName().startsWith(QStringLiteral("qt_"))) continue;
    QString state = QStringLiteral("%1 %2").arg(w->isEnabled()).arg(w->isHidden());
    if (auto* edit = qobject_cast<QLineEdit*>(w)) state += edit->text();
    if (auto* label = qobject_cast<QLabel*>(w)) state += label->text();
    if (auto* combo = qobject_cast<QComboBox*>(w))
      state += QString::number(combo->currentIndex()) + combo->currentText();
    if (auto* button = qobject_cast<QAbstractButton*>(w)) state += QString::number(button->isChecked());
    states[w->objectName() + QString::number(states.size())] = state;
  }
  return states;
}

TEST(MainWindow, AFailedLoadLeavesTheWindowAsItWas) {
  test::TempDir dir;
  test::FixtureImage fixture;
  fixture.save(dir.file("card.rom"));
  test::writeBytes(dir.file("refused.rom"), std::vector<std::uint8_t>(65536, 0xFF));
  MainWindow window;
  window.start(dir.file("card.rom"));
  QLineEdit* gpu = widget<QLineEdit>(window, "GPU(3)");
  gpu->selectAll();
  QTest::keyClicks(gpu, "800");
  widget<QPushButton>(window, "Option2")->click();
  const auto before = shown(window);
  // The edit is discarded for the load, and the refusal's message closed.
  scripted::ModalAnswers answers;
  answers.then(MessageAnswer::Discard).then(MessageAnswer::Ok);
  window.openPath(dir.file("refused.rom"));
  EXPECT_TRUE(answers.allAnswered());
  const auto after = shown(window);
  for (const auto& [name, state] : before)
    EXPECT_EQ(after.count(name) ? after.at(name) : QStringLiteral("(gone)"), state) << name.toStdString();
  EXPECT_EQ(window.session().image()->path, dir.file("card.rom"));
  EXPECT_EQ(gpu->text(), QStringLiteral("800"));
}

TEST(MainWindow, TheFaqOpensInTheTextWindow) {
  MainWindow window;
  window.start("");
  widget<QPushButton>(window, "Command6")->click();
  EXPECT_TRUE(window.textWindow().isVisible());
  EXPECT_EQ(window.textWindow().windowTitle(), QStringLiteral("FAQ"));
  widget<QPushButton>(window.textWindow(), "Command1")->click();
  EXPECT_FALSE(window.textWindow().isVisible());
}

}  // namespace
}  // namespace oza::ui
