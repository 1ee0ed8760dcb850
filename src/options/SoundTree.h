// The sound page's tree without its window: the nine events in the page's order,
// each with its files sorted below it, and the page's own copy of the sound table.
// An item is known by its place: an event alone, or an event and a file position.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "content/SoundTable.h"

struct SoundTreeEvent {
    SoundEvent event;
    const wchar_t* title;
};

// The events as the page lists them, which is not the order of Sound.ini.
extern const std::array<SoundTreeEvent, kSoundEventCount> kSoundTreeEvents;

struct SoundTreeItem {
    std::size_t event = 0;            // position among the nine event items
    std::optional<std::size_t> file;  // position below the event; none for the event item
};

// Display order of files: case-insensitive for ASCII letters; equal names keep the
// order they were added in.
bool SoundFileSortsBefore(const std::wstring& a, const std::wstring& b);

class SoundTree {
public:
    explicit SoundTree(SoundTable table = {});

    const SoundTable& Table() const { return m_table; }
    // The files below an event item, in display order.
    const std::vector<std::wstring>& Files(std::size_t event) const { return m_shown[event]; }
    // The text of an item: the event's title or the file's path as stored.
    std::wstring Text(const SoundTreeItem& item) const;
    bool Exists(const SoundTreeItem& item) const;

    // Appends the path to the list of the selected item's event; returns the new item.
    SoundTreeItem Add(const SoundTreeItem& selected, const std::wstring& path);
    // Removes a file item and the first equal entry of its event's list; false for an
    // event item or an item that is not there.
    bool Clear(const SoundTreeItem& item);

private:
    SoundTable m_table;
    std::array<std::vector<std::wstring>, kSoundEventCount> m_shown;
};

// The enabled states of the page's clear, play and stop buttons.
struct SoundButtons {
    bool clear = false;
    bool play = false;
    bool stop = false;
    friend bool operator==(const SoundButtons&, const SoundButtons&) = default;
};

// After the selection changed: clear follows the selection; while a sound plays,
// play and stop keep their state.
SoundButtons ButtonsForSelection(const SoundButtons& current, bool fileSelected, bool playing);
// A test starts (testing) or ends (idle); play is only offered for a file item.
SoundButtons TestingButtons(bool fileSelected);
SoundButtons IdleButtons(bool fileSelected);

// How a chosen sound file is stored: a file inside the program folder (which ends
// with a backslash) as its path relative to that folder, any other path as it is.
std::wstring StoredSoundPath(const std::wstring& programFolder, const std::wstring& chosen);
