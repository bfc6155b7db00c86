// SPDX-License-Identifier: GPL-3.0-or-later

#include "session/edit_history.h"

namespace oza {

EditHistory::EditHistory(std::vector<Control*> controls, std::function<void()> redraw)
    : controls_(std::move(controls)), redraw_(std::move(redraw)) {
  reset();
}

EditHistory::Snapshot EditHistory::take() const {
  Snapshot snapshot;
  snapshot.reserve(controls_.size());
  for (const Control* control : controls_) snapshot.push_back(control->state());
  return snapshot;
}

void EditHistory::restore(const Snapshot& snapshot) {
  for (std::size_t i = 0; i < controls_.size(); ++i) controls_[i]->restore(snapshot[i]);
  if (redraw_) redraw_();
}

void EditHistory::reset() {
  current_ = take();
  undo_.clear();
  redo_.clear();
}

bool EditHistory::record() {
  Snapshot now = take();
  if (now == current_) return false;
  undo_.push_back(std::move(current_));
  current_ = std::move(now);
  redo_.clear();
  return true;
}

void EditHistory::undo() {
  record();
  if (undo_.empty()) return;
  redo_.push_back(std::move(current_));
  current_ = std::move(undo_.back());
  undo_.pop_back();
  restore(current_);
}

void EditHistory::redo() {
  if (record() || redo_.empty()) return;
  undo_.push_back(std::move(current_));
  current_ = std::move(redo_.back());
  redo_.pop_back();
  restore(current_);
}

}  // namespace oza
