#include "platform/http_client.h"

#include "test_http_server.h"

#include <QtTest>

namespace {

// A server whose routes are looked up by path.
TestHttpServer::Handler Routes(QMap<QByteArray, TestHttpServer::Response> routes) {
    return [routes](const TestHttpServer::Request& r) {
        return routes.value(r.target, TestHttpServer::status(404, "Not Found"));
    };
}

} // namespace

class HttpClientTest : public QObject {
    Q_OBJECT
private slots:
    void proxyPortFromText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("port");
        QTest::newRow("number") << "3128" << 3128;
        QTest::newRow("zero") << "0" << 0;
        QTest::newRow("highest") << "65535" << 65535;
        QTest::newRow("empty") << "" << 8080;
        QTest::newRow("letters") << "80a" << 8080;
        QTest::newRow("too large") << "65536" << 8080;
        QTest::newRow("very long") << "000000000080" << 8080;
        QTest::newRow("negative") << "-1" << 8080;
    }
    void proxyPortFromText() {
        QFETCH(QString, text);
        QFETCH(int, port);
        QCOMPARE(int(ProxyPortFromText(text.toStdString())), port);
    }

    void getsBodySendsHeadersAndReportsProgress() {
        const QByteArray body(200000, 'x');
        TestHttpServer server(Routes({{"/lista.txt", TestHttpServer::text(body)}}));
        HttpClient client;
        qint64 lastReceived = 0, lastTotal = 0;
        client.setProgress([&](qint64 received, qint64 total) {
            lastReceived = received;
            lastTotal = total;
        });
        const auto r = client.get(QUrl(server.base() + "/lista.txt"));
        QVERIFY(r.ok);
        QCOMPARE(r.body, body);
        QCOMPARE(lastReceived, qint64(body.size()));
        QCOMPARE(lastTotal, qint64(body.size()));
        QCOMPARE(server.requests.size(), 1);
        QCOMPARE(server.requests[0].headers.value("accept"), QByteArray("text/html, */*"));
        QCOMPARE(server.requests[0].headers.value("user-agent"), QByteArray(kHttpUserAgent));
    }

    void failuresGiveNoBody() {
        TestHttpServer server(Routes({{"/errore", TestHttpServer::status(500, "Internal Server Error")}}));
        HttpClient client;
        QVERIFY(!client.get(QUrl(server.base() + "/manca")).ok);
        QVERIFY(!client.get(QUrl(server.base() + "/errore")).ok);
        QVERIFY(!client.fetch("file:///etc/hostname"));
        server.close();
        QVERIFY(!client.get(QUrl(server.base() + "/errore")).ok);
    }

    void followsRedirectsOnlyToWebAddresses() {
        TestHttpServer* self = nullptr;
        TestHttpServer server([&](const TestHttpServer::Request& r) {
            if (r.target == "/vecchio") return TestHttpServer::redirect(self->base() + "/nuovo");
            if (r.target == "/nuovo") return TestHttpServer::text("arrivato");
            if (r.target == "/file") return TestHttpServer::redirect("file:///etc/hostname");
            if (r.target == "/ciclo") return TestHttpServer::redirect("/ciclo");
            return TestHttpServer::status(404, "Not Found");
        });
        self = &server;
        HttpClient client;
        const auto r = client.get(QUrl(server.base() + "/vecchio"));
        QVERIFY(r.ok);
        QCOMPARE(r.body, QByteArray("arrivato"));
        QVERIFY(!client.get(QUrl(server.base() + "/file")).ok);
        const auto loop = client.get(QUrl(server.base() + "/ciclo"));
        QVERIFY2(
            !loop.ok,
            qPrintable(QString("%1 %2 %3").arg(loop.status).arg(loop.error).arg(server.requests.size())));
    }

    void keepsCookiesBetweenRequests() {
        TestHttpServer::Response set = TestHttpServer::text("primo");
        set.headers.append(qMakePair(QByteArray("Set-Cookie"), QByteArray("sessione=abc123; Path=/")));
        TestHttpServer server(
            Routes({{"/aggiorna.php", set}, {"/lista.txt", TestHttpServer::text("secondo")}}));
        HttpClient client;
        QVERIFY(client.get(QUrl(server.base() + "/aggiorna.php")).ok);
        QVERIFY(client.get(QUrl(server.base() + "/lista.txt")).ok);
        QCOMPARE(server.requests.size(), 2);
        QVERIFY(!server.requests[0].headers.contains("cookie"));
        QCOMPARE(server.requests[1].headers.value("cookie"), QByteArray("sessione=abc123"));
    }

    void readTimeoutEndsASilentServer() {
        TestHttpServer::Response silent;
        silent.silent = true;
        TestHttpServer server(Routes({{"/lento", silent}}));
        HttpClient client;
        client.setReadTimeout(300);
        QVERIFY(!client.get(QUrl(server.base() + "/lento")).ok);
    }

    void refusesAnswersPastTheSizeLimit() {
        TestHttpServer::Response announced = TestHttpServer::text("poco");
        announced.announcedLength = 10'000'000; // the length alone is refused before the body arrives
        TestHttpServer server(Routes({{"/grande", TestHttpServer::text(QByteArray(5000, 'y'))},
                                      {"/giusto", TestHttpServer::text(QByteArray(1000, 'y'))},
                                      {"/annunciato", announced}}));
        HttpClient client;
        client.setMaxBytes(1000);
        QVERIFY(client.get(QUrl(server.base() + "/giusto")).ok);
        QVERIFY(!client.get(QUrl(server.base() + "/grande")).ok);
        QVERIFY(!client.get(QUrl(server.base() + "/annunciato")).ok);
    }

    // A loopback proxy that demands basic authentication and serves the requested address itself.
    void proxyWithBasicAuthentication() {
        const QByteArray expected = "Basic " + QByteArray("utente:segreta").toBase64();
        TestHttpServer proxy([&](const TestHttpServer::Request& r) {
            if (r.headers.value("proxy-authorization") != expected) {
                TestHttpServer::Response deny = TestHttpServer::status(407, "Proxy Authentication Required");
                deny.headers.append(
                    qMakePair(QByteArray("Proxy-Authenticate"), QByteArray("Basic realm=\"prova\"")));
                return deny;
            }
            return TestHttpServer::text("via proxy: " + r.target);
        });
        struct Case {
            const char* name;
            bool authenticate;
            const char* password;
            bool ok;
        };
        const Case cases[]{
            {"right credentials", true, "segreta", true},
            {"wrong password", true, "sbagliata", false},
            {"no authentication set", false, "segreta", false},
        };
        for (const Case& c : cases) {
            ProxySettings settings;
            settings.use = true;
            settings.server = "127.0.0.1";
            settings.port = proxy.port();
            settings.authenticate = c.authenticate;
            settings.user = "utente";
            settings.password = c.password;
            HttpClient client;
            client.setProxy(settings);
            const auto r = client.get(QUrl("http://aggiornamenti.example/lista.txt"));
            QVERIFY2(r.ok == c.ok, c.name);
            if (c.ok) QCOMPARE(r.body, QByteArray("via proxy: http://aggiornamenti.example/lista.txt"));
        }
    }

    void proxyFromTheSettingsRecord() {
        GlobalSettings s;
        s.usaProxy = true;
        s.proxyServer = std::string(" proxy.lan ");
        s.proxyPorta = std::string("x");
        s.proxyAuth = true;
        s.proxyUsername = std::string("u");
        s.proxyPassword = std::string("p");
        const ProxySettings p = ProxyFromSettings(s);
        QVERIFY(p.use && p.authenticate);
        QCOMPARE(p.server, QString("proxy.lan"));
        QCOMPARE(int(p.port), 8080);
        QCOMPARE(p.user, QString("u"));
        QCOMPARE(p.password, QString("p"));
    }
};

QTEST_MAIN(HttpClientTest)
#include "http_client_test.moc"
