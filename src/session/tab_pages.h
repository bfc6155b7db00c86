// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace oza {

class Session;

// The three pages of the main window, one visible at a time.
void showInfoTab(Session& session);
void showClockTab(Session& session);
void showFanTab(Session& session);

}  // namespace oza
