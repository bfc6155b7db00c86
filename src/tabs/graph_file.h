// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

namespace oza {

class Platform;
struct FanGraph;

// The save dialog of a graph; the chosen path without surrounding blanks.
std::string saveGraphDialog(Platform& platform, const std::string& folder = {});

// "Save...": asks for a name, asks before replacing a file, writes the graph
// as a bitmap. Nothing is written when the user cancels or says No.
void saveGraph(Platform& platform, const FanGraph& graph, const std::string& folder = {});

}  // namespace oza
