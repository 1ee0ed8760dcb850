// Everything the options sheet edits, handed from the clock to the sheet and back.
// Each page takes its own part; the parts of pages not in the sheet pass through.
#pragma once

#include <string>
#include <vector>

#include "content/AlarmEntry.h"
#include "content/ClockSettings.h"
#include "content/SoundTable.h"

struct OptionValues {
    ClockSettings settings;
    int illustrationIndex = 0;  // the picture the clock shows now
    std::vector<std::wstring> illustrationNames;
    std::vector<int> shownFlags;
    SoundTable sounds;
    AlarmList alarms;
    // The file of a list that could not be read, or empty: its page says so in place
    // of the list and offers no edit that would save over the file.
    std::wstring unreadableFlagsFile;
    std::wstring unreadableSoundsFile;
    std::wstring unreadableAlarmsFile;
};

// The settings the options change: every one but the window states (TopMost, Minimize),
// which belong to the window's own commands.
void TakeEditedSettings(ClockSettings& current, const ClockSettings& edited);
