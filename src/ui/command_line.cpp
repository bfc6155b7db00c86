// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/command_line.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <cstdio>
#include <cstring>

#include "session/session.h"
#include "ui/lazy_icon_engine.h"

namespace oza::ui {

namespace {

void setUp(QCommandLineParser& parser) {
  parser.setApplicationDescription(
      QStringLiteral("Editor for the video BIOS of ATI HD 2000, 3000 and 4000 series graphics cards."));
  parser.addHelpOption();
  parser.addVersionOption();
  parser.addPositionalArgument(QStringLiteral("file"),
                               QStringLiteral("A BIOS image (.rom, .bin) to load, or a Profiles.xml to open "
                                              "in the profile editor."),
                               QStringLiteral("[file]"));
}

}  // namespace

void describeApplication() {
  QCoreApplication::setApplicationName(QStringLiteral("OZA"));
  QCoreApplication::setApplicationVersion(QString::fromStdString(runningVersionText()));
  if (qobject_cast<QApplication*>(QCoreApplication::instance())) {
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.oza"));
    QApplication::setWindowIcon(
        QIcon(new LazyIconEngine(QStringLiteral(":/icons/oza-%1.png"), {16, 24, 32, 48, 64, 128, 256})));
  }
}

CommandLine parseCommandLine(const QStringList& arguments) {
  QCommandLineParser parser;
  setUp(parser);
  CommandLine line;
  if (!parser.parse(arguments)) {
    line.action = CommandLine::Action::UsageError;
    line.text = QStringLiteral("oza: %1\nTry 'oza --help'.\n").arg(parser.errorText());
  } else if (parser.isSet(QStringLiteral("help"))) {
    line.action = CommandLine::Action::Help;
    line.text = parser.helpText();
    // Qt names the program by the path it was started with.
    const QString usage = QStringLiteral("Usage: ");
    if (line.text.startsWith(usage)) {
      const qsizetype end = line.text.indexOf(QLatin1Char(' '), usage.size());
      if (end > 0) line.text.replace(usage.size(), end - usage.size(), QStringLiteral("oza"));
    }
  } else if (parser.isSet(QStringLiteral("version"))) {
    line.action = CommandLine::Action::Version;
    line.text = QCoreApplication::applicationName() + QLatin1Char(' ') + QCoreApplication::applicationVersion() +
                QLatin1Char('\n');
  } else {
    line.file = parser.positionalArguments().join(QLatin1Char(' '));
  }
  return line;
}

bool asksForText(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--") == 0) return false;
    for (const char* option : {"-h", "--help", "-?", "--help-all", "-v", "--version"})
      if (std::strcmp(argv[i], option) == 0) return true;
  }
  return false;
}

int printCommandLineText(const CommandLine& line) {
  const QByteArray text = line.text.toLocal8Bit();
  const bool error = line.action == CommandLine::Action::UsageError;
  std::FILE* stream = error ? stderr : stdout;
  // Text that did not arrive (a full disk, a closed stream) is a failure.
  if (std::fputs(text.constData(), stream) < 0 || std::fflush(stream) != 0) {
    if (!error) std::fputs("oza: cannot write to standard output\n", stderr);
    return error ? 2 : 1;
  }
  return error ? 2 : 0;
}

}  // namespace oza::ui
