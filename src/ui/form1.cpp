#include "ui/form1.h"

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
#include <QUrl>
#include <QVBoxLayout>

#include "text/number_text.h"
#include "session/load_pipeline.h"
#include "session/shell_paths.h"
#include "ui/card_loader.h"
#include "ui/check_window.h"
#include "ui/clock_page.h"
#include "ui/compare_window.h"
#include "ui/fan_graph_widget.h"
#include "ui/fan_pages.h"
#include "ui/form2.h"
#include "ui/form3.h"
#include "ui/form4.h"
#include "ui/info_diagram.h"
#include "ui/info_page.h"
#include "ui/publisher_logo.h"
#include "ui/tab_order.h"
#include "verify/image_check.h"
#include "verify/image_diff.h"
#include "verify/loaded_image.h"

namespace oza::ui {

namespace {
constexpr int kPageWidth = 780;
constexpr int kPageHeight = 520;
}  // namespace

Form1::Form1() : platform_(this), session_(platform_) {
  platform_.beforeModal = [this] { binder_.syncAll(); };
  // The commands that open or close windows belong to the window.
  MainForm& f = session_.form;
  for (Control* about : {&f.Command3, &f.About}) about->onClick = [this] { showAbout(); };
  for (Control* exit : {&f.Command5, &f.Exit}) exit->onClick = [this] { exitProgram(); };
  for (Control* editor : {&f.Command11, &f.PE}) editor->onClick = [this] { showProfileEditor(); };
  f.BCheck.onClick = [this] { checkBios(); };
  f.BCompare.onClick = [this] { compareWith(""); };
  binder_.afterSync = [this] { afterSync(); };
  cardLoader_ = std::make_unique<CardLoader>(this, session_, binder_);
  binder_.bind(session_.form.Form1, this);
  setAcceptDrops(true);
  buildMenus();
  binder_.yieldAccessKeysTo(menuBar());

  auto* central = new QWidget(this);
  auto* columns = new QHBoxLayout(central);

  auto* left = new QVBoxLayout;
  auto* tabs = new QHBoxLayout;
  for (Control* option : {&session_.form.Option1, &session_.form.Option2, &session_.form.Option3}) {
    auto* button = new QPushButton(central);
    button->setCheckable(true);
    button->setMinimumWidth(130);
    binder_.bind(*option, button);
    tabs->addWidget(button);
  }
  tabs->addStretch(1);
  left->addLayout(tabs);

  // The pages lie on top of one another; the core shows one at a time.
  auto* pages = new QWidget(central);
  pages->setFixedSize(kPageWidth, kPageHeight);
  QGroupBox* info = buildInfoPage(session_.form.info, binder_, pages, &diagram_);
  info->setGeometry(0, 0, kPageWidth, kPageHeight);
  clockPage_ = new ClockPage(session_.form.clock, binder_, pages);
  clockPage_->setGeometry(0, 0, kPageWidth, kPageHeight);
  buildFrame4(session_.form.fan, binder_, pages, &graph2_)->setGeometry(0, 0, kPageWidth, kPageHeight);
  buildFrame3(session_.form.fan, binder_, pages, &graph5_)->setGeometry(0, 0, kPageWidth, kPageHeight);
  left->addWidget(pages);

  auto* loaded = new QHBoxLayout;
  auto* loadedCaption = new QLabel(central);
  binder_.bind(session_.form.Label48, loadedCaption);
  auto* loadedPath = new QLabel(central);
  loadedPath->setTextInteractionFlags(Qt::TextSelectableByMouse);
  binder_.bind(session_.form.Label49, loadedPath);
  loaded->addWidget(loadedCaption);
  loaded->addWidget(loadedPath, 1);
  left->addLayout(loaded);
  columns->addLayout(left);
  columns->addWidget(buildButtons());
  setCentralWidget(central);

  form3_ = std::make_unique<Form3>(session_.textWindow, binder_);
  binder_.syncAll();
}

Form1::~Form1() = default;

void Form1::buildMenus() {
  MainForm& f = session_.form;
  QMenu* file = menuBar()->addMenu(QString());
  binder_.bindAction(f.FileMother, file->menuAction());
  auto add = [this](QMenu* menu, Control& control, const QKeySequence& shortcut = {}) {
    QAction* action = menu->addAction(QString());
    if (!shortcut.isEmpty()) action->setShortcut(shortcut);
    binder_.bindAction(control, action);
  };
  add(file, f.BLoad, QKeySequence::Open);
  QAction* fromCard = file->addAction(QStringLiteral("Load BIOS from installed card..."));
  fromCard->setObjectName(QStringLiteral("LoadFromCard"));
  connect(fromCard, &QAction::triggered, this, [this] { cardLoader_->run(); });
  add(file, f.BSave, QKeySequence::Save);
  add(file, f.BCheck);
  add(file, f.BCompare);
  binder_.bindAction(f.KeinName, file->addSeparator());
  add(file, f.PE);
  binder_.bindAction(f.KeinName2, file->addSeparator());
  add(file, f.Exit, QKeySequence(Qt::CTRL | Qt::Key_Q));
  QMenu* info = menuBar()->addMenu(QString());
  binder_.bindAction(f.Info, info->menuAction());
  add(info, f.FAQ, QKeySequence(Qt::Key_F1));
  add(info, f.About);
}

QWidget* Form1::buildButtons() {
  MainForm& f = session_.form;
  auto* panel = new QWidget(this);
  auto* layout = new QVBoxLayout(panel);
  layout->setContentsMargins(6, 34, 0, 0);
  for (Control* command : {&f.Command1, &f.Command2, &f.Command11, &f.Command6, &f.Command10, &f.Command4,
                           &f.Command3, &f.Command5}) {
    auto* button = new QPushButton(panel);
    button->setMinimumWidth(200);
    binder_.bind(*command, button);
    layout->addWidget(button);
  }
  layout->addStretch(1);
  auto* cooperation = new QLabel(panel);
  cooperation->setAlignment(Qt::AlignCenter);
  binder_.bind(f.Label55, cooperation);
  layout->addWidget(cooperation);
  auto* logo = new PublisherLogo(panel);
  binder_.bind(f.Picture1, logo);
  connect(logo, &PublisherLogo::clicked, this, [this] { binder_.userEvent([this] { session_.form.Picture1.click(); }); });
  layout->addWidget(logo, 0, Qt::AlignHCenter);
  return panel;
}

void Form1::afterSync() {
  if (diagram_) diagram_->update();
  if (clockPage_) clockPage_->follow();
  for (FanGraphWidget* graph : {graph2_, graph5_})
    if (graph) graph->follow();
  if (form3_) form3_->follow();
}

void Form1::start(const std::string& commandLine) {
  binder_.userEvent([this] { session_.start(); });
  const std::string path = commandLineFile(commandLine);
  if (path.empty()) return;
  show();
  openPath(path);
}

void Form1::openPath(const std::string& path) {
  if (isProfilePath(path)) {
    showProfileEditor().load(path);
    return;
  }
  binder_.userEvent([&] { loadBiosFile(session_, path); });
}

Form4& Form1::showProfileEditor() {
  if (!form4_ || !form4_->isVisible()) form4_ = std::make_unique<Form4>();
  form4_->show();
  form4_->raise();
  form4_->activateWindow();
  return *form4_;
}

namespace {

// The file of the image the window shows; empty when none is shown (a failed
// load empties the display but leaves the caption).
std::string loadedPath(const Session& session) {
  return session.loadedCheckSum != 0 ? session.form.Label49.text() : std::string();
}

template <typename Window>
Window* showWindow(std::unique_ptr<Window>& window) {
  window->show();
  window->raise();
  window->activateWindow();
  return window.get();
}

}  // namespace

CheckWindow* Form1::checkBios() {
  const std::string path = loadedPath(session_);
  if (path.empty()) {
    platform_.message("No BIOS loaded. Load a BIOS file first.", MessageIcon::Information);
    return nullptr;
  }
  const LoadedImage image(path);
  checkWindow_ = std::make_unique<CheckWindow>(checkImage(image, nullptr), this);
  return showWindow(checkWindow_);
}

CompareWindow* Form1::compareWith(std::string path) {
  const std::string loaded = loadedPath(session_);
  if (loaded.empty()) {
    platform_.message("No BIOS loaded. Load a BIOS file first.", MessageIcon::Information);
    return nullptr;
  }
  if (path.empty()) {
    FileDialogRequest request;
    request.title = "Compare with...";
    request.filters = {{"BIOS files (*.rom; *.bin)", "*.rom; *.bin"}, {"All Files (*.*)", "*.*"}};
    path = trimBlanks(platform_.openFileDialog(request));
    if (path.empty()) return nullptr;
  }
  const LoadedImage a(loaded);
  const LoadedImage b(path);
  for (const LoadedImage* image : {&a, &b})
    if (!image->loaded()) {
      platform_.message(image->path() + " does not load: " + image->failure(), MessageIcon::Information);
      return nullptr;
    }
  compareWindow_ = std::make_unique<CompareWindow>(a.path(), b.path(), diffImages(a.session(), b.session()), this);
  return showWindow(compareWindow_);
}

void Form1::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void Form1::dropEvent(QDropEvent* event) {
  const QList<QUrl> urls = event->mimeData()->urls();
  if (urls.isEmpty() || !urls.first().isLocalFile()) return;
  event->acceptProposedAction();
  openPath(fromQt(urls.first().toLocalFile()));
}

Form2* Form1::showAbout() {
  if (!about_) about_ = new Form2(platform_);
  about_->show();
  about_->raise();
  return about_;
}

void Form1::exitProgram() {
  if (form4_) form4_->close();
  for (QWidget* report : {static_cast<QWidget*>(checkWindow_.get()), static_cast<QWidget*>(compareWindow_.get())})
    if (report) report->close();
  close();  // closes the text window and the About box first
  QApplication::quit();
}

void Form1::showEvent(QShowEvent* event) {
  chainTabInReadingOrder(this);
  QMainWindow::showEvent(event);
}

void Form1::closeEvent(QCloseEvent* event) {
  binder_.userEvent([this] { session_.textWindow.unload(); });
  form3_->hide();
  if (about_) about_->close();
  event->accept();
}

}  // namespace oza::ui
