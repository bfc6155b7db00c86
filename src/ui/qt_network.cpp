// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/qt_network.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>

#include "platform/temp_file.h"

namespace oza::ui {

namespace {
constexpr int kTimeoutMs = 15000;

QNetworkRequest request(const std::string& url) {
  QNetworkRequest r(QUrl(QString::fromStdString(url)));
  r.setTransferTimeout(kTimeoutMs);
  return r;
}
}  // namespace

QtNetwork::QtNetwork(QObject* parent) : QObject(parent), manager_(new QNetworkAccessManager(this)) {}

void QtNetwork::testReachable(const std::string& url, std::function<void(bool)> done) {
  QNetworkReply* reply = manager_->head(request(url));
  connect(reply, &QNetworkReply::finished, this, [reply, done = std::move(done)] {
    // Any answer of the server counts, even an error page.
    const bool answered = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).isValid();
    reply->deleteLater();
    done(answered);
  });
}

void QtNetwork::download(const std::string& url, const std::string& path, std::function<void(bool)> done) {
  QNetworkReply* reply = manager_->get(request(url));
  connect(reply, &QNetworkReply::finished, this, [reply, path, done = std::move(done)] {
    bool ok = reply->error() == QNetworkReply::NoError;
    if (ok) {
      const QByteArray page = reply->readAll();
      ok = writeCreatedFile(path, std::string_view(page.constData(), static_cast<std::size_t>(page.size())));
    }
    reply->deleteLater();
    done(ok);
  });
}

}  // namespace oza::ui
