#include "content/AlarmEntry.h"

#include <iterator>
#include <utility>

bool AlarmList::Replace(std::size_t index, AlarmEntry entry) {
    if (index >= m_entries.size()) {
        return false;
    }
    m_entries[index] = std::move(entry);
    return true;
}

bool AlarmList::RemoveAt(std::size_t index) {
    if (index >= m_entries.size()) {
        return false;
    }
    m_entries.erase(std::next(m_entries.begin(), static_cast<std::ptrdiff_t>(index)));
    return true;
}
