#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QObject>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>

#include <functional>

// A small HTTP server on 127.0.0.1 inside the test process, answering from canned routes. It runs on
// the test's thread: the client's local event loop serves it while a request waits.
class TestHttpServer final : public QObject {
public:
    struct Request {
        QByteArray method;
        QByteArray target;                    // as sent: a path, or an absolute address when acting as proxy
        QMap<QByteArray, QByteArray> headers; // names in lower case
    };
    struct Response {
        int status = 200;
        QByteArray reason = "OK";
        QList<QPair<QByteArray, QByteArray>> headers;
        QByteArray body;
        bool silent = false;         // never answers: the client's time-out must end it
        qint64 announcedLength = -1; // Content-Length to announce; -1: the body's size
    };
    using Handler = std::function<Response(const Request&)>;

    explicit TestHttpServer(Handler handler) : handler_(std::move(handler)) {
        connect(&server_, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* s = server_.nextPendingConnection()) {
                buffers_.insert(s, {});
                connect(s, &QTcpSocket::readyRead, this, [this, s] { onData(s); });
                connect(s, &QTcpSocket::disconnected, s, &QObject::deleteLater);
            }
        });
        server_.listen(QHostAddress::LocalHost, 0);
    }

    quint16 port() const { return server_.serverPort(); }
    QByteArray base() const { return "http://127.0.0.1:" + QByteArray::number(port()); }
    void close() { server_.close(); }

    QList<Request> requests;

    static Response text(const QByteArray& body) {
        Response r;
        r.body = body;
        r.headers.append(qMakePair(QByteArray("Content-Type"), QByteArray("text/plain")));
        return r;
    }
    static Response status(int code, const QByteArray& reason) {
        Response r;
        r.status = code;
        r.reason = reason;
        return r;
    }
    static Response redirect(const QByteArray& location) {
        Response r = status(302, "Found");
        r.headers.append(qMakePair(QByteArray("Location"), QByteArray(location)));
        return r;
    }

private:
    void onData(QTcpSocket* s) {
        QByteArray& buffer = buffers_[s];
        buffer += s->readAll();
        const int end = buffer.indexOf("\r\n\r\n");
        if (end < 0) return;
        Request request;
        const QList<QByteArray> lines = buffer.left(end).split('\n');
        buffer.remove(0, end + 4);
        const QList<QByteArray> first = lines.value(0).trimmed().split(' ');
        request.method = first.value(0);
        request.target = first.value(1);
        for (int i = 1; i < lines.size(); ++i) {
            const int colon = lines[i].indexOf(':');
            if (colon > 0)
                request.headers.insert(lines[i].left(colon).trimmed().toLower(),
                                       lines[i].mid(colon + 1).trimmed());
        }
        requests.append(request);
        const Response r = handler_(request);
        if (r.silent) return;
        QByteArray out = "HTTP/1.1 " + QByteArray::number(r.status) + ' ' + r.reason + "\r\n";
        for (const auto& [name, value] : r.headers) out += name + ": " + value + "\r\n";
        out += "Content-Length: " +
               QByteArray::number(r.announcedLength >= 0 ? r.announcedLength : r.body.size()) +
               "\r\nConnection: close\r\n\r\n";
        out += r.body;
        s->write(out);
        s->disconnectFromHost();
    }

    Handler handler_;
    QTcpServer server_;
    QMap<QTcpSocket*, QByteArray> buffers_;
};
