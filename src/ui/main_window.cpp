// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShowEvent>
#include <QStyle>
#include <QScrollArea>
#include <QShortcut>
#include <QStatusBar>
#include <QVBoxLayout>

#include "session/load_pipeline.h"
#include "session/save_review.h"
#include "session/unsaved_edits.h"
#include "session/shell_paths.h"
#include "text/number_text.h"
#include "ui/about_box.h"
#include "ui/card_loader.h"
#include "ui/check_window.h"
#include "ui/clock_page.h"
#include "ui/compare_window.h"
#include "ui/tables_window.h"
#include "ui/control_descriptions.h"
#include "ui/fan_graph_widget.h"
#include "ui/fan_pages.h"
#include "ui/info_diagram.h"
#include "ui/info_page.h"
#include "ui/profile_editor_window.h"
#include "ui/publisher_logo.h"
#include "ui/tab_order.h"
#include "ui/text_window_view.h"
#include "verify/image_diff.h"
#include "verify/image_file.h"

namespace oza::ui {

namespace {

// The pages' scrolling area: as large as the largest page wants, so that the
// window opens with every page whole where the screen has room for it, and
// as small as a screen needs, with scroll bars then.
class PagesArea : public QScrollArea {
 public:
  using QScrollArea::QScrollArea;
  QSize sizeHint() const override {
    QSize largest;
    if (widget())
      for (const QObject* child : widget()->children())
        if (const auto* page = qobject_cast<const QWidget*>(child)) largest = largest.expandedTo(page->sizeHint());
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    return largest + QSize(bar, bar);
  }
  QSize minimumSizeHint() const override { return {200, 160}; }
};

}  // namespace

MainWindow::MainWindow() : platform_(this), session_(platform_) {
  platform_.beforeModal = [this] { binder_.syncAll(); };
  // The commands that open or close windows belong to the window.
  MainForm& f = session_.form();
  for (Control* about : {&f.aboutButton, &f.aboutItem}) about->onClick = [this] { showAbout(); };
  for (Control* exit : {&f.exitButton, &f.exitItem}) exit->onClick = [this] { exitProgram(); };
  for (Control* editor : {&f.profileEditorButton, &f.profileEditorItem})
    editor->onClick = [this] { showProfileEditor(); };
  f.checkItem.onClick = [this] { checkBios(); };
  f.compareItem.onClick = [this] { compareWith(""); };
  binder_.afterSync = [this] { afterSync(); };
  binder_.afterEditStep = [this] { session_.history().record(); };
  cardLoader_ = std::make_unique<CardLoader>(this, session_, binder_);
  setProperty("ozaMarksEdits", true);
  binder_.bind(session_.form().window, this);
  setAcceptDrops(true);
  buildMenus();
  binder_.yieldAccessKeysTo(menuBar());

  auto* central = new QWidget(this);
  auto* columns = new QHBoxLayout(central);
  auto* left = new QVBoxLayout;
  left->addLayout(buildTabButtons(central));
  left->addWidget(buildPages(central), 1);
  left->addLayout(buildLoadedFileRow(central));
  columns->addLayout(left, 1);
  columns->addWidget(buildButtons());
  setCentralWidget(central);

  textWindow_ = std::make_unique<TextWindowView>(session_.textWindow(), binder_);
  describeControls(binder_, session_);
  platform_.statusLine = [this](const QString& text) { statusBar()->showMessage(text, 15000); };
  addTabKeys();
  binder_.syncAll();
}

MainWindow::~MainWindow() = default;

QLayout* MainWindow::buildTabButtons(QWidget* central) {
  auto* tabs = new QHBoxLayout;
  for (Control* option :
       {&session_.form().clockTabButton, &session_.form().fanTabButton, &session_.form().infoTabButton}) {
    auto* button = new QPushButton(central);
    button->setCheckable(true);
    binder_.bind(*option, button);
    tabs->addWidget(button);
  }
  tabs->addStretch(1);
  return tabs;
}

QWidget* MainWindow::buildPages(QWidget* central) {
  // The core shows one page at a time; a hidden page takes no room. Where
  // the screen is too small for a page, it scrolls.
  auto* pages = new QWidget;
  auto* stack = new QVBoxLayout(pages);
  stack->setContentsMargins(0, 0, 0, 0);
  stack->addWidget(buildInfoPage(session_.form().info, binder_, pages, &diagram_));
  clockPage_ = new ClockPage(session_.form().clock, binder_, pages);
  stack->addWidget(clockPage_);
  stack->addWidget(buildType1Frame(session_.form().fan, binder_, pages, &type1Graph_));
  stack->addWidget(buildType2Frame(session_.form().fan, binder_, pages, &type2Graph_));
  auto* scroller = new PagesArea(central);
  scroller->setObjectName(QStringLiteral("pages"));
  scroller->setFocusPolicy(Qt::NoFocus);  // Tab walks into the page
  scroller->setWidgetResizable(true);
  scroller->setFrameShape(QFrame::NoFrame);
  scroller->setWidget(pages);
  return scroller;
}

QLayout* MainWindow::buildLoadedFileRow(QWidget* central) {
  auto* loaded = new QHBoxLayout;
  auto* loadedCaption = new QLabel(central);
  binder_.bind(session_.form().loadedFileCaption, loadedCaption);
  // A long path scrolls in its box instead of widening the window; it can
  // still be selected and copied.
  auto* loadedPath = new QLineEdit(central);
  loadedPath->setReadOnly(true);
  loadedPath->setFrame(false);
  loadedPath->setFocusPolicy(Qt::ClickFocus);
  loadedPath->setStyleSheet(QStringLiteral("QLineEdit { background: transparent; }"));
  binder_.bind(session_.form().loadedFile, loadedPath);
  loaded->addWidget(loadedCaption);
  loaded->addWidget(loadedPath, 1);
  return loaded;
}

void MainWindow::buildMenus() {
  MainForm& f = session_.form();
  QMenu* file = menuBar()->addMenu(QString());
  binder_.bindAction(f.fileMenu, file->menuAction());
  auto add = [this](QMenu* menu, Control& control, const QKeySequence& shortcut = {}) {
    QAction* action = menu->addAction(QString());
    if (!shortcut.isEmpty()) action->setShortcut(shortcut);
    binder_.bindAction(control, action);
  };
  add(file, f.loadItem, QKeySequence::Open);
  QAction* fromCard = file->addAction(QStringLiteral("Load BIOS from &installed card..."));
  fromCard->setObjectName(QStringLiteral("LoadFromCard"));
  connect(fromCard, &QAction::triggered, this, [this] { cardLoader_->run(); });
  add(file, f.saveItem, QKeySequence::Save);
  add(file, f.checkItem);
  add(file, f.compareItem);
  binder_.bindAction(f.fileSeparator, file->addSeparator());
  add(file, f.profileEditorItem);
  binder_.bindAction(f.exitSeparator, file->addSeparator());
  add(file, f.exitItem, QKeySequence(Qt::CTRL | Qt::Key_Q));
  // Undo and redo belong to the window: a box's own would undo its typing only.
  QMenu* edit = menuBar()->addMenu(QStringLiteral("E&dit"));
  edit->menuAction()->setObjectName(QStringLiteral("EditMenu"));
  undo_ = edit->addAction(QStringLiteral("&Undo"));
  undo_->setObjectName(QStringLiteral("Undo"));
  undo_->setShortcut(QKeySequence::Undo);
  connect(undo_, &QAction::triggered, this, [this] { binder_.userEvent([this] { session_.history().undo(); }); });
  redo_ = edit->addAction(QStringLiteral("&Redo"));
  redo_->setObjectName(QStringLiteral("Redo"));
  redo_->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
  connect(redo_, &QAction::triggered, this, [this] { binder_.userEvent([this] { session_.history().redo(); }); });
  std::vector<QKeySequence> keys = {QKeySequence(QKeySequence::Undo)};
  for (const QKeySequence& key : redo_->shortcuts()) keys.push_back(key);
  binder_.giveKeysToWindow(keys);
  QMenu* info = menuBar()->addMenu(QString());
  binder_.bindAction(f.infoMenu, info->menuAction());
  add(info, f.faqItem, QKeySequence(Qt::Key_F1));
  QAction* tables = info->addAction(QStringLiteral("&Tables\u2026"));
  tables->setObjectName(QStringLiteral("Tables"));
  connect(tables, &QAction::triggered, this, [this] { showTables(); });
  add(info, f.aboutItem);
}

void MainWindow::addTabKeys() {
  MainForm& f = session_.form();
  Control* const tabs[] = {&f.clockTabButton, &f.fanTabButton, &f.infoTabButton};
  const auto choose = [this](Control* tab) {
    if (tab->enabled()) binder_.userEvent([tab] { tab->click(); });
  };
  for (int t = 0; t < 3; ++t) {
    auto* key = new QShortcut(QKeySequence(Qt::CTRL | static_cast<Qt::Key>(Qt::Key_1 + t)), this);
    connect(key, &QShortcut::activated, this, [choose, tab = tabs[t]] { choose(tab); });
  }
  // Ctrl+Tab and Ctrl+Shift+Tab: the next or previous tab that is enabled.
  for (const int step : {1, 2}) {
    auto* key = new QShortcut(
        step == 1 ? QKeySequence(Qt::CTRL | Qt::Key_Tab) : QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), this);
    connect(key, &QShortcut::activated, this, [tabs, choose, step] {
      int current = 0;
      for (int t = 0; t < 3; ++t)
        if (tabs[t]->checked()) current = t;
      for (int n = 1; n < 3; ++n) {
        Control* next = tabs[(current + step * n) % 3];
        if (next->enabled()) return choose(next);
      }
    });
  }
}

