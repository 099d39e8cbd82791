#pragma once

#include <QByteArray>
#include <QTcpServer>
#include <QTcpSocket>

namespace dlt::gui::test {

// A one-page web server on 127.0.0.1 for the online update: every GET gets
// the same body.
class NoticeServer : public QTcpServer {
 public:
  explicit NoticeServer(QByteArray body, QByteArray contentType = "text/html; charset=utf-8")
      : body_(std::move(body)), contentType_(std::move(contentType)) {
    listen(QHostAddress::LocalHost, 0);
    connect(this, &QTcpServer::newConnection, this, [this] {
      while (QTcpSocket* s = nextPendingConnection()) {
        connect(s, &QTcpSocket::readyRead, s, [this, s] {
          request_ += s->readAll();
          if (!request_.contains("\r\n\r\n")) return;
          ++requests;
          lastRequest = request_;
          request_.clear();
          s->write("HTTP/1.1 200 OK\r\nContent-Type: " + contentType_ + "\r\nContent-Length: " +
                   QByteArray::number(body_.size()) + "\r\nConnection: close\r\n\r\n" + body_);
          s->disconnectFromHost();
        });
        connect(s, &QTcpSocket::disconnected, s, &QObject::deleteLater);
      }
    });
  }
  QString Url() const { return QStringLiteral("http://127.0.0.1:%1/notice.htm").arg(serverPort()); }

  int requests = 0;
  QByteArray lastRequest;

 private:
  QByteArray body_;
  QByteArray contentType_;
  QByteArray request_;
};

// A port on 127.0.0.1 that nothing listens on.
inline quint16 DeadPort() {
  QTcpServer probe;
  probe.listen(QHostAddress::LocalHost, 0);
  const quint16 port = probe.serverPort();
  probe.close();
  return port;
}

}  // namespace dlt::gui::test
