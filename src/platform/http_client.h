#pragma once

#include "archive/update_protocol.h"
#include "core/global_settings.h"

#include <QByteArray>
#include <QNetworkAccessManager>
#include <QObject>
#include <QString>
#include <QUrl>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

class QAuthenticator;
class QNetworkProxy;

// The proxy the user set in the connection settings.
struct ProxySettings {
    bool use = false;
    QString server;
    quint16 port = 8080;
    bool authenticate = false;
    QString user;
    QString password;
};
ProxySettings ProxyFromSettings(const GlobalSettings& settings);
// "ProxyPorta": a port number, or 8080 when the text is not one.
quint16 ProxyPortFromText(std::string_view text);

inline constexpr const char* kHttpUserAgent = "Mozilla/5.0 (compatible; CAROVELA SUPERENALOTTO)";
inline constexpr int kProgramUpdateTimeoutMs = 20000;

// The program's one HTTP client: GET only, blocking through a local event loop (the caller has
// disabled its buttons), following redirects that stay on http or https, keeping cookies between
// requests, with the proxy settings, a read time-out, a size limit and progress reports.
class HttpClient final : public QObject, public HttpFetcher {
    Q_OBJECT
public:
    struct Result {
        bool ok = false;
        QByteArray body;
        int status = 0; // HTTP status of the final answer, 0 when none arrived
        QString error;  // for diagnostics only: the user always sees the connection message
    };
    // Bytes received so far and the announced length (-1 when not announced).
    using Progress = std::function<void(qint64 received, qint64 total)>;

    explicit HttpClient(QObject* parent = nullptr);

    void setProxy(const ProxySettings& proxy);
    // Milliseconds without data after which a request fails; 0 waits for ever.
    void setReadTimeout(int ms) { readTimeoutMs_ = ms; }
    void setMaxBytes(qint64 bytes) { maxBytes_ = bytes; }
    void setProgress(Progress progress) { progress_ = std::move(progress); }
    QNetworkAccessManager& manager() { return manager_; }

    Result get(const QUrl& url);
    std::optional<std::string> fetch(const std::string& url) override;

private:
    void onProxyAuthentication(const QNetworkProxy& proxy, QAuthenticator* authenticator);

    QNetworkAccessManager manager_;
    ProxySettings proxy_;
    int readTimeoutMs_ = 0;
    qint64 maxBytes_ = static_cast<qint64>(kMaxUpdateAnswerBytes);
    Progress progress_;
    int proxyAuthAttempts_ = 0;
};
