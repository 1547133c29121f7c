#pragma once

#include <cstdint>

#include "host/streams.h"

// The capacity a save buffer needs to hold need bytes: the current capacity (1 when
// there is none), doubled until it holds need. Raises pfc::bad_alloc when that passes
// 32 bits.
uint32_t save_buffer_capacity(uint32_t capacity, uint32_t need);

// The growable byte buffer one save uses for every variable's payload in turn. Its
// capacity is a power of two from 1 and only grows; the block is freed with the
// buffer.
class save_buffer {
public:
    save_buffer() noexcept = default;
    save_buffer(const save_buffer&) = delete;
    save_buffer& operator=(const save_buffer&) = delete;
    ~save_buffer();

    // Size 0, capacity kept; a buffer without a block gets a block of 1 byte.
    void clear();

    // Adds length bytes at the end. On failure (pfc::bad_alloc) the buffer is as it was.
    void append(const void* data, uint32_t length);

    const void* data() const noexcept { return m_data; }
    uint32_t size() const noexcept { return m_size; }
    uint32_t capacity() const noexcept { return m_capacity; }

private:
    void* m_data = nullptr;
    uint32_t m_capacity = 0;
    uint32_t m_size = 0;
};

// An output stream that appends to a save buffer it does not own. It ignores the
// abort token.
class memory_writer final : public output_stream {
public:
    explicit memory_writer(save_buffer& buffer) noexcept : m_buffer(buffer) {}

    void write(const void* data, uint32_t length, abort_token&) override { m_buffer.append(data, length); }

private:
    save_buffer& m_buffer;
};
