#include "component/owned_string.h"

#include <cstring>

#include "pfc/memory_block.h"

void owned_string::assign(const char* text) {
    const size_t old_size = m_block != nullptr ? std::strlen(m_block) + 1 : 0;
    if (pfc::points_into(text, m_block, old_size)) {
        // Resizing could move or cut the block under the text, so assign from a copy.
        const size_t size = std::strlen(text) + 1;
        owned_string copy;
        copy.m_block = static_cast<char*>(pfc::allocate_block(size));
        std::memcpy(copy.m_block, text, size);
        assign(copy.m_block);
        return;
    }
    const size_t length = text != nullptr ? std::strlen(text) : 0;
    if (length == 0) {
        release();
        return;
    }
    m_block = static_cast<char*>(pfc::resize_block(m_block, old_size, length + 1));
    std::memcpy(m_block, text, length);
    m_block[length] = 0;
}

void owned_string::release() noexcept {
    pfc::release_block(m_block);
    m_block = nullptr;
}
