// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QObject;

namespace oza::ui {

// SIGINT, SIGTERM and SIGHUP end the program through its event loop instead
// of at once: a save in progress finishes or removes its temporary file
// first, and the windows close as they do on Exit.
void quitOnTerminationSignals(QObject* parent);

}  // namespace oza::ui
