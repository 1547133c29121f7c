#pragma once

#include <cstddef>
#include <cstdint>

// The memory-block helpers: every block the component owns is allocated, resized and
// released here, and nowhere else. Exhaustion raises pfc::bad_alloc.
namespace pfc {

// A new block of size bytes.
void* allocate_block(size_t size);

// The block to use from now on for size bytes, given the block's current size:
//   none,    0            -> none
//   none,    > 0          -> allocate_block(size)
//   present, 0            -> the block is released; none
//   present, current size -> the same block, untouched
//   present, other size   -> the block reallocated, contents kept up to the smaller
//                            size; it may move. On failure bad_alloc is raised and the
//                            old block stays valid and unchanged.
void* resize_block(void* block, size_t current_size, size_t size);

// Frees a block; none is ignored.
void release_block(void* block) noexcept;

}  // namespace pfc

namespace pfc {

// Whether p points anywhere into the size bytes starting at block. Compared as
// addresses, so it is defined for pointers into unrelated objects too.
inline bool points_into(const void* p, const void* block, size_t size) noexcept {
    const auto address = reinterpret_cast<uintptr_t>(p);
    const auto start = reinterpret_cast<uintptr_t>(block);
    return block != nullptr && address >= start && address - start < size;
}

}  // namespace pfc
