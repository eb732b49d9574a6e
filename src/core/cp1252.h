#pragma once

#include <string>
#include <string_view>

// Windows-1252, the code page of the program's files and of what comes from outside (server
// answers, RTF escapes), against the program's UTF-8 strings.

// What becomes of the five bytes the code page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D):
// U+FFFD for text that is only shown, or their C1 code points for files the program rewrites, so
// that they survive a round trip.
enum class UndefinedBytes { Replace, Keep };

// The code point of one Windows-1252 byte.
char32_t Cp1252CodePoint(unsigned char byte, UndefinedBytes undefined = UndefinedBytes::Replace);
std::string Cp1252ToUtf8(std::string_view text, UndefinedBytes undefined = UndefinedBytes::Replace);
// Characters the code page cannot hold become '?'; C1 code points go back to their bytes.
std::string Utf8ToCp1252(std::string_view utf8);

// One code point as UTF-8; invalid code points (surrogates, past U+10FFFF) become U+FFFD.
void AppendUtf8(std::string& out, char32_t codePoint);
// Decodes the code point at text[i] and moves i past it; a malformed sequence reads as U+FFFD.
char32_t NextCodePoint(std::string_view text, std::size_t& i);
// True when the text is already valid UTF-8, so it can be shown as it is.
bool IsValidUtf8(std::string_view text);
