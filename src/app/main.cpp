#include <QApplication>
#include <QStringList>

#include "ui/binder.h"
#include "ui/form1.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("OZA"));
  oza::ui::Form1 window;
  window.show();
  const QStringList args = QApplication::arguments().mid(1);
  window.start(oza::ui::fromQt(args.join(QLatin1Char(' '))));
  return QApplication::exec();
}
