#include "pfc/string8.h"

#include <cstring>

#include "pfc/empty_text.h"
#include "pfc/exceptions.h"
#include "pfc/memory_block.h"

namespace pfc {

uint32_t bounded_length(const char* text, uint32_t maximum) noexcept {
    if (text == nullptr || maximum == 0) return 0;
    const void* zero = std::memchr(text, 0, maximum);
    return zero != nullptr ? static_cast<uint32_t>(static_cast<const char*>(zero) - text) : maximum;
}

uint32_t string_capacity(uint32_t capacity, uint64_t need) {
    if (capacity < need) {
        if (need + 16 > UINT32_MAX) throw bad_alloc();
        return static_cast<uint32_t>(need + 16);
    }
    if (capacity > need + 32) return static_cast<uint32_t>(need);
    return capacity;
}

string8_t::string8_t(const char* text, uint32_t maximum) { assign_text(text, maximum); }

string8_t::~string8_t() { release_block(m_storage); }

bool string8_t::owns(const char* text) const noexcept { return points_into(text, m_storage, m_capacity); }

void string8_t::fit_capacity(uint64_t need) {
    const uint32_t capacity = string_capacity(m_capacity, need);
    if (capacity == m_capacity) return;
    m_storage = static_cast<char*>(resize_block(m_storage, m_capacity, capacity));
    m_capacity = capacity;
}

void string8_t::append_text(const char* text, uint32_t maximum) {
    if (maximum > 0 && owns(text)) {
        // Growing could move the block under the text: append from a copy.
        const string8_t copy(text, maximum);
        append_text(copy.text_ptr(), whole_text);
        return;
    }
    const uint32_t n = bounded_length(text, maximum);
    fit_capacity(uint64_t{m_length} + n + 1);
    if (n != 0) std::memcpy(m_storage + m_length, text, n);
    m_length += n;
    m_storage[m_length] = 0;
}

const char* string8_t::text_ptr() const { return m_length > 0 ? m_storage : empty_text; }

void string8_t::assign_text(const char* text, uint32_t maximum) {
    if (maximum > 0 && owns(text)) {
        const string8_t copy(text, maximum);
        assign_text(copy.text_ptr(), whole_text);
        return;
    }
    const uint32_t n = bounded_length(text, maximum);
    fit_capacity(uint64_t{n} + 1);
    if (n != 0) std::memcpy(m_storage, text, n);
    m_length = n;
    m_storage[n] = 0;
}

void string8_t::truncate_to(uint32_t length) {
    if (m_length <= length) return;
    m_length = length;
    m_storage[length] = 0;
    fit_capacity(uint64_t{length} + 1);
}

char* string8_t::open_buffer(uint32_t size) {
    fit_capacity(uint64_t{size} + 1);
    std::memset(m_storage, 0, m_capacity);
    return m_storage;
}

void string8_t::close_buffer() {
    if (m_storage == nullptr) {
        m_length = 0;
        return;
    }
    const void* zero = std::memchr(m_storage, 0, m_capacity);
    if (zero == nullptr) m_storage[m_capacity - 1] = 0;
    m_length = bounded_length(m_storage, m_capacity);
    fit_capacity(uint64_t{m_length} + 1);
}

}  // namespace pfc
