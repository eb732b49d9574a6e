#pragma once

#include "archive/update_protocol.h"

#include <optional>
#include <string>
#include <string_view>

// The command line links the engine only, so it carries its own client: HTTP/1.0 GET over a plain
// socket, following redirects to http addresses, with a read time-out and the answer size limit.
// https is not supported and is refused with a message on standard error.
class CliHttpFetcher final : public HttpFetcher {
public:
    explicit CliHttpFetcher(int timeoutSeconds = 20) : timeoutSeconds_(timeoutSeconds) {}
    std::optional<std::string> fetch(const std::string& url) override;

    bool httpsRefused() const { return httpsRefused_; }

private:
    int timeoutSeconds_;
    bool httpsRefused_ = false;
};

// The parts of an http address; false when it is not one this client can fetch.
struct CliHttpAddress {
    std::string host;
    std::string port = "80";
    std::string target = "/"; // path and query as sent
};
bool ParseCliHttpAddress(std::string_view url, CliHttpAddress& out);

inline constexpr const char* kMsgHttpsNonSupportato =
    "Il comando da riga di comando non supporta gli indirizzi https: indicare un server http con --server.";
