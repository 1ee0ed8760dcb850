// The event sound table and its file, Sound.ini.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "content/TextFile.h"

// In the order of the sections of Sound.ini.
enum class SoundEvent { Boot, Exit, Time, Away, Alarm, Return, Minimize, Restore, Update };

inline constexpr std::size_t kSoundEventCount = 9;

inline constexpr std::array<SoundEvent, kSoundEventCount> kSoundEvents = {
    SoundEvent::Boot,   SoundEvent::Exit,     SoundEvent::Time,    SoundEvent::Away,   SoundEvent::Alarm,
    SoundEvent::Return, SoundEvent::Minimize, SoundEvent::Restore, SoundEvent::Update,
};

// The section header of an event, e.g. "[Boot]".
std::wstring_view SoundEventHeader(SoundEvent event);

// Nine lists of WAV paths, one per event.
class SoundTable {
public:
    std::vector<std::wstring>& List(SoundEvent event) { return m_lists[Index(event)]; }
    const std::vector<std::wstring>& List(SoundEvent event) const { return m_lists[Index(event)]; }

    friend bool operator==(const SoundTable&, const SoundTable&) = default;

private:
    static std::size_t Index(SoundEvent event) { return static_cast<std::size_t>(event); }

    std::array<std::vector<std::wstring>, kSoundEventCount> m_lists;
};

// The first line is taken to be "[Boot]" whatever it holds. Each list then
// runs until the header of the next event in table order; a header met out of
// order is a path of the current list.
// The form the file was stored in goes to `format` when one is given.
SoundTable ReadSoundTable(std::string_view bytes, const AnsiCodec& codec, TextFormat* format = nullptr);
std::string WriteSoundTable(const SoundTable& table, const AnsiCodec& codec, const TextFormat& format = {});
