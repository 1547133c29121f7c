#include "pfc/handle_list.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "pfc/item_collection.h"
#include "pfc/masks.h"
#include "standin/arguments.h"
#include "standin/handles.h"
#include "tests/support/test_heap.h"

namespace {

using handle_ptr = service_ptr_t<metadb_handle>;

using standin::marks;

// Handles named by letters, each held once by the test as a host would hold them.
class HandleList : public ::testing::Test {
public:
    HandleList() {
        for (char name : names) held.emplace_back(&pool.make(static_cast<double>(name)));
    }

    const handle_ptr& h(char name) { return held[names.find(name)]; }
    standin::item_handle& object(char name) { return pool.all()[names.find(name)]; }

    void append(metadb_handle_list& list, const std::string& items) {
        for (char name : items) list.insert_list(single_item_view<handle_ptr>(h(name), 1), list.count());
    }

    std::string contents(const metadb_handle_list& list) {
        std::string out;
        for (uint32_t i = 0; i < list.count(); ++i) {
            handle_ptr item;
            list.copy_item(item, i);
            out += name_of(item.get());
        }
        return out;
    }

    char name_of(const metadb_handle* item) const {
        for (size_t i = 0; i < held.size(); ++i) {
            if (held[i].get() == item) return names[i];
        }
        return '_';
    }

    uint64_t add_refs() const {
        uint64_t total = 0;
        for (const auto& handle : pool.all()) total += handle.add_ref_calls();
        return total;
    }
    uint64_t releases() const {
        uint64_t total = 0;
        for (const auto& handle : pool.all()) total += handle.release_calls();
        return total;
    }

    void TearDown() override {
        for (const auto& handle : pool.all()) EXPECT_EQ(handle.references(), 1) << "only the test's own reference";
    }

