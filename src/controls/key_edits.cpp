// SPDX-License-Identifier: GPL-3.0-or-later

#include "controls/key_edits.h"

#include <charconv>
#include <cmath>

#include "document/loaded_image.h"
#include "image/hex_fields.h"
#include "image/id_tables.h"
#include "text/latin1.h"
#include "text/message_text.h"
#include "text/number_rule.h"
#include "text/number_text.h"

namespace oza {

namespace {

std::optional<double> numberOfText(const std::string& text) {
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    std::uint32_t value = 0;
    const auto [end, error] = std::from_chars(text.data() + 2, text.data() + text.size(), value, 16);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
  }
  if (!isDecimalNumber(text)) return std::nullopt;
  return textValue(text);
}

// Whether `value` is a whole number of steps: no more decimals than the
// step has, as the value is written (90.0000001 is not on a step of 1).
bool onStep(double value, double step) {
  const std::string text = decimalText(value);
  const std::size_t point = text.find('.');
  const int decimals = point == std::string::npos ? 0 : static_cast<int>(text.size() - point - 1);
  return decimals <= decimalsOfStep(step);
}

std::string named(const KeyRef& key, const std::string& problem) { return key.key() + ": " + problem; }

}  // namespace

KeyValue keyValueOfText(const std::string& text) {
  if (text == "null") return std::monostate{};
  if (text == "true") return true;
  if (text == "false") return false;
  if (const std::optional<double> number = numberOfText(text)) return *number;
  return text;
}

std::string keyValueText(const KeyValue& value) {
  if (const double* number = std::get_if<double>(&value)) return decimalText(*number);
  if (const std::string* text = std::get_if<std::string>(&value)) return *text;
  if (const bool* flag = std::get_if<bool>(&value)) return *flag ? "true" : "false";
  return "null";
}

namespace {

using EditOrProblem = std::expected<std::optional<ControlEdit>, std::string>;

// The edit that types, chooses or ticks a number; a problem names what is
// wrong with it without the key (the caller adds it).
EditOrProblem numberEdit(const KeyRef& key, const KeyValue& value, const std::string& given, const LoadedImage& image,
                         const std::string& control) {
  const KeyType& type = key.entry->type;
  if (std::holds_alternative<std::monostate>(value)) {
    if (!type.nullable) return std::unexpected("takes a number, not null");
    // A voltage of 0 is what the box takes for none.
    return ControlEdit{ControlEdit::Kind::Set, control, "0"};
  }
  const double* number = std::get_if<double>(&value);
  if (!number)
    return std::unexpected("takes a number from " + typeText(type) + ", not '" + escapeControls(keyValueText(value)) +
                           "'");
  if (*number < type.lowest || *number > type.highest)
    return std::unexpected(given + " is outside " + decimalText(type.lowest) + ".." + decimalText(type.highest));
  if (!onStep(*number, type.step)) return std::unexpected(given + " is no whole number of " + decimalText(type.step));
  const auto id = static_cast<std::uint16_t>(*number);
  const auto select = [&control](int row) {
    return ControlEdit{ControlEdit::Kind::Select, control, std::to_string(row)};
  };
  if (key.entry->pattern == "ids.sub_vendor") {
    if (const std::optional<int> row = vendorRow(id)) return select(*row);
    return ControlEdit{ControlEdit::Kind::Set, control, "0x" + hexText(id, 4)};
  }
  if (key.entry->pattern == "ids.card") {
    // The image's own ID stays as it is, listed or not.
    if (id == image.cardId) return std::nullopt;
    if (const std::optional<int> row = cardRow(id)) return select(*row);
    return std::unexpected("no entry of the card list has the ID 0x" + hexText(id, 4));
  }
  return ControlEdit{ControlEdit::Kind::Set, control, decimalText(*number)};
}

EditOrProblem textEdit(const KeyRef& key, const KeyValue& value, const LoadedImage& image, const std::string& control) {
  const std::string* text = std::get_if<std::string>(&value);
  if (!text) return std::unexpected(std::string("takes a text"));
  const KeyType& type = key.entry->type;
  const std::size_t largest =
      type.largest ? type.largest : utf8Length(std::get<std::string>(key.entry->value(image, key.index)));
  if (utf8Length(*text) > largest)
    return std::unexpected("takes at most " + std::to_string(largest) +
                           " characters, the length of the text it replaces");
  return ControlEdit{ControlEdit::Kind::Set, control, *text};
}

EditOrProblem choiceEdit(const KeyType& type, const KeyValue& value, const std::string& control) {
  const std::string* text = std::get_if<std::string>(&value);
  for (std::size_t e = 0; text && e < type.entries.size(); ++e)
    if (*text == type.entries[e]) {
      // Each entry is its own option button, in the order of the entries.
      const std::string names = control + " ";
      std::size_t start = 0;
      for (std::size_t skip = 0; skip < e; ++skip) start = names.find(' ', start) + 1;
      return ControlEdit{ControlEdit::Kind::Check, names.substr(start, names.find(' ', start) - start), "1"};
    }
  return std::unexpected("takes " + typeText(type) + ", not '" + escapeControls(keyValueText(value)) + "'");
}

EditOrProblem flagEdit(const KeyValue& value, const std::string& control) {
  const bool* flag = std::get_if<bool>(&value);
  const double* number = std::get_if<double>(&value);
  if (!flag && !(number && (*number == 0 || *number == 1))) return std::unexpected(std::string("takes true or false"));
  return ControlEdit{ControlEdit::Kind::Check, control, (flag ? *flag : *number == 1) ? "1" : "0"};
}

}  // namespace

std::expected<std::optional<ControlEdit>, std::string> controlEditFor(const KeyRef& key, const KeyValue& given,
                                                                      const LoadedImage& image) {
  const ValueKey& entry = *key.entry;
  const auto refuse = [&key](const std::string& problem) { return std::unexpected(named(key, problem)); };
  const KeyType& type = entry.type;
  if (!entry.editable) return refuse("is read-only");
  const bool held = entry.present(image, key.index);
  if (std::holds_alternative<std::monostate>(given) &&
      (!held || std::holds_alternative<std::monostate>(entry.value(image, key.index))))
    return std::nullopt;
  // A value the image does not hold (a fan the load could not read, say) has
  // no box that a save would write.
  if (!held || (!type.nullable && std::holds_alternative<std::monostate>(entry.value(image, key.index))))
    return refuse("this image holds no such value");
  const std::string control = entry.controlName(key.index);
  KeyValue value = given;
  // A number given as text ("800" from a file of edits) is that number, and
  // messages name it as written; a text key takes a number as its digits.
  const std::string* givenText = std::get_if<std::string>(&given);
  const std::string shown = givenText ? escapeControls(*givenText) : keyValueText(given);
  if (givenText && type.kind == KeyKind::Number)
    if (const auto number = numberOfText(*givenText)) value = *number;
  if (const double* number = std::get_if<double>(&value); number && type.kind == KeyKind::Text)
    value = decimalText(*number);
  EditOrProblem edit = std::unexpected(std::string("cannot be set"));
  switch (type.kind) {
    case KeyKind::Number: edit = numberEdit(key, value, shown, image, control); break;
    case KeyKind::Text: edit = textEdit(key, value, image, control); break;
    case KeyKind::Choice: edit = choiceEdit(type, value, control); break;
    case KeyKind::Flag: edit = flagEdit(value, control); break;
  }
  if (!edit) return refuse(edit.error());
  return edit;
}

}  // namespace oza
