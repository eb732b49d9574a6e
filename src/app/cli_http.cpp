#include "app/cli_http.h"

#include <netdb.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>

namespace {

bool StartsWithNoCase(std::string_view s, std::string_view prefix) {
    if (s.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        char a = s[i];
        if (a >= 'A' && a <= 'Z') a = static_cast<char>(a - 'A' + 'a');
        if (a != prefix[i]) return false;
    }
    return true;
}

// Closes the socket on every path out.
class Socket {
public:
    explicit Socket(int fd) : fd_(fd) {}
    ~Socket() {
        if (fd_ >= 0) ::close(fd_);
    }
    Socket(const Socket&) = delete;
    Socket& operator=(const Socket&) = delete;
    int fd() const { return fd_; }

private:
    int fd_;
};

int Connect(const CliHttpAddress& a, int timeoutSeconds) {
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (getaddrinfo(a.host.c_str(), a.port.c_str(), &hints, &found) != 0) return -1;
    int fd = -1;
    for (addrinfo* p = found; p; p = p->ai_next) {
        fd = ::socket(p->ai_family, p->ai_socktype, p->ai_protocol);
        if (fd < 0) continue;
        timeval tv{};
        tv.tv_sec = timeoutSeconds;
        setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &tv, sizeof tv);
        setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &tv, sizeof tv);
        if (::connect(fd, p->ai_addr, p->ai_addrlen) == 0) break;
        ::close(fd);
        fd = -1;
    }
    freeaddrinfo(found);
    return fd;
}

struct RawAnswer {
    int status = 0;
    std::string location;
    std::string body;
};

std::optional<RawAnswer> Get(const CliHttpAddress& a, int timeoutSeconds) {
    Socket s(Connect(a, timeoutSeconds));
    if (s.fd() < 0) return std::nullopt;
    const std::string request = "GET " + a.target + " HTTP/1.0\r\nHost: " + a.host +
                                (a.port == "80" ? "" : ":" + a.port) +
                                "\r\nUser-Agent: " + "Mozilla/5.0 (compatible; CAROVELA SUPERENALOTTO)" +
                                "\r\nAccept: text/html, */*\r\nConnection: close\r\n\r\n";
    for (std::size_t sent = 0; sent < request.size();) {
        const ssize_t n = ::send(s.fd(), request.data() + sent, request.size() - sent, MSG_NOSIGNAL);
        if (n <= 0) return std::nullopt;
        sent += static_cast<std::size_t>(n);
    }
    // Headers are small; the whole answer may not exceed the limit plus room for them.
    constexpr std::size_t kLimit = kMaxUpdateAnswerBytes + 64 * 1024;
    std::string raw;
    char buffer[16384];
    for (;;) {
        const ssize_t n = ::recv(s.fd(), buffer, sizeof buffer, 0);
        if (n < 0) return std::nullopt; // error or time-out
        if (n == 0) break;
        raw.append(buffer, static_cast<std::size_t>(n));
        if (raw.size() > kLimit) return std::nullopt;
    }
    const std::size_t headerEnd = raw.find("\r\n\r\n");
    if (headerEnd == std::string::npos) return std::nullopt;
    RawAnswer answer;
    const std::string_view head(raw.data(), headerEnd);
    // "HTTP/1.x NNN reason"
    const std::size_t space = head.find(' ');
    if (!StartsWithNoCase(head, "http/") || space == std::string_view::npos || head.size() < space + 4)
        return std::nullopt;
    for (std::size_t i = space + 1; i < space + 4; ++i) {
        if (head[i] < '0' || head[i] > '9') return std::nullopt;
        answer.status = answer.status * 10 + (head[i] - '0');
    }
    std::size_t lineStart = head.find("\r\n");
    while (lineStart != std::string_view::npos && lineStart + 2 < head.size()) {
        lineStart += 2;
        std::size_t lineEnd = head.find("\r\n", lineStart);
        const std::string_view line =
            head.substr(lineStart, (lineEnd == std::string_view::npos ? head.size() : lineEnd) - lineStart);
        if (StartsWithNoCase(line, "location:")) {
            std::string_view v = line.substr(9);
            while (!v.empty() && v.front() == ' ') v.remove_prefix(1);
            answer.location = std::string(v);
        }
        lineStart = lineEnd;
    }
    answer.body = raw.substr(headerEnd + 4);
    return answer;
}

} // namespace

bool ParseCliHttpAddress(std::string_view url, CliHttpAddress& out) {
    if (!IsWebAddress(url) || !StartsWithNoCase(url, "http://")) return false;
    std::string_view rest = url.substr(7);
    const std::size_t slash = rest.find_first_of("/?");
    std::string_view authority = rest.substr(0, slash);
    out.target = slash == std::string_view::npos ? "/" : std::string(rest.substr(slash));
    if (out.target.front() == '?') out.target = std::string("/") + out.target;
    if (authority.find('@') != std::string_view::npos) return false; // no credentials in addresses
    const std::size_t colon = authority.rfind(':');
    if (colon != std::string_view::npos && authority.find(']') == std::string_view::npos) {
        const std::string_view port = authority.substr(colon + 1);
        if (port.empty() || port.size() > 5) return false;
        for (char c : port)
            if (c < '0' || c > '9') return false;
        out.port = std::string(port);
        authority = authority.substr(0, colon);
    } else {
        out.port = "80";
    }
    if (authority.empty()) return false;
    out.host = std::string(authority);
    return true;
}

std::optional<std::string> CliHttpFetcher::fetch(const std::string& url) {
    std::string current = url;
    for (int redirects = 0; redirects <= 5; ++redirects) {
        if (StartsWithNoCase(current, "https://")) {
            if (!httpsRefused_) std::fprintf(stderr, "%s\n", kMsgHttpsNonSupportato);
            httpsRefused_ = true;
            return std::nullopt;
        }
        CliHttpAddress address;
        if (!ParseCliHttpAddress(current, address)) return std::nullopt;
        const auto answer = Get(address, timeoutSeconds_);
        if (!answer) return std::nullopt;
        if (answer->status >= 300 && answer->status < 400 && !answer->location.empty()) {
            // A relative location stays on the same server.
            const std::string& to = answer->location;
            if (to.rfind("//", 0) == 0)
                current = "http:" + to;
            else if (to.front() == '/')
                current = "http://" + address.host + ":" + address.port + to;
            else
                current = to;
            continue;
        }
        if (answer->status < 200 || answer->status >= 300) return std::nullopt;
        if (answer->body.size() > kMaxUpdateAnswerBytes) return std::nullopt;
        return answer->body;
    }
    return std::nullopt;
}
