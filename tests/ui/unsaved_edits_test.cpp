// SPDX-License-Identifier: GPL-3.0-or-later

// The window's side of unsaved edits: the title's marker, the question on
// closing and loading, undo and redo from the keyboard and the Edit menu, the
// review before a save, the focus on a refused box and marked boxes.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTest>

#include "support/fixture_image.h"
#include "support/temp_dir.h"
#include "find_widget.h"
#include "ui/main_window.h"
#include "ui/modal_answers.h"
#include "ui/save_review_dialog.h"
#include "ui/screenshots.h"

namespace oza::ui {
namespace {

QAction* action(MainWindow& window, const char* name) { return window.findChild<QAction*>(QString::fromLatin1(name)); }

class WindowEdits : public ::testing::Test {
 protected:
  WindowEdits() {
    fixture.save(dir.file("card.rom"));
    window.start(dir.file("card.rom"));
    window.show();
    // Shortcuts and the focus need the active window.
    window.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    gpu = widget<QLineEdit>(window, "GPU(3)");
  }
  // Types `text` into a box as the user does, then leaves it.
  void type(QLineEdit* box, const char* text) {
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, text);
  }
  void leave() { widget<QLineEdit>(window, "GPU(0)")->setFocus(); }

  test::TempDir dir;
  test::FixtureImage fixture;
  MainWindow window;
  QLineEdit* gpu = nullptr;
};

TEST_F(WindowEdits, TheTitleMarksEditsAndUndoFromTheBoxTakesThemBack) {
  widget<QPushButton>(window, "Option1")->click();
  const QString loaded = gpu->text();
  EXPECT_FALSE(window.isWindowModified());
  type(gpu, "800");
  EXPECT_TRUE(window.isWindowModified());
  EXPECT_TRUE(action(window, "Undo")->isEnabled());
  // Ctrl+Z in the box is the window's undo: the whole typing at once.
  QTest::keyClick(gpu, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(gpu->text(), loaded);
  EXPECT_FALSE(window.isWindowModified());
  QTest::keyClick(gpu, Qt::Key_Y, Qt::ControlModifier);
  EXPECT_EQ(gpu->text(), QStringLiteral("800"));
  EXPECT_TRUE(window.isWindowModified());
  type(gpu, "801");
  leave();
  type(widget<QLineEdit>(window, "GPU(2)"), "555");
  leave();
  action(window, "Undo")->trigger();
  EXPECT_EQ(widget<QLineEdit>(window, "GPU(2)")->text(), QStringLiteral("500"));
  action(window, "Undo")->trigger();
  EXPECT_EQ(gpu->text(), QStringLiteral("800"));
  action(window, "Redo")->trigger();
  EXPECT_EQ(gpu->text(), QStringLiteral("801"));
}

TEST_F(WindowEdits, ClosingWithEditsAsksAndCancelKeepsTheWindow) {
  type(gpu, "800");
  scripted::ModalAnswers answers;
  answers.then([](QDialog& question) {
    keepScreenshot(question, "unsaved_question.png");
    qobject_cast<MessageDialog*>(&question)->button(MessageAnswer::Cancel)->click();
  });
  EXPECT_FALSE(window.close());
  EXPECT_TRUE(window.isVisible());
  EXPECT_EQ(answers.titles, std::vector<QString>{QStringLiteral("Unsaved changes")});

  // Save shows the review first; cancelling it keeps the window too.
  answers.then(MessageAnswer::Save).then([](QDialog& review) { review.reject(); });
  EXPECT_FALSE(window.close());
  EXPECT_TRUE(window.isVisible());

  answers.then(MessageAnswer::Discard);
  EXPECT_TRUE(window.close());
  EXPECT_TRUE(answers.allAnswered());
}

TEST_F(WindowEdits, TheReviewListsWhatTheSaveChangesAndTheChecksFindings) {
  type(gpu, "5000");  // above the Overdrive limit
  leave();
  scripted::ModalAnswers answers;
  int findings = 0;
  QStringList whats;
  QString summary;
  QSize opened;
  answers.then([&](QDialog& dialog) {
    auto* review = qobject_cast<SaveReviewDialog*>(&dialog);
    ASSERT_NE(review, nullptr);
    keepScreenshot(*review, "save_review.png");
    QTableWidget* changes = review->changes();
    for (int row = 0; row < changes->rowCount(); ++row) whats << changes->item(row, 0)->text();
    const auto found = changes->findItems(QStringLiteral("Clock info 3 GPU (MHz)"), Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1);
    EXPECT_EQ(changes->item(found[0]->row(), 2)->text(), QStringLiteral("5000"));
    // What, Before and After are read without scrolling, every row too.
    EXPECT_FALSE(changes->horizontalScrollBar()->isVisible());
    EXPECT_FALSE(changes->verticalScrollBar()->isVisible());
    findings = review->findings() ? review->findings()->rowCount() : 0;
    summary = review->findChild<QLabel*>(QStringLiteral("summary"))->text();
    review->resize(review->width() + 40, review->height() + 30);
    opened = review->size();
    review->reject();
  });
  action(window, "BSave")->trigger();
  ASSERT_TRUE(answers.allAnswered());
  // The user's change first, then what the save does for it.
  ASSERT_GE(whats.size(), 4);
  EXPECT_EQ(whats[0], QStringLiteral("Your changes"));
  EXPECT_EQ(whats[1], QStringLiteral("Clock info 3 GPU (MHz)"));
  const auto bySave = whats.indexOf(QStringLiteral("What the save does for them"));
  EXPECT_GT(bySave, 1);
  EXPECT_GT(whats.indexOf(QStringLiteral("Pre-modified (the mark of the checksum correction)")), bySave);
  EXPECT_GE(findings, 1);
  EXPECT_TRUE(summary.contains(QStringLiteral("warning"))) << summary.toStdString();
  EXPECT_TRUE(window.isWindowModified());  // nothing was saved

  // The next review opens at the size the user gave the last one.
  answers.then([&](QDialog& dialog) {
    EXPECT_EQ(dialog.size(), opened);
    dialog.reject();
  });
  action(window, "BSave")->trigger();
  EXPECT_TRUE(answers.allAnswered());
}

TEST_F(WindowEdits, ARefusedSaveGivesTheBoxTheFocusAndMarkedBoxesShowWhy) {
  widget<QPushButton>(window, "Option3")->click();  // away from the clock tab
  window.binder().userEvent([&] { window.session().form().clock.gpuClock[1].setText("99999999"); });
  scripted::ModalAnswers answers;
  QString text;
  answers.then([&](QDialog& box) {
    text = box.findChild<QLabel*>(QStringLiteral("text"))->text();
    box.accept();
  });
  action(window, "BSave")->trigger();
  EXPECT_TRUE(
      text.endsWith(QStringLiteral("Clock info 1, GPU (MHz) holds \"99999999\", which is above 167772.15; it "
                                   "takes a number from 0 to 167772.15 with at most 2 decimals.")))
      << text.toStdString();
  EXPECT_TRUE(widget<QPushButton>(window, "Option1")->isChecked());
  EXPECT_EQ(window.focusWidget(), widget<QLineEdit>(window, "GPU(1)"));

  widget<QPushButton>(window, "Option2")->click();
  QLineEdit* tmin = widget<QLineEdit>(window, "Text5");
  const QColor normal = tmin->palette().color(QPalette::Base);
  type(tmin, "200");  // above Tmax
  EXPECT_NE(tmin->palette().color(QPalette::Base), normal);
  EXPECT_FALSE(tmin->toolTip().isEmpty());
  type(tmin, "20");
  EXPECT_EQ(tmin->palette().color(QPalette::Base), normal);
}

}  // namespace
}  // namespace oza::ui
