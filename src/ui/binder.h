#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "controls/control.h"

class QAction;
class QKeySequence;
class QMenuBar;

class QDropEvent;

namespace oza::ui {

// Ties core controls to the widgets that show them. Widgets forward the
// user's input to their control; after every such event the binder mirrors
// the state of all bound controls back into their widgets.
class Binder : public QObject {
  Q_OBJECT
 public:
  explicit Binder(QObject* parent = nullptr) : QObject(parent) {}

  // Binds a widget by its kind: QLineEdit, QLabel, QCheckBox, QRadioButton,
  // QAbstractButton, QComboBox, QListWidget, QGroupBox, QScrollBar, or any
  // other widget (enabled, visible and tool tip only). Sets the widget's
  // objectName to the control's name.
  void bind(Control& control, QWidget* widget);
  void bindAction(Control& control, QAction* action);
  // Buttons give up an access key a menu title of `menuBar` also has: the
  // menu bar wins, the button stays reachable by click and Tab. Applies to
  // the buttons bound or synchronised afterwards.
  void yieldAccessKeysTo(QMenuBar* menuBar);
  // Accepts only the typed characters `accepts` lets through; keys that type
  // no character (navigation, Delete) always pass.
  void setKeyFilter(QWidget* widget, std::function<bool(char)> accepts);

  // Mirrors every bound control into its widget.
  void syncAll();
  // Runs a user event on the core, then mirrors the result.
  void userEvent(const std::function<void()>& event);

  // Called after every sync (for widgets that draw core state themselves).
  std::function<void()> afterSync;

  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Binding {
    Control* control;
    QPointer<QWidget> widget;
    QPointer<QAction> action;
  };
  void sync(const Binding& binding);
  bool takenByMenuBar(const QKeySequence& key) const;
  std::vector<Binding> bindings_;
  std::vector<std::pair<QWidget*, std::function<bool(char)>>> keyFilters_;
  QPointer<QMenuBar> menuBar_;
  bool syncing_ = false;
  int depth_ = 0;
};

QString toQt(const std::string& text);
std::string fromQt(const QString& text);
// The first file of a drop when it is a local file: a window opens that one
// only, and ignores a drop without one.
std::optional<std::string> firstDroppedFile(const QDropEvent& event);

}  // namespace oza::ui
