// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <functional>
#include <string>

class QNetworkAccessManager;

namespace oza::ui {

// Reachability tests and downloads for the version check, asynchronous: the
// answers come back as events of the window's own loop.
class QtNetwork : public QObject {
  Q_OBJECT
 public:
  explicit QtNetwork(QObject* parent = nullptr);
  void testReachable(const std::string& url, std::function<void(bool)> done);
  void download(const std::string& url, const std::string& path, std::function<void(bool)> done);

 private:
  QNetworkAccessManager* manager_;
};

}  // namespace oza::ui
