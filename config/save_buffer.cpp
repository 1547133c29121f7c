#include "config/save_buffer.h"

#include <cstring>

#include "pfc/exceptions.h"
#include "pfc/memory_block.h"

uint32_t save_buffer_capacity(uint32_t capacity, uint32_t need) {
    uint64_t candidate = capacity != 0 ? capacity : 1;
    while (candidate < need) {
        candidate *= 2;
        if (candidate > UINT32_MAX) throw pfc::bad_alloc();
    }
    return static_cast<uint32_t>(candidate);
}

save_buffer::~save_buffer() { pfc::release_block(m_data); }

void save_buffer::clear() {
    if (m_data == nullptr) {
        m_data = pfc::allocate_block(1);
        m_capacity = 1;
    }
    m_size = 0;
}

void save_buffer::append(const void* data, uint32_t length) {
    if (length == 0) return;
    if (length > UINT32_MAX - m_size) throw pfc::bad_alloc();
    const uint32_t new_size = m_size + length;
    const uint32_t capacity = save_buffer_capacity(m_capacity, new_size);
    if (capacity > m_capacity) {
        m_data = pfc::resize_block(m_data, m_capacity, capacity);
        m_capacity = capacity;
    }
    std::memcpy(static_cast<unsigned char*>(m_data) + m_size, data, length);
    m_size = new_size;
}
