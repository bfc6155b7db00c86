// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTableWidget>

#include "support/fixture_image.h"
#include "support/real_roms.h"
#include "support/temp_dir.h"
#include "ui/check_window.h"
#include "ui/compare_window.h"
#include "ui/main_window.h"
#include "ui/screenshots.h"
#include "verify/check_rules.h"

namespace oza::ui {
namespace {

// The real image the windows are shown with; a fixture where it is missing.
std::string imageFor(const test::TempDir& dir) {
  const std::string real = test::realRomPath("hd4850-rv770-imac.rom");
  if (!real.empty()) return real;
  test::FixtureImage fixture(131072);
  test::Type1Fields fields;
  fields.tslope = 54;  // as Tmin, Tmax and Duty cycle min give it
  fixture.registers = test::registersFor(fields);
  fixture.save(dir.file("card.rom"));
  return dir.file("card.rom");
}

QAction* fileMenuItem(MainWindow& window, const QString& text) {
  for (QAction* menu : window.menuBar()->actions())
    if (menu->menu())
      for (QAction* item : menu->menu()->actions())
        if (item->text() == text) return item;
  return nullptr;
}

TEST(ReportWindows, CheckBiosShowsEveryCheckOfTheLoadedImage) {
  test::TempDir dir;
  const std::string path = imageFor(dir);
  MainWindow window;
  window.start("");
  window.openPath(path);
  QAction* item = fileMenuItem(window, QStringLiteral("&Check BIOS..."));
  ASSERT_NE(item, nullptr);
  item->trigger();
  auto* check = window.findChild<CheckWindow*>(QStringLiteral("CheckWindow"));
  ASSERT_NE(check, nullptr);
  EXPECT_TRUE(check->isVisible());
  auto* table = check->findChild<QTableWidget*>(QStringLiteral("checks"));
  // Every rule: the image as it would be saved, against the file.
  ASSERT_EQ(table->rowCount(), static_cast<int>(checkRules().size()));
  EXPECT_EQ(table->item(0, 0)->text(), QStringLiteral("ok"));
  EXPECT_EQ(table->item(0, 1)->text(), QStringLiteral("Loads"));
  EXPECT_EQ(check->findChild<QLabel*>(QStringLiteral("summary"))->text(), QStringLiteral("0 errors, 0 warnings"));
  keepScreenshot(*check, "check_window.png");
  check->findChild<QPushButton*>(QStringLiteral("copy"))->click();
  EXPECT_TRUE(QApplication::clipboard()->text().startsWith(QStringLiteral("Check of ") + QString::fromStdString(path) +
                                                           QStringLiteral(" as it would be saved")));

  // It checks the window's edits, not the file on disk.
  window.binder().userEvent([&] { window.session().form().clock.memoryClock[0].setText("5000"); });
  item->trigger();
  check = window.findChild<CheckWindow*>(QStringLiteral("CheckWindow"));
  table = check->findChild<QTableWidget*>(QStringLiteral("checks"));
  bool overLimit = false;
  for (int row = 0; row < table->rowCount(); ++row)
    overLimit |= table->item(row, 1)->text() == QStringLiteral("Clocks within the Overdrive limits") &&
                 table->item(row, 0)->text() == QStringLiteral("warning");
  EXPECT_TRUE(overLimit);
  EXPECT_EQ(window.session().form().clock.memoryClock[0].text(), "5000");
}

TEST(ReportWindows, CompareWithListsSortsAndCopiesTheDifferences) {
  test::TempDir dir;
  const std::string path = imageFor(dir);
  std::vector<std::uint8_t> bytes = test::readBytes(path);
  bytes[0x7C] ^= 0x01;  // sub vendor
  bytes[0x7D] ^= 0x01;
  bytes[0x21] ^= 0x10;  // a byte no field owns
  test::writeBytes(dir.file("other.rom"), bytes);

  MainWindow window;
  window.start("");
  window.openPath(path);
  ASSERT_NE(fileMenuItem(window, QStringLiteral("Co&mpare with...")), nullptr);
  CompareWindow* compare = window.compareWith(dir.file("other.rom"));
  ASSERT_NE(compare, nullptr);
  EXPECT_TRUE(compare->isVisible());
  QTableWidget* table = compare->table();
  ASSERT_GE(table->rowCount(), 4);
  EXPECT_EQ(table->horizontalHeaderItem(1)->text(), QStringLiteral("In A"));
  // The report's order until a header is clicked.
  EXPECT_EQ(table->item(0, 0)->text(), QStringLiteral("Sub vendor ID"));
  EXPECT_EQ(table->item(1, 0)->text(), QStringLiteral("Byte sum"));
  keepScreenshot(*compare, "compare_window.png");

  table->sortItems(0, Qt::DescendingOrder);
  EXPECT_EQ(table->item(0, 0)->text(), QStringLiteral("Sub vendor ID"));
  table->sortItems(0, Qt::AscendingOrder);
  EXPECT_EQ(table->item(0, 0)->text(), QStringLiteral("Byte sum"));

  compare->findChild<QPushButton*>(QStringLiteral("copy"))->click();
  const QString all = QApplication::clipboard()->text();
  EXPECT_TRUE(all.startsWith(QStringLiteral("What\tIn A\tIn B\nByte sum\t"))) << all.toStdString();
  EXPECT_EQ(all.count('\n'), table->rowCount() + 1);
  table->selectRow(1);
  compare->copyAsText();
  EXPECT_EQ(QApplication::clipboard()->text().count('\n'), 2);

  // Values sort as numbers: 71 before 200 before 700 before 750.
  std::vector<Difference> clocks;
  for (const char* value : {"200", "700", "71", "750", "0x1A", "0x100"})
    clocks.push_back({"GPU", value, value, {}, {}, {}, {}});
  CompareWindow numbers("a.rom", "b.rom", clocks, nullptr);
  numbers.table()->sortItems(1, Qt::AscendingOrder);
  QStringList sorted;
  for (int row = 0; row < numbers.table()->rowCount(); ++row) sorted << numbers.table()->item(row, 1)->text();
  EXPECT_EQ(sorted, (QStringList{"0x1A", "71", "200", "0x100", "700", "750"}));

  // The same image: an empty list that says so.
  CompareWindow* same = window.compareWith(path);
  ASSERT_NE(same, nullptr);
  EXPECT_EQ(same->table()->rowCount(), 0);
  EXPECT_EQ(same->findChild<QLabel*>(QStringLiteral("summary"))->text(), QStringLiteral("The images are equal."));
}

}  // namespace
}  // namespace oza::ui