QWidget* MainWindow::buildButtons() {
  MainForm& f = session_.form();
  auto* panel = new QWidget(this);
  auto* layout = new QVBoxLayout(panel);
  layout->setContentsMargins(6, 34, 0, 0);
  for (Control* command : {&f.loadButton, &f.saveButton, &f.profileEditorButton, &f.faqButton, &f.versionCheckButton,
                           &f.winFlashButton, &f.aboutButton, &f.exitButton}) {
    auto* button = new QPushButton(panel);
    binder_.bind(*command, button);
    layout->addWidget(button);
  }
  layout->addStretch(1);
  auto* cooperation = new QLabel(panel);
  cooperation->setAlignment(Qt::AlignCenter);
  binder_.bind(f.cooperationCaption, cooperation);
  layout->addWidget(cooperation);
  auto* logo = new PublisherLogo(panel);
  binder_.bind(f.publisherLogo, logo);
  connect(logo, &PublisherLogo::clicked, this,
          [this] { binder_.userEvent([this] { session_.form().publisherLogo.click(); }); });
  layout->addWidget(logo, 0, Qt::AlignHCenter);
  return panel;
}

void MainWindow::afterSync() {
  setWindowModified(session_.hasUnsavedEdits());
  if (undo_) {
    // An edit still being typed can be undone too.
    undo_->setEnabled(session_.history().canUndo() || session_.hasUnsavedEdits());
    redo_->setEnabled(session_.history().canRedo());
  }
  if (Control* wanted = session_.takeFocusRequest())
    if (QWidget* widget = binder_.widgetOf(*wanted)) widget->setFocus(Qt::OtherFocusReason);
  if (diagram_) diagram_->update();
  for (FanGraphWidget* graph : {type1Graph_, type2Graph_})
    if (graph) graph->follow();
  if (textWindow_) textWindow_->follow();
  if (tablesWindow_) tablesWindow_->follow(session_.image());
}

