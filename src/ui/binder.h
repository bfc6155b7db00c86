// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QPointer>
#include <QKeySequence>
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
  // Whether a user event completes an edit (a click, a choice, a released
  // drag) or is part of one still going on (a key typed in a box, a drag
  // moving): the edit of a box ends when the box loses the focus.
  enum class Step { Ends, Continues };
  // Runs a user event on the core, then mirrors the result.
  void userEvent(const std::function<void()>& event, Step step = Step::Ends);

  // The widget bound to `control`, if any.
  QWidget* widgetOf(const Control& control) const;
  // What the control's widget is for, its tool tip whenever the core gives
  // it none of its own (a graph's pointer position, a problem with the value).
  void describe(const Control& control, const QString& description);

  // Called after every sync (for widgets that draw core state themselves).
  std::function<void()> afterSync;
  // Called when an edit is complete, before the sync.
  std::function<void()> afterEditStep;
  // Keys that the window's own actions take even in a box that has the
  // focus (the window's undo, not the box's).
  void giveKeysToWindow(std::vector<QKeySequence> keys) { windowKeys_ = std::move(keys); }

  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Binding {
    Control* control;
    QPointer<QWidget> widget;
    QPointer<QAction> action;
    QString description;
  };
  void sync(const Binding& binding);
  void syncContent(QWidget* widget, const Control& control);
  bool takenByMenuBar(const QKeySequence& key) const;
  std::vector<Binding> bindings_;
  std::vector<std::pair<QWidget*, std::function<bool(char)>>> keyFilters_;
  std::vector<QKeySequence> windowKeys_;
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
