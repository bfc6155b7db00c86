#pragma once

#include <QMainWindow>
#include <QPointer>
#include <memory>

#include "session/session.h"
#include "ui/binder.h"
#include "ui/form2.h"
#include "ui/qt_platform.h"

namespace oza::ui {

class CardLoader;
class CheckWindow;
class ClockPage;
class CompareWindow;
class FanGraphWidget;
class Form2;
class Form3;
class Form4;
class InfoDiagram;

// The main window `Form1`. It owns the session; its widgets mirror the
// session's controls and forward the user's input to them.
class Form1 : public QMainWindow {
  Q_OBJECT
 public:
  Form1();
  ~Form1() override;

  Session& session() { return session_; }
  Binder& binder() { return binder_; }
  Form3& textWindow() { return *form3_; }

  // Start-up with the program's command line (quotes are removed).
  void start(const std::string& commandLine);
  // A file dropped on the window or named on the command line.
  void openPath(const std::string& path);
  // The About box (opened anew when it was closed).
  Form2* showAbout();
  Form2* about() { return about_; }
  // Exit: closes the other windows, then this one, and ends the program.
  void exitProgram();

  // Shows the profile editor; one that was closed comes back new, as the
  // window first opens.
  Form4& showProfileEditor();
  // "Check BIOS...": the report of the loaded image, loaded afresh from its
  // file as oza-cli loads it; null (after a message) when none is loaded.
  CheckWindow* checkBios();
  // "Compare with...": the differences of `path` (asked for when empty) to
  // the loaded image; null when cancelled or when an image does not load.
  CompareWindow* compareWith(std::string path);

  // The profile editor window, or null before it was first shown.
  Form4* profileEditor() { return form4_.get(); }
  // "Load BIOS from installed card..." of the File menu.
  CardLoader& cardLoader() { return *cardLoader_; }

 protected:
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void buildMenus();
  QWidget* buildButtons();
  void afterSync();

  QtPlatform platform_;
  Session session_;
  Binder binder_;
  std::unique_ptr<Form3> form3_;
  QPointer<Form2> about_;
  std::unique_ptr<Form4> form4_;
  std::unique_ptr<CheckWindow> checkWindow_;
  std::unique_ptr<CompareWindow> compareWindow_;
  std::unique_ptr<CardLoader> cardLoader_;
  InfoDiagram* diagram_ = nullptr;
  ClockPage* clockPage_ = nullptr;
  FanGraphWidget* graph2_ = nullptr;
  FanGraphWidget* graph5_ = nullptr;
};

}  // namespace oza::ui
