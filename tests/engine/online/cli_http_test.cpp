#include "app/cli_http.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <map>
#include <string>
#include <thread>

namespace {

TEST(CliHttpAddress, Parts) {
    struct Case {
        const char* url;
        bool ok;
        const char* host;
        const char* port;
        const char* target;
    };
    const Case cases[]{
        {"http://127.0.0.1:8080/aggiorna.php?a=1", true, "127.0.0.1", "8080", "/aggiorna.php?a=1"},
        {"http://server.it", true, "server.it", "80", "/"},
        {"http://server.it?x=1", true, "server.it", "80", "/?x=1"},
        {"HTTP://server.it/l.txt", true, "server.it", "80", "/l.txt"},
        {"https://server.it/", false, "", "", ""},
        {"http://server.it:/x", false, "", "", ""},
        {"http://server.it:99999999/x", false, "", "", ""},
        {"http://server.it:8a/x", false, "", "", ""},
        {"http://utente:pw@server.it/x", false, "", "", ""},
        {"ftp://server.it/x", false, "", "", ""},
    };
    for (const Case& c : cases) {
        CliHttpAddress a;
        ASSERT_EQ(ParseCliHttpAddress(c.url, a), c.ok) << c.url;
        if (!c.ok) continue;
        EXPECT_EQ(a.host, c.host);
        EXPECT_EQ(a.port, c.port);
        EXPECT_EQ(a.target, c.target);
    }
}

// A loopback server on its own thread answering a fixed number of connections from a table of raw
// answers, by request target.
class RawServer {
public:
    explicit RawServer(std::map<std::string, std::string> answers, int connections)
        : answers_(std::move(answers)) {
        fd_ = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in addr{};
        addr.sin_family = AF_INET;
        addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ::bind(fd_, reinterpret_cast<sockaddr*>(&addr), sizeof addr);
        socklen_t len = sizeof addr;
        ::getsockname(fd_, reinterpret_cast<sockaddr*>(&addr), &len);
        port_ = ntohs(addr.sin_port);
        ::listen(fd_, 8);
        thread_ = std::thread([this, connections] {
            for (int i = 0; i < connections; ++i) {
                const int c = ::accept(fd_, nullptr, nullptr);
                if (c < 0) return;
                std::string request;
                char buffer[4096];
                while (request.find("\r\n\r\n") == std::string::npos) {
                    const ssize_t n = ::recv(c, buffer, sizeof buffer, 0);
                    if (n <= 0) break;
                    request.append(buffer, static_cast<std::size_t>(n));
                }
                const std::size_t a = request.find(' ');
                const std::size_t b = request.find(' ', a + 1);
                const std::string target = request.substr(a + 1, b - a - 1);
                requests.push_back(request);
                const auto it = answers_.find(target);
                const std::string answer =
                    it != answers_.end() ? it->second : "HTTP/1.0 404 Not Found\r\n\r\n";
                ::send(c, answer.data(), answer.size(), MSG_NOSIGNAL);
                ::close(c);
            }
        });
    }
    ~RawServer() { finish(); }
    // Stops the server and hands over what it received.
    std::vector<std::string> finish() {
        if (thread_.joinable()) {
            ::shutdown(fd_, SHUT_RDWR);
            thread_.join();
            ::close(fd_);
        }
        return requests;
    }
    std::string base() const { return "http://127.0.0.1:" + std::to_string(port_); }

private:
    std::vector<std::string> requests;
    std::map<std::string, std::string> answers_;
    int fd_ = -1;
    int port_ = 0;
    std::thread thread_;
};

std::string Ok(const std::string& body) {
    return "HTTP/1.0 200 OK\r\nContent-Length: " + std::to_string(body.size()) + "\r\n\r\n" + body;
}

TEST(CliHttpFetcher, GetsFollowsRedirectsAndRefusesFailures) {
    std::map<std::string, std::string> answers{
        {"/lista.txt", Ok("sue200903050001010203040506070800\r\n")},
        {"/sposta", "HTTP/1.0 302 Found\r\nLocation: /lista.txt\r\n\r\n"},
        {"/errore", "HTTP/1.0 500 Internal Server Error\r\n\r\nguasto"},
        {"/rotto", "non HTTP"},
    };
    std::string body;
    {
        RawServer server(answers, 5);
        CliHttpFetcher http(5);
        const auto direct = http.fetch(server.base() + "/lista.txt");
        ASSERT_TRUE(direct);
        body = *direct;
        const auto moved = http.fetch(server.base() + "/sposta");
        ASSERT_TRUE(moved);
        EXPECT_EQ(*moved, body);
        EXPECT_FALSE(http.fetch(server.base() + "/errore"));
        EXPECT_FALSE(http.fetch(server.base() + "/rotto"));
        const auto requests = server.finish();
        ASSERT_EQ(requests.size(), 5u);
        EXPECT_NE(requests[0].find("GET /lista.txt HTTP/1.0\r\n"), std::string::npos);
        EXPECT_NE(requests[0].find("Accept: text/html, */*\r\n"), std::string::npos);
    }
    EXPECT_EQ(body, "sue200903050001010203040506070800\r\n");
    CliHttpFetcher http(5);
    EXPECT_FALSE(http.fetch("https://127.0.0.1/"));
    EXPECT_TRUE(http.httpsRefused());
}

} // namespace
