#pragma once

#include <cstdint>

#include "host/streams.h"

// Hands out at most a given number of bytes of another stream: the payload of one
// stored chunk. Only read is its own; the inherited read_exact, skip and skip_exact
// all go through it, so every byte consumed is counted off remaining and the
// underlying stream sees only reads.
class bounded_reader final : public input_stream {
public:
    bounded_reader(input_stream& source, uint32_t remaining) noexcept : m_source(source), m_remaining(remaining) {}

    uint32_t read(void* destination, uint32_t length, abort_token& abort) override {
        const uint32_t asked = length < m_remaining ? length : m_remaining;
        const uint32_t delivered = m_source.read(destination, asked, abort);
        m_remaining -= delivered;
        return delivered;
    }

    uint32_t remaining() const noexcept { return m_remaining; }

private:
    input_stream& m_source;
    uint32_t m_remaining;
};
