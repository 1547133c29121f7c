// The handle list driven by random operations against a vector of the same handles;
// after each, every handle's count is its one held reference plus its slots.
#include <algorithm>
#include <cstdint>
#include <numeric>
#include <vector>

#include "fuzz/fuzz_check.h"
#include "fuzz/input.h"
#include "pfc/handle_list.h"
#include "pfc/item_collection.h"
#include "standin/arguments.h"
#include "standin/handles.h"

namespace {

constexpr int handle_count = 8;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz_input in(data, size);
    standin::handle_pool pool;
    std::vector<service_ptr_t<metadb_handle>> held;
    for (int i = 0; i < handle_count; ++i) held.emplace_back(&pool.make(i));
    auto id = [&](const service_ptr_t<metadb_handle>& p) {
        for (int i = 0; i < handle_count; ++i) {
            if (held[i].get() == p.get()) return i;
        }
        return -1;
    };
    {
        metadb_handle_list list;
        std::vector<int> model;
        while (!in.empty() && model.size() < 300) {
            const uint8_t op = in.byte() % 7;
            const auto count = static_cast<uint32_t>(model.size());
            switch (op) {
                case 0: {  // append one, as the collector does
                    const int h = in.byte() % handle_count;
                    list.insert_list(single_item_view<service_ptr_t<metadb_handle>>(held[h], 1), count);
                    model.push_back(h);
                    break;
                }
                case 1: {  // insert another list anywhere, or past the end
                    metadb_handle_list source;
                    std::vector<int> added;
                    for (int n = in.byte() % 5; n > 0; --n) {
                        const int h = in.byte() % handle_count;
                        source.insert_list(single_item_view<service_ptr_t<metadb_handle>>(held[h], 1), source.count());
                        added.push_back(h);
                    }
                    const uint32_t position = in.byte() % (count + 3);
                    const uint32_t used = list.insert_list(source, position);
                    FUZZ_CHECK(used == std::min(position, count));
                    model.insert(model.begin() + used, added.begin(), added.end());
                    break;
                }
                case 2: {  // keep a random selection
                    std::vector<bool> set(count);
                    for (uint32_t i = 0; i < count; ++i) set[i] = in.byte() % 2 == 0;
                    list.keep_marked(standin::marks(set));
                    std::vector<int> kept;
                    for (uint32_t i = 0; i < count; ++i) {
                        if (set[i]) kept.push_back(model[i]);
                    }
                    model = kept;
                    break;
                }
                case 3:
                    if (count == 0) break;
                    {
                        const uint32_t a = in.byte() % count, b = in.byte() % count;
                        list.swap_at(a, b);
                        std::swap(model[a], model[b]);
                    }
                    break;
                case 4:
                    if (count == 0) break;
                    {
                        const uint32_t at = in.byte() % count;
                        const int h = in.byte() % handle_count;
                        list.replace_at(at, held[h]);
                        model[at] = h;
                    }
                    break;
                case 5:
                    if (count == 0) break;
                    {
                        const uint32_t at = in.byte() % count;
                        const int h = in.byte() % handle_count;
                        service_ptr_t<metadb_handle> mine = held[h];
                        list.exchange_with(at, mine);
                        FUZZ_CHECK(id(mine) == model[at]);
                        model[at] = h;
                    }
                    break;
                case 6: {  // reorder a range by a permutation taken from the input
                    if (count == 0) break;
                    const uint32_t base = in.byte() % count;
                    const uint32_t length = count - base;
                    std::vector<uint32_t> order(length);
                    std::iota(order.begin(), order.end(), 0u);
                    for (uint32_t i = length; i > 1; --i) std::swap(order[i - 1], order[in.byte() % i]);
                    list.reorder_range(base, order.data(), length);
                    std::vector<int> moved(model.begin() + base, model.end());
                    for (uint32_t i = 0; i < length; ++i) model[base + i] = moved[order[i]];
                    break;
                }
            }
            FUZZ_CHECK(list.count() == model.size());
            const uint32_t capacity = list.capacity();
            FUZZ_CHECK(capacity == 0 || (capacity & (capacity - 1)) == 0);
            FUZZ_CHECK(capacity / 4 <= list.count());
            for (uint32_t i = 0; i < list.count(); ++i) {
                service_ptr_t<metadb_handle> item;
                list.copy_item(item, i);
                FUZZ_CHECK(id(item) == model[i]);
            }
            for (int h = 0; h < handle_count; ++h) {
                const auto slots = std::count(model.begin(), model.end(), h);
                FUZZ_CHECK(pool.all()[h].references() == 1 + slots);
            }
        }
    }
    for (int h = 0; h < handle_count; ++h) FUZZ_CHECK(pool.all()[h].references() == 1);
    return 0;
}
