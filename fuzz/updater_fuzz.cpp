// The name updater on arbitrary names, counts and lengths, against a short model of
// the summary rule written from its statement; a second update that appends a summary
// never changes the name.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>

#include "config/settings.h"
#include "fuzz/fuzz_check.h"
#include "fuzz/input.h"
#include "host/component_client.h"
#include "naming/updater.h"
#include "standin/host.h"

extern "C" component_client* foobar2000_get_interface(host_api* host, void* module_instance);

namespace {

std::string model_duration(double total) {
    const uint64_t s = total >= 9223372036854775808.0 ? INT64_MAX : static_cast<uint64_t>(total);
    const auto weeks = static_cast<uint32_t>(s / 604800);
    const uint64_t days = s / 86400 % 7, hours = s / 3600 % 24, minutes = s / 60 % 60, seconds = s % 60;
    auto two = [](uint64_t v) { return (v < 10 ? "0" : "") + std::to_string(v); };
    std::string out;
    if (weeks != 0) out += std::to_string(weeks) + "wk ";
    if (weeks != 0 || days != 0) out += std::to_string(days) + "d ";
    if (weeks != 0 || days != 0 || hours != 0)
        return out + std::to_string(hours) + ":" + two(minutes) + ":" + two(seconds);
    return out + std::to_string(minutes) + ":" + two(seconds);
}

std::string model_name(std::string name, uint32_t count, double total, bool show_count, bool strip_only) {
    name = name.substr(0, name.find('\0'));
    const auto open = name.rfind(" [");
    if (!name.empty() && name.back() == ']' && open != std::string::npos) name.resize(open);
    if (count > 0 && !strip_only) {
        name += " [";
        if (show_count) name += std::to_string(count) + " / ";
        name += model_duration(total) + "]";
    }
    return name;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz_input in(data, size);
    const uint8_t flags = in.byte();
    const bool show_count = flags & 1, strip_only = flags & 2;
    const uint32_t count = in.byte() % 24;
    std::string name = in.bytes(in.byte() % 48);
    name = name.substr(0, name.find('\0'));  // a host's names end at their first zero byte

    standin::host host;
    foobar2000_get_interface(&host, nullptr);
    if (cfg_show_total_items.get() != show_count) cfg_show_total_items.toggle();
    const uint32_t index = host.playlists().add_playlist(name);
    double total = 0;
    for (uint32_t i = 0; i < count; ++i) {
        const double length = in.f64();
        host.playlists().add_item(index, host.handles().make(length));
        if (length > 0) total = length + total;
    }

    update_playlist_name(index, strip_only);
    const std::string expected = model_name(name, count, total, show_count, strip_only);
    FUZZ_CHECK(host.playlists().name(index) == expected);
    // A second update applies the same rule to the new name. When it appended a summary
    // it finds and replaces exactly that one, so the name stays; when it only stripped
    // (a strip, or an empty playlist) it strips whatever bracketed tail is left.
    update_playlist_name(index, strip_only);
    const std::string second = model_name(expected, count, total, show_count, strip_only);
    FUZZ_CHECK(host.playlists().name(index) == second);
    if (count > 0 && !strip_only) FUZZ_CHECK(second == expected);
    FUZZ_CHECK(host.imbalances().empty());
    foobar2000_get_interface(nullptr, nullptr);
    return 0;
}
