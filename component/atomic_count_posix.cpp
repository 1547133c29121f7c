#include "component/atomic_count.h"

namespace platform {

int32_t atomic_increment(int32_t& count) noexcept { return __atomic_add_fetch(&count, 1, __ATOMIC_SEQ_CST); }

int32_t atomic_decrement(int32_t& count) noexcept { return __atomic_sub_fetch(&count, 1, __ATOMIC_SEQ_CST); }

}  // namespace platform
