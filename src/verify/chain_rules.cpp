// SPDX-License-Identifier: GPL-3.0-or-later

#include "verify/check_rules.h"

#include "image/hex_fields.h"
#include "image/info_strings.h"
#include "text/number_text.h"
#include "verify/byte_ranges.h"

namespace oza {

void checkPciChain(const ImageFile& file, const ImageFile*, Finding& found) {
  if (!file.loaded()) return found.notRun(kNotLoaded);
  const PciImageChain& chain = file.image->pciImages;
  found.note("images.count", double(chain.images.size()));
  found.note("images.tail_bytes", double(chain.tailBytes));
  if (chain.images.empty()) return found.notRun("the image has no PCI data structure");
  std::string listed;
  std::vector<std::string> problems;
  for (std::size_t n = 0; n < chain.images.size(); ++n) {
    const PciImage& p = chain.images[n];
    listed += (n ? "; " : "") + codeTypeName(p.codeType) + " " + groupedNumber(p.length) + " bytes at " +
              offsetText(p.offset);
    if (p.deviceId != chain.images.front().deviceId) {
      problems.push_back("image " + std::to_string(n) + " names device 0x" + hexText(p.deviceId, 4) + ", the first 0x" +
                         hexText(chain.images.front().deviceId, 4));
      found.note("images." + std::to_string(n) + ".device_id", double(p.deviceId));
    }
  }
  if (chain.pastEnd) {
    problems.push_back("the chain runs to " + offsetText(chain.end) + ", past the end of the file (" +
                       groupedNumber(file.image->bytes.size()) + " bytes)");
    found.note("images.end_offset", double(chain.end));
  }
  found.judge(CheckOutcome::Warning, problems,
              listed + "; " + groupedNumber(chain.tailBytes) + " bytes after them, " + groupedNumber(chain.tailData) +
                  " of them data");
}

void checkWholeRom(const ImageFile& file, const ImageFile*, Finding& found) {
  if (!file.loaded()) return found.notRun(kNotLoaded);
  const LoadedImage& image = *file.image;
  const PciImageChain& chain = image.pciImages;
  // The kernel gives only the chain; a file that ends where its chain ends
  // and is no whole ROM size (or belongs to a GDDR5 card) may lack the data
  // after the images.
  const std::int64_t size = image.bytes.size();
  const bool wholeSize = size == k64k || size == k128k;
  if (!chain.images.empty() && chain.tailBytes == 0 && (!wholeSize || usesGddr5(image.strings)))
    found.warning("the file ends where its PCI images end (" + groupedNumber(size) +
                  " bytes): it may be a partial copy of the card's ROM, as the kernel gives it; the data "
                  "after the images (memory set-up on GDDR5 cards) may be missing");
  else
    found.passed(groupedNumber(chain.tailBytes) + " bytes follow the PCI images");
}

}  // namespace oza
