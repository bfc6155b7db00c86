#include "ui/qt_network.h"

#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>

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
      QFile file(QString::fromStdString(path));
      ok = file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(reply->readAll()) >= 0 && file.flush();
    }
    reply->deleteLater();
    done(ok);
  });
}

}  // namespace oza::ui
