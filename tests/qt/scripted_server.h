#pragma once
// A server for tests of the HTTP client that answers each request as a script says: a
// few bytes, nothing at all, bytes and then the end of the connection, or bytes after a
// pause. It keeps every request head it gets.

#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <map>
#include <string>

namespace lotto::testing {

// A server that answers each request as a script says: a few bytes, nothing at all, or
// bytes and then the end of the connection. It keeps every request head it gets.
class ScriptedServer : public QObject {
 public:
  struct Answer {
    QByteArray bytes;
    bool close = false;
    bool silent = false;  // accepts and never answers
    int delayMs = 0;      // answers after this pause
  };
  using Script = std::function<Answer(int index, const QByteArray& head)>;

  explicit ScriptedServer(Script script) : script_(std::move(script)) {
    QVERIFY(server_.listen(QHostAddress::LocalHost));
    connect(&server_, &QTcpServer::newConnection, this, [this] {
      while (QTcpSocket* socket = server_.nextPendingConnection()) {
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { serve(socket); });
      }
    });
  }
  int port() const { return server_.serverPort(); }
  std::string address() const { return "http://127.0.0.1:" + std::to_string(port()); }
  QList<QByteArray> heads;

  static Answer reply(const QByteArray& status, const QByteArray& body,
                      const QByteArray& headers = {}) {
    return {"HTTP/1.1 " + status + "\r\nContent-Length: " + QByteArray::number(body.size()) +
                "\r\n" + headers + "\r\n" + body,
            false, false};
  }
  static Answer draw(const QByteArray& body) { return reply("200 OK", body); }

 private:
  void serve(QTcpSocket* socket) {
    QByteArray& buffer = buffers_[socket];
    buffer += socket->readAll();
    qsizetype end;
    while ((end = buffer.indexOf("\r\n\r\n")) >= 0) {
      const QByteArray head = buffer.left(end);
      buffer.remove(0, end + 4);
      heads.push_back(head);
      const Answer answer = script_(static_cast<int>(heads.size()), head);
      if (answer.silent) continue;
      const auto send = [socket, answer] {
        socket->write(answer.bytes);
        socket->flush();
        if (answer.close) socket->disconnectFromHost();
      };
      if (answer.delayMs > 0) {
        QTimer::singleShot(answer.delayMs, socket, send);
      } else {
        send();
      }
    }
  }

  QTcpServer server_;
  Script script_;
  std::map<QTcpSocket*, QByteArray> buffers_;
};

}  // namespace lotto::testing
