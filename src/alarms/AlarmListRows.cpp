#include "alarms/AlarmListRows.h"

#include "alarms/AlarmSchedule.h"

AlarmRowTexts RowTextsOf(const AlarmEntry& entry) {
    AlarmRowTexts texts;
    for (std::size_t column = 0; column < kAlarmListColumns.size(); ++column) {
        const auto field = kAlarmListColumns[column].Field;
        texts[column] = field != nullptr ? entry.*field : FormatSchedule(entry);
    }
    return texts;
}

AlarmEntry EntryOfRow(const AlarmRowTexts& texts) {
    AlarmEntry entry;
    for (std::size_t column = 0; column < kAlarmListColumns.size(); ++column) {
        if (const auto field = kAlarmListColumns[column].Field) {
            entry.*field = texts[column];
        }
    }
    return entry;
}

AlarmImage RowImageOf(const AlarmEntry& entry) {
    if (!HasOwnSound(entry)) {
        return kAlarmImageMessage;
    }
    return entry.Message.empty() ? kAlarmImageSound : kAlarmImageSoundAndMessage;
}

std::vector<std::size_t> FindRowEntries(const AlarmList& list, const AlarmEntry& row) {
    std::vector<std::size_t> positions;
    std::size_t position = 0;
    for (const AlarmEntry& entry : list) {
        if (entry == row) {
            positions.push_back(position);
        }
        ++position;
    }
    return positions;
}

std::optional<std::size_t> FindRowEntry(const AlarmList& list, const AlarmEntry& row) {
    std::size_t position = 0;
    for (const AlarmEntry& entry : list) {
        if (entry == row) {
            return position;
        }
        ++position;
    }
    return std::nullopt;
}

std::wstring DeleteQuestion(std::wstring_view subject) {
    std::wstring text = L"'";
    text.append(subject).append(L"' を削除しますか?");
    return text;
}
