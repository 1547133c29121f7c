#pragma once

#include <cstddef>
#include <cstdint>
#include <new>

#include "pfc/exceptions.h"
#include "pfc/memory_block.h"

namespace pfc {

// The growth policy of a fast-growing array: capacities are powers of two that
// double to fit and halve only while a quarter of the capacity exceeds the size.
// Appending one at a time gives 1, 2, 4, 4, 8; a resize to 0 keeps a block of 1 or 2.
struct alloc_fast {
    static uint32_t capacity_for(uint32_t capacity, uint32_t size) {
        uint32_t m = capacity != 0 ? capacity : 1;
        while (m < size) {
            if (m > UINT32_MAX / 2) throw bad_alloc();
            m *= 2;
        }
        while (m / 4 > size) m /= 2;
        return m;
    }

    // Whether capacity_for would keep this capacity, answered without its loops.
    static bool keeps(uint32_t capacity, uint32_t size) noexcept { return size <= capacity && capacity / 4 <= size; }
};

// A block of slots with a capacity and a size. Slots past the size hold nothing.
// Slots move with the block as plain bytes, never by copy construction, so T must be
// relocatable by copying its bytes, as a counted pointer is; moving therefore costs no
// reference changes.
template <class T, class Alloc>
class array_t {
public:
    array_t() noexcept = default;
    array_t(const array_t&) = delete;
    array_t& operator=(const array_t&) = delete;
    // Destroys slots 0 to size - 1 in ascending order, then frees the block.
    ~array_t() {
        change_size(0);
        release_block(m_block);
    }

    // Every change of size goes through here. New slots are empty; dropped slots are
    // destroyed in ascending order. Overflow and new allocations fail before any
    // change; a failed shrink in place fails after the size changed, leaving the
    // capacity describing the unchanged block.
    void resize(uint32_t size) {
        if (m_block != nullptr && Alloc::keeps(m_capacity, size)) {
            change_size(size);  // the common case of appending into spare slots, kept inline
            return;
        }
        reallocate(size);
    }

    T& operator[](uint32_t index) noexcept { return m_block[index]; }
    const T& operator[](uint32_t index) const noexcept { return m_block[index]; }
    uint32_t size() const noexcept { return m_size; }
    uint32_t capacity() const noexcept { return m_capacity; }

private:
    // A resize that changes the capacity, or makes the first block.
    __attribute__((noinline)) void reallocate(uint32_t size) {
        const uint32_t capacity = Alloc::capacity_for(m_capacity, size);
        const size_t bytes = block_bytes(capacity);
        if (m_block == nullptr) {
            m_block = static_cast<T*>(allocate_block(bytes));
            m_capacity = capacity;
        } else if (capacity < m_capacity) {
            change_size(size);
            m_block = static_cast<T*>(resize_block(m_block, block_bytes(m_capacity), bytes));
            m_capacity = capacity;
            return;
        } else if (capacity > m_capacity) {
            m_block = static_cast<T*>(resize_block(m_block, block_bytes(m_capacity), bytes));
            m_capacity = capacity;
        }
        change_size(size);
    }

    static size_t block_bytes(uint32_t slots) {
        if (slots > SIZE_MAX / sizeof(T)) throw bad_alloc();
        return size_t{slots} * sizeof(T);
    }

    void change_size(uint32_t size) noexcept {
        if (size == m_size + 1) {
            new (&m_block[m_size]) T();  // one appended slot: no loop, no memset
            m_size = size;
            return;
        }
        for (uint32_t i = m_size; i < size; ++i) new (&m_block[i]) T();
        for (uint32_t i = size; i < m_size; ++i) m_block[i].~T();
        m_size = size;
    }

    T* m_block = nullptr;
    uint32_t m_capacity = 0;
    uint32_t m_size = 0;
};

}  // namespace pfc
