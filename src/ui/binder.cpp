// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/binder.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDropEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QUrl>
#include <QValidator>

#include "controls/number_keys.h"
#include "ui/link_label.h"

namespace oza::ui {

QString toQt(const std::string& text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }
std::string fromQt(const QString& text) { return text.toUtf8().toStdString(); }

std::optional<std::string> firstDroppedFile(const QDropEvent& event) {
  const QList<QUrl> urls = event.mimeData()->urls();
  if (urls.isEmpty() || !urls.first().isLocalFile()) return std::nullopt;
  return fromQt(urls.first().toLocalFile());
}

namespace {

// What a number box holds, however the text arrives (typed, pasted, dropped):
// digits and the point; and dashes alone, what is left while the user
// deletes the "---" of a field without a voltage.
class NumberValidator : public QValidator {
 public:
  explicit NumberValidator(QObject* parent) : QValidator(parent) {}
  State validate(QString& input, int&) const override {
    const bool dashes = !input.isEmpty() && input.count(QLatin1Char('-')) == input.size();
    if (dashes) return Intermediate;
    for (const QChar c : input)
      if (c.unicode() > 0x7F || !numberCharacter(static_cast<char>(c.unicode()))) return Invalid;
    return Acceptable;
  }
};

// Message texts and multi-line boxes carry CR LF line ends.
QString displayText(const std::string& text) {
  QString shown = toQt(text);
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return shown;
}

void setBackground(QWidget* widget, const std::optional<Rgb>& color) {
  const QVariant wanted = color ? QVariant(QColor(color->r, color->g, color->b)) : QVariant();
  if (widget->property("ozaBackColor") == wanted) return;
  widget->setProperty("ozaBackColor", wanted);
  if (!color) {
    widget->setPalette(QPalette());
    return;
  }
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Base, wanted.value<QColor>());
  widget->setPalette(palette);
}

}  // namespace

void Binder::bind(Control& control, QWidget* widget) {
  widget->setObjectName(toQt(control.name()));
  bindings_.push_back({&control, widget, nullptr, {}});
  Control* c = &control;

  if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
    edit->setAcceptDrops(false);
    if (control.numbersOnly()) {
      setKeyFilter(edit, numberKeyAccepted);
      edit->setValidator(new NumberValidator(edit));
    } else {
      edit->installEventFilter(this);  // the end of its edit, and the window's keys
    }
    connect(edit, &QLineEdit::textEdited, this,
            [this, c](const QString& text) { userEvent([&] { c->setText(fromQt(text)); }, Step::Continues); });
  } else if (auto* plain = qobject_cast<QPlainTextEdit*>(widget)) {
    plain->setAcceptDrops(false);
  } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
    combo->setAcceptDrops(false);
    connect(combo, &QComboBox::activated, this, [this, c](int index) { userEvent([&] { c->setListIndex(index); }); });
    if (combo->lineEdit()) {
      combo->lineEdit()->setAcceptDrops(false);
      combo->lineEdit()->installEventFilter(this);
      connect(combo->lineEdit(), &QLineEdit::textEdited, this,
              [this, c](const QString& text) { userEvent([&] { c->setText(fromQt(text)); }, Step::Continues); });
    }
  } else if (auto* link = qobject_cast<LinkLabel*>(widget)) {
    connect(link, &LinkLabel::clicked, this, [this, c] { userEvent([&] { c->click(); }); });
  } else if (auto* list = qobject_cast<QListWidget*>(widget)) {
    // Arrow keys select as a click does.
    connect(list, &QListWidget::currentRowChanged, this, [this, c](int row) {
      if (!syncing_) userEvent([&] { c->choose(row); });
    });
    connect(list, &QListWidget::itemClicked, this, [this, c] { userEvent([&] { c->click(); }); });
  } else if (auto* scroll = qobject_cast<QScrollBar*>(widget)) {
    connect(scroll, &QScrollBar::valueChanged, this, [this, c](int value) {
      if (!syncing_) userEvent([&] { c->setValue(value); });
    });
  } else if (qobject_cast<QRadioButton*>(widget) ||
             (qobject_cast<QAbstractButton*>(widget) && control.kind() == ControlKind::OptionButton)) {
    auto* button = qobject_cast<QAbstractButton*>(widget);
    // The core keeps one option of a group selected. Left to Qt, an exclusive
    // group would also be a single Tab stop, and every option is to be one.
    button->setAutoExclusive(false);
    connect(button, &QAbstractButton::clicked, this, [this, c] { userEvent([&] { c->click(); }); });
  } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
    connect(button, &QAbstractButton::clicked, this, [this, c] { userEvent([&] { c->click(); }); });
  }
  sync(bindings_.back());
}

