// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/tables_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTreeWidget>

#include "support/fixture_kinds.h"
#include "support/temp_dir.h"
#include "ui/main_window.h"
#include "ui/screenshots.h"

namespace oza::ui {
namespace {

QTreeWidgetItem* topItem(QTreeWidget* tree, const QString& name) {
  for (int i = 0; i < tree->topLevelItemCount(); ++i)
    if (tree->topLevelItem(i)->text(1) == name) return tree->topLevelItem(i);
  return nullptr;
}

TEST(TablesWindow, ShowsTheTablesAndModulesOfTheLoadedImageAndFollowsIt) {
  test::TempDir dir;
  test::fixtureKinds().at("vram_info_rev4.rom").save(dir.file("vram.rom"));
  test::fixtureKinds().at("type1_rev4.rom").save(dir.file("plain.rom"));
  MainWindow window;
  window.start("");
  QAction* item = window.findChild<QAction*>(QStringLiteral("Tables"));
  ASSERT_NE(item, nullptr);
  EXPECT_EQ(item->text(), QStringLiteral("&Tables\u2026"));
  item->trigger();
  TablesWindow* tables = window.findChild<TablesWindow*>(QStringLiteral("TablesWindow"));
  ASSERT_NE(tables, nullptr);
  EXPECT_EQ(tables->findChild<QLabel*>(QStringLiteral("summary"))->text(), QStringLiteral("No BIOS loaded."));

  window.openPath(dir.file("vram.rom"));
  QTreeWidget* tree = tables->tree();
  QTreeWidgetItem* data = topItem(tree, QStringLiteral("Data tables"));
  ASSERT_NE(data, nullptr);
  ASSERT_EQ(data->childCount(), 29);
  QTreeWidgetItem* vram = data->child(28);
  EXPECT_EQ(vram->text(1), QStringLiteral("VRAM_Info"));
  EXPECT_EQ(vram->text(2), QStringLiteral("0x3000"));
  EXPECT_EQ(vram->text(4), QStringLiteral("1.4"));
  EXPECT_EQ(data->child(0)->text(2), QStringLiteral("absent"));
  tree->setCurrentItem(vram);
  EXPECT_TRUE(tables->bytesView()->toPlainText().startsWith(QStringLiteral("0x3000  ")))
      << tables->bytesView()->toPlainText().toStdString();

  QTreeWidgetItem* modules = topItem(tree, QStringLiteral("Memory modules"));
  ASSERT_NE(modules, nullptr);
  ASSERT_EQ(modules->childCount(), 3);
  EXPECT_EQ(modules->child(0)->text(1), QStringLiteral("Hynix GDDR5 512 MB"));
  ASSERT_EQ(modules->child(0)->childCount(), 4);
  EXPECT_EQ(modules->child(0)->child(3)->text(1), QStringLiteral("up to 1200 MHz"));
  tree->setCurrentItem(modules->child(0)->child(3));
  keepScreenshot(*tables, "tables_window.png");
  tables->copySelection();
  EXPECT_TRUE(QApplication::clipboard()->text().startsWith(QStringLiteral("3\tup to 1200 MHz\t")));
  tables->copyAsText();
  EXPECT_TRUE(QApplication::clipboard()->text().contains(QStringLiteral("\n\t28\tVRAM_Info\t0x3000\t")));

  // Another image replaces what it shows.
  window.openPath(dir.file("plain.rom"));
  EXPECT_EQ(topItem(tree, QStringLiteral("Memory modules")), nullptr);
  EXPECT_EQ(topItem(tree, QStringLiteral("Data tables"))->child(28)->text(2), QStringLiteral("absent"));
}

}  // namespace
}  // namespace oza::ui
