// The host program's playlist parsers on arbitrary bytes: an entry or a named error,
// never a crash.
#include <cstdint>
#include <string_view>

#include "fuzz/fuzz_check.h"
#include "host_program/playlist_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (bool pls : {false, true}) {
        try {
            const auto entries = pls ? host_program::parse_pls(text, "fuzz.pls", "/music")
                                     : host_program::parse_m3u(text, "fuzz.m3u", "/music");
            for (const auto& entry : entries) FUZZ_CHECK(!entry.length || *entry.length >= 0);
        } catch (const host_program::playlist_error& e) {
            FUZZ_CHECK(std::string_view(e.what()).substr(0, 5) == "fuzz.");
        }
    }
    return 0;
}
