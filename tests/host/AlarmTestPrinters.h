// Readable failure output for alarm values in the host tests.
#pragma once

#include <gtest/gtest.h>

#include <ostream>

#include "content/AlarmEntry.h"

inline void PrintTo(const AlarmEntry& entry, std::ostream* os) {
    *os << "{";
    for (const std::wstring* field : {&entry.Subject, &entry.Sound, &entry.Message, &entry.DateUnit, &entry.DateDetail,
                                      &entry.TimeUnit, &entry.TimeDetail}) {
        *os << ::testing::PrintToString(*field) << (field == &entry.TimeDetail ? "" : ", ");
    }
    *os << "}";
}

inline void PrintTo(const AlarmList& list, std::ostream* os) {
    *os << list.Count() << " entries [";
    for (const AlarmEntry& entry : list) {
        PrintTo(entry, os);
        *os << " ";
    }
    *os << "]";
}
