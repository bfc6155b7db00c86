// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/number_box.h"

#include <QStyle>
#include <QStyleOptionFrame>

#include "ui/binder.h"

namespace oza::ui {

QLineEdit* numberBox(Control& control, Binder& binder, QWidget* parent, int digits) {
  auto* edit = new QLineEdit(parent);
  binder.bind(control, edit);
  QStyleOptionFrame option;
  option.initFrom(edit);
  const QSize text(edit->fontMetrics().horizontalAdvance(QString(digits, QLatin1Char('0'))) + 8,
                   edit->fontMetrics().height());
  const QSize frame = edit->style()->sizeFromContents(QStyle::CT_LineEdit, &option, text, edit);
  edit->setFixedWidth(frame.width());
  return edit;
}

}  // namespace oza::ui
