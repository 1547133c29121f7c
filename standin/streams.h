#pragma once

#include <cstddef>
#include <cstdint>
#include <ostream>
#include <vector>

#include "host/streams.h"

namespace standin {

// The host's abort token; nothing the stand-in host does is ever cancelled.
class never_abort final : public abort_token {
public:
    bool is_aborting() override { return false; }
};

// What a stream throws when it is told to fail.
enum class stream_failure {
    data,   // foobar2000_io::exception_io_data: the stored data is bad
    io,     // foobar2000_io::exception_io: the medium failed
    other,  // std::runtime_error: not a stream failure at all
};

[[noreturn]] void throw_stream_failure(stream_failure failure);

// A configuration stream read from memory, as the host hands one to the component.
// It implements all four operations itself and records each call, and it can be told
// to fail at a given call.
class memory_input_stream final : public input_stream {
public:
    enum class operation { read, read_exact, skip, skip_exact };
    struct call {
        operation op;
        uint64_t length;
        bool operator==(const call&) const = default;
        friend std::ostream& operator<<(std::ostream& out, const call& c) {
            static const char* const names[] = {"read", "read_exact", "skip", "skip_exact"};
            return out << names[static_cast<int>(c.op)] << "(" << c.length << ")";
        }
    };

    explicit memory_input_stream(std::vector<uint8_t> data) : m_data(std::move(data)) {}

    // Call number (counting from 1) throws failure instead of doing its work.
    void fail_at(size_t call_number, stream_failure failure) {
        m_fail_at = call_number;
        m_failure = failure;
    }

    uint32_t read(void* destination, uint32_t length, abort_token& abort) override;
    void read_exact(void* destination, uint32_t length, abort_token& abort) override;
    uint64_t skip(uint64_t count, abort_token& abort) override;
    void skip_exact(uint64_t count, abort_token& abort) override;

    const std::vector<call>& calls() const noexcept { return m_calls; }
    size_t position() const noexcept { return m_position; }

private:
    void begin(operation op, uint64_t length);
    size_t take(uint64_t wanted);

    std::vector<uint8_t> m_data;
    size_t m_position = 0;
    std::vector<call> m_calls;
    size_t m_fail_at = 0;
    stream_failure m_failure = stream_failure::io;
};

// A configuration stream written to memory, recording the length of every write. It
// can be told to fail at a given write.
class memory_output_stream final : public output_stream {
public:
    void fail_at(size_t call_number, stream_failure failure) {
        m_fail_at = call_number;
        m_failure = failure;
    }

    void write(const void* data, uint32_t length, abort_token& abort) override;

    const std::vector<uint8_t>& bytes() const noexcept { return m_bytes; }
    const std::vector<uint32_t>& write_lengths() const noexcept { return m_writes; }

private:
    std::vector<uint8_t> m_bytes;
    std::vector<uint32_t> m_writes;
    size_t m_fail_at = 0;
    stream_failure m_failure = stream_failure::io;
};

}  // namespace standin
