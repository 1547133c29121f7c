#pragma once

#include <cstdint>

#include "config/cfg_var.h"

template <class T>
class cfg_int_t;

// A persistent switch. Its stored payload is one byte, kept exactly as loaded: 0 is
// false, any other byte true, and a loaded byte is saved back unchanged.
template <>
class cfg_int_t<bool> final : public cfg_var {
public:
    cfg_int_t(const GUID& guid, bool initial) noexcept : cfg_var(guid), m_value(initial ? 1 : 0) {}

    bool get() const noexcept { return m_value != 0; }
    // 1 when the byte was 0, and 0 otherwise.
    void toggle() noexcept { m_value = m_value == 0 ? 1 : 0; }

    void write_payload(output_stream& writer, abort_token& abort) override { writer.write(&m_value, 1, abort); }

    // The size is not needed: the switch reads its one byte, and the caller passes
    // over whatever else the payload holds.
    void read_payload(input_stream& reader, uint32_t, abort_token& abort) override {
        uint8_t byte;
        reader.read_exact(&byte, 1, abort);
        m_value = byte;
    }

private:
    uint8_t m_value;
};
