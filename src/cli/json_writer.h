#pragma once

#include <string>
#include <vector>

namespace oza {

// A small JSON emitter: values are appended in order; the writer inserts the
// commas. Strings are written as valid UTF-8 (invalid bytes become U+FFFD).
class JsonWriter {
 public:
  void beginObject();
  void endObject();
  void beginArray();
  void endArray();
  void key(const std::string& name);
  void value(const std::string& text);
  void value(const char* text) { value(std::string(text)); }
  void value(bool flag);
  void value(long long number);
  void value(int number) { value(static_cast<long long>(number)); }
  void value(double number);

  const std::string& str() const { return out_; }

 private:
  void separate();
  std::string out_;
  std::vector<bool> first_;  // per open container: no element written yet
  bool afterKey_ = false;
};

std::string jsonQuote(const std::string& text);

}  // namespace oza
