// Rows of the alarm list page: their columns, icons, and the entries they stand for.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "content/AlarmEntry.h"

struct AlarmListColumn {
    std::wstring_view Header;
    int Width;                        // pixels; 0 keeps the column as hidden storage
    std::wstring AlarmEntry::*Field;  // null for the display text of the schedule
};

inline constexpr std::array<AlarmListColumn, 8> kAlarmListColumns = {{
    {L"件名", 200, &AlarmEntry::Subject},
    {L"表示日時", 160, nullptr},
    {L"アラーム", 0, &AlarmEntry::Sound},
    {L"メッセージ", 0, &AlarmEntry::Message},
    {L"日付の単位", 0, &AlarmEntry::DateUnit},
    {L"時刻の単位", 0, &AlarmEntry::TimeUnit},
    {L"日付の詳細", 0, &AlarmEntry::DateDetail},
    {L"時刻の詳細", 0, &AlarmEntry::TimeDetail},
}};

using AlarmRowTexts = std::array<std::wstring, kAlarmListColumns.size()>;

// The texts of a row, column by column.
AlarmRowTexts RowTextsOf(const AlarmEntry& entry);

// The record a row stands for, read back from its texts.
AlarmEntry EntryOfRow(const AlarmRowTexts& texts);

// Images of the alarm icon list.
enum AlarmImage : int {
    kAlarmImageWindow = 0,
    kAlarmImageSound = 1,
    kAlarmImageMessage = 2,
    kAlarmImageSoundAndMessage = 3,
};

// A message without an own sound shows the balloon, whatever its text; an own
// sound shows the loudspeaker, with the balloon when there is a message too.
AlarmImage RowImageOf(const AlarmEntry& entry);

// Positions of every entry equal to the row's record in all seven fields, in list order.
std::vector<std::size_t> FindRowEntries(const AlarmList& list, const AlarmEntry& row);

// The first of them.
std::optional<std::size_t> FindRowEntry(const AlarmList& list, const AlarmEntry& row);

// The question that Delete asks.
std::wstring DeleteQuestion(std::wstring_view subject);
