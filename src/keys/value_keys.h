// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "text/number_rule.h"

namespace oza {

struct LoadedImage;

// A value as scripts see it: none, a number, a text or a flag.
using KeyValue = std::variant<std::monostate, double, std::string, bool>;

enum class KeyKind { Number, Text, Choice, Flag };

// The bytes of the image that hold a value: first to last, inclusive.
struct ValueBytes {
  std::int64_t first = 0;
  std::int64_t last = 0;
  // A save may write them though the value is no edit of its own: the
  // registers that hold the fan settings' bits.
  bool written = false;
};

// What a key's values may be.
struct KeyType {
  KeyKind kind = KeyKind::Number;
  double lowest = 0, highest = 0, step = 1;  // numbers
  bool nullable = false;                     // a number that may be none ("---" voltages)
  std::vector<std::string> entries;          // choices
  // The longest text: `largest` characters, or as long as the text it
  // replaces in the loaded image when 0.
  std::size_t largest = 0;
};

// One value the program shows or edits. A key with "N" in it stands for
// `count` keys, N from 0: "clock_info.N.gpu_mhz" for "clock_info.0.gpu_mhz" ...
// and the control name likewise ("GPU(N)").
struct ValueKey {
  std::string pattern;
  int count = 1;
  std::string unit;
  KeyType type;
  std::string meaning;
  // What the window calls the box that shows it, as its label reads ("Tmax
  // (°C)", "Clock info N, GPU (MHz)"); messages name the box by it.
  std::string caption;
  // The name string of the control that shows it (of each option, for a
  // choice of options, separated by a blank); empty for none.
  std::string control;
  bool editable = false;
  // The value a loaded image holds for index N, as the window shows it;
  // none where the image has none.
  std::function<KeyValue(const LoadedImage& image, int index)> value;
  // Whether the image has the value at N at all (states beyond its count have not).
  std::function<bool(const LoadedImage& image, int index)> present = nullptr;
  // What comparisons (the diff, Compare, the review before a save) call the
  // value, with its unit: "Clock info N GPU (MHz)"; empty for values they do
  // not compare.
  std::string label = {};
  // Where the image holds the value at N: the bytes a save patches for it
  // and a comparison takes as known; none where the image has none, and for
  // values that are no field of their own (counts, names, bits of a register).
  std::function<std::optional<ValueBytes>(const LoadedImage& image, int index)> bytes = nullptr;

  std::string key(int index) const;
  std::string controlName(int index) const;
  // The name of each control that shows the value at N: one, or each option
  // of a choice.
  std::vector<std::string> controlNames(int index) const;
  std::string captionOf(int index) const;
  std::string labelOf(int index) const;
};

// Every value the program shows or edits, in the order of the window.
const std::vector<ValueKey>& valueKeys();

// A key with its index resolved.
struct KeyRef {
  const ValueKey* entry = nullptr;
  int index = 0;
  std::string key() const { return entry->key(index); }
};

// The key `key` names ("clock_info.3.gpu_mhz"); none for an unknown one.
std::optional<KeyRef> findKey(const std::string& key);
// The keys `prefix` selects: itself, or the keys under it ("fan", "clock_info.3").
std::vector<KeyRef> keysUnder(const std::string& prefix);
// The key whose control is the one named `control` ("GPU(3)").
std::optional<KeyRef> keyOfControl(const std::string& control);

// What the table says of the control named `control`: its key, its caption
// and, for a box of an editable number, the rule its text is read by.
struct ControlField {
  KeyRef key;
  std::string caption;
  std::optional<NumberRule> rule;
};
const ControlField* fieldOfControl(const std::string& control);

// The rule a box of a number key holds its text to.
NumberRule numberRule(const KeyType& type);

// "0..167772.15 step 0.01", "text", "transfer_function|lookup_table", "flag".
std::string typeText(const KeyType& type);
// "N 0..19, MHz, 0..167772.15 step 0.01": indices, unit, type, read-only.
std::string keyTerms(const ValueKey& entry);
// What the value of `key` is, for a tool tip: its meaning (of this index),
// then its unit and range: "The GPU (engine) clock of clock info 3\nMHz, 0..167772.15 step 0.01".
std::string keyDescription(const KeyRef& key);

}  // namespace oza
