// libFuzzer target for the RTF reader: any bytes must be read without a crash, a hang or an
// out-of-bounds access, and the text produced must be valid UTF-8.
#include "core/cp1252.h"
#include "online/rtf_reader.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const RtfDocument d = ReadRtf(std::string_view(reinterpret_cast<const char*>(data), size));
    if (d.paragraphs.empty() || !IsValidUtf8(d.plainText())) std::abort();
    return 0;
}
