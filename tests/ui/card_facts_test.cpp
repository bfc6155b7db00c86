// SPDX-License-Identifier: GPL-3.0-or-later

// What the window says of the card on the real HD 4670: its boot values,
// its regulator's levels and a voltage the regulator cannot set as typed.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "support/real_roms.h"
#include "ui/main_window.h"
#include "ui/screenshots.h"

namespace oza::ui {
namespace {

TEST(CardFacts, TheClockTabSaysWhatTheCardRuns) {
  const std::string path = test::realRomPath("hd4670-rv730-imac.rom");
  OZA_SKIP_WITHOUT_REAL_ROM(path);
  MainWindow window;
  window.start(path);
  EXPECT_NE(window.findChild<QLabel*>("CardFacts")->text().indexOf("levels 0.900, 1.000, 1.100, 1.200 V"), -1);
  window.findChild<QPushButton*>("Option1")->click();
  EXPECT_EQ(window.findChild<QLabel*>("BootNote")->text(),
            QStringLiteral("Boot: 680 / 790 MHz, 1.200 V from the firmware"));
  QLineEdit* volt = window.findChild<QLineEdit*>("Voltage(1)");
  EXPECT_NE(volt->toolTip().indexOf("The regulator's levels: 0.900, 1.000, 1.100, 1.200 V"), -1);
  volt->setFocus();
  volt->selectAll();
  QTest::keyClicks(volt, "0.95");
  EXPECT_EQ(volt->toolTip(), QStringLiteral("0.950 V is between the regulator's levels 0.900 and 1.000 V: the card "
                                            "sets 1.000 V (driver) or 0.900 V (BIOS)"));
  keepScreenshot(window, "card-clock-tab.png");
  volt->selectAll();
  QTest::keyClicks(volt, "1.1");
  EXPECT_NE(volt->toolTip().indexOf("The regulator's levels"), -1);
}

}  // namespace
}  // namespace oza::ui
