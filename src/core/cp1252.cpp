#include "core/cp1252.h"

#include <algorithm>
#include <array>

namespace {

// 0x80..0x9F, the only range where the code page differs from Latin-1.
constexpr std::array<char32_t, 32> kHighControls{
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178,
};

bool IsUndefined(unsigned char byte) {
    return byte == 0x81 || byte == 0x8D || byte == 0x8F || byte == 0x90 || byte == 0x9D;
}

} // namespace

char32_t Cp1252CodePoint(unsigned char byte, UndefinedBytes undefined) {
    if (byte < 0x80 || byte > 0x9F) return byte;
    if (IsUndefined(byte) && undefined == UndefinedBytes::Keep) return byte;
    return kHighControls[byte - 0x80];
}

void AppendUtf8(std::string& out, char32_t cp) {
    if ((cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF) cp = 0xFFFD;
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

std::string Cp1252ToUtf8(std::string_view text, UndefinedBytes undefined) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) AppendUtf8(out, Cp1252CodePoint(static_cast<unsigned char>(c), undefined));
    return out;
}

std::string Utf8ToCp1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const char32_t c = NextCodePoint(utf8, i);
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF) ||
            (c <= 0xFF && IsUndefined(static_cast<unsigned char>(c)))) {
            out += static_cast<char>(c);
            continue;
        }
        const auto it = std::find(kHighControls.begin(), kHighControls.end(), c);
        out += c == 0xFFFD || it == kHighControls.end()
                   ? '?'
                   : static_cast<char>(0x80 + (it - kHighControls.begin()));
    }
    return out;
}

char32_t NextCodePoint(std::string_view text, std::size_t& i) {
    const auto b = static_cast<unsigned char>(text[i++]);
    if (b < 0x80) return b;
    const int extra = b >= 0xF0 ? 3 : b >= 0xE0 ? 2 : b >= 0xC0 ? 1 : -1;
    if (extra < 0 || i + static_cast<std::size_t>(extra) > text.size()) return 0xFFFD;
    char32_t c = b & (0x3F >> extra);
    for (int k = 0; k < extra; ++k) {
        const auto cont = static_cast<unsigned char>(text[i]);
        if ((cont & 0xC0) != 0x80) return 0xFFFD;
        c = (c << 6) | (cont & 0x3F);
        ++i;
    }
    return c;
}

bool IsValidUtf8(std::string_view text) {
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n) {
        const auto b = static_cast<unsigned char>(text[i]);
        std::size_t len = 0;
        char32_t cp = 0;
        if (b < 0x80) {
            ++i;
            continue;
        } else if ((b & 0xE0) == 0xC0) {
            len = 2;
            cp = b & 0x1F;
        } else if ((b & 0xF0) == 0xE0) {
            len = 3;
            cp = b & 0x0F;
        } else if ((b & 0xF8) == 0xF0) {
            len = 4;
            cp = b & 0x07;
        } else {
            return false;
        }
        if (n - i < len) return false;
        for (std::size_t k = 1; k < len; ++k) {
            const auto c = static_cast<unsigned char>(text[i + k]);
            if ((c & 0xC0) != 0x80) return false;
            cp = (cp << 6) | (c & 0x3F);
        }
        const char32_t minimum = len == 2 ? 0x80 : len == 3 ? 0x800 : 0x10000;
        if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
        i += len;
    }
    return true;
}
