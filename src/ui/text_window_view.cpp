// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/text_window_view.h"

#include <QCloseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "session/text_window.h"
#include "ui/binder.h"
#include "ui/tab_order.h"

namespace oza::ui {

TextWindowView::TextWindowView(TextWindow& window, Binder& binder) : window_(window), binder_(binder) {
  binder.bind(window.window, this);
  auto* layout = new QVBoxLayout(this);
  auto* text = new QPlainTextEdit(this);
  text->setReadOnly(true);
  text->setWordWrapMode(QTextOption::WordWrap);
  text->setTabChangesFocus(true);
  binder.bind(window.text, text);
  auto* ok = new QPushButton(this);
  binder.bind(window.okButton, ok);
  ok->setDefault(true);
  layout->addWidget(text);
  layout->addWidget(ok, 0, Qt::AlignRight);
  resize(620, 440);
}

void TextWindowView::follow() {
  if (window_.shown() && !isVisible()) {
    show();
    raise();
  } else if (!window_.shown() && isVisible()) {
    hide();
  }
}

void TextWindowView::showEvent(QShowEvent* event) {
  chainTabInReadingOrder(this);
  QDialog::showEvent(event);
}

void TextWindowView::closeEvent(QCloseEvent* event) {
  binder_.userEvent([this] { window_.unload(); });
  event->accept();
}

}  // namespace oza::ui
