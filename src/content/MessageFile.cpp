#include "content/MessageFile.h"

#include <optional>
#include <utility>
#include <vector>

#include "content/TextLines.h"

namespace {

constexpr std::wstring_view kLineBreak = L"\r\n";
constexpr std::wstring_view kEscapedClose = L"] ";

std::wstring NextOrEmpty(LineReader& reader) { return reader.Next().value_or(std::wstring()); }

// Reads the message lines after "["; false when the file ended before "]".
bool ReadMessageBody(LineReader& reader, std::wstring& message) {
    bool first = true;
    while (std::optional<std::wstring> line = reader.Next()) {
        if (*line == kMessageClose) {
            return true;
        }
        if (!first) {
            message += kLineBreak;
        }
        message += *line;
        first = false;
    }
    return false;
}

void ReadSchedule(LineReader& reader, AlarmEntry& entry) {
    entry.DateUnit = NextOrEmpty(reader);
    entry.DateDetail = NextOrEmpty(reader);
    entry.TimeUnit = NextOrEmpty(reader);
    entry.TimeDetail = NextOrEmpty(reader);
}

void AppendMessageLines(std::vector<std::wstring>& lines, const std::wstring& message) {
    for (std::wstring& line : SplitTextLines(message)) {
        lines.push_back(line == kMessageClose ? std::wstring(kEscapedClose) : std::move(line));
    }
}

void AppendRecordLines(std::vector<std::wstring>& lines, const AlarmEntry& entry) {
    lines.push_back(entry.Subject);
    lines.push_back(entry.Sound.empty() ? std::wstring(kNoValue) : entry.Sound);
    lines.emplace_back(kMessageOpen);
    AppendMessageLines(lines, entry.Message);
    lines.emplace_back(kMessageClose);
    lines.push_back(entry.DateUnit);
    lines.push_back(entry.DateDetail);
    lines.push_back(entry.TimeUnit);
    lines.push_back(entry.TimeDetail);
}

}  // namespace

AlarmList ReadAlarmList(std::string_view bytes, const AnsiCodec& codec, TextFormat* format) {
    AlarmList list;
    LineReader reader(bytes, codec);
    while (std::optional<std::wstring> subject = reader.Next()) {
        AlarmEntry entry;
        entry.Subject = std::move(*subject);
        entry.Sound = NextOrEmpty(reader);
        const std::optional<std::wstring> open = reader.Next();
        const bool closed = !open || *open != kMessageOpen || ReadMessageBody(reader, entry.Message);
        if (closed) {
            ReadSchedule(reader, entry);
        }
        list.Append(std::move(entry));
    }
    if (format) *format = reader.Format();
    return list;
}

std::string WriteAlarmList(const AlarmList& list, const AnsiCodec& codec, const TextFormat& format) {
    std::vector<std::wstring> lines;
    for (const AlarmEntry& entry : list) {
        AppendRecordLines(lines, entry);
    }
    return EncodeTextFile(lines, codec, format);
}
