#include "verify/loaded_image.h"

#include "session/load_pipeline.h"

namespace oza {

LoadedImage::LoadedImage(std::string path) : path_(std::move(path)) {
  session_ = std::make_unique<Session>(platform_);
  session_->start();
  // An empty path would open the dialog, which is cancelled; say so instead.
  if (path_.empty()) {
    failure_ = "No file given.";
    return;
  }
  loaded_ = loadBiosFile(*session_, path_);
  // The failing step's message is the last one the load showed.
  if (!loaded_) failure_ = platform_.messages.empty() ? "The file did not load." : platform_.messages.back().text;
}

}  // namespace oza
