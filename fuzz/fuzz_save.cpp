// SPDX-License-Identifier: GPL-3.0-or-later

// Load, a run of control edits as a user could make them (or as oza-cli's
// --set and --select make them, with texts drawn from the input), save. The
// first bytes of the input are the edits, the rest is the image (the seeds
// are the fixture images). A saved image keeps the length and byte sum and
// loads again.
#include <algorithm>
#include <filesystem>
#include <vector>

#include "controls/control_edits.h"
#include "fuzz_files.h"
#include "controls/key_edits.h"
#include "keys/value_keys.h"
#include "files/file_io.h"
#include "platform/scripted_platform.h"
#include "save/checksum.h"
#include "session/load_pipeline.h"
#include "session/save_pipeline.h"
#include "session/session.h"
#include "verify/image_diff.h"

namespace {

constexpr std::size_t kEditBytes = 48;  // 16 edits of three bytes

const char* const kTexts[] = {"",           "0",       "1",        "-1",
                              "7",          "40.5",    "100",      "120",
                              "255",        "256",     "300",      "65535",
                              "1.2",        "742.57",  "800",      "---",
                              "abc",        "1e3",     ".",        "99999999999999999999",
                              "0x1458 - x", "(C) ATI", "\xC3\xA9", "\xE2\x82\xAC",
                              "167772.15",  "0.0004"};

// A --set or --select of oza-cli with a text drawn from the input's bytes,
// through the same checks as oza-cli (the box's filter, the list's range);
// or, for every other draw, a KEY=VALUE of oza-cli set for the key of that
// control.
void applyScriptedEdit(const oza::Session& session, const std::vector<oza::Control*>& controls, oza::Control& control,
                       const std::uint8_t* data, std::size_t size, std::size_t from, std::size_t length) {
  std::string value;
  for (std::size_t i = 0; i < length && size > 0; ++i) value += static_cast<char>(data[(from + i) % size]);
  if (from % 2 == 1) {
    const std::optional<oza::KeyRef> key = oza::keyOfControl(control.name());
    if (!key || !session.image()) return;
    const auto edit = oza::controlEditFor(*key, oza::keyValueOfText(value), *session.image());
    if (edit && *edit) (void)oza::applyEdit(controls, **edit);
    return;
  }
  const bool list = control.kind() == oza::ControlKind::ListBox || !control.items().empty();
  const auto edit =
      oza::parseEdit(list ? oza::ControlEdit::Kind::Select : oza::ControlEdit::Kind::Set, control.name() + "=" + value);
  if (edit) (void)oza::applyEdit(controls, *edit);
}

void applyEdits(oza::Session& session, const std::uint8_t* edits, const std::uint8_t* data, std::size_t size) {
  const std::vector<oza::Control*> controls = session.controls();
  for (std::size_t e = 0; e + 2 < kEditBytes; e += 3) {
    oza::Control& control = *controls[edits[e] * controls.size() / 256];
    if (!control.enabled()) continue;
    const int value = edits[e + 1];
    if ((edits[e + 2] & 6) == 6) {
      applyScriptedEdit(session, controls, control, data, size, static_cast<std::size_t>(value) * 256 + edits[e + 2],
                        edits[e + 2] % 16);
      continue;
    }
    switch (control.kind()) {
      case oza::ControlKind::TextBox:
      case oza::ControlKind::ComboBox:
        if (edits[e + 2] & 1) {
          control.setText(kTexts[value % (sizeof kTexts / sizeof *kTexts)]);
        } else if (!control.items().empty()) {
          control.setListIndex(value % static_cast<int>(control.items().size()));
        } else {
          control.setText(std::to_string(value * edits[e + 2]));
        }
        break;
      case oza::ControlKind::CheckBox:
      case oza::ControlKind::OptionButton:
      case oza::ControlKind::ListBox:
        if (!control.items().empty()) control.setListIndex(value % static_cast<int>(control.items().size()));
        control.click();
        break;
      case oza::ControlKind::PictureBox: {
        const double x = value * 125.0 / 255 - 5;
        const double y = edits[e + 2] * 110.0 / 255 - 5;
        auto& fan = session.form().fan;
        if (&control == &fan.type1Picture) {
          fan.type1GraphMouseDown(x, y);
          fan.type1GraphMouseUp();
        } else if (&control == &fan.type2Picture) {
          fan.type2GraphMouseDown(x, y);
          fan.type2GraphMouseUp();
        }
        break;
      }
      default: break;  // buttons open windows and dialogs: not edits
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < kEditBytes) return 0;
  static const std::string image = oza::fuzz::scratchPath("in.rom");
  static const std::string target = oza::fuzz::scratchPath("out.rom");
  oza::fuzz::writeScratch(image, data + kEditBytes, size - kEditBytes);
  std::error_code removed;
  std::filesystem::remove(target, removed);

  oza::ScriptedPlatform platform;
  platform.defaultAnswer = oza::MessageAnswer::Yes;
  oza::Session session(platform);
  session.start();
  if (!oza::loadBiosFile(session, image)) return 0;
  applyEdits(session, data, data + kEditBytes, size - kEditBytes);
  platform.queueSavePath(target);
  if (!oza::saveBiosFile(session)) {
    if (std::filesystem::exists(target)) oza::fuzz::violated("a save that stopped left a file");
    return 0;
  }
  oza::ScriptedPlatform again;
  oza::Session reloaded(again);
  reloaded.start();
  if (!oza::loadBiosFile(reloaded, target)) oza::fuzz::violated("the saved image does not load again");
  // The rows of changed bytes name the tables they lie in.
  if (reloaded.image()) (void)oza::diffImages(*session.image(), *reloaded.image());
  const auto read = oza::readBiosFile(target);
  if (!read) oza::fuzz::violated("the saved file cannot be read");
  const oza::ByteImage& saved = *read;
  if (saved.size() != static_cast<std::int64_t>(size - kEditBytes)) oza::fuzz::violated("length changed");
  if (oza::byteSum(saved) != session.image()->checkSum) oza::fuzz::violated("byte sum not restored");
  return 0;
}
