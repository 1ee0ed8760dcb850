// Rows of the alarm list page: their columns, icons, and the entries they stand for.
#pragma once

#include <array>
#include <cstddef>
#include <functional>
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

// The text a row shows in a column (empty for a column beyond the table).
std::wstring RowTextOf(const AlarmEntry& entry, std::size_t column);

// The rows of the alarm list in the order they show: ascending by a sort key of the
// subject, rows with equal keys in list order. A row added goes after the rows equal
// to it; a row edited keeps its place (and the key it was placed by) until the rows
// are filled again. Filling sorts once; adding, editing and removing touch one row.
class AlarmRowOrder {
public:
    using SortKey = std::function<std::string(const std::wstring& subject)>;
    explicit AlarmRowOrder(SortKey sortKey) : m_sortKey(std::move(sortKey)) {}

    void Fill(const AlarmList& list);
    std::size_t Insert(const AlarmEntry& entry);  // the row it went to
    void Replace(std::size_t row, const AlarmEntry& entry);
    void Remove(std::size_t row);

    std::size_t Count() const { return m_rows.size(); }
    const AlarmEntry& At(std::size_t row) const { return m_rows[row].entry; }

private:
    struct Row {
        std::string key;
        AlarmEntry entry;
    };
    SortKey m_sortKey;
    std::vector<Row> m_rows;
};

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
