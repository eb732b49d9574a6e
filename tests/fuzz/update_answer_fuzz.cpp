// libFuzzer target for the update server's answers: request A's text and request B's draw list.
#include "archive/update_protocol.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const UpdateAnswer a = InterpretUpdateAnswer(bytes);
    if (a.address.size() > size || a.listAddress.size() > size) std::abort();
    for (const DrawListLine& line : SplitDrawList(bytes)) {
        if (line.kind != DrawListLine::Draw) continue;
        const auto r = ParseDrawLine(line.value);
        if (r && !IsSoundDrawRecord(*r)) std::abort();
    }
    return 0;
}
