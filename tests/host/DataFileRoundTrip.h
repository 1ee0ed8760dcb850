// The reader/writer agreement of the data files, shared by the host tests and
// the fuzz target: for any bytes, read -> write -> read gives the same lists and
// writing those lists again gives the same bytes; every line's bytes come back
// from decoding and encoding; a file that needs no normalising comes back byte
// for byte. What is written reads back as one valid encoding: the form the file
// was read in, or, where that form cannot hold the lines, valid UTF-8 after a mark
// with U+FFFD for the bytes carried through and the stray surrogates.
#pragma once

#include <string>
#include <string_view>
#include <vector>

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

// The lists as UTF-8 after a mark gives them back: escaped bytes and stray
// surrogates become U+FFFD.
inline std::wstring Sanitised(const std::wstring& text) { return Utf8ToWide(WideToUtf8(text)); }

inline std::vector<std::wstring> Sanitised(std::vector<std::wstring> lines) {
    for (std::wstring& line : lines) line = Sanitised(line);
    return lines;
}

inline std::vector<int> Sanitised(const std::vector<int>& flags) { return flags; }

inline SoundTable Sanitised(SoundTable table) {
    for (SoundEvent event : kSoundEvents) table.List(event) = Sanitised(std::move(table.List(event)));
    return table;
}

inline AlarmList Sanitised(const AlarmList& list) {
    AlarmList sanitised;
    for (AlarmEntry entry : list) {
        for (std::wstring* field : {&entry.Subject, &entry.Sound, &entry.Message, &entry.DateUnit, &entry.DateDetail,
                                    &entry.TimeUnit, &entry.TimeDetail}) {
            *field = Sanitised(*field);
        }
        sanitised.Append(std::move(entry));
    }
    return sanitised;
}

// Whether the bytes are UTF-8 after a mark with every sequence valid.
inline bool IsValidUtf8WithMark(std::string_view bytes) {
    return bytes.starts_with(kUtf8Bom) && IsValidUtf8(bytes.substr(kUtf8Bom.size()));
}

template <typename Value, typename Read, typename Write>
std::string CheckOne(const char* file, std::string_view bytes, Read read, Write write,
                     Value (*normalise)(const Value&)) {
    TextFormat format;
    const Value first = read(bytes, &format);
    const std::string written = write(first, format);
    TextFormat again;
    const Value second = read(written, &again);
    const bool asRead = second == normalise(first);
    // A file that had to change form is valid UTF-8 after a mark, its lists as it holds them.
    const bool changedForm = again.encoding == TextEncoding::Utf8Bom && IsValidUtf8WithMark(written) &&
                             second == normalise(Sanitised(first));
    if (!asRead && !changedForm) {
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

inline std::u16string UnitsOf(std::string_view bytes, bool bigEndian) {
    std::u16string units;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const auto a = static_cast<unsigned char>(bytes[i]);
        const auto b = static_cast<unsigned char>(bytes[i + 1]);
        units.push_back(static_cast<char16_t>(bigEndian ? (a << 8) | b : (b << 8) | a));
    }
    return units;
}

// Whether the file's only normalisation, line ends to CR LF, has nothing to do.
inline bool NeedsNoNormalising(std::string_view bytes, const AnsiCodec& codec) {
    switch (ReadTextFile(bytes, codec).format.encoding) {
    case TextEncoding::Utf16Le: return EndsEveryLineWithCrLf<char16_t>(UnitsOf(bytes.substr(2), false));
    case TextEncoding::Utf16Be: return EndsEveryLineWithCrLf<char16_t>(UnitsOf(bytes.substr(2), true));
    case TextEncoding::Utf16LeNoBom: return EndsEveryLineWithCrLf<char16_t>(UnitsOf(bytes, false));
    case TextEncoding::Utf16BeNoBom: return EndsEveryLineWithCrLf<char16_t>(UnitsOf(bytes, true));
    case TextEncoding::Utf8Bom: return EndsEveryLineWithCrLf<char>(bytes.substr(kUtf8Bom.size()));
    default: return EndsEveryLineWithCrLf<char>(bytes);
    }
}

// Empty when the lines of the file, and the same with a line outside code page 932
// added, are written in the form they were read in and read back so, or else as
// valid UTF-8 after a mark that reads back as the lines with U+FFFD for what it
// cannot hold. Either way the bytes are one valid encoding: code page 932 with
// only the bytes it carried when read, UTF-8, UTF-16 as told when read, or UTF-8
// after a mark.
inline std::string FormFailure(std::string_view bytes, const AnsiCodec& codec) {
    const TextFile read = ReadTextFile(bytes, codec);
    for (const bool addLine : {false, true}) {
        std::vector<std::wstring> lines = read.lines;
        if (addLine) lines.emplace_back(L"\U0001F382");
        const std::string written = EncodeTextFile(lines, codec, read.format);
        const TextFile back = ReadTextFile(written, codec);
        if (back.format == read.format && back.lines == lines) continue;
        if (back.format.encoding != TextEncoding::Utf8Bom)
            return "a file changed to a form other than UTF-8 with a mark";
        if (!IsValidUtf8WithMark(written)) return "a file changed to UTF-8 with a mark that is not valid UTF-8";
        if (back.lines != Sanitised(lines)) return "a file changed to UTF-8 with a mark did not read back";
    }
    return {};
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
    if (failure.empty()) failure = FormFailure(bytes, codec);
    auto readNames = [&](std::string_view b, TextFormat* f) { return ReadIllustNames(b, codec, f); };
    auto writeNames = [&](const Names& n, const TextFormat& f) { return WriteIllustNames(n, codec, f); };
    if (failure.empty()) failure = CheckOne<Names>("Illust.ini", bytes, readNames, writeNames, &Same<Names>);
    if (failure.empty() && NeedsNoNormalising(bytes, codec)) {
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
