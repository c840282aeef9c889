#include "core/common/BoundedList.h"

#include <gtest/gtest.h>

#include <numeric>

namespace {

using Three = BoundedList<int, 3>;

TEST(BoundedList, HoldsAtMostItsCapacity) {
    Three list{1, 2, 3, 4};
    EXPECT_EQ(list.size(), 3);
    EXPECT_TRUE(list.full());
    EXPECT_FALSE(list.append(5));
    EXPECT_EQ(std::accumulate(list.begin(), list.end(), 0), 6);
    EXPECT_EQ(list.back(), 3);
}

TEST(BoundedList, ResizeClampsAndForgetsRemovedValues) {
    Three list{7, 8, 9};
    list.resize(1);
    EXPECT_EQ(list, (Three{7}));
    list.resize(3);
    EXPECT_EQ(list, (Three{7, 0, 0})); // 8 and 9 do not come back
    list.resize(-4);
    EXPECT_TRUE(list.empty());
    list.resize(99);
    EXPECT_EQ(list.size(), 3);
}

TEST(BoundedList, EraseKeepsOrderAndEqualityIgnoresUnusedSlots) {
    Three list{1, 2, 3};
    list.erase(0);
    EXPECT_EQ(list, (Three{2, 3}));
    Three other{2, 3};
    EXPECT_EQ(list, other);
    other.append(0);
    EXPECT_NE(list, other); // the count counts
}

} // namespace
