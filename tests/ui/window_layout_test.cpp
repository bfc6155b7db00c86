// SPDX-License-Identifier: GPL-3.0-or-later

// Every window as laid out by its layouts, with the default font and a
// 16 pt one (and, run again with QT_SCALE_FACTOR=2, at twice the scale): no
// visible widget smaller than it needs, none over a sibling, the main window
// no larger at its smallest than a 1600 x 1000 screen; tool tips, palette
// colours and the keyboard. OZA_SCREENSHOTS=FOLDER keeps a picture of each.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QStyleFactory>
#include <QTest>
#include <functional>

#include "support/fixture_image.h"
#include "support/real_roms.h"
#include "support/temp_dir.h"
#include "ui/about_box.h"
#include "ui/check_window.h"
#include "ui/compare_window.h"
#include "ui/link_label.h"
#include "ui/main_window.h"
#include "ui/message_dialog.h"
#include "ui/modal_answers.h"
#include "ui/profile_editor_window.h"
#include "ui/save_review_dialog.h"
#include "ui/text_window_view.h"

namespace oza::ui {
namespace {

double scale() {
  const double factor = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble();
  return factor > 0 ? factor : 1;
}

// A look of the application for the windows built while it lasts.
class Look {
 public:
  Look(int pointSize, bool dark) : font_(QApplication::font()), palette_(QApplication::palette()) {
    if (pointSize > 0) {
      QFont font = font_;
      font.setPointSize(pointSize);
      QApplication::setFont(font);
    }
    if (dark) {
      QPalette palette(QColor(53, 53, 53));
      palette.setColor(QPalette::Base, QColor(42, 42, 42));
      palette.setColor(QPalette::Text, Qt::white);
      palette.setColor(QPalette::WindowText, Qt::white);
      palette.setColor(QPalette::ButtonText, Qt::white);
      palette.setColor(QPalette::Link, QColor(120, 170, 255));
      QApplication::setPalette(palette);
    }
    name_ = QStringLiteral("%1x-%2-%3")
                .arg(scale())
                .arg(pointSize > 0 ? QStringLiteral("%1pt").arg(pointSize) : QStringLiteral("default"))
                .arg(dark ? QStringLiteral("dark") : QStringLiteral("light"));
  }
  ~Look() {
    QApplication::setFont(font_);
    QApplication::setPalette(palette_);
  }
  const QString& name() const { return name_; }

