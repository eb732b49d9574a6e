#include "platform/http_client.h"

#include <QAuthenticator>
#include <QEventLoop>
#include <QNetworkCookieJar>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>

#include <limits>

namespace {

bool IsWebScheme(const QUrl& url) {
    const QString scheme = url.scheme().toLower();
    return (scheme == QLatin1String("http") || scheme == QLatin1String("https")) && !url.host().isEmpty();
}

} // namespace

quint16 ProxyPortFromText(std::string_view text) {
    if (text.empty() || text.size() > 5) return 8080;
    unsigned value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return 8080;
        value = value * 10 + static_cast<unsigned>(c - '0');
    }
    return value <= 65535 ? static_cast<quint16>(value) : 8080;
}

ProxySettings ProxyFromSettings(const GlobalSettings& s) {
    ProxySettings p;
    p.use = s.usaProxy;
    p.server = QString::fromStdString(s.proxyServer).trimmed();
    p.port = ProxyPortFromText(s.proxyPorta);
    p.authenticate = s.proxyAuth;
    p.user = QString::fromStdString(s.proxyUsername);
    p.password = QString::fromStdString(s.proxyPassword);
    return p;
}

HttpClient::HttpClient(QObject* parent) : QObject(parent) {
    manager_.setCookieJar(new QNetworkCookieJar(&manager_));
    manager_.setProxy(QNetworkProxy::NoProxy);
    connect(&manager_, &QNetworkAccessManager::proxyAuthenticationRequired, this,
            &HttpClient::onProxyAuthentication);
}

void HttpClient::setProxy(const ProxySettings& proxy) {
    proxy_ = proxy;
    if (proxy.use && !proxy.server.isEmpty()) {
        QNetworkProxy p(QNetworkProxy::HttpProxy, proxy.server, proxy.port);
        // Credentials are given only when asked for (407), and only when the user set them.
        manager_.setProxy(p);
    } else {
        manager_.setProxy(QNetworkProxy::NoProxy);
    }
}

void HttpClient::onProxyAuthentication(const QNetworkProxy&, QAuthenticator* authenticator) {
    // A second request for credentials means the proxy refused them: give up instead of looping.
    if (!proxy_.use || !proxy_.authenticate || ++proxyAuthAttempts_ > 1) return;
    authenticator->setUser(proxy_.user);
    authenticator->setPassword(proxy_.password);
}

HttpClient::Result HttpClient::get(const QUrl& url) {
    Result result;
    if (!IsWebScheme(url)) {
        result.error = QStringLiteral("indirizzo non valido");
        return result;
    }
    proxyAuthAttempts_ = 0;
    // A fresh proxy connection each time, so new credentials are asked for on every request.
    manager_.clearConnectionCache();

    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::UserAgentHeader, QByteArray(kHttpUserAgent));
    request.setRawHeader("Accept", "text/html, */*");
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::UserVerifiedRedirectPolicy);
    request.setMaximumRedirectsAllowed(10);
    request.setAttribute(QNetworkRequest::Http2AllowedAttribute, false);
    if (readTimeoutMs_ > 0) request.setTransferTimeout(readTimeoutMs_);

    QNetworkReply* reply = manager_.get(request);
    QEventLoop loop;
    bool tooLarge = false;
    QByteArray body;
    connect(reply, &QNetworkReply::redirected, reply, [reply](const QUrl& target) {
        // Only web addresses: a redirect to file: or another scheme ends the request.
        if (IsWebScheme(target))
            emit reply->redirectAllowed();
        else
            reply->abort();
    });
    connect(reply, &QNetworkReply::readyRead, reply, [&] {
        body += reply->readAll();
        if (body.size() > maxBytes_) {
            tooLarge = true;
            reply->abort();
        }
    });
    connect(reply, &QNetworkReply::metaDataChanged, reply, [&] {
        const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
        if (length.isValid() && length.toLongLong() > maxBytes_) {
            tooLarge = true;
            reply->abort();
        }
    });
    connect(reply, &QNetworkReply::downloadProgress, reply, [&](qint64 received, qint64 total) {
        if (progress_ && !tooLarge) progress_(received, total);
    });
    connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    if (!reply->isFinished()) loop.exec(QEventLoop::ExcludeUserInputEvents);

    if (!tooLarge && reply->isOpen()) body += reply->readAll();
    result.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (tooLarge || body.size() > maxBytes_) {
        result.error = QStringLiteral("risposta troppo grande");
    } else if (reply->error() != QNetworkReply::NoError) {
        result.error = reply->errorString();
    } else if (result.status < 200 || result.status >= 300) {
        result.error = QStringLiteral("stato HTTP %1").arg(result.status);
    } else {
        result.ok = true;
        result.body = std::move(body);
    }
    reply->deleteLater();
    return result;
}

std::optional<std::string> HttpClient::fetch(const std::string& url) {
    const Result r = get(QUrl(QString::fromStdString(url), QUrl::TolerantMode));
    if (!r.ok) return std::nullopt;
    return r.body.toStdString();
}
