// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <memory>
#include <string>
#include <vector>

#include "controls/control.h"

namespace oza {

// An indexed control array: elements base(first) ... base(first + count - 1).
class ControlArray {
 public:
  ControlArray(const std::string& base, ControlKind kind, int count, int first = 0) : first_(first) {
    for (int i = 0; i < count; ++i) items_.push_back(std::make_unique<Control>(arrayName(base, first + i), kind));
  }

  Control& operator[](int index) { return *items_.at(static_cast<std::size_t>(index - first_)); }
  const Control& operator[](int index) const { return *items_.at(static_cast<std::size_t>(index - first_)); }
  int size() const { return static_cast<int>(items_.size()); }
  int first() const { return first_; }

  // The texts of the elements, in order.
  std::vector<std::string> texts() const {
    std::vector<std::string> all;
    for (const auto& item : items_) all.push_back(item->text());
    return all;
  }

  void setNumbersOnly(bool numbersOnly) {
    for (auto& item : items_) item->setNumbersOnly(numbersOnly);
  }

  void collect(std::vector<Control*>& out) {
    for (auto& item : items_) out.push_back(item.get());
  }

 private:
  int first_;
  std::vector<std::unique_ptr<Control>> items_;
};

}  // namespace oza
