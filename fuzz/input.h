#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

// Takes values off the front of a fuzzer's input; an exhausted input yields zeros.
class fuzz_input {
public:
    fuzz_input(const uint8_t* data, size_t size) : m_data(data), m_size(size) {}

    bool empty() const { return m_size == 0; }

    uint8_t byte() {
        if (m_size == 0) return 0;
        --m_size;
        return *m_data++;
    }

    uint32_t u32() {
        uint32_t value = 0;
        for (int i = 0; i < 4; ++i) value |= uint32_t{byte()} << (8 * i);
        return value;
    }

    double f64() {
        uint64_t bits = 0;
        for (int i = 0; i < 8; ++i) bits |= uint64_t{byte()} << (8 * i);
        double value;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }

    // Up to length bytes, as they come (zero bytes included).
    std::string bytes(size_t length) {
        if (length > m_size) length = m_size;
        std::string out(reinterpret_cast<const char*>(m_data), length);
        m_data += length;
        m_size -= length;
        return out;
    }

private:
    const uint8_t* m_data;
    size_t m_size;
};
