// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

namespace oza::ui {

// What the program's command line asks for.
struct CommandLine {
  enum class Action { Run, Help, Version, UsageError };
  Action action = Action::Run;
  QString text;  // the help, version or error text to print
  QString file;  // the optional image or Profiles.xml (empty: none)
};

// Names, version and icon of the application (an application object must
// exist; the icon only where there are windows).
void describeApplication();

// Parses the arguments (the first is the program). Every argument that is not
// an option belongs to the file name, as the window always read its command
// line as one file name.
CommandLine parseCommandLine(const QStringList& arguments);

// Whether the arguments ask for the help or the version, which needs no
// window system.
bool asksForText(int argc, char** argv);

// Prints the text of a Help, Version or UsageError line and returns the exit
// code: 0, or 2 for a usage error.
int printCommandLineText(const CommandLine& line);

}  // namespace oza::ui
