// SPDX-License-Identifier: GPL-3.0-or-later

#include "session/save_review.h"

#include <algorithm>
#include <cmath>

#include "document/image_decoding.h"
#include "fan/fan_writer.h"
#include "image/info_writer.h"
#include "keys/value_keys.h"
#include "powerplay/clock_records.h"
#include "save/checksum_correction.h"
#include "session/reload_check.h"
#include "session/session.h"
#include "session/tab_pages.h"
#include "text/message_text.h"

namespace oza {

namespace {

bool holds(const std::vector<Control*>& controls, const Control* control) {
  return std::find(controls.begin(), controls.end(), control) != controls.end();
}

// The box a save stopped at, as its message's second line names it by its
// caption: why its text cannot be written and what it takes,
//   Clock info 3, GPU (MHz) holds "1..2", which is no number; it takes a
//   number from 0 to 167772.15 with at most 2 decimals.
// or, where a writer refused it, what it is:
//   Reported chip type holds "RV670X": the reported chip type (...).
std::string boxLine(const Control& box, const std::string& why = "", const std::optional<NumberRule>& takes = {}) {
  const std::string line = box.caption() + " holds \"" + escapeControls(box.text()) + "\"";
  if (!why.empty()) return line + ", which " + why + (takes ? "; it takes " + takes->describe() : "") + ".";
  const std::optional<KeyRef> key = keyOfControl(box.name());
  if (!key) return line + ".";
  std::string meaning = key->entry->meaning;
  if (const std::size_t n = meaning.find(" N"); n != std::string::npos && key->entry->count > 1)
    meaning.replace(n + 1, 1, std::to_string(key->index));
  if (!meaning.empty() && meaning.starts_with("The ")) meaning[0] = 't';
  return line + ": " + meaning + ".";
}

// Shows why the save stops, with the line that names `box` where there is
// one, and gives the box the focus on its tab; nothing else of the window
// changes.
std::nullopt_t refuse(Session& session, const std::string& text, Control* box = nullptr, const std::string& line = "") {
  session.platform().message(box ? withReason(text, line.empty() ? boxLine(*box) : line) : text,
                             MessageIcon::Information);
  if (!box) return std::nullopt;
  MainForm& form = session.form();
  std::vector<Control*> clock, fan;
  form.clock.collect(clock);
  form.fan.collect(fan);
  if (holds(clock, box)) {
    showClockTab(session);
  } else if (holds(fan, box)) {
    showFanTab(session);
  } else {
    showInfoTab(session);
  }
  session.requestFocus(*box);
  return std::nullopt;
}

// The box whose value a fan writer refused.
Control* fanBox(FanTab& fan, FanWriteError error, const FanChanges& changes) {
  switch (error) {
    case FanWriteError::Tmin: return &fan.tmin;
    case FanWriteError::Tmax: return &fan.tmax;
    case FanWriteError::Tslope: return &fan.tslope;
    case FanWriteError::DutyMin: return &fan.dutyCycleMin;
    case FanWriteError::Hysteresis: return &fan.hysteresis;
    case FanWriteError::SpinUpCycle: return &fan.spinUpCycle;
    case FanWriteError::TminHysteresis: return &fan.tminHysteresis;
    case FanWriteError::SpinUpTime: return &fan.spinUpTime;
    case FanWriteError::PwmRampOn: return &fan.pwmRampOn;
    case FanWriteError::PwmRamp: return &fan.pwmRamp;
    case FanWriteError::LookUpTable:
    case FanWriteError::Type2Value: {
      const bool type2 = error == FanWriteError::Type2Value;
      const FanTableChanges& table = type2 ? changes.type2Table : changes.type1Table;
      const auto outside = [](const std::optional<double>& value) {
        return value && (std::round(*value) < 0 || std::round(*value) > 255);
      };
      if (type2 && outside(changes.type2Hysteresis)) return &fan.type2Hysteresis;
      for (int k = 0; k < kFanTablePoints; ++k) {
        if (outside(table.speeds[k])) return &(type2 ? fan.type2Speed : fan.type1Speed)[k];
        if (outside(table.thresholds[k])) return &(type2 ? fan.type2Threshold : fan.type1Threshold)[k];
      }
      return nullptr;
    }
    default: return nullptr;
  }
}

Control* infoBox(InfoTab& info, InfoWriteError error) {
  switch (error) {
    case InfoWriteError::BiosVersionTooLong: return &info.infoText[1];
    case InfoWriteError::ChipTypeTooLong: return &info.infoText[2];
    case InfoWriteError::HardwareSpecsTooLong: return &info.infoText[3];
    case InfoWriteError::CopyrightTooLong: return &info.infoText[4];
    case InfoWriteError::AtomBiosVersionTooLong: return &info.infoText[5];
    case InfoWriteError::PowerCableMessageTooLong: return &info.infoText[6];
    case InfoWriteError::SubVendor: return &info.subVendor;
    case InfoWriteError::CardId: return &info.videoCard;
    case InfoWriteError::Failed: break;
  }
  return nullptr;
}

// A row of the review: what the user changed, or what the save does for
// them, said so where the bare value would not.
SaveReview::Change reviewRow(const Difference& difference) {
  const std::string& key = difference.key;
  SaveReview::Change row{difference.what, difference.a, difference.b};
  if (key == "pre_modified") {
    row.what = "Pre-modified (the mark of the checksum correction)";
    row.bySave = true;
  } else if (key.starts_with("fan.register.")) {
    row.what += " (holds the fan settings)";
    row.bySave = true;
  } else {
    row.bySave = key.starts_with("bytes.correction_") || key == "byte_sum";
  }
  return row;
}

ImageFile originalOf(const LoadedImage& loaded) {
  ImageFile original;
  original.path = loaded.path;
  original.bytes = loaded.bytes;
  original.image = loaded;
  return original;
}

}  // namespace

std::optional<PendingSave> prepareSave(Session& session) {
  Platform& platform = session.platform();
  MainForm& form = session.form();
  const LoadedImage* loaded = session.image();
  if (!loaded) return refuse(session, clockWriteMessage(ClockWriteError::RecordsNotFound));
  // Every save patches a fresh copy of the loaded bytes: a refused save
  // leaves nothing behind, and the same edits always give the same file.
  ByteImage image = loaded->bytes;

  const Control* illegal = nullptr;
  const ClockChanges clockChanges = form.clock.changedSettings(&illegal);
  if (const auto written = writeClockSettings(image, loaded->clockLocation, clockChanges); !written) {
    Control* box = const_cast<Control*>(illegal);
    const std::string line = box && !box->number() ? boxLine(*box, box->number().error(), box->rule()) : std::string();
    return refuse(session, clockWriteMessage(written.error()), box, line);
  }
  // A fan tab that is not enabled (the load could not read it) writes nothing.
  if (form.fanTabButton.enabled()) {
    const FanLocation& location = loaded->fan.location;
    const auto fanChanges = form.fan.changedSettings(location);
    if (!fanChanges) {
      const FanRefusal& refusal = fanChanges.error();
      return refuse(session, fanWriteMessage(refusal.code), const_cast<Control*>(refusal.box),
                    boxLine(*refusal.box, refusal.why, refusal.takes));
    }
    if (const auto written = writeFanSettings(image, location, *fanChanges); !written)
      return refuse(session, fanWriteMessage(written.error()), fanBox(form.fan, written.error(), *fanChanges));
  }
  const InfoChanges infoChanges = form.info.changedSettings(loaded->strings, loaded->cardId);
  if (const auto unencodable = unencodableReason(infoChanges); unencodable && !infoChanges.tooLong)
    return refuse(session, withReason(infoWriteMessage(InfoWriteError::Failed), *unencodable));
  if (const auto written = writeInfoSettings(image, loaded->strings, infoChanges); !written)
    return refuse(session, infoWriteMessage(written.error()), infoBox(form.info, written.error()));

  const ChecksumCorrection correction = correctChecksum(image, loaded->checkSum);
  if (correction.failedStep) platform.message(correctionStepMessage(correction), MessageIcon::Information);
  if (correction.refusal) {
    const bool tooLarge =
        *correction.refusal == CorrectionRefusal::TooLargeDown || *correction.refusal == CorrectionRefusal::TooLargeUp;
    platform.message(correctionRefusalMessage(correction, form.info.preModified.checked()),
                     tooLarge ? MessageIcon::Error : MessageIcon::Information, MessageButtons::Ok,
                     tooLarge ? "Can't save." : kDefaultTitle);
    return std::nullopt;
  }
  // Never a file that this program would refuse: the next load must find
  // what this save wrote.
  // The patched image is decoded once, for this and for the review.
  PendingSave pending{image, decodeImageFile(loaded->path, image), {}, {}};
  if (const auto problem = reloadProblem(*loaded, pending.saved, infoChanges))
    return refuse(session,
                  withReason("Unable to save BIOS. The image would not load again with these changes.", *problem));

  const ImageFile original = originalOf(*loaded);
  if (pending.saved.image) pending.changes = diffImages(*loaded, *pending.saved.image);
  pending.check = checkImage(pending.saved, &original);
  return pending;
}

std::optional<PendingSave> previewSave(Session& session) {
  const std::vector<Control*> controls = session.controls();
  std::vector<Control::State> states;
  for (const Control* control : controls) states.push_back(control->state());
  std::optional<PendingSave> pending = prepareSave(session);
  for (std::size_t i = 0; i < controls.size(); ++i) controls[i]->restore(states[i]);
  session.form().fan.redrawShownGraphs();
  return pending;
}

SaveReview reviewOf(const PendingSave& pending) {
  SaveReview review;
  review.title = "Save BIOS: what changes";
  for (const Difference& difference : pending.changes) review.changes.push_back(reviewRow(difference));
  std::stable_partition(review.changes.begin(), review.changes.end(),
                        [](const SaveReview::Change& change) { return !change.bySave; });
  for (const CheckItem& item : pending.check.items)
    if (item.outcome == CheckOutcome::Warning || item.outcome == CheckOutcome::Error)
      review.findings.push_back({item.outcome == CheckOutcome::Error, item.name, item.detail});
  const std::size_t count = review.changes.size();
  review.summary = count == 0 ? "The save changes nothing in the image"
                              : "The save makes " + std::to_string(count) + (count == 1 ? " change" : " changes");
  if (!review.findings.empty()) review.summary += "; the check finds " + checkSummary(pending.check);
  review.summary += ".";
  return review;
}

}  // namespace oza
