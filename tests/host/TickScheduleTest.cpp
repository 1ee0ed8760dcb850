// When the time tick comes: in step with the second while shown, with the minute while minimised.
#include <gtest/gtest.h>

#include "clock/TickSchedule.h"

namespace {

LocalTime At(int second, int millisecond) {
    LocalTime t;
    t.second = second;
    t.millisecond = millisecond;
    return t;
}

TEST(TickScheduleTest, ATickInStepKeepsTheWholePeriod) {
    EXPECT_EQ(NextTickElapse(true, At(7, 0)), 1000);
    EXPECT_EQ(NextTickElapse(true, At(7, 199)), 1000);
    EXPECT_EQ(NextTickElapse(false, At(0, 20)), 60000);
}

TEST(TickScheduleTest, ALateOrEarlyTickIsBroughtBackJustAfterTheNextChange) {
    EXPECT_EQ(NextTickElapse(true, At(7, 200)), 820);
    EXPECT_EQ(NextTickElapse(true, At(7, 990)), 30);  // came just before the change
    EXPECT_EQ(NextTickElapse(false, At(6, 0)), 54020);
    EXPECT_EQ(NextTickElapse(false, At(59, 999)), 21);
}

}  // namespace
