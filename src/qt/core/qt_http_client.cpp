#include "qt/core/qt_http_client.h"

#include <QEventLoop>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QStringDecoder>
#include <QTimer>
#include <memory>

namespace lotto {
namespace {

QString serverOf(const QUrl& url) {
  return url.port() > 0 ? url.host() + ":" + QString::number(url.port()) : url.host();
}

std::string transportFailure(const QNetworkReply& reply, const QUrl& url,
                             const QNetworkProxy& proxy) {
  const QString server = serverOf(url);
  const QString proxyName = proxy.hostName() + ":" + QString::number(proxy.port());
  // Through an HTTP proxy the connection goes to the proxy: when it cannot be made, the
  // proxy is what failed.
  if (proxy.type() == QNetworkProxy::HttpProxy &&
      (reply.error() == QNetworkReply::ConnectionRefusedError ||
       reply.error() == QNetworkReply::HostNotFoundError)) {
    return ("Der Proxy-Server " + proxyName + " ist nicht erreichbar.").toStdString();
  }
  QString text;
  switch (reply.error()) {
    case QNetworkReply::ConnectionRefusedError:
      text = "Keine Verbindung zum Server " + server + ": die Verbindung wurde abgelehnt.";
      break;
    case QNetworkReply::HostNotFoundError:
      text = "Der Server " + url.host() + " wurde nicht gefunden.";
      break;
    case QNetworkReply::RemoteHostClosedError:
      text = "Der Server " + server +
             " hat die Verbindung geschlossen, bevor die Antwort vollständig war.";
      break;
    case QNetworkReply::TimeoutError:
      text = "Zeitüberschreitung bei der Verbindung zum Server " + server + ".";
      break;
    case QNetworkReply::ProxyConnectionRefusedError:
    case QNetworkReply::ProxyConnectionClosedError:
    case QNetworkReply::ProxyNotFoundError:
    case QNetworkReply::ProxyTimeoutError:
    case QNetworkReply::ProxyAuthenticationRequiredError:
    case QNetworkReply::UnknownProxyError:
      text = "Der Proxy-Server " + proxyName + " ist nicht erreichbar.";
      break;
    case QNetworkReply::ProtocolUnknownError:
    case QNetworkReply::ProtocolInvalidOperationError:
      text = "Die Adresse " + url.toDisplayString() + " kann nicht abgerufen werden.";
      break;
    default:
      text = "Fehler bei der Verbindung zum Server " + server + ": " + reply.errorString();
      break;
  }
  return text.toStdString();
}

// Whether the reply arrived whole and Qt's error only restates its HTTP status (a 404, a
// 500); a failure of the connection, a proxy or the protocol is no status.
bool arrivedWhole(const QNetworkReply& reply) {
  const QNetworkReply::NetworkError error = reply.error();
  return reply.attribute(QNetworkRequest::HttpStatusCodeAttribute).isValid() &&
         (error == QNetworkReply::NoError ||
          (error >= QNetworkReply::ContentAccessDenied && error != QNetworkReply::ProtocolFailure));
}

std::string timeText(int ms) {
  return ms % 1000 == 0 ? std::to_string(ms / 1000) + " Sekunden"
                        : std::to_string(ms) + " Millisekunden";
}

// The body as the program's text: by the charset the server names; without one UTF-8 when
// it is valid UTF-8, else the single-byte code page of the Windows world.
std::string bodyText(const QByteArray& bytes, const QNetworkReply& reply) {
  const QString type = reply.header(QNetworkRequest::ContentTypeHeader).toString().toLower();
  const qsizetype at = type.indexOf("charset=");
  QString charset = at >= 0 ? type.mid(at + 8).section(';', 0, 0).trimmed() : QString();
  charset.remove('"');
  if (charset.isEmpty() || charset == "utf-8" || charset == "utf8") {
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(bytes);
    if (!utf8.hasError()) return text.toStdString();
    if (!charset.isEmpty()) return text.toStdString();
  }
  QStringDecoder named(charset.isEmpty() ? "windows-1252" : charset.toLatin1().constData());
  if (named.isValid()) return QString(named(bytes)).toStdString();
  return QString::fromLatin1(bytes).toStdString();
}

}  // namespace

void QtHttpClient::setProxy(const std::string& host, int port) {
  if (host.empty()) {
    manager_.setProxy(QNetworkProxy(QNetworkProxy::NoProxy));
    return;
  }
  if (port < 1 || port > 65535) {
    throw HttpError("Der Proxy-Port " + std::to_string(port) +
                    " liegt nicht zwischen 1 und 65535.");
  }
  manager_.setProxy(QNetworkProxy(QNetworkProxy::HttpProxy, QString::fromStdString(host),
                                  static_cast<quint16>(port)));
}

HttpReply QtHttpClient::fetch(const std::string& address) {
  const QUrl url(QString::fromStdString(address), QUrl::StrictMode);
  if (!url.isValid() || url.scheme() != "http" || url.host().isEmpty()) {
    throw HttpError("Die Adresse " + address + " ist keine gültige http-Adresse.");
  }
  QNetworkRequest request(url);
  request.setHeader(QNetworkRequest::UserAgentHeader, kHttpUserAgent);
  request.setRawHeader("Accept", kHttpAccept);
  // A redirection is a reply like any other: outside 200..299 it is a failure.
  request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                       QNetworkRequest::ManualRedirectPolicy);

  const std::unique_ptr<QNetworkReply, void (*)(QNetworkReply*)> reply(
      manager_.get(request), [](QNetworkReply* r) { r->deleteLater(); });
  bool timedOut = false;
  bool tooLarge = false;
  QEventLoop waiting;
  QTimer timer;
  timer.setSingleShot(true);
  QObject::connect(&timer, &QTimer::timeout, &waiting, [&] {
    timedOut = true;
    reply->abort();
  });
  QObject::connect(reply.get(), &QNetworkReply::downloadProgress, &waiting,
                   [&](qint64 received, qint64 total) {
                     const auto limit = static_cast<qint64>(kHttpMaxBodyBytes);
                     if (received > limit || total > limit) {
                       tooLarge = true;
                       reply->abort();
                     }
                   });
  QObject::connect(reply.get(), &QNetworkReply::finished, &waiting, &QEventLoop::quit);
  timer.start(timeoutMs_);
  if (!reply->isFinished()) waiting.exec();
  timer.stop();

  if (timedOut) {
    throw HttpError("Der Server " + serverOf(url).toStdString() + " hat nicht innerhalb von " +
                    timeText(timeoutMs_) + " geantwortet.");
  }
  if (tooLarge) {
    throw HttpError("Die Antwort des Servers ist größer als 1 MiB und wurde verworfen.");
  }
  if (!arrivedWhole(*reply)) {
    throw HttpError(transportFailure(*reply, url, manager_.proxy()));
  }

  HttpReply result;
  result.code = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
  result.statusLine =
      "HTTP/1.1 " + std::to_string(result.code) + " " +
      reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString().toStdString();
  const QByteArray bytes = reply->readAll();
  if (static_cast<std::size_t>(bytes.size()) > kHttpMaxBodyBytes) {
    throw HttpError("Die Antwort des Servers ist größer als 1 MiB und wurde verworfen.");
  }
  result.body = bodyText(bytes, *reply);
  result.bytes = bytes.toStdString();
  result.lastModified = reply->rawHeader("Last-Modified").toStdString();
  return result;
}

}  // namespace lotto
