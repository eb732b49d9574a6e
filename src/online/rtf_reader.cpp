#include "online/rtf_reader.h"

#include "core/cp1252.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace {

struct CharFormat {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int fontSize = 24;
    int colorIndex = 0; // 0 = automatic
};

struct GroupState {
    CharFormat format;
    bool skip = false; // inside a destination whose text is not shown
    bool colorTable = false;
    int unicodeSkip = 1; // \uc: fallback characters after each \u
};

// Destinations whose contents are never text of the message.
constexpr std::array<std::string_view, 28> kIgnoredDestinations{
    "fonttbl",      "stylesheet", "info",      "pict",
    "header",       "footer",     "headerl",   "headerr",
    "footerl",      "footerr",    "footnote",  "object",
    "fldinst",      "themedata",  "listtable", "listoverridetable",
    "rsidtbl",      "generator",  "xmlnstbl",  "datastore",
    "latentstyles", "filetbl",    "revtbl",    "colorschememapping",
    "annotation",   "atnid",      "bkmkstart", "bkmkend",
};

constexpr std::size_t kMaxColors = 1024;
constexpr std::size_t kMaxWordLength = 32;

class Reader {
public:
    explicit Reader(std::string_view in) : in_(in) {
        stack_.emplace_back();
        doc_.paragraphs.emplace_back();
    }

    RtfDocument run() {
        while (pos_ < in_.size()) step();
        flushSurrogate();
        if (doc_.paragraphs.size() > 1 && doc_.paragraphs.back().runs.empty()) doc_.paragraphs.pop_back();
        return std::move(doc_);
    }

private:
    GroupState& state() { return stack_.back(); }
    bool hidden() const { return overflow_ > 0 || stack_.back().skip; }

    void step() {
        const char c = in_[pos_++];
        switch (c) {
        case '{':
            if (overflow_ > 0 || stack_.size() >= static_cast<std::size_t>(kRtfMaxGroupDepth))
                ++overflow_;
            else
                stack_.push_back(stack_.back());
            pendingSkip_ = 0;
            break;
        case '}':
            if (overflow_ > 0)
                --overflow_;
            else if (stack_.size() > 1)
                stack_.pop_back();
            pendingSkip_ = 0;
            break;
        case '\\':
            control();
            break;
        case '\r':
        case '\n':
            break;
        default:
            if (state().colorTable && overflow_ == 0 && c == ';') {
                finishColor();
                break;
            }
            if (consumeFallback()) break;
            if (static_cast<unsigned char>(c) < 0x20 && c != '\t') break;
            appendByte(static_cast<unsigned char>(c));
            break;
        }
    }

    // After \uN the next N characters are the fallback for readers without Unicode: skipped.
    bool consumeFallback() {
        if (pendingSkip_ == 0) return false;
        --pendingSkip_;
        return true;
    }

    void control() {
        if (pos_ >= in_.size()) return; // a lone backslash at the end
        const char c = in_[pos_];
        if (!IsLetter(c)) {
            ++pos_;
            symbol(c);
            return;
        }
        std::string word;
        while (pos_ < in_.size() && IsLetter(in_[pos_])) {
            if (word.size() < kMaxWordLength) word.push_back(in_[pos_]);
            ++pos_;
        }
        bool hasParam = false;
        bool negative = false;
        long long param = 0;
        if (pos_ < in_.size() && in_[pos_] == '-' && pos_ + 1 < in_.size() && IsDigit(in_[pos_ + 1])) {
            negative = true;
            ++pos_;
        }
        while (pos_ < in_.size() && IsDigit(in_[pos_])) {
            hasParam = true;
            // Saturate: a hostile "\fs99999999999999999999" must not overflow.
            if (param < 100000000LL) param = param * 10 + (in_[pos_] - '0');
            ++pos_;
        }
        if (pos_ < in_.size() && in_[pos_] == ' ') ++pos_;
        const long long value = negative ? -param : param;
        word_(word, hasParam, std::clamp<long long>(value, -2147483647LL, 2147483647LL));
    }

    void symbol(char c) {
        switch (c) {
        case '\\':
        case '{':
        case '}':
            if (consumeFallback()) return;
            appendByte(static_cast<unsigned char>(c));
            return;
        case '\'': {
            int hi = pos_ < in_.size() ? HexValue(in_[pos_]) : -1;
            int lo = pos_ + 1 < in_.size() ? HexValue(in_[pos_ + 1]) : -1;
            if (hi < 0 || lo < 0) {
                // A truncated escape: drop it and what of it is there.
                if (hi >= 0) ++pos_;
                return;
            }
            pos_ += 2;
            if (consumeFallback()) return;
            if (state().colorTable) return;
            appendByte(static_cast<unsigned char>(hi * 16 + lo));
            return;
        }
        case '*':
            state().skip = true;
            return;
        case '~':
            if (consumeFallback()) return;
            appendCodePoint(0x00A0);
            return;
        case '_':
            if (consumeFallback()) return;
            appendCodePoint(0x2011);
            return;
        case '\r':
        case '\n':
            paragraph();
            return;
        default:
            // "\-" (optional hyphen) and unknown symbols show nothing.
            consumeFallback();
            return;
        }
    }

