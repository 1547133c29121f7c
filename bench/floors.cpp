#include "bench/floors.h"

#include <cinttypes>
#include <cstdio>
#include <vector>

#include "standin/arguments.h"
#include "standin/text_buffer.h"

namespace floors {

namespace {

int64_t whole_seconds(double total) { return total < 9223372036854775808.0 ? static_cast<int64_t>(total) : INT64_MAX; }

// Reads one item's length as the component does: inside the database lock.
double locked_length(metadb_handle& handle) {
    handle.database_lock();
    const item_info* info = nullptr;
    const double length = handle.get_info_if_available(info) ? info->get_length() : 0.0;
    handle.database_unlock();
    return length;
}

void rename_with_summary(standin::host& host, uint32_t playlist, uint32_t count, double total) {
    standin::text_buffer name;
    host.playlists().get_name(playlist, name);
    std::string text = name.str();
    const auto open = text.rfind(" [");
    if (!text.empty() && text.back() == ']' && open != std::string::npos) text.resize(open);
    if (count > 0) text += summary(count, total, true);
    host.playlists().rename(playlist, text.c_str(), whole_text);
}

class keeper final : public item_receiver {
public:
    explicit keeper(std::vector<service_ptr_t<metadb_handle>>& kept) : m_kept(kept) {}
    bool receive_item(uint32_t, const service_ptr_t<metadb_handle>& handle, bool) override {
        m_kept.push_back(handle);
        return true;
    }

private:
    std::vector<service_ptr_t<metadb_handle>>& m_kept;
};

class everything final : public selection_mask {
public:
    bool is_set(uint32_t) const override { return true; }
    uint32_t search(bool value, uint32_t start, uint32_t count) const override { return value ? start : start + count; }
};

}  // namespace

std::string summary(uint32_t count, double total, bool show_count) {
    const int64_t seconds = whole_seconds(total);
    const int64_t weeks = seconds / 604800, days = seconds / 86400 % 7, hours = seconds / 3600 % 24;
    const int64_t minutes = seconds / 60 % 60, secs = seconds % 60;
    char duration[64];
    if (weeks != 0) {
        std::snprintf(duration, sizeof duration, "%" PRId64 "wk %" PRId64 "d %" PRId64 ":%02" PRId64 ":%02" PRId64,
                      weeks, days, hours, minutes, secs);
    } else if (days != 0) {
        std::snprintf(duration, sizeof duration, "%" PRId64 "d %" PRId64 ":%02" PRId64 ":%02" PRId64, days, hours,
                      minutes, secs);
    } else if (hours != 0) {
        std::snprintf(duration, sizeof duration, "%" PRId64 ":%02" PRId64 ":%02" PRId64, hours, minutes, secs);
    } else {
        std::snprintf(duration, sizeof duration, "%" PRId64 ":%02" PRId64, minutes, secs);
    }
    char out[128];
    if (show_count) {
        std::snprintf(out, sizeof out, " [%u / %s]", count, duration);
    } else {
        std::snprintf(out, sizeof out, " [%s]", duration);
    }
    return out;
}

void minimal_update(standin::host& host, uint32_t playlist) {
    const auto& items = host.playlists().playlists()[playlist].items;
    double total = 0;
    for (const auto& item : items) {
        service_ptr_t<metadb_handle> reference = item;
        const double length = locked_length(*reference);
        if (length > 0) total = length + total;
    }
    rename_with_summary(host, playlist, static_cast<uint32_t>(items.size()), total);
}

void replay_update(standin::host& host, uint32_t playlist) {
    auto& playlists = host.playlists();
    std::vector<service_ptr_t<metadb_handle>> kept;
    kept.reserve(playlists.get_item_count(playlist));
    keeper receiver(kept);
    playlists.enumerate_items(playlist, receiver, everything());
    const uint32_t count = playlists.get_item_count(playlist);
    double total = 0;
    for (const auto& item : kept) {
        const service_ptr_t<metadb_handle> copy = item;
        const service_ptr_t<metadb_handle> reference = copy;
        const double length = locked_length(*reference);
        if (length > 0) total = length + total;
    }
    rename_with_summary(host, playlist, count, total);
}

}  // namespace floors
