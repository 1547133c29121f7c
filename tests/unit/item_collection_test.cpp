#include "pfc/item_collection.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "standin/host.h"
#include "tests/support/test_heap.h"

namespace {

class ItemCollection : public ::testing::Test {
protected:
    void TearDown() override { EXPECT_EQ(host.imbalances(), ""); }

    uint32_t playlist_of(std::initializer_list<double> lengths) {
        const uint32_t index = host.playlists().add_playlist("list");
        for (double length : lengths) host.playlists().add_item(index, host.handles().make(length));
        return index;
    }

    standin::host host;
};

TEST_F(ItemCollection, EmptyPlaylistAllocatesNothing) {
    const uint32_t index = playlist_of({});
    const uint64_t ops = test_heap::operations();
    metadb_handle_list list;
    collect_playlist_items(host.playlists(), index, list);
    EXPECT_EQ(list.count(), 0u);
    EXPECT_EQ(list.capacity(), 0u);
    EXPECT_EQ(total_length(list), 0.0);
    EXPECT_EQ(test_heap::operations(), ops);
}

TEST_F(ItemCollection, CollectsInHostOrderAndSumsOnlyPositiveLengths) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const uint32_t index = playlist_of({180.5, 0, -1, nan, 240.25});
    host.playlists().add_item(index, host.handles().make_without_info());
    {
        metadb_handle_list list;
        collect_playlist_items(host.playlists(), index, list);
        ASSERT_EQ(list.count(), 6u);
        for (uint32_t i = 0; i < 6; ++i) {
            service_ptr_t<metadb_handle> item;
            list.copy_item(item, i);
            EXPECT_EQ(item.get(), host.playlists().playlists()[index].items[i].get()) << i;
        }
        for (const auto& h : host.handles().all()) EXPECT_EQ(h.references(), 2) << "the playlist's and the list's";
        EXPECT_EQ(total_length(list), 420.75);
    }
    for (const auto& h : host.handles().all()) {
        EXPECT_EQ(h.lock_calls(), 1u);
        EXPECT_EQ(h.unlock_calls(), 1u);
    }
}

TEST_F(ItemCollection, CollectingEmptiesTheListFirst) {
    const uint32_t first = playlist_of({1, 2, 3});
    const uint32_t second = playlist_of({4});
    metadb_handle_list list;
    collect_playlist_items(host.playlists(), first, list);
    collect_playlist_items(host.playlists(), second, list);
    EXPECT_EQ(list.count(), 1u);
    EXPECT_EQ(total_length(list), 4.0);
}

TEST_F(ItemCollection, ItemLengthUnlocksAndReleasesWithOrWithoutInfo) {
    standin::item_handle& with = host.handles().make(12.5);
    standin::item_handle& without = host.handles().make_without_info();
    EXPECT_EQ(item_length(with), 12.5);
    EXPECT_EQ(item_length(without), 0.0);
    for (const standin::item_handle* h : {&with, &without}) {
        EXPECT_EQ(h->add_ref_calls(), 1u);
        EXPECT_EQ(h->references(), 0);
        EXPECT_EQ(h->lock_calls(), 1u);
        EXPECT_EQ(h->unlock_calls(), 1u);
    }
}

TEST_F(ItemCollection, ReceiverAnswersTrueAndAppendsOneItem) {
    standin::item_handle& h = host.handles().make(1);
    const service_ptr_t<metadb_handle> held(&h);
    metadb_handle_list list;
    item_collector collector(list);
    for (uint32_t i = 1; i <= 3; ++i) {
        EXPECT_TRUE(collector.receive_item(99, held, true));
        EXPECT_EQ(list.count(), i);
    }
    EXPECT_EQ(h.references(), 4);
}

TEST_F(ItemCollection, FailureDuringEnumerationKeepsWhatWasCollected) {
    const uint32_t index = playlist_of({1, 2, 3, 4, 5});
    metadb_handle_list list;
    test_heap::fail_operation(4);  // the growth from 4 to 8 slots, at the fifth item
    EXPECT_THROW(collect_playlist_items(host.playlists(), index, list), pfc::bad_alloc);
    EXPECT_EQ(list.count(), 4u);
    EXPECT_EQ(total_length(list), 10.0);
}

}  // namespace
