// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/card_loader.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>

#include "support/fake_sysfs.h"
#include "support/fixture_image.h"
#include "modal_answers.h"
#include "ui/main_window.h"
#include "ui/screenshots.h"

namespace oza::ui {
namespace {

class CardLoaderTest : public ::testing::Test {
 protected:
  CardLoaderTest() {
    sysfs.addDevice("0000:01:00.0", "0x1002", "0x9501", "0x030000", test::FixtureImage().build());
    auto fake = std::make_unique<test::FakeRomAccess>();
    access = fake.get();
    window.cardLoader().access = std::move(fake);
    window.start("");
  }

  QString infoText(const char* name) { return window.findChild<QLineEdit*>(QString::fromLatin1(name))->text(); }

  test::FakeSysfs sysfs;
  MainWindow window;
  test::FakeRomAccess* access = nullptr;
};

TEST_F(CardLoaderTest, TheFileMenuOffersTheInstalledCardAfterLoad) {
  const QList<QAction*> items = window.menuBar()->actions().first()->menu()->actions();
  ASSERT_GE(items.size(), 2);
  EXPECT_EQ(items[0]->text(), QStringLiteral("&Load BIOS..."));
  EXPECT_EQ(items[1]->text(), QStringLiteral("Load BIOS from &installed card..."));
}

TEST_F(CardLoaderTest, TheChosenCardsBiosIsLoaded) {
  QStringList offered;
  window.cardLoader().choose = [&](const QStringList& cards) {
    offered = cards;
    return 0;
  };
  window.findChild<QAction*>(QStringLiteral("LoadFromCard"))->trigger();
  EXPECT_EQ(offered, QStringList{QStringLiteral("0000:01:00.0  HD 3870 (0x1002:0x9501)")});
  EXPECT_EQ(infoText("InfoText(1)"), QStringLiteral("113-B50102-101"));
  EXPECT_TRUE(access->enabled.empty());
  std::remove(window.session().form().loadedFile.text().c_str());
}

// The boot display's copy, and fewer bytes than its ROM window: loaded, with
// a warning that names what is missing.
TEST_F(CardLoaderTest, APartialCopyIsLoadedWithAWarning) {
  sysfs.setRomWindow("0000:01:00.0", 131072);
  sysfs.setBootDisplay("0000:01:00.0", true);
  QStringList offered;
  window.cardLoader().choose = [&](const QStringList& cards) {
    offered = cards;
    return 0;
  };
  QString warning;
  scripted::ModalAnswers answers;
  answers.then([&](QDialog& dialog) {
    warning = dialog.findChild<QLabel*>(QStringLiteral("text"))->text();
    keepScreenshot(dialog, "partial_card_copy.png");
    dialog.accept();
  });
  window.show();
  window.findChild<QAction*>(QStringLiteral("LoadFromCard"))->trigger();
  EXPECT_TRUE(answers.allAnswered());
  EXPECT_EQ(offered, QStringList{QStringLiteral("0000:01:00.0  HD 3870 (0x1002:0x9501), ROM window 131,072 bytes, "
                                                "boot display")});
  EXPECT_TRUE(warning.startsWith(QStringLiteral("This copy of the card's BIOS is partial: the kernel gave 65,536 of")))
      << warning.toStdString();
  EXPECT_TRUE(warning.contains(QStringLiteral("the boot display"))) << warning.toStdString();
  EXPECT_TRUE(warning.contains(QStringLiteral("read the whole chip with the card's flashing tool")));
  EXPECT_EQ(infoText("InfoText(1)"), QStringLiteral("113-B50102-101"));
  std::remove(window.session().form().loadedFile.text().c_str());
}

TEST_F(CardLoaderTest, ACancelledChoiceReadsNothing) {
  window.cardLoader().choose = [](const QStringList&) { return -1; };
  window.cardLoader().run();
  EXPECT_EQ(access->enables, 0);
  EXPECT_EQ(infoText("InfoText(1)"), QString());
}

}  // namespace
}  // namespace oza::ui
