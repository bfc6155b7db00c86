#pragma once

namespace oza {

class Session;

// The three pages of the main window, one visible at a time.
void ShowInfoTab(Session& session);
void ShowClockTab(Session& session);
void ShowFanTab(Session& session);

}  // namespace oza