    standin::handle_pool pool;
    const std::string names = "PQRSTXY";
    std::vector<handle_ptr> held;
};

TEST_F(HandleList, AppendingGrowsByPowersOfTwoWithOneCopyPerItem) {
    metadb_handle_list list;
    EXPECT_EQ(list.capacity(), 0u);
    const uint64_t refs = add_refs();
    const uint32_t capacities[] = {1, 2, 4, 4, 8};
    for (uint32_t i = 0; i < 5; ++i) {
        append(list, std::string(1, names[i]));
        EXPECT_EQ(list.capacity(), capacities[i]) << "after item " << i + 1;
    }
    EXPECT_EQ(contents(list), "PQRST");
    EXPECT_EQ(add_refs() - refs, 5u + 5u) << "one copy into the list, one for reading it back here";
}

TEST_F(HandleList, AppendingManyMakesLogarithmicallyFewBlockOperations) {
    for (uint32_t n : {1u, 2u, 3u, 100u, 1000u, 4097u}) {
        const uint64_t refs = add_refs();
        const uint64_t before = test_heap::operations();
        {
            metadb_handle_list list;
            for (uint32_t i = 0; i < n; ++i) append(list, "P");
            EXPECT_LE(test_heap::operations() - before, static_cast<uint64_t>(std::ceil(std::log2(n))) + 1) << n;
            EXPECT_EQ(add_refs() - refs, n) << "exactly one counted copy per appended handle";
        }
        EXPECT_EQ(object('P').references(), 1);
    }
}

TEST_F(HandleList, KeepMarkedMovesByExchangeAndReleasesTheRest) {
    metadb_handle_list list;
    append(list, "PQRST");
    const uint64_t refs = add_refs();
    const uint64_t released = releases();
    list.keep_marked(marks({false, true, false, true, false}));
    EXPECT_EQ(list.count(), 2u);
    EXPECT_EQ(list.capacity(), 8u);
    EXPECT_EQ(add_refs(), refs) << "moving items adds no reference";
    EXPECT_EQ(releases() - released, 3u) << "P, R and T are released";
    for (char name : std::string("PRT")) EXPECT_EQ(object(name).references(), 1) << name;
    EXPECT_EQ(contents(list), "QS");
}

TEST_F(HandleList, KeepMarkedWithTheFixedMasks) {
    struct row {
        std::string items;
        bool keep_all;
        uint32_t count;
        uint32_t capacity;
        bool block_changes;
    };
    const row rows[] = {
        {"", false, 0, 0, false},     {"PQRST", false, 0, 2, true}, {"P", false, 0, 1, false},
        {"PQRST", true, 5, 8, false}, {"", true, 0, 0, false},
    };
    for (const row& r : rows) {
        metadb_handle_list list;
        append(list, r.items);
        const uint64_t ops = test_heap::operations();
        if (r.keep_all) {
            list.keep_marked(pfc::mask_all());
        } else {
            list.keep_marked(pfc::mask_none());
        }
        EXPECT_EQ(list.count(), r.count) << r.items << (r.keep_all ? " all" : " none");
        EXPECT_EQ(list.capacity(), r.capacity) << r.items << (r.keep_all ? " all" : " none");
        EXPECT_EQ(test_heap::operations() != ops, r.block_changes) << r.items << (r.keep_all ? " all" : " none");
    }
}

TEST_F(HandleList, InsertListPlacesTheSourceBeforeThePosition) {
    struct row {
        uint32_t position;
        uint32_t used;
        const char* result;
    };
    const row rows[] = {{0, 0, "XYPQR"}, {1, 1, "PXYQR"}, {3, 3, "PQRXY"}, {7, 3, "PQRXY"}, {0xFFFFFFFF, 3, "PQRXY"}};
    for (const row& r : rows) {
        metadb_handle_list source;
        append(source, "XY");
        metadb_handle_list list;
        append(list, "PQR");
        const uint64_t refs = add_refs();
        EXPECT_EQ(list.insert_list(source, r.position), r.used);
        EXPECT_EQ(add_refs() - refs, 2u) << "one counted copy per inserted item, none for the moved tail";
        EXPECT_EQ(contents(list), r.result) << "at " << r.position;
    }
}

TEST_F(HandleList, ExchangesAndReplacementsCountExactly) {
    metadb_handle_list list;
    append(list, "PQRS");
    const uint64_t refs = add_refs();
    list.swap_at(0, 3);
    handle_ptr mine = h('X');
    list.exchange_with(1, mine);
    EXPECT_EQ(mine.get(), h('Q').get());
    EXPECT_EQ(add_refs() - refs, 1u) << "only the test's own copy of X";
    EXPECT_EQ(contents(list), "SXRP");
    list.replace_at(2, h('Y'));
    EXPECT_EQ(contents(list), "SXYP");
    EXPECT_EQ(object('R').references(), 1) << "the replaced handle is released";
}

TEST_F(HandleList, ReorderAndSortGiveOrdinaryResults) {
    metadb_handle_list list;
    append(list, "PQRST");
    const uint32_t order[] = {2, 0, 3, 1};
    list.reorder_range(1, order, 4);
    EXPECT_EQ(contents(list), "PSQTR") << "item 1 + i becomes the one at 1 + order[i]";

    struct by_length final : pfc::list_sort_callback<handle_ptr> {
        int32_t compare(const handle_ptr& a, const handle_ptr& b) override {
            return static_cast<int32_t>(item_length(*a) - item_length(*b));
        }
    } ascending;
    list.sort_items(ascending);
    EXPECT_EQ(contents(list), "PQRST");
    append(list, "QP");
    list.sort_items_stable(ascending);
    EXPECT_EQ(contents(list), "PPQQRST");
}

TEST_F(HandleList, FailedGrowthLeavesTheListUntouched) {
    metadb_handle_list list;
    append(list, "PQRS");
    test_heap::fail_operation(1);
    EXPECT_THROW(append(list, "T"), pfc::bad_alloc);
    EXPECT_EQ(list.count(), 4u);
    EXPECT_EQ(list.capacity(), 4u);
    EXPECT_EQ(contents(list), "PQRS");
    EXPECT_EQ(object('T').references(), 1) << "the refused handle was never copied";
}

TEST_F(HandleList, FailedShrinkInPlaceLeavesAConsistentList) {
    metadb_handle_list list;
    append(list, "PQRST");
    test_heap::fail_operation(1);
    EXPECT_THROW(list.keep_marked(pfc::mask_none()), pfc::bad_alloc);
    EXPECT_EQ(list.count(), 0u) << "the size is already reduced";
    EXPECT_EQ(list.capacity(), 8u) << "the capacity still describes the unchanged block";
    for (char name : std::string("PQRST")) EXPECT_EQ(object(name).references(), 1) << name << " is released";
    append(list, "PQ");
    EXPECT_EQ(contents(list), "PQ") << "the list goes on working";
}

// Every allocation of every list operation fails once in turn: the list keeps its
// items (or, after a failed shrink in place, is consistently smaller) and every
// handle's count matches the slots that hold it.
TEST_F(HandleList, EachAllocationOfEachOperationFailsCleanly) {
    struct row {
        const char* name;
        const char* start;
        void (*op)(HandleList&, metadb_handle_list&);
        const char* after_failure;
    };
    const row rows[] = {
        {"append past the capacity", "PQRS", [](HandleList& t, metadb_handle_list& l) { t.append(l, "T"); }, "PQRS"},
        {"insert a list in the middle", "PQR",
         [](HandleList& t, metadb_handle_list& l) {
             metadb_handle_list source;
             t.append(source, "XYST");
             l.insert_list(source, 1);
         },
         "PQR"},
        {"keep none", "PQRST", [](HandleList&, metadb_handle_list& l) { l.keep_marked(pfc::mask_none()); }, ""},
        {"keep one", "PQRST",
         [](HandleList&, metadb_handle_list& l) {
             l.keep_marked(marks({false, false, true}));
         },
         "R"},
    };
    for (const row& r : rows) {
        std::optional<metadb_handle_list> list;
        const uint64_t points = test_heap::fail_each(
            [&] {
                list.reset();
                list.emplace();
                append(*list, r.start);
            },
            [&] { r.op(*this, *list); },
            [&](uint64_t nth, bool failed) {
                EXPECT_TRUE(failed) << r.name << " " << nth;
                EXPECT_EQ(contents(*list), r.after_failure) << r.name << " " << nth;
                for (char name : names) {
                    const auto in_list = static_cast<int32_t>(
                        std::count(r.after_failure, r.after_failure + std::strlen(r.after_failure), name));
                    EXPECT_EQ(object(name).references(), 1 + in_list) << r.name << " " << nth << " " << name;
                }
            });
        EXPECT_GE(points, 1u) << r.name;
    }
}

TEST(Masks, SearchAsTheirTablesSay) {
    const pfc::mask_all all;
    const pfc::mask_none none;
    EXPECT_EQ(all.search(true, 3, 5), 3u);
    EXPECT_EQ(all.search(false, 3, 5), 8u);
    EXPECT_EQ(none.search(true, 3, 5), 8u);
    EXPECT_EQ(none.search(false, 3, 5), 3u);
    for (bool value : {true, false}) {
        EXPECT_EQ(all.search(value, 4, 0), 4u);
        EXPECT_EQ(none.search(value, 4, 0), 4u);
    }
    EXPECT_TRUE(all.is_set(12345));
    EXPECT_FALSE(none.is_set(0));
}

}  // namespace