 private:
  QFont font_;
  QPalette palette_;
  QString name_;
};

void keepScreenshot(QWidget& window, const QString& name) {
  const QString folder = qEnvironmentVariable("OZA_SCREENSHOTS");
  if (folder.isEmpty()) return;
  QApplication::processEvents();  // the layouts of a page just shown
  window.grab().save(folder + '/' + name + ".png");
}

bool ownPart(const QWidget* widget) { return widget->objectName().startsWith(QStringLiteral("qt_")); }

// Whether each visible widget of `window` has at least the room its content
// needs and lies over no visible sibling.
void expectLaidOut(QWidget& window, const QString& where) {
  SCOPED_TRACE(where.toStdString());
  window.show();
  // At least as large as it can be made: the test screen is smaller than the
  // screens it is made for (the size check is apart).
  window.resize(window.size().expandedTo(window.minimumSizeHint()));
  QApplication::processEvents();
  for (QWidget* w : window.findChildren<QWidget*>()) {
    // A combo box's own line edit is the combo's business.
    if (!w->isVisibleTo(&window) || w->isWindow() || ownPart(w) || ownPart(w->parentWidget()) ||
        qobject_cast<QComboBox*>(w->parentWidget()) || qobject_cast<QAbstractItemView*>(w->parentWidget()))
      continue;
    // A text must show whole; other widgets need their minimum.
    const bool text = qobject_cast<QLabel*>(w) || qobject_cast<QAbstractButton*>(w);
    const QSize needs = text ? w->sizeHint() : w->minimumSizeHint();
    if (!needs.isValid()) continue;
    EXPECT_TRUE(w->width() >= needs.width() && w->height() >= needs.height())
        << w->metaObject()->className() << " " << w->objectName().toStdString() << " '"
        << w->property("text").toString().toStdString() << "' is " << w->width() << "x" << w->height() << ", needs "
        << needs.width() << "x" << needs.height();
  }
  QList<QWidget*> parents = window.findChildren<QWidget*>();
  parents << &window;
  for (QWidget* parent : parents) {
    if (ownPart(parent) || qobject_cast<QAbstractScrollArea*>(parent)) continue;
    std::vector<QWidget*> shown;
    for (QObject* child : parent->children())
      if (auto* w = qobject_cast<QWidget*>(child); w && !w->isWindow() && w->isVisibleTo(&window) && !ownPart(w))
        shown.push_back(w);
    for (std::size_t a = 0; a < shown.size(); ++a)
      for (std::size_t b = a + 1; b < shown.size(); ++b)
        EXPECT_FALSE(shown[a]->geometry().intersects(shown[b]->geometry()))
            << shown[a]->objectName().toStdString() << " (" << shown[a]->metaObject()->className() << ") over "
            << shown[b]->objectName().toStdString() << " (" << shown[b]->metaObject()->className() << ") in "
            << parent->objectName().toStdString();
  }
}

std::string imageFor(const test::TempDir& dir, int fanType) {
  test::FixtureImage fixture(131072);
  fixture.fanType = fanType;
  fixture.cableMessage = "PLEASE CONNECT THE POWER CABLE TO THE VIDEO CARD";
  fixture.save(dir.file("card.rom"));
  return dir.file("card.rom");
}

class WindowLayout : public ::testing::TestWithParam<int> {};

TEST_P(WindowLayout, EveryWindowFitsItsContentAndTheScreen) {
  const Look look(GetParam(), false);
  test::TempDir dir;
  for (const int fanType : {1, 2}) {
    MainWindow window;
    window.start(imageFor(dir, fanType));
    for (const char* tab : {"Option3", "Option1", "Option2"}) {
      window.findChild<QPushButton*>(QString::fromLatin1(tab))->click();
      expectLaidOut(window, look.name() + " main window " + tab + " fan type " + QString::number(fanType));
      keepScreenshot(window, QStringLiteral("main-%1-%2-type%3").arg(tab).arg(look.name()).arg(fanType));
    }
    // At its smallest it fits a 1600 x 1000 screen at this scale.
    const QSize smallest = window.minimumSizeHint().expandedTo(window.minimumSize());
    EXPECT_LE(smallest.width() * scale(), 1600) << look.name().toStdString();
    EXPECT_LE(smallest.height() * scale(), 1000) << look.name().toStdString();
  }
  const std::string real = test::realRomPath("hd4850-rv770-imac.rom");
  if (!real.empty()) {
    MainWindow window;
    window.start(real);
    window.findChild<QPushButton*>(QStringLiteral("Option1"))->click();
    expectLaidOut(window, look.name() + " main window with the HD 4850");
    keepScreenshot(window, "main-real-" + look.name());
  }

  ProfileEditorWindow editor;
  expectLaidOut(editor, look.name() + " profile editor");
  keepScreenshot(editor, "profile-editor-" + look.name());

  SaveReview review;
  review.title = "Save BIOS: what changes";
  review.summary = "The save makes 2 changes; the check finds 0 errors, 1 warning.";
  review.changes = {{"Clock info 3 GPU (MHz)", "775", "800"}, {"Pre-modified", "no", "yes"}};
  review.findings = {{false, "Clocks within the Overdrive limits", "clock info 3 GPU 800 MHz above 760 MHz"}};
  SaveReviewDialog reviewDialog(review);
  expectLaidOut(reviewDialog, look.name() + " save review");
  keepScreenshot(reviewDialog, "save-review-" + look.name());

  MessageDialog message(Message{"Unsaved changes", "Save the changes to /home/user/card.rom?", MessageIcon::Question,
                                MessageButtons::SaveDiscardCancel});
  expectLaidOut(message, look.name() + " message");
  keepScreenshot(message, "message-" + look.name());
}

INSTANTIATE_TEST_SUITE_P(Fonts, WindowLayout, ::testing::Values(0, 16), [](const auto& info) {
  return info.param ? std::string("Font16pt") : std::string("DefaultFont");
});

TEST(WindowLook, LinksFollowThePaletteAndEveryEditableControlHasATip) {
  test::TempDir dir;
  for (const bool dark : {false, true}) {
    const Look look(0, dark);
    MainWindow window;
    window.start(imageFor(dir, 1));
    for (LinkLabel* link : window.findChildren<LinkLabel*>())
      EXPECT_EQ(link->palette().color(link->foregroundRole()), QApplication::palette().color(QPalette::Link))
          << link->objectName().toStdString();
    for (const char* tab : {"Option1", "Option2", "Option3"}) {
      window.findChild<QPushButton*>(QString::fromLatin1(tab))->click();
      keepScreenshot(window, QStringLiteral("main-%1-").arg(tab) + look.name());
    }
    ProfileEditorWindow editor;
    editor.show();
    keepScreenshot(editor, "profile-editor-" + look.name());
  }

  MainWindow window;
  window.start(imageFor(dir, 1));
  ProfileEditorWindow editor;
  for (QWidget* top : {static_cast<QWidget*>(&window), static_cast<QWidget*>(&editor)})
    for (QWidget* w : top->findChildren<QWidget*>()) {
      const bool editable = qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w) || qobject_cast<QCheckBox*>(w) ||
                            qobject_cast<QRadioButton*>(w) || qobject_cast<QListWidget*>(w);
      if (!editable || w->objectName().isEmpty() || ownPart(w) || ownPart(w->parentWidget())) continue;
      EXPECT_FALSE(w->toolTip().isEmpty()) << w->objectName().toStdString();
    }
  EXPECT_TRUE(window.findChild<QLineEdit*>(QStringLiteral("GPU(3)"))->toolTip().contains(QStringLiteral("MHz")));
  EXPECT_TRUE(
      window.findChild<QLineEdit*>(QStringLiteral("GPU(3)"))->toolTip().contains(QStringLiteral("clock info 3")));
}

TEST(WindowKeys, EditingKeysTabKeysAndTheWheel) {
  test::TempDir dir;
  test::FixtureImage fixture;
  fixture.clocks.assign(20, test::ClockRecord{50000, 60000, 1100});
  fixture.save(dir.file("card.rom"));
  MainWindow window;
  window.start(dir.file("card.rom"));
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

  // Ctrl+1, 2, 3 choose the tabs; Ctrl+Tab the next one.
  const auto tab = [&](const char* name) { return window.findChild<QPushButton*>(QString::fromLatin1(name)); };
  QTest::keyClick(&window, Qt::Key_1, Qt::ControlModifier);
  EXPECT_TRUE(tab("Option1")->isChecked());
  QTest::keyClick(&window, Qt::Key_3, Qt::ControlModifier);
  EXPECT_TRUE(tab("Option3")->isChecked());
  QTest::keyClick(&window, Qt::Key_Tab, Qt::ControlModifier);
  EXPECT_TRUE(tab("Option1")->isChecked());
  QTest::keyClick(&window, Qt::Key_Tab, Qt::ControlModifier);
  EXPECT_TRUE(tab("Option2")->isChecked());
  QTest::keyClick(&window, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_TRUE(tab("Option1")->isChecked());

  // Ctrl+A selects a number box's text; the filter still refuses letters.
  auto* gpu = window.findChild<QLineEdit*>(QStringLiteral("GPU(0)"));
  gpu->setFocus();
  QTest::keyClick(gpu, Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(gpu->selectedText(), gpu->text());
  QTest::keyClicks(gpu, "7x");
  EXPECT_EQ(gpu->text(), QStringLiteral("7"));

  // The wheel over a box scrolls the clock infos.
  auto* scroll = window.findChild<QScrollBar*>(QStringLiteral("VScroll1"));
  ASSERT_EQ(scroll->value(), 0);
  QWheelEvent wheel(QPointF(5, 5), gpu->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -120), Qt::NoButton,
                    Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(gpu, &wheel);
  EXPECT_GT(scroll->value(), 0);

  // The three newer File menu items have access keys.
  for (QAction* menu : window.menuBar()->actions())
    if (menu->menu())
      for (QAction* item : menu->menu()->actions())
        if (!item->isSeparator()) {
          EXPECT_TRUE(item->text().contains('&')) << item->text().toStdString();
        }
}

TEST(WindowFeedback, ASaveSaysSoAndMessagesOpenOverTheirWindow) {
  test::TempDir dir;
  MainWindow window;
  window.start(imageFor(dir, 1));
  window.show();
  window.move(100, 80);
  scripted::ModalAnswers answers;
  QPoint messageCentre;
  answers.then([&](QDialog& box) {
    messageCentre = box.frameGeometry().center();
    box.accept();
  });
  window.binder().userEvent([&] { window.session().platform().message("A message"); });
  EXPECT_LE((messageCentre - window.frameGeometry().center()).manhattanLength(), 40);

  window.session().platform().showStatus("Saved " + dir.file("card.rom"));
  EXPECT_EQ(window.statusBar()->currentMessage(), QString::fromStdString("Saved " + dir.file("card.rom")));

  ProfileEditorWindow editor;
  test::writeText(dir.file("Profiles.xml"), "<Profiles>\r\n</Profiles>\r\n");
  answers.then(MessageAnswer::Ok);  // it holds nothing to edit
  editor.load(dir.file("Profiles.xml"));
  EXPECT_TRUE(editor.windowTitle().contains(QString::fromStdString(dir.file("Profiles.xml"))));
  EXPECT_TRUE(answers.allAnswered());
}

}  // namespace
}  // namespace oza::ui
