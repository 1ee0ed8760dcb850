// What a message window may ask of the clock that opened it: the program's one sound
// player, and an alarm's page shown again later.
#pragma once

#include "content/AlarmEntry.h"
#include "content/SoundPlayer.h"

class MessageWindowHost : public SoundPlayer {
public:
    // Opens the alarm's page again after `minutes`, in a window of its own, with its
    // sound, marked as snoozed. Nothing is saved: a snooze still pending when the clock
    // exits is lost. False when it could not be set (already told to the user).
    virtual bool Snooze(const AlarmEntry& entry, int minutes) = 0;
};
