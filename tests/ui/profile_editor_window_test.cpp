// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/profile_editor_window.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDropEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QUrl>

#include "platform/scripted_platform.h"
#include "support/profile_fixture.h"
#include "support/temp_dir.h"
#include "find_widget.h"
#include "ui/main_window.h"

namespace oza::ui {
namespace {

using test::realisticProfile;

QString text(QWidget& window, const char* name) { return widget<QLineEdit>(window, name)->text(); }

// As the desktop delivers it: enter, then drop.
void dropFiles(QWidget& window, const std::vector<std::string>& paths) {
  QMimeData data;
  QList<QUrl> urls;
  for (const auto& path : paths) urls << QUrl::fromLocalFile(QString::fromStdString(path));
  data.setUrls(urls);
  QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&window, &enter);
  QDropEvent drop(QPointF(20, 20), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&window, &drop);
}

void expectFirstState(QWidget& window) {
  EXPECT_EQ(window.windowTitle(), QStringLiteral("Profile editor[*]"));
  EXPECT_FALSE(window.isWindowModified());
  for (int k = 0; k < 4; ++k) {
    const std::string frame = "Frame(" + std::to_string(k) + ")";
    auto* box = widget<QGroupBox>(window, frame.c_str());
    EXPECT_EQ(box->title(), QStringLiteral("Card %1").arg(k));
    EXPECT_FALSE(box->isEnabled());
  }
  auto* algorithm = widget<QComboBox>(window, "FanSpeedAlgo(3)");
  EXPECT_FALSE(algorithm->isEditable());
  EXPECT_EQ(algorithm->count(), 2);
  EXPECT_EQ(algorithm->itemText(1), QStringLiteral("Manual"));
  EXPECT_EQ(algorithm->currentIndex(), -1);
  EXPECT_EQ(text(window, "MemVolt(0)"), QString());
}

TEST(ProfileEditorWindow, OpensWithFourDisabledCards) {
  ProfileEditorWindow window;
  expectFirstState(window);
  EXPECT_EQ(widget<QComboBox>(window, "Protocol(0)")->itemText(0), QStringLiteral("Percent"));
  EXPECT_EQ(widget<QPushButton>(window, "Command3")->text(), QStringLiteral("&Save profile..."));
  auto* help = widget<QLabel>(window, "Label9");
  EXPECT_EQ(help->text(), QStringLiteral("What's this?"));
  EXPECT_EQ(help->cursor().shape(), Qt::PointingHandCursor);
  EXPECT_EQ(window.findChildren<QLabel*>().size(), 34);  // eight captions a card and the help link
}

TEST(ProfileEditorWindow, ADroppedFileLoadsWhateverItsName) {
  test::TempDir dir;
  test::writeText(dir.file("profile.txt"), realisticProfile());
  test::writeText(dir.file("other.xml"), test::profileEntry("FanSpeedAlgorithm_3", "Manual"));
  ProfileEditorWindow window;
  dropFiles(window, {dir.file("profile.txt"), dir.file("other.xml")});
  EXPECT_TRUE(widget<QGroupBox>(window, "Frame(0)")->isEnabled());
  EXPECT_TRUE(widget<QGroupBox>(window, "Frame(1)")->isEnabled());
  EXPECT_FALSE(widget<QGroupBox>(window, "Frame(2)")->isEnabled());
  EXPECT_FALSE(widget<QGroupBox>(window, "Frame(3)")->isEnabled());
  EXPECT_EQ(widget<QComboBox>(window, "FanSpeedAlgo(0)")->currentText(), QStringLiteral("Manual"));
  EXPECT_EQ(text(window, "FanSpeed(0)"), QStringLiteral("45"));
  EXPECT_EQ(text(window, "CoreClock(2)"), QStringLiteral("500000000"));
  EXPECT_FALSE(widget<QLineEdit>(window, "CoreClock(2)")->isEnabled());
}

TEST(ProfileEditorWindow, WhatTheUserTypesIsSaved) {
  test::TempDir dir;
  test::writeText(dir.file("Profiles.xml"), realisticProfile());
  ScriptedPlatform platform;
  ProfileEditorWindow window(&platform);
  window.show();
  window.load(dir.file("Profiles.xml"));

  auto* fanSpeed = widget<QLineEdit>(window, "FanSpeed(0)");
  fanSpeed->selectAll();
  QTest::keyClicks(fanSpeed, QStringLiteral("60"));
  auto* algorithm = widget<QComboBox>(window, "FanSpeedAlgo(1)");
  algorithm->setCurrentIndex(1);
  emit algorithm->activated(1);
  platform.queueSavePath(dir.file("out.xml"));
  QTest::mouseClick(widget<QPushButton>(window, "Command3"), Qt::LeftButton);

  EXPECT_TRUE(platform.messages.empty());
  EXPECT_EQ(test::readText(dir.file("out.xml")),
            test::replacedOnce(test::replacedOnce(realisticProfile(), "value=\"45\"", "value=\"60\""),
                               "value=\"Automatic\"", "value=\"Manual\""));

  QTest::mouseClick(widget<QLabel>(window, "Label9"), Qt::LeftButton);
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].title, "OZA");

  widget<QPushButton>(window, "Command2")->click();
  EXPECT_FALSE(window.isVisible());
}

TEST(ProfileEditorWindow, TheMainWindowOpensTheEditor) {
  MainWindow window;
  window.start("");
  EXPECT_EQ(window.profileEditor(), nullptr);
  widget<QPushButton>(window, "Command11")->click();
  ASSERT_NE(window.profileEditor(), nullptr);
  ProfileEditorWindow* first = window.profileEditor();
  EXPECT_TRUE(first->isVisible());

  // The menu item shows the same window while it is open.
  widget<QAction>(window, "PE")->trigger();
  EXPECT_EQ(window.profileEditor(), first);
  EXPECT_TRUE(first->isVisible());
}

TEST(ProfileEditorWindow, AProfileNamedOrDroppedOnTheMainWindowOpensInTheEditor) {
  test::TempDir dir;
  test::writeText(dir.file("Profiles.XML"), realisticProfile());
  MainWindow window;
  window.start("\"" + dir.file("Profiles.XML") + "\"");
  ASSERT_NE(window.profileEditor(), nullptr);
  ProfileEditorWindow& editor = *window.profileEditor();
  EXPECT_TRUE(editor.isVisible());
  EXPECT_EQ(text(editor, "FanSpeedRPM(0)"), QStringLiteral("2200"));
  EXPECT_EQ(widget<QLineEdit>(window, "Label49")->text(), QString());  // no image was loaded

  // Closed, the editor comes back new; a drop on the main window loads into it.
  editor.close();
  widget<QPushButton>(window, "Command11")->click();
  expectFirstState(*window.profileEditor());
  test::writeText(dir.file("card 2.xml"), test::profileEntry("FanSpeedProtocol_2", "Percent"));
  dropFiles(window, {dir.file("card 2.xml")});
  EXPECT_TRUE(widget<QGroupBox>(*window.profileEditor(), "Frame(2)")->isEnabled());
  EXPECT_EQ(widget<QComboBox>(*window.profileEditor(), "Protocol(2)")->currentText(), QStringLiteral("Percent"));
}

}  // namespace
}  // namespace oza::ui
