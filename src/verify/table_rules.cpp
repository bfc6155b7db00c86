// SPDX-License-Identifier: GPL-3.0-or-later

#include "verify/check_rules.h"

#include <algorithm>
#include <initializer_list>

#include "image/atom_tables.h"
#include "image/table_layout.h"
#include "verify/byte_ranges.h"

namespace oza {

namespace {

// The findings of the layout of kinds `wanted`, at most as many as a report
// spells out; none when the image lists no tables at all.
std::optional<std::vector<std::string>> layoutProblems(const ImageFile& file,
                                                       std::initializer_list<LayoutProblem> wanted,
                                                       std::size_t& tables) {
  if (!file.bytes) return std::nullopt;
  const AtomTables listed = readAtomTables(*file.bytes);
  if (!listed.data.header && !listed.command.header) return std::nullopt;
  tables = tableRegions(listed).size();
  std::vector<std::string> problems;
  std::size_t more = 0;
  for (const LayoutFinding& finding : layoutFindings(*file.bytes, listed)) {
    if (std::find(wanted.begin(), wanted.end(), finding.problem) == wanted.end()) continue;
    if (problems.size() < kLargestRangeList)
      problems.push_back(finding.text);
    else
      ++more;
  }
  if (more) problems.push_back("and " + std::to_string(more) + " more");
  return problems;
}

const char* const kNoTables = "the image lists no master tables";

}  // namespace

void checkTablesWithinImage(const ImageFile& file, const ImageFile*, Finding& found) {
  std::size_t tables = 0;
  const auto problems = layoutProblems(
      file, {LayoutProblem::PastFile, LayoutProblem::PastDeclaredImage, LayoutProblem::MasterTooShort}, tables);
  if (!problems) return found.notRun(kNoTables);
  found.note("tables.count", double(tables));
  found.judge(CheckOutcome::Warning, *problems, std::to_string(tables) + " tables, none past the image or the file");
}

void checkTablesApart(const ImageFile& file, const ImageFile*, Finding& found) {
  std::size_t tables = 0;
  const auto problems = layoutProblems(file, {LayoutProblem::Overlap}, tables);
  if (!problems) return found.notRun(kNoTables);
  found.judge(CheckOutcome::Warning, *problems, "no two of " + std::to_string(tables) + " tables overlap");
}

}  // namespace oza
