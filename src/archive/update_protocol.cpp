#include "archive/update_protocol.h"

#include "core/cp1252.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <system_error>

namespace {

char Lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// Blanks and control characters, as the server's lines may carry either at their ends.
bool IsBlank(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

bool StartsWithNoCase(std::string_view s, std::string_view prefix) {
    if (s.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i)
        if (Lower(s[i]) != Lower(prefix[i])) return false;
    return true;
}

std::size_t FindNoCase(std::string_view s, std::string_view needle, std::size_t from) {
    if (needle.empty() || from > s.size()) return std::string_view::npos;
    for (std::size_t i = from; i + needle.size() <= s.size(); ++i)
        if (StartsWithNoCase(s.substr(i), needle)) return i;
    return std::string_view::npos;
}

// Server texts are Windows-1252 unless they already read as UTF-8.
std::string ServerText(std::string_view text) {
    return IsValidUtf8(text) ? std::string(text) : Cp1252ToUtf8(text);
}

// A field of the fixed-width "sue" value (1-based position); nullopt when missing or not decimal
// digits. Blanks around the digits are tolerated so "␠5" reads as 5.
std::optional<int> Field(std::string_view value, std::size_t position, std::size_t width) {
    if (value.size() < position - 1 + width) return std::nullopt;
    const std::string_view f = Trim(value.substr(position - 1, width));
    if (f.empty()) return std::nullopt;
    int n = 0;
    for (char c : f) {
        if (c < '0' || c > '9') return std::nullopt;
        n = n * 10 + (c - '0');
    }
    return n;
}

bool IsLeapYear(int y) {
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

int DaysInMonth(int month, int year) {
    static constexpr int kDays[12]{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

void TwoDigits(std::string& out, int n) {
    out.push_back(static_cast<char>('0' + (n / 10) % 10));
    out.push_back(static_cast<char>('0' + n % 10));
}

} // namespace

bool IsWebAddress(std::string_view address) {
    std::size_t scheme = 0;
    if (StartsWithNoCase(address, "http://"))
        scheme = 7;
    else if (StartsWithNoCase(address, "https://"))
        scheme = 8;
    else
        return false;
    if (address.size() <= scheme) return false;
    const char first = address[scheme];
    if (first == '/' || first == '?' || first == '#' || first == ':' || first == '@') return false;
    return std::none_of(address.begin(), address.end(), [](char c) {
        const auto b = static_cast<unsigned char>(c);
        return b <= ' ' || b == 0x7F || c == '\\';
    });
}

std::string UpdateQueryDate(const DrawArchive& archive) {
    if (archive.empty()) return kEmptyArchiveQueryDate;
    const DrawRecord& last = archive.last();
    std::string date = std::to_string(last.year);
    TwoDigits(date, last.month);
    TwoDigits(date, last.day);
    return date;
}

std::string UpdateRequestUrl(std::string_view server, const DrawArchive& archive) {
    std::string url(Trim(server));
    if (url.empty() || url.back() != '/') url.push_back('/');
    url += "aggiorna.php?idprogramma=22&versione=40&dues=";
    url += UpdateQueryDate(archive);
    return url;
}

UpdateAnswer InterpretUpdateAnswer(std::string_view r) {
    UpdateAnswer a;
    if (r.substr(0, 4) == "http") {
        a.kind = UpdateAnswerKind::DrawList;
        a.address = std::string(Trim(r));
        return a;
    }
    struct Form {
        std::string_view delimiter;
        UpdateAnswerKind kind;
    };
    static constexpr Form kForms[]{{"nnn", UpdateAnswerKind::NewVersion},
                                   {"ccc", UpdateAnswerKind::Information},
                                   {"kkk", UpdateAnswerKind::Warning}};
    const auto form = std::find_if(std::begin(kForms), std::end(kForms),
                                   [&](const Form& f) { return StartsWithNoCase(r, f.delimiter); });
    if (form == std::end(kForms)) {
        a.kind = UpdateAnswerKind::Message;
        a.message = ServerText(Trim(r));
        return a;
    }
    a.kind = form->kind;
    std::size_t rest = 3;
    const std::size_t closeA = FindNoCase(r, form->delimiter, 3);
    if (closeA != std::string_view::npos) {
        const std::string_view address = r.substr(3, closeA - 3);
        a.address = std::string(a.kind == UpdateAnswerKind::NewVersion ? Trim(address) : address);
        rest = closeA + 3;
        // The list address, when present, follows the page address (blanks in between allowed).
        std::size_t p = rest;
        while (p < r.size() && IsBlank(r[p])) ++p;
        if (StartsWithNoCase(r.substr(p), "ddd")) {
            const std::size_t closeU = FindNoCase(r, "ddd", p + 3);
            if (closeU != std::string_view::npos) {
                a.listAddress = std::string(Trim(r.substr(p + 3, closeU - p - 3)));
                rest = closeU + 3;
            }
        }
    }
    a.message = ServerText(Trim(r.substr(rest)));
    return a;
}

std::vector<DrawListLine> SplitDrawList(std::string_view body) {
    std::vector<DrawListLine> lines;
    std::size_t start = 0;
    while (start <= body.size()) {
        std::size_t end = body.find_first_of("\r\n", start);
        if (end == std::string_view::npos) end = body.size();
        const std::string_view line = Trim(body.substr(start, end - start));
        start = end + 1;
        if (line.size() <= 3) continue;
        DrawListLine l;
        const std::string kind{Lower(line[0]), Lower(line[1]), Lower(line[2])};
        if (kind == "sue") {
            l.kind = DrawListLine::Draw;
            l.value = std::string(line.substr(3));
        } else if (kind == "rtf" || kind == "url") {
            l.kind = kind == "rtf" ? DrawListLine::Rtf : DrawListLine::Url;
            l.value = std::string(Trim(line.substr(3)));
        } else {
            l.kind = DrawListLine::Other;
            l.value = std::string(line.substr(3));
        }
        lines.push_back(std::move(l));
    }
    return lines;
}

std::optional<DrawRecord> ParseDrawLine(std::string_view value) {
    const auto year = Field(value, 1, 4);
    const auto month = Field(value, 5, 2);
    const auto day = Field(value, 7, 2);
    const auto concorso = Field(value, 9, 4);
    if (!year || !month || !day || !concorso) return std::nullopt;
    DrawRecord r;
    r.year = static_cast<std::int16_t>(*year);
    r.month = static_cast<std::uint8_t>(*month);
    r.day = static_cast<std::uint8_t>(*day);
    r.concorso = static_cast<std::uint16_t>(*concorso);
    for (std::size_t i = 0; i < 6; ++i) {
        const auto n = Field(value, 13 + 2 * i, 2);
        if (!n) return std::nullopt;
        r.numbers[i] = static_cast<std::uint8_t>(*n);
    }
    const auto jolly = Field(value, 25, 2);
    if (!jolly) return std::nullopt;
    r.jolly = static_cast<std::uint8_t>(*jolly);
    // Draws from before the SuperStar existed may end after the Jolly: they have none.
    if (Trim(value.substr(std::min<std::size_t>(value.size(), 26))).empty()) {
        r.superStar = 0;
    } else {
        const auto superStar = Field(value, 27, 2);
        if (!superStar) return std::nullopt;
        r.superStar = static_cast<std::uint8_t>(*superStar);
    }
    if (!IsSoundDrawRecord(r)) return std::nullopt;
    if (r.day > DaysInMonth(r.month, r.year)) return std::nullopt;
    if (std::find(r.numbers.begin(), r.numbers.end(), r.jolly) != r.numbers.end()) return std::nullopt;
    return r;
}

namespace {

// An answer is usable only when it arrived and is within the size limit.
std::optional<std::string> Fetch(HttpFetcher& http, const std::string& url) {
    if (!IsWebAddress(url)) return std::nullopt;
    auto body = http.fetch(url);
    if (body && body->size() > kMaxUpdateAnswerBytes) return std::nullopt;
    return body;
}

void ConnectionFailed(MessageService& messages, UpdateSessionHost& host, UpdateSessionResult& result) {
    host.setBusy(false);
    messages.warning(kMsgConnessioneFallita);
    host.showHelpTopic(kHelpConnessione);
    result.connectionFailed = true;
    result.keepWindowOpen = true;
}

// Writes the downloaded message through a temporary file, so a half-written Msg.rtf never shows.
bool WriteMessageFile(const std::filesystem::path& file, const std::string& body) {
    std::filesystem::path temp = file;
    temp += ".part";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out) return false;
        out.write(body.data(), static_cast<std::streamsize>(body.size()));
        out.close();
        if (!out) {
            std::error_code ec;
            std::filesystem::remove(temp, ec);
            return false;
        }
    }
    std::error_code ec;
    std::filesystem::rename(temp, file, ec);
    if (ec) std::filesystem::remove(temp, ec);
    return !ec;
}

} // namespace

UpdateSessionResult RunUpdateSession(const UpdateSessionRequest& request, DrawArchive& archive,
                                     HttpFetcher& http, MessageService& messages, UpdateSessionHost& host) {
    UpdateSessionResult result;
    host.setProgress(0);
    host.setBusy(true);
    const auto answer = Fetch(http, UpdateRequestUrl(request.server, archive));
    // An empty answer tells nothing and would show an empty warning: the server is not working.
    if (!answer || Trim(*answer).empty()) {
        ConnectionFailed(messages, host, result);
        host.setProgress(0);
        return result;
    }
    host.setBusy(false);
    host.setProgress(25);

    const UpdateAnswer a = InterpretUpdateAnswer(*answer);
    std::string listAddress;
    switch (a.kind) {
    case UpdateAnswerKind::DrawList:
        listAddress = a.address;
        break;
    case UpdateAnswerKind::NewVersion:
        // An update that could not be downloaded is not offered at all.
        if (!a.message.empty() && IsWebAddress(a.address)) {
            const MessageAnswer ok =
                messages.show({"CAROVELA SUPERENALOTTO", a.message, MessageIcon::Information,
                               MessageButtons::OkCancel, MessageAnswer::Ok});
            if (ok == MessageAnswer::Ok) {
                host.runProgramUpdate(a.address);
                host.setProgress(0);
                return result;
            }
        }
        listAddress = a.listAddress;
        break;
    case UpdateAnswerKind::Information:
        if (!a.message.empty()) {
            const MessageAnswer ok = messages.show({"Informazione", a.message, MessageIcon::Information,
                                                    MessageButtons::OkCancel, MessageAnswer::Ok});
            if (ok == MessageAnswer::Ok) {
                if (IsWebAddress(a.address)) host.openUrl(a.address);
                result.keepWindowOpen = true;
            }
        }
        listAddress = a.listAddress;
        break;
    case UpdateAnswerKind::Warning:
        if (!a.message.empty()) {
            messages.warning(a.message);
            if (IsWebAddress(a.address)) host.openUrl(a.address);
            result.keepWindowOpen = true;
        }
        listAddress = a.listAddress;
        break;
    case UpdateAnswerKind::Message:
        messages.warning(a.message);
        host.setProgress(0);
        return result;
    }
    if (listAddress.empty()) {
        host.setProgress(0);
        return result;
    }

    host.setBusy(true);
    const auto list = Fetch(http, listAddress);
    if (!list) {
        ConnectionFailed(messages, host, result);
        host.setProgress(0);
        return result;
    }
    result.listDownloaded = true;
    host.setProgress(50);

    std::string rtfAddress;
    std::string pageAddress;
    for (const DrawListLine& line : SplitDrawList(*list)) {
        switch (line.kind) {
        case DrawListLine::Draw: {
            const auto draw = ParseDrawLine(line.value);
            if (!draw) {
                ++result.skippedLines;
                break;
            }
            const int before = archive.count();
            const int at = insertDraw(archive, *draw);
            if (at > 0) {
                result.changed = true;
                if (archive.count() > before) ++result.newDraws;
            } else if (archive.full()) {
                result.archiveFull = true;
            }
            break;
        }
        case DrawListLine::Rtf:
            if (IsWebAddress(line.value)) rtfAddress = line.value;
            break;
        case DrawListLine::Url:
            if (IsWebAddress(line.value)) pageAddress = line.value;
            break;
        case DrawListLine::Other:
            break;
        }
    }
    host.setBusy(false);
    host.setProgress(100);
    if (result.changed) host.archiveChanged();
    if (result.archiveFull) messages.warning(kArchiveFullText);

    if (result.newDraws < 1)
        messages.information(kMsgNessunAggiornamento, "OK");
    else
        messages.information(kMsgAggiornamentoRiuscito + std::to_string(result.newDraws), "OK");

    if (!rtfAddress.empty() && !request.rtfFile.empty()) {
        std::error_code ec;
        std::filesystem::remove(request.rtfFile, ec);
        host.setBusy(true);
        const auto rtf = Fetch(http, rtfAddress);
        host.setBusy(false);
        if (rtf && WriteMessageFile(request.rtfFile, *rtf) && std::filesystem::exists(request.rtfFile, ec))
            host.showRtfMessage(request.rtfFile);
    }
    if (!pageAddress.empty()) host.openUrl(pageAddress);
    host.setProgress(0);
    return result;
}
