// What the clock keeps of a data file that it writes back.
#pragma once

#include "content/TextFile.h"

struct DataFileRecord {
    TextFormat format;  // the form the file was read in, to write it back the same way
    // The file could not be read at start: its content is unknown, so it is not
    // written over in this run unless the user gives it new content.
    bool keepUntouched = false;
};

// Takes a list the user edited: the file is written again once the list changed.
template <typename List>
void TakeEditedList(List& current, List edited, DataFileRecord& record) {
    if (edited == current) return;
    current = std::move(edited);
    record.keepUntouched = false;
}
