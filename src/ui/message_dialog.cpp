// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/message_dialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

#include "ui/binder.h"

namespace oza::ui {

namespace {

QStyle::StandardPixmap iconOf(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Information: return QStyle::SP_MessageBoxInformation;
    case MessageIcon::Warning: return QStyle::SP_MessageBoxWarning;
    case MessageIcon::Critical:
    case MessageIcon::Error: return QStyle::SP_MessageBoxCritical;
    case MessageIcon::Question: return QStyle::SP_MessageBoxQuestion;
    case MessageIcon::None: break;
  }
  return QStyle::SP_CustomBase;
}

}  // namespace

MessageDialog::MessageDialog(const Message& message, QWidget* parent) : QDialog(parent) {
  setWindowTitle(toQt(message.title));
  auto* layout = new QVBoxLayout(this);
  auto* body = new QHBoxLayout;
  body->setSpacing(16);
  if (message.icon != MessageIcon::None) {
    auto* icon = new QLabel(this);
    const int size = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    icon->setPixmap(style()->standardIcon(iconOf(message.icon), nullptr, this).pixmap(size, size));
    body->addWidget(icon, 0, Qt::AlignTop);
  }
  QString text = toQt(message.text);
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  auto* label = new QLabel(text, this);
  label->setObjectName(QStringLiteral("text"));
  label->setTextFormat(Qt::PlainText);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  int longest = 0;
  for (const QString& line : text.split(QLatin1Char('\n')))
    longest = std::max(longest, label->fontMetrics().horizontalAdvance(line));
  const QScreen* screen = parent ? parent->screen() : this->screen();
  const int room = screen ? screen->availableGeometry().width() * 4 / 5 : 1000;
  if (longest > room) {
    label->setWordWrap(true);
    label->setMinimumWidth(room);
  }
  body->addWidget(label, 1);
  layout->addLayout(body);

  auto* buttons = new QDialogButtonBox(this);
  if (message.buttons == MessageButtons::YesNo) {
    yes_ = buttons->addButton(QDialogButtonBox::Yes);
    no_ = buttons->addButton(QDialogButtonBox::No);
    answer_ = MessageAnswer::No;
  } else if (message.buttons == MessageButtons::SaveDiscardCancel) {
    yes_ = buttons->addButton(QDialogButtonBox::Save);
    no_ = buttons->addButton(QDialogButtonBox::Discard);
    cancel_ = buttons->addButton(QDialogButtonBox::Cancel);
    answer_ = MessageAnswer::Cancel;
  } else {
    ok_ = buttons->addButton(QDialogButtonBox::Ok);
    answer_ = MessageAnswer::Ok;
  }
  auto* preferred = static_cast<QPushButton*>(yes_ ? yes_ : ok_);
  preferred->setDefault(true);
  preferred->setFocus();
  const bool threeWay = message.buttons == MessageButtons::SaveDiscardCancel;
  connect(buttons, &QDialogButtonBox::clicked, this, [this, threeWay](QAbstractButton* clicked) {
    if (threeWay) {
      answer_ = clicked == yes_ ? MessageAnswer::Save : clicked == no_ ? MessageAnswer::Discard : MessageAnswer::Cancel;
    } else {
      answer_ = clicked == yes_ ? MessageAnswer::Yes : clicked == no_ ? MessageAnswer::No : MessageAnswer::Ok;
    }
    accept();
  });
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

QAbstractButton* MessageDialog::button(MessageAnswer answer) const {
  switch (answer) {
    case MessageAnswer::Yes: return yes_;
    case MessageAnswer::No: return no_;
    case MessageAnswer::Ok: return ok_;
    case MessageAnswer::Save: return yes_;
    case MessageAnswer::Discard: return no_;
    case MessageAnswer::Cancel: return cancel_;
  }
  return nullptr;
}

}  // namespace oza::ui
