// SPDX-License-Identifier: GPL-3.0-or-later

#include "verify/check_rules.h"

#include <algorithm>

#include "image/info_strings.h"
#include "text/latin1.h"

namespace oza {

namespace {

// An Overdrive limit in MHz; 0 where the image has none.
double limit(const LoadedImage& image, std::optional<std::uint32_t> OverdriveClocks::*field) {
  if (!image.overdrive || !(*image.overdrive.*field)) return 0;
  return megahertz(*(*image.overdrive.*field));
}

}  // namespace

void checkGddr5Size(const ImageFile& file, const ImageFile*, Finding& found) {
  if (!file.loaded()) return found.notRun(kNotLoaded);
  const LoadedImage& image = *file.image;
  const bool gddr5 = usesGddr5(image.strings);
  const std::int64_t size = image.bytes.size();
  found.note("size_bytes", double(size));
  found.note("memory.type", latin1ToUtf8(image.strings.ramType));
  if (gddr5 && size <= k64k)
    found.warning("a GDDR5 image of " + byteCount(size) + " may be cut short");
  else
    found.passed(gddr5 ? "GDDR5, " + byteCount(size) : "no GDDR5 memory");
}

void checkOverdriveLimits(const ImageFile& file, const ImageFile*, Finding& found) {
  if (!file.loaded()) return found.notRun(kNotLoaded);
  const LoadedImage& image = *file.image;
  const double gpuLimit = limit(image, &OverdriveClocks::engineLimit);
  const double ramLimit = limit(image, &OverdriveClocks::memoryLimit);
  // A limit of 0 is no limit: some images set only one of them.
  if (gpuLimit <= 0 && ramLimit <= 0) return found.notRun("no Overdrive limits");
  std::vector<std::string> problems;
  for (const ClockValues& info : clockValues(image)) {
    const std::string key = "clock_info." + std::to_string(info.block) + ".";
    if (gpuLimit > 0 && info.gpu > gpuLimit) {
      problems.push_back(blockName(info.block) + " GPU " + mhzText(info.gpu) + " above " + mhzText(gpuLimit));
      found.note(key + "gpu_mhz", info.gpu);
    }
    if (ramLimit > 0 && info.ram > ramLimit) {
      problems.push_back(blockName(info.block) + " RAM " + mhzText(info.ram) + " above " + mhzText(ramLimit));
      found.note(key + "memory_mhz", info.ram);
    }
  }
  found.note("overdrive.gpu_limit_mhz", gpuLimit);
  found.note("overdrive.memory_limit_mhz", ramLimit);
  const std::string gpu = gpuLimit > 0 ? "GPU up to " + mhzText(gpuLimit) : "no GPU limit";
  const std::string ram = ramLimit > 0 ? "RAM up to " + mhzText(ramLimit) : "no RAM limit";
  found.judge(CheckOutcome::Warning, problems, gpu + ", " + ram);
}

void checkGddr5MemoryClocks(const ImageFile& file, const ImageFile*, Finding& found) {
  if (!file.loaded()) return found.notRun(kNotLoaded);
  if (!usesGddr5(file.image->strings)) return found.passed("no GDDR5 memory");
  std::vector<double> clocks;
  for (const ClockValues& info : clockValues(*file.image))
    if (std::find(clocks.begin(), clocks.end(), info.ram) == clocks.end()) clocks.push_back(info.ram);
  if (clocks.size() <= 1) return found.passed(clocks.empty() ? "no clock infos" : "RAM " + mhzText(clocks[0]));
  std::string list;
  for (const double clock : clocks) list += (list.empty() ? "" : ", ") + mhzText(clock);
  found.warning("RAM clocks " + list + ": changing the memory clock makes the screen of a GDDR5 card flicker");
}

}  // namespace oza
