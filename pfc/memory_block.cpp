#include "pfc/memory_block.h"

#include "pfc/exceptions.h"
#include "pfc/heap.h"

namespace pfc {

void* allocate_block(size_t size) {
    // A zero-byte request still yields a distinct block, so that "none" keeps meaning
    // "no block" for every caller.
    void* block = heap::obtain(size > 0 ? size : 1);
    if (block == nullptr) throw bad_alloc();
    return block;
}

void* resize_block(void* block, size_t current_size, size_t size) {
    if (block == nullptr) return size == 0 ? nullptr : allocate_block(size);
    if (size == 0) {
        release_block(block);
        return nullptr;
    }
    if (size == current_size) return block;
    void* moved = heap::reobtain(block, size);
    if (moved == nullptr) throw bad_alloc();
    return moved;
}

void release_block(void* block) noexcept { heap::give_back(block); }

}  // namespace pfc
