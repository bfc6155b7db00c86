// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

namespace oza {

// The name of the table listed at `index` of the master data table or the
// master command table, in the order of the public AtomBIOS header; an index
// past those lists ("Data table 40") is named by its number.
std::string dataTableName(int index);
std::string commandTableName(int index);

}  // namespace oza
