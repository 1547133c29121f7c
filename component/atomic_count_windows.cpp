#include <windows.h>

#include "component/atomic_count.h"

static_assert(sizeof(LONG) == sizeof(int32_t), "the interlocked calls count in 32 bits");

namespace platform {

int32_t atomic_increment(int32_t& count) noexcept {
    return InterlockedIncrement(reinterpret_cast<volatile LONG*>(&count));
}

int32_t atomic_decrement(int32_t& count) noexcept {
    return InterlockedDecrement(reinterpret_cast<volatile LONG*>(&count));
}

}  // namespace platform
