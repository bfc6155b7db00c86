// SPDX-License-Identifier: GPL-3.0-or-later

// The version check over real HTTP, against a small server on 127.0.0.1.
#include <QEventLoop>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <gtest/gtest.h>

#include "shell/version_check.h"
#include "support/temp_dir.h"
#include "support/temp_trap.h"
#include "ui/qt_platform.h"

namespace oza::ui {
namespace {

// Answers "/" with 200 and the download page with `page` or, when
// `pageStatus` is not 200, with that status.
class PageServer : public QObject {
 public:
  PageServer() {
    server_.listen(QHostAddress::LocalHost);
    connect(&server_, &QTcpServer::newConnection, this, [this] {
      while (QTcpSocket* socket = server_.nextPendingConnection()) {
        connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { answer(socket); });
      }
    });
  }
  quint16 port() const { return server_.serverPort(); }
  QByteArray page;
  int pageStatus = 200;

 private:
  void answer(QTcpSocket* socket) {
    const QByteArray request = socket->readAll();
    const QList<QByteArray> words = request.split(' ');
    if (words.size() < 2) return;
    const bool head = words[0] == "HEAD";
    const QByteArray path = words[1];
    int status = 404;
    QByteArray body = "not here";
    if (path == "/") {
      status = 200;
      body = "home";
    } else if (path == "/downloads/Utilities/OZA/") {
      status = pageStatus;
      body = page;
    }
    QByteArray reply = "HTTP/1.1 " + QByteArray::number(status) + (status == 200 ? " OK" : " Not Found") +
                       "\r\nContent-Length: " + QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n";
    if (!head) reply += body;
    socket->write(reply);
    socket->disconnectFromHost();
  }
  QTcpServer server_;
};

class RecordingPlatform : public QtPlatform {
 public:
  MessageAnswer showMessage(const Message& message) override {
    messages.push_back(message);
    return MessageAnswer::No;
  }
  bool openUrl(const std::string& url) override {
    opened.push_back(url);
    return true;
  }
  std::string tempDirectory() override {
    return temporaryFolder.empty() ? QtPlatform::tempDirectory() : temporaryFolder;
  }
  std::string temporaryFolder;
  std::vector<Message> messages;
  std::vector<std::string> opened;
};

Message check(const std::string& root, const std::function<void(RecordingPlatform&)>& setUp = {}) {
  qputenv("OZA_SITE_URL", QByteArray::fromStdString(root));
  RecordingPlatform platform;
  if (setUp) setUp(platform);
  QEventLoop loop;
  bool finished = false;
  runVersionCheck(platform, "1.12", [&] {
    finished = true;
    loop.quit();
  });
  QTimer::singleShot(20000, &loop, &QEventLoop::quit);
  if (!finished) loop.exec();
  qunsetenv("OZA_SITE_URL");
  EXPECT_TRUE(finished);
  EXPECT_EQ(platform.messages.size(), 1u);
  return platform.messages.empty() ? Message{} : platform.messages.back();
}

std::string local(quint16 port) { return "http://127.0.0.1:" + std::to_string(port); }

TEST(VersionCheckOverHttp, EachOutcomeHasItsMessage) {
  PageServer server;
  server.page = "<html><h1>Ozarin Bios Editor v1.31</h1></html>";
  Message m = check(local(server.port()));
  EXPECT_EQ(m.title, "Download new version?");
  EXPECT_EQ(m.text, "This version is out of date. Current version is v1.31. Open webpage to download new version?");

  server.page = "<html><h1>OZARIN BIOS EDITOR v1.12</h1></html>";
  m = check(local(server.port()));
  EXPECT_EQ(m.title, "Version up to date");
  EXPECT_EQ(m.text, "This version is up to date!");

  server.page = "0123456789012345671.09 and no marker at all";
  m = check(local(server.port()));
  EXPECT_EQ(m.text, "This version is up to date!");  // takes "1.09" from position 20

  server.pageStatus = 404;
  m = check(local(server.port()));
  EXPECT_EQ(m.title, "Unable to check for new version");
  EXPECT_EQ(m.icon, MessageIcon::Critical);
}

TEST(VersionCheckOverHttp, AClosedPortIsUnreachable) {
  quint16 closed;
  {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    closed = probe.serverPort();
  }
  const Message m = check(local(closed));
  EXPECT_EQ(m.title, "Unable to check for new version");
  EXPECT_EQ(m.text,
            "Can't download info file from server. Please check your internet connection and firewall settings.");
}

// Another user laid traps in the temporary folder, also at the first names
// the check draws: it still succeeds, creates no link target, changes no
// planted file and leaves no file of its own.
TEST(VersionCheckOverHttp, ATrappedTemporaryFolderChangesNothing) {
  PageServer server;
  server.page = "<html><h1>Ozarin Bios Editor v1.12</h1></html>";
  test::TempDir dir;
  const test::TempTrap trap(dir.path());
  trap.plant("OZA0000000000000001.tmp", "OZA0000000000000002.tmp");
  std::uint64_t draw = 1;
  const Message m = check(local(server.port()), [&](RecordingPlatform& platform) {
    platform.temporaryFolder = trap.folder();
    platform.fileWrites.randomBits = [&draw] { return draw++; };
  });
  EXPECT_EQ(m.text, "This version is up to date!");
  EXPECT_EQ(draw, 4u);  // the third name was free
  EXPECT_EQ(trap.damage(), "");
}

}  // namespace
}  // namespace oza::ui
