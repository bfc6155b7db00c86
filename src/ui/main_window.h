// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QMainWindow>
#include <QPointer>
#include <memory>

#include "session/session.h"
#include "ui/about_box.h"
#include "ui/binder.h"
#include "ui/qt_platform.h"

namespace oza::ui {

class CardLoader;
class CheckWindow;
class ClockPage;
class CompareWindow;
class TablesWindow;
class FanGraphWidget;
class AboutBox;
class TextWindowView;
class ProfileEditorWindow;
class InfoDiagram;

// The main window. It owns the session; its widgets mirror the
// session's controls and forward the user's input to them.
class MainWindow : public QMainWindow {
  Q_OBJECT
 public:
  MainWindow();
  ~MainWindow() override;

  Session& session() { return session_; }
  Binder& binder() { return binder_; }
  TextWindowView& textWindow() { return *textWindow_; }

  // Start-up with the program's command line (quotes are removed).
  void start(const std::string& commandLine);
  // A file dropped on the window or named on the command line.
  void openPath(const std::string& path);
  // The About box (opened anew when it was closed).
  AboutBox* showAbout();
  AboutBox* about() { return about_; }
  // Exit: closes the other windows, then this one, and ends the program.
  void exitProgram();

  // Shows the profile editor; one that was closed comes back new, as the
  // window first opens.
  ProfileEditorWindow& showProfileEditor();
  // "Check BIOS...": the report of the image as a save would write it now
  // (the loaded file with the window's edits), against the file as loaded;
  // null (after a message) when none is loaded or the save would be refused.
  CheckWindow* checkBios();
  // "Compare with...": the differences of `path` (asked for when empty) to
  // the loaded image; null when cancelled or when an image does not load.
  CompareWindow* compareWith(std::string path);
  // "Tables...": the tables of the loaded image, following it.
  TablesWindow* showTables();

  // The profile editor window, or null before it was first shown.
  ProfileEditorWindow* profileEditor() { return profileEditor_.get(); }
  // "Load BIOS from installed card..." of the File menu.
  CardLoader& cardLoader() { return *cardLoader_; }

 protected:
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void buildMenus();
  // Ctrl+1, 2, 3 for the tabs; Ctrl+Tab and Ctrl+Shift+Tab through them.
  void addTabKeys();
  QWidget* buildButtons();
  QLayout* buildTabButtons(QWidget* central);
  // The pages of the tabs, in an area that scrolls where the screen is small.
  QWidget* buildPages(QWidget* central);
  QLayout* buildLoadedFileRow(QWidget* central);
  void afterSync();

  QtPlatform platform_;
  Session session_;
  Binder binder_;
  std::unique_ptr<TextWindowView> textWindow_;
  QPointer<AboutBox> about_;
  std::unique_ptr<ProfileEditorWindow> profileEditor_;
  std::unique_ptr<CheckWindow> checkWindow_;
  std::unique_ptr<CompareWindow> compareWindow_;
  std::unique_ptr<TablesWindow> tablesWindow_;
  std::unique_ptr<CardLoader> cardLoader_;
  bool shownBefore_ = false;
  QAction* undo_ = nullptr;
  QAction* redo_ = nullptr;
  InfoDiagram* diagram_ = nullptr;
  ClockPage* clockPage_ = nullptr;
  FanGraphWidget* type1Graph_ = nullptr;
  FanGraphWidget* type2Graph_ = nullptr;
};

}  // namespace oza::ui
