// One alarm ("アラームとメッセージ") and the ordered list of alarms.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Words stored in the unit fields, and the text that stands for "no value".
inline constexpr std::wstring_view kDateUnitYearly = L"毎年";
inline constexpr std::wstring_view kDateUnitMonthly = L"毎月";
inline constexpr std::wstring_view kDateUnitWeekly = L"毎週";
inline constexpr std::wstring_view kDateUnitDaily = L"毎日";
inline constexpr std::wstring_view kTimeUnitAtTime = L"指定の時刻";
inline constexpr std::wstring_view kTimeUnitHourly = L"毎時";
inline constexpr std::wstring_view kNoValue = L"NULL";

struct AlarmEntry {
    std::wstring Subject;
    std::wstring Sound;    // WAV path, or "NULL" for the general alarm sound
    std::wstring Message;  // lines joined by CR LF
    std::wstring DateUnit;
    std::wstring DateDetail;  // "M/D", "D", weekday "0".."6", or "NULL"
    std::wstring TimeUnit;
    std::wstring TimeDetail;  // "H:M" or the minute

    friend bool operator==(const AlarmEntry&, const AlarmEntry&) = default;
};

// An empty Sound, like "NULL", plays the general alarm sound.
inline bool HasOwnSound(const AlarmEntry& entry) { return !entry.Sound.empty() && entry.Sound != kNoValue; }

// An ordered list of alarm copies with stable positions (0 is the head).
class AlarmList {
public:
    AlarmList() = default;

    std::size_t Count() const { return m_entries.size(); }
    bool IsEmpty() const { return m_entries.empty(); }

    // Throws std::out_of_range when index >= Count(); callers check first.
    const AlarmEntry& At(std::size_t index) const { return m_entries.at(index); }

    // Return false and change nothing when index >= Count().
    bool Replace(std::size_t index, AlarmEntry entry);
    bool RemoveAt(std::size_t index);

    void Append(AlarmEntry entry) { m_entries.push_back(std::move(entry)); }
    void RemoveAll() { m_entries.clear(); }

    auto begin() const { return m_entries.begin(); }
    auto end() const { return m_entries.end(); }

    friend bool operator==(const AlarmList&, const AlarmList&) = default;

private:
    std::vector<AlarmEntry> m_entries;
};