    void word_(const std::string& w, bool hasParam, long long n) {
        if (consumeFallback()) return;
        if (overflow_ > 0 && w != "bin") return; // too deep: nothing there reaches the model
        GroupState& s = state();
        const bool on = !hasParam || n != 0;
        if (w == "par" || w == "sect" || w == "page") {
            paragraph();
        } else if (w == "line") {
            appendText("\n");
        } else if (w == "tab") {
            appendText("\t");
        } else if (w == "emdash") {
            appendCodePoint(0x2014);
        } else if (w == "endash") {
            appendCodePoint(0x2013);
        } else if (w == "bullet") {
            appendCodePoint(0x2022);
        } else if (w == "lquote") {
            appendCodePoint(0x2018);
        } else if (w == "rquote") {
            appendCodePoint(0x2019);
        } else if (w == "ldblquote") {
            appendCodePoint(0x201C);
        } else if (w == "rdblquote") {
            appendCodePoint(0x201D);
        } else if (w == "b") {
            s.format.bold = on;
        } else if (w == "i") {
            s.format.italic = on;
        } else if (w == "ul") {
            s.format.underline = on;
        } else if (w == "ulnone") {
            s.format.underline = false;
        } else if (w == "fs") {
            if (hasParam && n > 0) s.format.fontSize = static_cast<int>(std::min<long long>(n, 1000));
        } else if (w == "cf") {
            s.format.colorIndex =
                hasParam && n > 0 ? static_cast<int>(std::min<long long>(n, kMaxColors)) : 0;
        } else if (w == "plain") {
            s.format = CharFormat{};
        } else if (w == "uc") {
            if (hasParam) s.unicodeSkip = static_cast<int>(std::clamp<long long>(n, 0, 10));
        } else if (w == "u") {
            if (hasParam) unicode(n);
        } else if (w == "bin") {
            // Binary data: skipped by its announced length, never past the end.
            const auto len = static_cast<std::size_t>(std::max<long long>(0, n));
            pos_ += std::min(len, in_.size() - pos_);
        } else if (w == "colortbl") {
            s.colorTable = true;
            s.skip = true;
        } else if (s.colorTable && (w == "red" || w == "green" || w == "blue")) {
            const auto v = static_cast<std::uint8_t>(std::clamp<long long>(n, 0, 255));
            (w == "red" ? color_.red : w == "green" ? color_.green : color_.blue) = v;
            colorSet_ = true;
        } else if (std::find(kIgnoredDestinations.begin(), kIgnoredDestinations.end(), w) !=
                   kIgnoredDestinations.end()) {
            s.skip = true;
        }
    }

    void unicode(long long n) {
        if (n < 0) n += 65536;
        const char32_t cp = n >= 0 && n <= 0xFFFF ? static_cast<char32_t>(n) : 0xFFFD;
        const int fallback = state().unicodeSkip;
        if (cp >= 0xD800 && cp <= 0xDBFF) {
            flushSurrogate();
            highSurrogate_ = cp;
        } else if (cp >= 0xDC00 && cp <= 0xDFFF && highSurrogate_ != 0) {
            const char32_t full = 0x10000 + ((highSurrogate_ - 0xD800) << 10) + (cp - 0xDC00);
            highSurrogate_ = 0;
            appendCodePoint(full);
        } else {
            appendCodePoint(cp);
        }
        pendingSkip_ = fallback;
    }

    void flushSurrogate() {
        if (highSurrogate_ == 0) return;
        highSurrogate_ = 0;
        appendCodePoint(0xFFFD);
    }

    void finishColor() {
        if (colors_.size() < kMaxColors) {
            if (colorSet_)
                colors_.push_back(color_);
            else
                colors_.push_back(std::nullopt);
        }
        color_ = RtfColor{};
        colorSet_ = false;
    }

    void paragraph() {
        if (hidden()) return;
        flushSurrogate();
        doc_.paragraphs.emplace_back();
    }

    void appendByte(unsigned char b) { appendCodePoint(Cp1252CodePoint(b)); }

    void appendCodePoint(char32_t cp) {
        if (hidden()) return;
        if (cp < 0xDC00 || cp > 0xDFFF) flushSurrogate();
        std::string utf8;
        AppendUtf8(utf8, cp);
        appendText(utf8);
    }

    void appendText(const std::string& text) {
        if (hidden()) return;
        const CharFormat& f = state().format;
        std::optional<RtfColor> color;
        if (f.colorIndex > 0 && static_cast<std::size_t>(f.colorIndex) < colors_.size())
            color = colors_[static_cast<std::size_t>(f.colorIndex)];
        auto& runs = doc_.paragraphs.back().runs;
        if (runs.empty() || runs.back().bold != f.bold || runs.back().italic != f.italic ||
            runs.back().underline != f.underline || runs.back().fontSizeHalfPoints != f.fontSize ||
            runs.back().color != color) {
            RtfRun r;
            r.bold = f.bold;
            r.italic = f.italic;
            r.underline = f.underline;
            r.fontSizeHalfPoints = f.fontSize;
            r.color = color;
            runs.push_back(std::move(r));
        }
        runs.back().text += text;
    }

    static bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
    static bool IsDigit(char c) { return c >= '0' && c <= '9'; }
    static int HexValue(char c) {
        if (c >= '0' && c <= '9') return c - '0';
        if (c >= 'a' && c <= 'f') return c - 'a' + 10;
        if (c >= 'A' && c <= 'F') return c - 'A' + 10;
        return -1;
    }

    std::string_view in_;
    std::size_t pos_ = 0;
    std::vector<GroupState> stack_;
    int overflow_ = 0;
    int pendingSkip_ = 0;
    char32_t highSurrogate_ = 0;
    std::vector<std::optional<RtfColor>> colors_;
    RtfColor color_;
    bool colorSet_ = false;
    RtfDocument doc_;
};

} // namespace

std::string RtfParagraph::text() const {
    std::string t;
    for (const auto& r : runs) t += r.text;
    return t;
}

std::string RtfDocument::plainText() const {
    std::string t;
    for (std::size_t i = 0; i < paragraphs.size(); ++i) {
        if (i) t.push_back('\n');
        t += paragraphs[i].text();
    }
    return t;
}

RtfDocument ReadRtf(std::string_view bytes) {
    return Reader(bytes).run();
}