void MainWindow::start(const std::string& commandLine) {
  binder_.userEvent([this] { session_.start(); });
  const std::string path = commandLineFile(commandLine);
  if (path.empty()) return;
  show();
  openPath(path);
}

void MainWindow::openPath(const std::string& path) {
  if (isProfilePath(path)) {
    showProfileEditor().load(path);
    return;
  }
  binder_.userEvent([&] { loadBiosFile(session_, path); });
}

ProfileEditorWindow& MainWindow::showProfileEditor() {
  if (!profileEditor_ || !profileEditor_->isVisible()) profileEditor_ = std::make_unique<ProfileEditorWindow>();
  profileEditor_->show();
  profileEditor_->raise();
  profileEditor_->activateWindow();
  return *profileEditor_;
}

namespace {

// The file of the image the window shows; empty when none is shown.
std::string loadedPath(const Session& session) { return session.image() ? session.image()->path : std::string(); }

template <typename Window>
Window* showWindow(std::unique_ptr<Window>& window) {
  window->show();
  window->raise();
  window->activateWindow();
  return window.get();
}

}  // namespace

CheckWindow* MainWindow::checkBios() {
  const std::string path = loadedPath(session_);
  if (path.empty()) {
    platform_.message("No BIOS loaded. Load a BIOS file first.", MessageIcon::Information);
    return nullptr;
  }
  // The image as a save would write it now, against the file as loaded.
  std::optional<PendingSave> pending;
  binder_.userEvent([&] { pending = previewSave(session_); });
  if (!pending) return nullptr;  // the save would be refused: its message was shown
  CheckReport report = std::move(pending->check);
  report.path = path + " as it would be saved, with the window's edits";
  checkWindow_ = std::make_unique<CheckWindow>(std::move(report), this);
  return showWindow(checkWindow_);
}

