#include "alarms/AlarmListRows.h"

#include <algorithm>
#include <utility>

#include "alarms/AlarmSchedule.h"

std::wstring RowTextOf(const AlarmEntry& entry, std::size_t column) {
    if (column >= kAlarmListColumns.size()) {
        return {};
    }
    const auto field = kAlarmListColumns[column].Field;
    return field != nullptr ? entry.*field : FormatSchedule(entry);
}

void AlarmRowOrder::Fill(const AlarmList& list) {
    m_rows.clear();
    m_rows.reserve(list.Count());
    for (const AlarmEntry& entry : list) {
        m_rows.push_back({m_sortKey(entry.Subject), entry});
    }
    std::stable_sort(m_rows.begin(), m_rows.end(), [](const Row& a, const Row& b) { return a.key < b.key; });
}

std::size_t AlarmRowOrder::Insert(const AlarmEntry& entry) {
    Row row{m_sortKey(entry.Subject), entry};
    const auto at = std::upper_bound(m_rows.begin(), m_rows.end(), row.key,
                                     [](const std::string& key, const Row& other) { return key < other.key; });
    const auto inserted = m_rows.insert(at, std::move(row));
    return static_cast<std::size_t>(inserted - m_rows.begin());
}

void AlarmRowOrder::Replace(std::size_t row, const AlarmEntry& entry) {
    if (row < m_rows.size()) {
        m_rows[row].entry = entry;
    }
}

void AlarmRowOrder::Remove(std::size_t row) {
    if (row < m_rows.size()) {
        m_rows.erase(m_rows.begin() + static_cast<std::ptrdiff_t>(row));
    }
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
