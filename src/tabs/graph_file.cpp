// SPDX-License-Identifier: GPL-3.0-or-later

#include "tabs/graph_file.h"

#include "fan/graph_bitmap.h"
#include "files/file_io.h"
#include "text/number_text.h"
#include "platform/platform.h"
#include "platform/replace_question.h"

namespace oza {

std::string saveGraphDialog(Platform& platform, const std::string& folder) {
  FileDialogRequest request;
  request.startFolder = folder;
  request.title = "Save graph...";
  request.defaultName = "Graph.bmp";
  request.filters = {{"Bitmap files (*.bmp)", "*.bmp"}, {"All Files (*.*)", "*.*"}};
  return platform.saveFileDialog(request);
}

void saveGraph(Platform& platform, const FanGraph& graph, const std::string& folder) {
  const std::string name = saveGraphDialog(platform, folder);
  if (name.empty()) return;
  const WriteMessage failed{"Unable to save graph. Maybe write protected or file system full?", MessageIcon::Error,
                            "Write error"};
  if (!askBeforeReplacing(platform, name, failed)) return;
  if (const WriteResult written = replaceFile(name, bitmapFile(rasterize(graph)), platform.fileWrites); !written)
    showWriteFailure(platform, written.error(), failed);
}

}  // namespace oza
