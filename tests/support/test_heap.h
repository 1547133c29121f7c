#pragma once

#include <cstdint>
#include <cstring>
#include <new>

// The heap the unit tests link beneath the memory-block helpers. It counts every
// allocation and resize and can be told to refuse one of them, so a test can fail each
// allocation of an operation in turn.
namespace test_heap {

// Allocations and resizes made so far.
uint64_t operations();

// Blocks obtained and not yet given back.
int64_t live_blocks();

// The nth allocation or resize from now (counting from 1) fails; 0 fails none.
void fail_operation(uint64_t nth);

// Runs op once to count its allocations and resizes, then runs setup and op again
// with each of them failing in turn, calling check after each run with whether it
// failed as a refused allocation must (bad_alloc, "bad allocation"). Answers the number
// of failure points exercised.
template <class Setup, class Op, class Check>
uint64_t fail_each(Setup setup, Op op, Check check) {
    setup();
    const uint64_t before = operations();
    op();
    const uint64_t points = operations() - before;
    for (uint64_t nth = 1; nth <= points; ++nth) {
        setup();
        fail_operation(nth);
        bool failed = false;
        try {
            op();
        } catch (const std::bad_alloc& e) {
            failed = std::strcmp(e.what(), "bad allocation") == 0;
        }
        fail_operation(0);
        check(nth, failed);
    }
    return points;
}

}  // namespace test_heap
