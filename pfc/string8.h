#pragma once

#include <cstdint>

#include "host/string_base.h"

namespace pfc {

// The number of bytes before a text's first zero byte, at most maximum; 0 for none.
// Never reads past either limit.
uint32_t bounded_length(const char* text, uint32_t maximum) noexcept;

// The block size a text buffer holding capacity bytes moves to when it must fit need
// bytes (the terminator included):
//   capacity < need        -> need + 16
//   capacity > need + 32   -> need
//   otherwise              -> capacity
// A need whose computation passed 32 bits, or a growth past 32 bits, raises
// pfc::bad_alloc.
uint32_t string_capacity(uint32_t capacity, uint64_t need);

// The component's growable text buffer. Its block comes from the memory-block
// helpers, also when the host writes into it. Every operation records a new block
// only after the resize succeeded: on bad_alloc the buffer keeps its block, capacity
// and (except for truncate_to) its text.
class string8_t final : public string_base {
public:
    string8_t() noexcept = default;
    string8_t(const char* text, uint32_t maximum);
    string8_t(const string8_t&) = delete;
    string8_t& operator=(const string8_t&) = delete;
    ~string8_t();

    void append_text(const char* text, uint32_t maximum) override;
    // The empty text when the length is 0, even when a block exists.
    const char* text_ptr() const override;
    void assign_text(const char* text, uint32_t maximum) override;
    void truncate_to(uint32_t length) override;
    uint32_t text_length() const override { return m_length; }
    char* open_buffer(uint32_t size) override;
    // Takes the length up to the first zero byte inside the block; if a writer left
    // none, the block's last byte becomes the terminator.
    void close_buffer() override;

    // Applies the capacity rule for need; the text is left alone.
    void fit_capacity(uint64_t need);

    uint32_t capacity() const noexcept { return m_capacity; }
    // The block, or none; for tests of the capacity rule.
    const char* block() const noexcept { return m_storage; }

private:
    bool owns(const char* text) const noexcept;

    char* m_storage = nullptr;
    uint32_t m_capacity = 0;
    uint32_t m_length = 0;
};

}  // namespace pfc
