// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <expected>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "text/number_rule.h"
#include "text/rgb.h"

namespace oza {

enum class ControlKind {
  Form,
  Label,
  TextBox,
  CheckBox,
  OptionButton,
  ComboBox,
  ListBox,
  CommandButton,
  Frame,
  ScrollBar,
  PictureBox,
  MenuItem,
};

// The headless state of one named control of a window: what the user sees of
// it (text or caption, enabled, visible, check, list) and the two events the
// rules react to. Windows mirror this state; the rules only ever touch this.
//
// Texts are UTF-8. Setting a text that differs from the current one raises the
// change event, from code as from the user, so rules that set texts run the
// rules of the boxes they set.
class OptionGroup;

class Control {
 public:
  Control(std::string name, ControlKind kind, std::string text = {});
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  const std::string& name() const { return name_; }
  ControlKind kind() const { return kind_; }

  const std::string& text() const { return text_; }
  void setText(const std::string& text);

  bool enabled() const { return enabled_; }
  void setEnabled(bool enabled) { enabled_ = enabled; }
  bool visible() const { return visible_; }
  void setVisible(bool visible) { visible_ = visible; }

  // Check box value or option button selection. Setting it from code raises
  // no event; user clicks go through click().
  bool checked() const { return checked_; }
  void setChecked(bool checked) { checked_ = checked; }

  // A click as the user makes it: a check box toggles first, an option
  // button becomes the selected one of its group, then the click event runs.
  void click();

  // Combo and list boxes. Selecting an item shows its text; a combo text that
  // matches no item leaves no item selected.
  const std::vector<std::string>& items() const { return items_; }
  void clearItems();
  void addItem(const std::string& item);
  int listIndex() const { return listIndex_; }
  void setListIndex(int index);
  // An item chosen by the user, with the mouse or the keyboard: a list box
  // then raises its click event, as a click on the item does.
  void choose(int index);

  // Scroll bar value.
  int value() const { return value_; }
  void setValue(int value);

  // Highlight colour; empty means the system's normal window background.
  const std::optional<Rgb>& backColor() const { return backColor_; }
  void setBackColor(std::optional<Rgb> color) { backColor_ = color; }

  // What the last load showed: the writers leave a field's bytes alone
  // while its control still shows it, whatever converting it back would give.
  void rememberAsLoaded();
  const std::string& loadedText() const { return loadedText_; }
  bool loadedChecked() const { return loadedChecked_; }
  bool showsLoaded() const;
  // showsLoaded, with numbers compared as numbers.
  bool showsLoadedValue() const;

  // Everything of the control that rules change, to be put back as it was
  // without running a rule.
  struct State {
    std::string text;
    bool enabled = true, visible = true, checked = false;
    int listIndex = -1;
    std::string problem;
    friend bool operator==(const State&, const State&) = default;
  };
  State state() const { return {text_, enabled_, visible_, checked_, listIndex_, problem_}; }
  void restore(const State& state);

  // A number box takes digits and the point only, from the keyboard as from
  // a script.
  bool numbersOnly() const { return numbersOnly_; }
  void setNumbersOnly(bool numbersOnly) { numbersOnly_ = numbersOnly; }
  // The first character of `text` this control does not take; nothing when
  // it takes them all.
  std::optional<char> refusedCharacter(const std::string& text) const;

  // What is wrong with the value the box shows, which a graph cannot draw as
  // it is; empty when nothing is. The window marks such a box.
  const std::string& problem() const { return problem_; }
  void setProblem(std::string problem) { problem_ = std::move(problem); }

  // A number box's rule: what its text must be for a save to write it.
  void setRule(const NumberRule& rule);
  const std::optional<NumberRule>& rule() const { return rule_; }
  // What names the box to the user, as its label reads ("Tmax (°C)"); its
  // name when it has no caption.
  void setCaption(std::string caption) { caption_ = std::move(caption); }
  const std::string& caption() const { return caption_.empty() ? name_ : caption_; }
  // What the text stands for by the rule, read once when the text is set:
  // a number, none, or why no save can write it. Always none without a rule.
  const std::expected<std::optional<double>, std::string>& number() const { return number_; }

  const std::string& toolTip() const { return toolTip_; }
  void setToolTip(const std::string& tip) { toolTip_ = tip; }

  // Raised when the text changes (text boxes, combo boxes) or the scroll
  // value changes.
  std::function<void()> onChange;
  // Raised by click() and when an option button becomes selected.
  std::function<void()> onClick;

 private:
  std::string name_;
  ControlKind kind_;
  std::string text_;
  bool enabled_ = true;
  bool visible_ = true;
  bool checked_ = false;
  bool numbersOnly_ = false;
  std::vector<std::string> items_;
  int listIndex_ = -1;
  int value_ = 0;
  std::optional<Rgb> backColor_;
  std::string toolTip_;
  std::string problem_;
  std::optional<NumberRule> rule_;
  std::string caption_;
  std::expected<std::optional<double>, std::string> number_;
  std::string loadedText_;
  bool loadedChecked_ = false;
  int loadedListIndex_ = -1;
  OptionGroup* group_ = nullptr;
  friend class OptionGroup;
};

// Takes what each of `controls` shows now as what the load showed.
void rememberAsLoaded(const std::vector<Control*>& controls);
// Whether any of `controls` holds a value other than the load showed: a
// number typed back ("800.0" for "800") is no change.
bool anyEdited(const std::vector<Control*>& controls);

// Name of element `index` of a control array, e.g. "GPU(3)".
std::string arrayName(const std::string& base, int index);

// Option buttons of one container: selecting one deselects the others, and a
// button that becomes selected raises its click event.
class OptionGroup {
 public:
  explicit OptionGroup(std::vector<Control*> members);
  OptionGroup(const OptionGroup&) = delete;
  OptionGroup& operator=(const OptionGroup&) = delete;
  void select(Control& option);

 private:
  std::vector<Control*> members_;
};

}  // namespace oza
