// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace oza {
class ProfileEditor;
class Session;
}  // namespace oza

namespace oza::ui {

class Binder;

// Tool tips for the boxes, checks, options and lists of the main window's
// tabs, from the value key table (meaning, unit and range), and for the
// controls that only choose what the window shows.
void describeControls(Binder& binder, Session& session);
// The same for the profile editor, from its field table.
void describeControls(Binder& binder, ProfileEditor& editor);

}  // namespace oza::ui
