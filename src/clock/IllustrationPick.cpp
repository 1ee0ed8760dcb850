#include "clock/IllustrationPick.h"

#include "content/NameListFiles.h"

namespace {

bool IsShown(const std::vector<int>& flags, int index) {
    return index >= 0 && static_cast<size_t>(index) < flags.size() && flags[static_cast<size_t>(index)] == kShown;
}

int CountShown(int nameCount, const std::vector<int>& flags) {
    int count = 0;
    for (int i = 0; i < nameCount; ++i) count += IsShown(flags, i) ? 1 : 0;
    return count;
}

}  // namespace

int PickFirstIllustration(int nameCount, const std::vector<int>& shownFlags, RandomGenerator& random) {
    if (nameCount <= 1 || CountShown(nameCount, shownFlags) == 0) return 0;
    for (;;) {
        int index = random.Next() % nameCount;
        if (IsShown(shownFlags, index)) return index;
    }
}

int RepickIllustration(int nameCount, const std::vector<int>& shownFlags, int current, RandomGenerator& random) {
    if (IsShown(shownFlags, current)) return current;
    if (nameCount == 1) return 0;
    const int others = CountShown(nameCount, shownFlags);
    if (nameCount <= 0 || others == 0) return current;
    for (;;) {
        int index = random.Next() % nameCount;
        if (index != current && IsShown(shownFlags, index)) return index;
    }
}

IllustrationChange PickNextIllustration(int nameCount, const std::vector<int>& shownFlags, int current,
                                        RandomGenerator& random) {
    if (nameCount == 1) return {0, false};
    int shown = CountShown(nameCount, shownFlags);
    int others = shown - (IsShown(shownFlags, current) ? 1 : 0);
    if (nameCount <= 0 || shown == 1 || others == 0) return {current, false};
    for (;;) {
        int index = random.Next() % nameCount;
        if (index != current && IsShown(shownFlags, index)) return {index, true};
    }
}
