// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace oza {

class Session;

// Before a load, or closing, would take the window's edits away: when there
// are edits not yet saved, asks whether to save them (Save runs the save as
// "Save BIOS..." does). True when the caller may go on: nothing to save, the
// edits saved, or discarded; false when the user cancelled or the save did
// not happen.
bool settleUnsavedEdits(Session& session);

}  // namespace oza
