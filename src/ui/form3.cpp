#include "ui/form3.h"

#include <QCloseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "session/text_window.h"
#include "ui/binder.h"
#include "ui/tab_order.h"

namespace oza::ui {

Form3::Form3(TextWindow& window, Binder& binder) : window_(window), binder_(binder) {
  binder.bind(window.Form3, this);
  auto* layout = new QVBoxLayout(this);
  auto* text = new QPlainTextEdit(this);
  text->setReadOnly(true);
  text->setWordWrapMode(QTextOption::WordWrap);
  text->setTabChangesFocus(true);
  binder.bind(window.Text1, text);
  auto* ok = new QPushButton(this);
  binder.bind(window.Command1, ok);
  ok->setDefault(true);
  layout->addWidget(text);
  layout->addWidget(ok, 0, Qt::AlignRight);
  resize(620, 440);
}

void Form3::follow() {
  if (window_.shown() && !isVisible()) {
    show();
    raise();
  } else if (!window_.shown() && isVisible()) {
    hide();
  }
}

void Form3::showEvent(QShowEvent* event) {
  chainTabInReadingOrder(this);
  QDialog::showEvent(event);
}

void Form3::closeEvent(QCloseEvent* event) {
  binder_.userEvent([this] { window_.unload(); });
  event->accept();
}

}  // namespace oza::ui
