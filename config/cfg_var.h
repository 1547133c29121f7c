#pragma once

#include <cstdint>

#include "host/streams.h"
#include "pfc/guid.h"

// A persistent configuration variable: a static object with a fixed GUID that links
// itself into the module's list when the library is loaded. The host stores what
// write_payload produces and later hands it back to read_payload.
class cfg_var {
public:
    // Slot 1: writes the variable's stored bytes.
    virtual void write_payload(output_stream& writer, abort_token& abort) = 0;
    // Slot 2: sets the variable from the reader, which holds size stored bytes. On a
    // failure the value is left as it was and the exception passes on.
    virtual void read_payload(input_stream& reader, uint32_t size, abort_token& abort) = 0;

    const GUID& guid() const noexcept { return m_guid; }
    cfg_var* next() const noexcept { return m_next; }

    // The most recently registered variable; the next links lead to the others.
    static cfg_var* list_head() noexcept { return s_list_head; }

protected:
    explicit cfg_var(const GUID& guid) noexcept : m_guid(guid), m_next(s_list_head) { s_list_head = this; }
    ~cfg_var() = default;

private:
    GUID m_guid;
    cfg_var* m_next;

    // Constant-initialised, so it is null before the first registration.
    static inline cfg_var* s_list_head = nullptr;
};
