#include "standin/streams.h"

#include <cstring>
#include <stdexcept>

namespace standin {

void throw_stream_failure(stream_failure failure) {
    switch (failure) {
        case stream_failure::data:
            throw foobar2000_io::exception_io_data();
        case stream_failure::io:
            throw foobar2000_io::exception_io();
        case stream_failure::other:
            break;
    }
    throw std::runtime_error("stream failure");
}

void memory_input_stream::begin(operation op, uint64_t length) {
    m_calls.push_back({op, length});
    if (m_calls.size() == m_fail_at) throw_stream_failure(m_failure);
}

size_t memory_input_stream::take(uint64_t wanted) {
    const size_t left = m_data.size() - m_position;
    const size_t taken = wanted < left ? static_cast<size_t>(wanted) : left;
    m_position += taken;
    return taken;
}

uint32_t memory_input_stream::read(void* destination, uint32_t length, abort_token&) {
    begin(operation::read, length);
    const size_t start = m_position;
    const size_t taken = take(length);
    if (taken != 0) std::memcpy(destination, m_data.data() + start, taken);
    return static_cast<uint32_t>(taken);
}

void memory_input_stream::read_exact(void* destination, uint32_t length, abort_token&) {
    begin(operation::read_exact, length);
    const size_t start = m_position;
    const size_t taken = take(length);
    if (taken != 0) std::memcpy(destination, m_data.data() + start, taken);
    if (taken != length) throw foobar2000_io::exception_io_data_truncation();
}

uint64_t memory_input_stream::skip(uint64_t count, abort_token&) {
    begin(operation::skip, count);
    return take(count);
}

void memory_input_stream::skip_exact(uint64_t count, abort_token&) {
    begin(operation::skip_exact, count);
    if (take(count) != count) throw foobar2000_io::exception_io_data_truncation();
}

void memory_output_stream::write(const void* data, uint32_t length, abort_token&) {
    m_writes.push_back(length);
    if (m_writes.size() == m_fail_at) throw_stream_failure(m_failure);
    const auto* bytes = static_cast<const uint8_t*>(data);
    m_bytes.insert(m_bytes.end(), bytes, bytes + length);
}

}  // namespace standin
