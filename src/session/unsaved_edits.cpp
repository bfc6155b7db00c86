// SPDX-License-Identifier: GPL-3.0-or-later

#include "session/unsaved_edits.h"

#include "session/save_pipeline.h"
#include "session/session.h"

namespace oza {

bool settleUnsavedEdits(Session& session) {
  if (!session.hasUnsavedEdits()) return true;
  const Message question{"Unsaved changes", "Save the changes to " + session.image()->path + "?", MessageIcon::Question,
                         MessageButtons::SaveDiscardCancel, MessageQuestion::UnsavedEdits};
  switch (session.platform().showMessage(question)) {
    case MessageAnswer::Save: return saveBiosFile(session);
    case MessageAnswer::Discard: return true;
    default: return false;
  }
}

}  // namespace oza
