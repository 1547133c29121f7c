#pragma once

#include <cstdint>

#include "host/io_exceptions.h"

// The host's cancellation flag. The component never asks it; it only passes it on.
class abort_token {
public:
    // Slot 1: whether the current operation should stop.
    virtual bool is_aborting() = 0;

protected:
    ~abort_token() = default;
};

class output_stream {
public:
    // Slot 1: writes all length bytes, or throws.
    virtual void write(const void* data, uint32_t length, abort_token& abort) = 0;

protected:
    ~output_stream() = default;
};

// A readable stream. Only read is required: the other three have default forms built
// on the object's own read (and skip), so every byte they consume passes through read.
class input_stream {
public:
    // Slot 1: delivers up to length bytes and answers how many. Fewer than asked only
    // at the end of the data; a request for 0 answers 0.
    virtual uint32_t read(void* destination, uint32_t length, abort_token& abort) = 0;

    // Slot 2: delivers exactly length bytes, or throws a type derived from
    // exception_io_data at the end of the data.
    virtual void read_exact(void* destination, uint32_t length, abort_token& abort) {
        if (read(destination, length, abort) != length) {
            throw foobar2000_io::exception_io_data_truncation();
        }
    }

    // Slot 3: passes over up to count bytes and answers how many; stops early only at
    // the end of the data.
    virtual uint64_t skip(uint64_t count, abort_token& abort) {
        if (count == 0) return 0;
        constexpr uint32_t scratch_size = 256;
        unsigned char scratch[scratch_size];
        uint64_t total = 0;
        uint64_t left = count;
        while (left > 0) {
            const uint32_t asked = left < scratch_size ? static_cast<uint32_t>(left) : scratch_size;
            const uint32_t delivered = read(scratch, asked, abort);
            total += delivered;
            left -= delivered;
            if (delivered < asked) break;
        }
        return total;
    }

    // Slot 4: passes over exactly count bytes, or throws.
    virtual void skip_exact(uint64_t count, abort_token& abort) {
        if (skip(count, abort) != count) throw foobar2000_io::exception_io_data_truncation();
    }

protected:
    ~input_stream() = default;
};
