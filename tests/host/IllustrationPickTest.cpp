// Which illustration the clock shows at start and after a timed change.
#include <gtest/gtest.h>

#include <set>

#include "clock/IllustrationPick.h"

namespace {

TEST(IllustrationPickTest, FirstPickIsAlwaysAShownOne) {
    RandomGenerator random;
    random.Seed(7);
    std::set<int> seen;
    for (int i = 0; i < 200; ++i) seen.insert(PickFirstIllustration(5, {0, 1, 0, 1, 0}, random));
    EXPECT_EQ(seen, (std::set<int>{1, 3}));
}

TEST(IllustrationPickTest, FirstPickNeverSpins) {
    RandomGenerator random;
    EXPECT_EQ(PickFirstIllustration(0, {}, random), 0);
    EXPECT_EQ(PickFirstIllustration(1, {0}, random), 0);
    EXPECT_EQ(PickFirstIllustration(4, {0, 0, 2, -1}, random), 0);  // only 1 counts as shown
}

TEST(IllustrationPickTest, TimedChangeMovesToAnotherShownPicture) {
    RandomGenerator random;
    random.Seed(99);
    std::set<int> seen;
    for (int i = 0; i < 200; ++i) {
        IllustrationChange change = PickNextIllustration(4, {1, 1, 0, 1}, 3, random);
        EXPECT_TRUE(change.changed);
        seen.insert(change.index);
    }
    EXPECT_EQ(seen, (std::set<int>{0, 1}));
}

TEST(IllustrationPickTest, TimedChangeStaysPutWhenThereIsNothingToChangeTo) {
    RandomGenerator random;
    // Exactly one shown: never switches, even away from a picture that is not shown.
    IllustrationChange change = PickNextIllustration(3, {0, 1, 0}, 2, random);
    EXPECT_FALSE(change.changed);
    EXPECT_EQ(change.index, 2);
    // None shown, or no names at all.
    EXPECT_FALSE(PickNextIllustration(3, {0, 0, 0}, 1, random).changed);
    EXPECT_FALSE(PickNextIllustration(0, {}, 0, random).changed);
    // A single name always means picture 0, without the change sound.
    change = PickNextIllustration(1, {0}, 5, random);
    EXPECT_EQ(change.index, 0);
    EXPECT_FALSE(change.changed);
}

TEST(IllustrationPickTest, TheSameSeedGivesTheSameSequence) {
    RandomGenerator a, b;
    a.Seed(2026);
    b.Seed(2026);
    for (int i = 0; i < 20; ++i) {
        int x = a.Next();
        EXPECT_EQ(x, b.Next());
        EXPECT_GE(x, 0);
        EXPECT_LE(x, RandomGenerator::kMax);
    }
}

}  // namespace

// After the options: a shown picture stays; an unshown one gives way to a shown one;
// with nothing to give way to, it stays instead of the pick spinning.
TEST(IllustrationPickTest, RepickAfterTheOptionsKeepsOrReplacesAndNeverSpins) {
    RandomGenerator random;
    random.Seed(3);
    EXPECT_EQ(RepickIllustration(3, {0, 1, 1}, 2, random), 2);
    EXPECT_EQ(RepickIllustration(3, {0, 0, 1}, 0, random), 2);  // the only other shown one
    EXPECT_EQ(RepickIllustration(1, {0}, 0, random), 0);
    EXPECT_EQ(RepickIllustration(0, {}, 0, random), 0);         // no names at all
    EXPECT_EQ(RepickIllustration(3, {0, 0, 0}, 1, random), 1);  // none shown
    std::set<int> seen;
    for (int i = 0; i < 100; ++i) seen.insert(RepickIllustration(4, {1, 0, 1, 1}, 1, random));
    EXPECT_EQ(seen, (std::set<int>{0, 2, 3}));
}
