// The reader/writer agreement of the data files, shared by the host tests and
// the fuzz target: for any bytes, read -> write -> read gives the same lists,
// and writing those lists again gives the same bytes.
#pragma once

#include <string>
#include <string_view>

#include "content/MessageFile.h"
#include "content/NameListFiles.h"
#include "content/SoundTable.h"
#include "content/TextCodec.h"

namespace datafiles_test {

// What the writer stores for an entry: an empty Sound goes out as "NULL".
inline AlarmList AsWritten(const AlarmList& list) {
    AlarmList written;
    for (AlarmEntry entry : list) {
        if (entry.Sound.empty()) {
            entry.Sound = std::wstring(kNoValue);
        }
        written.Append(std::move(entry));
    }
    return written;
}

template <typename Value, typename Read, typename Write>
std::string CheckOne(const char* file, std::string_view bytes, Read read, Write write,
                     Value (*normalise)(const Value&)) {
    const Value first = read(bytes);
    const std::string written = write(first);
    const Value second = read(written);
    if (!(second == normalise(first))) {
        return std::string(file) + ": read -> write -> read changed the lists";
    }
    if (write(second) != written) {
        return std::string(file) + ": writing the lists read back gave other bytes";
    }
    return {};
}

template <typename Value>
Value Same(const Value& value) {
    return value;
}

// Empty when every file format agrees with itself on these bytes; otherwise
// the name of the first one that does not.
inline std::string RoundTripFailure(std::string_view bytes, const AnsiCodec& codec) {
    using Names = std::vector<std::wstring>;
    using Flags = std::vector<int>;
    std::string failure = CheckOne<Names>(
        "Illust.ini", bytes, [&](std::string_view b) { return ReadIllustNames(b, codec); },
        [&](const Names& n) { return WriteIllustNames(n, codec); }, &Same<Names>);
    if (failure.empty()) {
        failure = CheckOne<Flags>(
            "Show.ini", bytes, [&](std::string_view b) { return ReadShownFlags(b, codec); },
            [](const Flags& f) { return WriteShownFlags(f); }, &Same<Flags>);
    }
    if (failure.empty()) {
        failure = CheckOne<SoundTable>(
            "Sound.ini", bytes, [&](std::string_view b) { return ReadSoundTable(b, codec); },
            [&](const SoundTable& t) { return WriteSoundTable(t, codec); }, &Same<SoundTable>);
    }
    if (failure.empty()) {
        failure = CheckOne<AlarmList>(
            "Message.ini", bytes, [&](std::string_view b) { return ReadAlarmList(b, codec); },
            [&](const AlarmList& l) { return WriteAlarmList(l, codec); }, &AsWritten);
    }
    return failure;
}

}  // namespace datafiles_test