CompareWindow* MainWindow::compareWith(std::string path) {
  const std::string loaded = loadedPath(session_);
  if (loaded.empty()) {
    platform_.message("No BIOS loaded. Load a BIOS file first.", MessageIcon::Information);
    return nullptr;
  }
  if (path.empty()) {
    FileDialogRequest request;
    request.title = "Compare with...";
    request.filters = {{"BIOS files (*.rom; *.bin)", "*.rom; *.bin"}, {"All Files (*.*)", "*.*"}};
    request.startFolder = session_.dialogFolder();
    path = platform_.openFileDialog(request);
    session_.rememberDialogPath(path);
    if (path.empty()) return nullptr;
  }
  const ImageFile a = loadImageFile(loaded);
  const ImageFile b = loadImageFile(path);
  for (const ImageFile* image : {&a, &b})
    if (!image->loaded()) {
      platform_.message(image->path + " does not load: " + image->failure, MessageIcon::Information);
      return nullptr;
    }
  compareWindow_ = std::make_unique<CompareWindow>(a.path, b.path, diffImages(*a.image, *b.image), this);
  return showWindow(compareWindow_);
}

TablesWindow* MainWindow::showTables() {
  if (!tablesWindow_) tablesWindow_ = std::make_unique<TablesWindow>(this);
  tablesWindow_->follow(session_.image());
  return showWindow(tablesWindow_);
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
  const std::optional<std::string> path = firstDroppedFile(*event);
  if (!path) return;
  event->acceptProposedAction();
  openPath(*path);
}

AboutBox* MainWindow::showAbout() {
  if (!about_) about_ = new AboutBox(platform_);
  about_->show();
  about_->raise();
  return about_;
}

void MainWindow::exitProgram() {
  // Each window with unsaved edits may keep the program running.
  if (profileEditor_ && profileEditor_->isVisible() && !profileEditor_->close()) return;
  if (!close()) return;  // closes the text window and the About box first
  for (QWidget* report : {static_cast<QWidget*>(checkWindow_.get()), static_cast<QWidget*>(compareWindow_.get()),
                          static_cast<QWidget*>(tablesWindow_.get())})
    if (report) report->close();
  QApplication::quit();
}

void MainWindow::showEvent(QShowEvent* event) {
  // Opened as large as its pages want, but no larger than its screen.
  if (!shownBefore_ && screen()) {
    shownBefore_ = true;
    resize(sizeHint().boundedTo(screen()->availableGeometry().size() * 95 / 100));
  }
  chainTabInReadingOrder(this);
  QMainWindow::showEvent(event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  bool settled = true;
  binder_.userEvent([&] { settled = settleUnsavedEdits(session_); });
  if (!settled) {
    event->ignore();
    return;
  }
  binder_.userEvent([this] { session_.textWindow().unload(); });
  textWindow_->hide();
  if (about_) about_->close();
  event->accept();
}

}  // namespace oza::ui
