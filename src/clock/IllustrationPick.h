// Choosing which illustration the clock shows. Neither choice can spin: with no
// name, or no shown illustration to move to, the current one stays.
#pragma once
#include <vector>

#include "clock/Random.h"

// The illustration shown at start: 0 for a single name, otherwise a random one whose flag is 1.
int PickFirstIllustration(int nameCount, const std::vector<int>& shownFlags, RandomGenerator& random);

struct IllustrationChange {
    int index;     // the illustration to show from now on
    bool changed;  // a different picture was drawn (the Update sound plays)
};

// After the options were changed: the current picture stays while it is shown;
// otherwise a random other shown one (index 0 for a single name). With no other
// shown picture, or no names, the current one stays rather than the pick spinning.
int RepickIllustration(int nameCount, const std::vector<int>& shownFlags, int current, RandomGenerator& random);

// The timed change: a single name means index 0; otherwise a random shown
// illustration other than the current one, unless exactly one is shown or there
// is no other shown one to change to.
IllustrationChange PickNextIllustration(int nameCount, const std::vector<int>& shownFlags, int current,
                                        RandomGenerator& random);