void Binder::bindAction(Control& control, QAction* action) {
  action->setObjectName(toQt(control.name()));
  bindings_.push_back({&control, nullptr, action, {}});
  Control* c = &control;
  connect(action, &QAction::triggered, this, [this, c] { userEvent([&] { c->click(); }); });
  sync(bindings_.back());
}

void Binder::yieldAccessKeysTo(QMenuBar* menuBar) { menuBar_ = menuBar; }

bool Binder::takenByMenuBar(const QKeySequence& key) const {
  if (key.isEmpty()) return false;
  for (const QAction* menu : menuBar_->actions())
    if (QKeySequence::mnemonic(menu->text()) == key) return true;
  return false;
}

void Binder::setKeyFilter(QWidget* widget, std::function<bool(char)> accepts) {
  keyFilters_.emplace_back(widget, std::move(accepts));
  widget->installEventFilter(this);
}

bool Binder::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusOut && qobject_cast<QLineEdit*>(watched)) {
    userEvent([] {});  // the box's edit is complete
  } else if (event->type() == QEvent::ShortcutOverride) {
    // Left to the box, Ctrl+Z would undo its own typing only.
    const auto* key = static_cast<QKeyEvent*>(event);
    const QKeySequence pressed(key->keyCombination());
    for (const QKeySequence& windowKey : windowKeys_)
      if (pressed == windowKey) return true;
  }
  if (event->type() == QEvent::KeyPress) {
    for (auto& [widget, accepts] : keyFilters_) {
      if (widget != watched) continue;
      const auto* key = static_cast<QKeyEvent*>(event);
      // Focus keys, Delete and the editing shortcuts (Ctrl+A, Ctrl+C, ...)
      // type no character a box could take.
      if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab || key->key() == Qt::Key_Delete) break;
      if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) break;
      const QString text = key->text();
      if (text.size() == 1 && !accepts(text[0].unicode() < 256 ? static_cast<char>(text[0].unicode()) : '\0'))
        return true;
    }
  }
  return QObject::eventFilter(watched, event);
}

void Binder::userEvent(const std::function<void()>& event, Step step) {
  ++depth_;
  event();
  --depth_;
  if (depth_ != 0) return;
  if (step == Step::Ends && afterEditStep) afterEditStep();
  syncAll();
}

void Binder::describe(const Control& control, const QString& description) {
  for (Binding& binding : bindings_)
    if (binding.control == &control) {
      binding.description = description;
      sync(binding);
    }
}

QWidget* Binder::widgetOf(const Control& control) const {
  for (const Binding& binding : bindings_)
    if (binding.control == &control && binding.widget) return binding.widget;
  return nullptr;
}

void Binder::syncAll() {
  for (const auto& binding : bindings_) sync(binding);
  if (afterSync) afterSync();
}

