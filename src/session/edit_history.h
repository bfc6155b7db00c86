// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>
#include <vector>

#include "controls/control.h"

namespace oza {

// The user's edits of an image as steps that can be undone and redone: each
// step is the state of the edited controls after it. The front end says when
// an edit is complete (a box left, a click, a drag released); the steps
// between are one.
class EditHistory {
 public:
  // `controls`: what a step holds; `redraw`: what shows the controls
  // otherwise (the graphs), after they were put back without their rules.
  EditHistory(std::vector<Control*> controls, std::function<void()> redraw);

  // The state now is where the history starts: nothing to undo or redo.
  void reset();
  // Ends a step here when anything changed since the last one; true if so.
  bool record();
  bool canUndo() const { return !undo_.empty(); }
  bool canRedo() const { return !redo_.empty(); }
  // A step back or forward; an edit not yet recorded is a step of its own.
  void undo();
  void redo();

 private:
  using Snapshot = std::vector<Control::State>;
  Snapshot take() const;
  void restore(const Snapshot& snapshot);

  std::vector<Control*> controls_;
  std::function<void()> redraw_;
  Snapshot current_;
  std::vector<Snapshot> undo_;
  std::vector<Snapshot> redo_;
};

}  // namespace oza
