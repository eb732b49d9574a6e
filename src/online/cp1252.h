#pragma once

#include <string>
#include <string_view>

// Text that comes from outside (server answers, RTF escapes) is 8-bit Windows-1252; the program's
// strings are UTF-8. Bytes that code page leaves undefined become U+FFFD.
std::string Cp1252ToUtf8(std::string_view text);
// One code point as UTF-8; invalid code points (surrogates, past U+10FFFF) become U+FFFD.
void AppendUtf8(std::string& out, char32_t codePoint);
// The code point of one Windows-1252 byte.
char32_t Cp1252CodePoint(unsigned char byte);
// True when the text is already valid UTF-8, so it can be shown as it is.
bool IsValidUtf8(std::string_view text);
