// The ranking screen's order per stage set.
#include "ranking/ir_sort.h"

#include <gtest/gtest.h>

namespace tsu {
namespace {

TEST(RankingSort, ScoresBestFirstLaterEntryWinsTiesNegativeNeverListed) {
    RankingTable t;
    auto put = [&](int i, const char* name, int gold, int pack3) {
        t[std::size_t(i)].name = name;
        t[std::size_t(i)].hi_score = gold;
        t[std::size_t(i)].ex_score[3] = pack3;
    };
    put(1, "a", 500, 0);
    put(2, "b", 900, -1);
    put(3, "c", 500, 20);
    put(4, "d", -5, 10);
    put(5, "e", 0, 0);
    t[6].hi_score = 10000; // no name: a free entry
    t[0].hi_score = -100, t[0].ex_score[3] = -100; // the notice entry counts as zero
    t[0].name = "notice";
    IrOrder order;
    order[2][5] = 7; // rebuilt from scratch
    ir_sort(t, order);
    const std::vector<int32_t> official(order[0].begin(), order[0].begin() + 6);
    EXPECT_EQ(official, (std::vector<int32_t>{2, 3, 1, 5, 0, 0}));
    const std::vector<int32_t> pack3(order[3].begin(), order[3].begin() + 6);
    EXPECT_EQ(pack3, (std::vector<int32_t>{3, 4, 5, 1, 0, 0})); // b's -1 is not listed
    EXPECT_EQ(order[2][0], 5); // every named entry with 0 in an unplayed pack, later first
    EXPECT_EQ(order[2][5], 0);
    EXPECT_EQ(t[0].hi_score, 0);
}

TEST(RankingSort, AFullTableOfEqualScoresIsListedInReverseOrder) {
    RankingTable t;
    for (int i = 1; i < kRankingEntries; ++i) t[std::size_t(i)].name = "p" + std::to_string(i);
    IrOrder order;
    ir_sort(t, order);
    for (int k = 0; k < 99; ++k) ASSERT_EQ(order[6][std::size_t(k)], 99 - k);
    EXPECT_EQ(order[6][99], 0);
}

} // namespace
} // namespace tsu
