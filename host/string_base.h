#pragma once

#include <cstdint>

// Text buffers cross the boundary in both directions through this table: the host
// writes playlist names into the component's buffers, the component writes menu and
// version texts into the host's. A buffer is destroyed only by the side that made it,
// so the table has no destroy entry. Lengths count bytes and exclude the terminator;
// a maximum of 0xFFFFFFFF means "up to the zero byte"; a text of none is empty.
class string_receiver {
public:
    // Slot 1: adds the text, up to its zero byte but at most maximum bytes, at the end.
    virtual void append_text(const char* text, uint32_t maximum) = 0;

protected:
    ~string_receiver() = default;
};

class string_base : public string_receiver {
public:
    // Slot 2: the current text, zero-terminated; valid until the next change.
    virtual const char* text_ptr() const = 0;
    // Slot 3: replaces the whole contents with the text, read as for append_text.
    virtual void assign_text(const char* text, uint32_t maximum) = 0;
    // Slot 4: cuts the text to length bytes when it is longer; otherwise nothing.
    virtual void truncate_to(uint32_t length) = 0;
    // Slot 5: the current length in bytes.
    virtual uint32_t text_length() const = 0;
    // Slot 6: room for size bytes and a terminator, all zeroed. The writer then calls
    // nothing else until close_buffer.
    virtual char* open_buffer(uint32_t size) = 0;
    // Slot 7: takes the length from what was written since open_buffer.
    virtual void close_buffer() = 0;

protected:
    ~string_base() = default;
};

// Shorthand for "the whole text" where a maximum is asked for.
inline constexpr uint32_t whole_text = 0xFFFFFFFF;
