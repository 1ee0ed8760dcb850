// The program's one sound player, as the windows that ask for sounds see it.
#pragma once

#include <string>

#include "content/SoundTable.h"

class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    // A random file of the event's list; false when nothing started (a sound was
    // already playing, the list is empty or the file cannot be played).
    virtual bool PlayEventSound(SoundEvent event) = 0;
    virtual bool PlaySoundFile(const std::wstring& path) = 0;
    virtual bool SoundPlaying() const = 0;
    // Ends the sound now playing, if any.
    virtual void StopEventSound() = 0;
};
