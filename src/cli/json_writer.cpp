#include "cli/json_writer.h"

#include <cstdio>

#include "image/number_text.h"

namespace oza {

namespace {

// Length of the valid UTF-8 sequence at text[i], or 0.
std::size_t utf8SequenceLength(const std::string& text, std::size_t i) {
  const auto lead = static_cast<unsigned char>(text[i]);
  std::size_t length;
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) length = 2;
  else if (lead >= 0xE0 && lead <= 0xEF) length = 3;
  else if (lead >= 0xF0 && lead <= 0xF4) length = 4;
  else return 0;
  if (i + length > text.size()) return 0;
  for (std::size_t k = 1; k < length; ++k)
    if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return 0;
  return length;
}

}  // namespace

std::string jsonQuote(const std::string& text) {
  std::string out = "\"";
  for (std::size_t i = 0; i < text.size();) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
      ++i;
    } else if (c < 0x20) {
      char buffer[8];
      std::snprintf(buffer, sizeof buffer, "\\u%04x", c);
      out += buffer;
      ++i;
    } else {
      const std::size_t length = utf8SequenceLength(text, i);
      if (length == 0) {
        out += "\xEF\xBF\xBD";
        ++i;
      } else {
        out.append(text, i, length);
        i += length;
      }
    }
  }
  return out + "\"";
}

void JsonWriter::separate() {
  if (afterKey_) {
    afterKey_ = false;
    return;
  }
  if (!first_.empty()) {
    if (!first_.back()) out_ += ',';
    first_.back() = false;
  }
}

void JsonWriter::beginObject() {
  separate();
  out_ += '{';
  first_.push_back(true);
}

void JsonWriter::endObject() {
  out_ += '}';
  first_.pop_back();
}

void JsonWriter::beginArray() {
  separate();
  out_ += '[';
  first_.push_back(true);
}

void JsonWriter::endArray() {
  out_ += ']';
  first_.pop_back();
}

void JsonWriter::key(const std::string& name) {
  separate();
  out_ += jsonQuote(name);
  out_ += ':';
  afterKey_ = true;
}

void JsonWriter::value(const std::string& text) {
  separate();
  out_ += jsonQuote(text);
}

void JsonWriter::value(bool flag) {
  separate();
  out_ += flag ? "true" : "false";
}

void JsonWriter::value(long long number) {
  separate();
  out_ += std::to_string(number);
}

void JsonWriter::value(double number) {
  separate();
  out_ += decimalText(number);
}

}  // namespace oza
