// libFuzzer target for the data files: every input is read as each of the
// four files; writing what was read and reading it again must give the same
// lists. The alarms read are also run through the schedule rules and texts.
//
// Code page 932 comes from glibc's iconv, as in the host tests, so that
// multi-byte characters, cut sequences and the fall-back to UTF-8 on writing
// are all exercised; a one-byte test codec would never reach them.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "DataFileRoundTrip.h"
#include "TextCodecIconv.h"
#include "alarms/AlarmRules.h"
#include "alarms/AlarmSchedule.h"

namespace {

// A date and hour taken from the input, within the ranges a clock gives.
LocalDateHour DateFrom(std::string_view bytes) {
    unsigned seed = 0;
    for (std::size_t i = 0; i < bytes.size() && i < 8; ++i) {
        seed = seed * 31 + static_cast<unsigned char>(bytes[i]);
    }
    return LocalDateHour{static_cast<int>(seed % 12) + 1, static_cast<int>(seed / 12 % 31) + 1,
                         static_cast<int>(seed / 372 % 7), static_cast<int>(seed / 2604 % 24)};
}

void ExerciseRules(const AlarmList& list, std::string_view bytes) {
    for (const AlarmEntry& entry : list) {
        (void)FormatSchedule(entry);
    }
    const AlarmList due = SelectDueThisHour(list, DateFrom(bytes));
    for (int minute = 0; minute < 60; ++minute) {
        if (SelectDueThisMinute(due, minute).Count() > due.Count()) {
            std::fprintf(stderr, "more entries fire than are due\n");
            std::abort();
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const IconvCp932Codec codec;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string failure = datafiles_test::RoundTripFailure(bytes, codec);
    if (!failure.empty()) {
        std::fprintf(stderr, "%s\n", failure.c_str());
        std::abort();
    }
    ExerciseRules(ReadAlarmList(bytes, codec), bytes);
    return 0;
}
