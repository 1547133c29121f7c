#include "tests/support/test_heap.h"

#include <cstdlib>

#include "pfc/heap.h"

namespace {

uint64_t g_operations = 0;
int64_t g_live = 0;
uint64_t g_fail_at = 0;

// Counts one operation; true when it is the one to refuse.
bool refuse() {
    ++g_operations;
    if (g_fail_at == 0) return false;
    if (--g_fail_at == 0) return true;
    return false;
}

}  // namespace

namespace pfc::heap {

void* obtain(size_t size) {
    if (refuse()) return nullptr;
    void* block = std::malloc(size);
    if (block != nullptr) ++g_live;
    return block;
}

void* reobtain(void* block, size_t size) {
    if (refuse()) return nullptr;
    return std::realloc(block, size);
}

void give_back(void* block) {
    if (block == nullptr) return;
    --g_live;
    std::free(block);
}

}  // namespace pfc::heap

namespace test_heap {

uint64_t operations() { return g_operations; }

int64_t live_blocks() { return g_live; }

void fail_operation(uint64_t nth) { g_fail_at = nth; }

}  // namespace test_heap
