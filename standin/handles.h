#pragma once

#include <cstdint>
#include <deque>
#include <mutex>
#include <optional>

#include "host/metadb_handle.h"
#include "standin/host_object.h"

namespace standin {

class length_info final : public item_info {
public:
    explicit length_info(double seconds) noexcept : m_seconds(seconds) {}
    double get_length() const override { return m_seconds; }

private:
    double m_seconds;
};

// The host's database lock: one mutex for every item, as a player's database has.
// Recursive, so that a lock the component failed to release shows up as an
// imbalance in the tests instead of a hang.
inline std::recursive_mutex& database_mutex() {
    static std::recursive_mutex mutex;
    return mutex;
}

// One item of the stand-in host's database. It counts references and database locks,
// and notes any read of its info made outside a lock.
class item_handle final : public host_object<metadb_handle> {
public:
    // An item with no info record when length is empty.
    explicit item_handle(std::optional<double> length)
        : m_info(length ? std::optional<length_info>(*length) : std::nullopt) {}

    void database_lock() override {
        database_mutex().lock();
        ++m_locks;
        ++m_lock_depth;
    }
    void database_unlock() override {
        ++m_unlocks;
        --m_lock_depth;
        database_mutex().unlock();
    }
    bool get_info_if_available(const item_info*& out) override {
        if (m_lock_depth <= 0) ++m_unlocked_reads;
        if (!m_info) return false;
        out = &*m_info;
        return true;
    }

    // The host changes an item's info (its tags were edited, say); none removes it.
    void set_length(std::optional<double> length) {
        m_info = length ? std::optional<length_info>(*length) : std::nullopt;
    }
    std::optional<double> length() const { return m_info ? std::optional<double>(m_info->get_length()) : std::nullopt; }

    uint64_t lock_calls() const noexcept { return m_locks; }
    uint64_t unlock_calls() const noexcept { return m_unlocks; }
    int lock_depth() const noexcept { return m_lock_depth; }
    uint64_t unlocked_reads() const noexcept { return m_unlocked_reads; }

private:
    std::optional<length_info> m_info;
    uint64_t m_locks = 0;
    uint64_t m_unlocks = 0;
    int m_lock_depth = 0;
    uint64_t m_unlocked_reads = 0;
};

// Owns every item handle the host makes; handles never move once made.
class handle_pool {
public:
    item_handle& make(double length) { return m_handles.emplace_back(length); }
    item_handle& make_without_info() { return m_handles.emplace_back(std::nullopt); }
    item_handle& make(std::optional<double> length) { return m_handles.emplace_back(length); }

    std::deque<item_handle>& all() noexcept { return m_handles; }
    const std::deque<item_handle>& all() const noexcept { return m_handles; }

private:
    std::deque<item_handle> m_handles;
};

}  // namespace standin
