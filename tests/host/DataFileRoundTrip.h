// The reader/writer agreement of the data files, shared by the host tests and
// the fuzz target: for any bytes, read -> write -> read gives the same lists and
// writing those lists again gives the same bytes; every line's bytes come back
// from decoding and encoding; a file that needs no normalising comes back byte
// for byte.
#pragma once

#include <string>
#include <string_view>

#include "content/MessageFile.h"
#include "content/NameListFiles.h"
#include "content/SoundTable.h"
#include "content/TextLines.h"

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
    TextFormat format;
    const Value first = read(bytes, &format);
    const std::string written = write(first, format);
    TextFormat again;
    const Value second = read(written, &again);
    if (!(second == normalise(first))) {
        return std::string(file) + ": read -> write -> read changed the lists";
    }
    if (write(second, again) != written) {
        return std::string(file) + ": writing the lists read back gave other bytes";
    }
    return {};
}

template <typename Value>
Value Same(const Value& value) {
    return value;
}

// Every line end of the content is CR LF, the last line included.
template <typename CharT>
bool EndsEveryLineWithCrLf(std::basic_string_view<CharT> content) {
    for (std::size_t i = 0; i < content.size(); ++i) {
        if (content[i] == CharT('\r') && (i + 1 >= content.size() || content[i + 1] != CharT('\n'))) return false;
        if (content[i] == CharT('\n') && (i == 0 || content[i - 1] != CharT('\r'))) return false;
    }
    return content.empty() || content.back() == CharT('\n');
}

// Whether the file's only normalisation, line ends to CR LF, has nothing to do.
inline bool NeedsNoNormalising(std::string_view bytes) {
    const bool le = bytes.starts_with("\xFF\xFE");
    if (le || bytes.starts_with("\xFE\xFF")) {
        std::u16string units;
        for (std::size_t i = 2; i + 1 < bytes.size(); i += 2) {
            const auto a = static_cast<unsigned char>(bytes[i]);
            const auto b = static_cast<unsigned char>(bytes[i + 1]);
            units.push_back(static_cast<char16_t>(le ? (b << 8) | a : (a << 8) | b));
        }
        return EndsEveryLineWithCrLf<char16_t>(units);
    }
    if (bytes.starts_with(kUtf8Bom)) bytes.remove_prefix(kUtf8Bom.size());
    return EndsEveryLineWithCrLf<char>(bytes);
}

// Empty when decoding and encoding each line gives its bytes back.
inline std::string LineRoundTripFailure(std::string_view bytes, const AnsiCodec& codec) {
    for (std::string_view line : SplitFileLines<char>(bytes)) {
        if (EncodeAnsiLine(DecodeAnsiLine(line, codec), codec) != std::optional<std::string>(line)) {
            return "a line of code page 932 did not come back byte for byte";
        }
        if (EncodeUtf8Line(DecodeUtf8Line(line)) != line) return "a line of UTF-8 did not come back byte for byte";
    }
    return {};
}

// Empty when every file format agrees with itself on these bytes; otherwise
// the name of the first one that does not.
inline std::string RoundTripFailure(std::string_view bytes, const AnsiCodec& codec) {
    using Names = std::vector<std::wstring>;
    using Flags = std::vector<int>;
    std::string failure = LineRoundTripFailure(bytes, codec);
    auto readNames = [&](std::string_view b, TextFormat* f) { return ReadIllustNames(b, codec, f); };
    auto writeNames = [&](const Names& n, const TextFormat& f) { return WriteIllustNames(n, codec, f); };
    if (failure.empty()) failure = CheckOne<Names>("Illust.ini", bytes, readNames, writeNames, &Same<Names>);
    if (failure.empty() && NeedsNoNormalising(bytes)) {
        TextFormat format;
        const Names names = readNames(bytes, &format);
        if (writeNames(names, format) != bytes) failure = "Illust.ini: a file needing no normalising changed";
    }
    if (failure.empty()) {
        failure = CheckOne<Flags>(
            "Show.ini", bytes, [&](std::string_view b, TextFormat* f) { return ReadShownFlags(b, codec, f); },
            [&](const Flags& flags, const TextFormat& f) { return WriteShownFlags(flags, codec, f); }, &Same<Flags>);
    }
    if (failure.empty()) {
        failure = CheckOne<SoundTable>(
            "Sound.ini", bytes, [&](std::string_view b, TextFormat* f) { return ReadSoundTable(b, codec, f); },
            [&](const SoundTable& t, const TextFormat& f) { return WriteSoundTable(t, codec, f); }, &Same<SoundTable>);
    }
    if (failure.empty()) {
        failure = CheckOne<AlarmList>(
            "Message.ini", bytes, [&](std::string_view b, TextFormat* f) { return ReadAlarmList(b, codec, f); },
            [&](const AlarmList& l, const TextFormat& f) { return WriteAlarmList(l, codec, f); }, &AsWritten);
    }
    return failure;
}

}  // namespace datafiles_test
