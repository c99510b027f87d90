#include "platform/BlockedList.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <random>
#include <vector>

namespace kw {
namespace {

struct Entry {
    int value = 0;
    const void* home = nullptr;
};

using List = BlockedList<Entry, &Entry::home>;

void ExpectSame(const List& list, const std::vector<Entry*>& expected) {
    ASSERT_EQ(list.size(), expected.size());
    EXPECT_EQ(std::vector<Entry*>(list.begin(), list.end()), expected);
    for (std::size_t i = 0; i < expected.size(); ++i) {
        ASSERT_EQ(list[i], expected[i]) << "at " << i;
        ASSERT_EQ(list.indexOf(expected[i]), static_cast<std::ptrdiff_t>(i));
    }
}

// Random inserts and erases across many block splits and removals, checked
// against a plain vector after every batch.
TEST(BlockedListTest, FollowsAVectorThroughInsertsAndErases) {
    std::deque<Entry> pool(5000);
    std::vector<Entry*> expected;
    List list;
    std::mt19937 random(7);
    for (std::size_t round = 0; round < pool.size(); ++round) {
        Entry* entry = &pool[round];
        entry->value = static_cast<int>(round);
        const std::size_t at = random() % (expected.size() + 1);
        list.insert(at, entry);
        expected.insert(expected.begin() + static_cast<std::ptrdiff_t>(at), entry);
        if (round % 3 == 2) {
            const std::size_t gone = random() % expected.size();
            EXPECT_EQ(list.indexOf(expected[gone]), static_cast<std::ptrdiff_t>(gone));
            list.erase(gone);
            EXPECT_EQ(list.indexOf(expected[gone]), -1);
            expected.erase(expected.begin() + static_cast<std::ptrdiff_t>(gone));
        }
        if (round % 500 == 0) ExpectSame(list, expected);
    }
    ExpectSame(list, expected);
    while (!expected.empty()) {
        list.erase(0);
        expected.erase(expected.begin());
    }
    ExpectSame(list, expected);
    EXPECT_TRUE(list.empty());
}

TEST(BlockedListTest, AssignReplacesTheOrderAndForeignEntriesAreNotFound) {
    std::deque<Entry> pool(1000);
    std::vector<Entry*> order;
    List list, other;
    for (Entry& e : pool) list.insert(list.size(), &e), order.push_back(&e);
    std::reverse(order.begin(), order.end());
    list.assign(order);
    ExpectSame(list, order);

    Entry stranger;
    other.insert(0, &stranger);
    EXPECT_EQ(list.indexOf(&stranger), -1);
    Entry loose;
    EXPECT_EQ(list.indexOf(&loose), -1);

    list.assign({});
    ExpectSame(list, {});
    list.insert(0, &pool[3]);
    ExpectSame(list, {&pool[3]});
}

}  // namespace
}  // namespace kw
