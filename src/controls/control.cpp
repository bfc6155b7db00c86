// SPDX-License-Identifier: GPL-3.0-or-later

#include "controls/control.h"

#include "controls/number_keys.h"
#include "text/number_text.h"

namespace oza {

Control::Control(std::string name, ControlKind kind, std::string text)
    : name_(std::move(name)), kind_(kind), text_(std::move(text)) {}

void Control::setText(const std::string& text) {
  if (text == text_) return;
  text_ = text;
  if (rule_) number_ = rule_->read(text_);
  if (kind_ == ControlKind::ComboBox) {
    listIndex_ = -1;
    for (std::size_t i = 0; i < items_.size(); ++i) {
      if (items_[i] == text_) {
        listIndex_ = static_cast<int>(i);
        break;
      }
    }
  }
  if (onChange) onChange();
}

void Control::setRule(const NumberRule& rule) {
  rule_ = rule;
  number_ = rule.read(text_);
}

void Control::rememberAsLoaded() {
  loadedText_ = text_;
  loadedChecked_ = checked_;
  loadedListIndex_ = listIndex_;
}

void rememberAsLoaded(const std::vector<Control*>& controls) {
  for (Control* control : controls) control->rememberAsLoaded();
}

bool Control::showsLoaded() const {
  return text_ == loadedText_ && checked_ == loadedChecked_ && listIndex_ == loadedListIndex_;
}

bool Control::showsLoadedValue() const {
  if (showsLoaded()) return true;
  const bool numbers = kind_ == ControlKind::TextBox && isDecimalNumber(text_) && isDecimalNumber(loadedText_);
  return numbers && textValue(text_) == textValue(loadedText_) && checked_ == loadedChecked_ &&
         listIndex_ == loadedListIndex_;
}

bool anyEdited(const std::vector<Control*>& controls) {
  for (const Control* control : controls)
    if (!control->showsLoadedValue()) return true;
  return false;
}

void Control::restore(const State& state) {
  text_ = state.text;
  if (rule_) number_ = rule_->read(text_);
  enabled_ = state.enabled;
  visible_ = state.visible;
  checked_ = state.checked;
  listIndex_ = state.listIndex;
  problem_ = state.problem;
}

void Control::click() {
  if (kind_ == ControlKind::OptionButton && group_) {
    group_->select(*this);
    return;
  }
  if (kind_ == ControlKind::CheckBox) checked_ = !checked_;
  if (onClick) onClick();
}

void Control::clearItems() {
  items_.clear();
  listIndex_ = -1;
  if (kind_ == ControlKind::ComboBox) setText("");
}

void Control::addItem(const std::string& item) { items_.push_back(item); }

void Control::setListIndex(int index) {
  if (index < -1 || index >= static_cast<int>(items_.size())) return;
  listIndex_ = index;
  if (kind_ == ControlKind::ComboBox) {
    const std::string shown = index < 0 ? std::string() : items_[static_cast<std::size_t>(index)];
    if (shown != text_) {
      text_ = shown;
      if (onChange) onChange();
    }
  }
}

void Control::choose(int index) {
  setListIndex(index);
  if (kind_ == ControlKind::ListBox && listIndex_ >= 0 && onClick) onClick();
}

void Control::setValue(int value) {
  if (value == value_) return;
  value_ = value;
  if (onChange) onChange();
}

std::string arrayName(const std::string& base, int index) { return base + "(" + std::to_string(index) + ")"; }

OptionGroup::OptionGroup(std::vector<Control*> members) : members_(std::move(members)) {
  for (Control* member : members_) member->group_ = this;
}

void OptionGroup::select(Control& option) {
  if (option.checked()) return;
  for (Control* member : members_) member->setChecked(member == &option);
  if (option.onClick) option.onClick();
}

std::optional<char> Control::refusedCharacter(const std::string& text) const {
  if (!numbersOnly_) return std::nullopt;
  for (const char c : text)
    if (!numberCharacter(c)) return c;
  return std::nullopt;
}

}  // namespace oza