namespace {

void syncAction(QAction* action, const Control& c) {
  // A caption of "-" makes the item a separator line and nothing else.
  const bool separator = c.text() == "-";
  action->setSeparator(separator);
  action->setText(separator ? QString() : toQt(c.text()));
  action->setEnabled(c.enabled());
  action->setVisible(c.visible());
}

void syncLineEdit(QLineEdit* edit, const Control& c) {
  if (edit->text() != toQt(c.text())) {
    edit->setText(toQt(c.text()));
    // A long text shows its start; the box being typed in keeps its cursor.
    if (!edit->hasFocus()) edit->setCursorPosition(0);
  }
  // A value the graph cannot draw as typed is marked until it can.
  const std::optional<Rgb> marked = c.problem().empty() ? std::nullopt : std::optional<Rgb>(Rgb{255, 205, 205});
  setBackground(edit, c.backColor() ? c.backColor() : marked);
}

QStringList itemsOf(const Control& c) {
  QStringList items;
  for (const auto& item : c.items()) items << toQt(item);
  return items;
}

void syncCombo(QComboBox* combo, const Control& c) {
  const QStringList items = itemsOf(c);
  QStringList current;
  for (int i = 0; i < combo->count(); ++i) current << combo->itemText(i);
  if (items != current) {
    combo->clear();
    combo->addItems(items);
    // An entry cut by the box shows whole in its tip.
    for (int i = 0; i < combo->count(); ++i) combo->setItemData(i, items[i], Qt::ToolTipRole);
  }
  if (combo->currentIndex() != c.listIndex()) combo->setCurrentIndex(c.listIndex());
  if (combo->isEditable() && combo->currentText() != toQt(c.text())) {
    combo->setEditText(toQt(c.text()));
    if (!combo->hasFocus()) combo->lineEdit()->setCursorPosition(0);
  }
}

void syncList(QListWidget* list, const Control& c) {
  const QStringList items = itemsOf(c);
  QStringList current;
  for (int i = 0; i < list->count(); ++i) current << list->item(i)->text();
  if (items != current) {
    list->clear();
    list->addItems(items);
    for (int i = 0; i < list->count(); ++i) list->item(i)->setToolTip(items[i]);
  }
  if (list->currentRow() != c.listIndex()) list->setCurrentRow(c.listIndex());
}

}  // namespace

void Binder::syncContent(QWidget* w, const Control& c) {
  if (auto* edit = qobject_cast<QLineEdit*>(w)) {
    syncLineEdit(edit, c);
  } else if (auto* plain = qobject_cast<QPlainTextEdit*>(w)) {
    if (plain->toPlainText() != displayText(c.text())) plain->setPlainText(displayText(c.text()));
  } else if (auto* label = qobject_cast<QLabel*>(w)) {
    if (label->textFormat() != Qt::RichText) label->setText(displayText(c.text()));
  } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
    syncCombo(combo, c);
  } else if (auto* list = qobject_cast<QListWidget*>(w)) {
    syncList(list, c);
  } else if (auto* group = qobject_cast<QGroupBox*>(w)) {
    group->setTitle(toQt(c.text()));
  } else if (auto* scroll = qobject_cast<QScrollBar*>(w)) {
    if (scroll->value() != c.value()) scroll->setValue(c.value());
  } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
    button->setText(toQt(c.text()));
    if (menuBar_ && takenByMenuBar(button->shortcut())) button->setShortcut(QKeySequence());
    if (button->isCheckable() && button->isChecked() != c.checked()) button->setChecked(c.checked());
  } else if (c.kind() == ControlKind::Form) {
    // A window that marks unsaved edits keeps the place of its marker.
    w->setWindowTitle(toQt(c.text()) + (w->property("ozaMarksEdits").toBool() ? "[*]" : ""));
  }
}

void Binder::sync(const Binding& b) {
  const Control& c = *b.control;
  syncing_ = true;
  if (b.action) syncAction(b.action, c);
  if (QWidget* w = b.widget) {
    // A scroll bar tells what scrolls with it (its area) that it moved; its
    // own echo is held off by syncing_.
    std::optional<QSignalBlocker> block;
    if (!qobject_cast<QScrollBar*>(w)) block.emplace(w);
    syncContent(w, c);
    if (!w->isWindow()) {
      if (w->testAttribute(Qt::WA_Disabled) == c.enabled()) w->setEnabled(c.enabled());
      if (w->isHidden() == c.visible()) w->setVisible(c.visible());
    }
    QString tip = toQt(c.problem().empty() ? c.toolTip() : c.problem());
    if (tip.isEmpty()) tip = b.description;
    if (w->toolTip() != tip) w->setToolTip(tip);
  }
  syncing_ = false;
}

}  // namespace oza::ui
