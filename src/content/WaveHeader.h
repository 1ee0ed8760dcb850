// Checks a WAV file's headers before the system's player is handed the file: the
// player trusts the format header, and a damaged one can bring the whole process
// down. Only the headers are read, however long the file is.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

// The file as the check sees it. The check only asks for bytes inside Size().
class WaveFileReader {
public:
    virtual ~WaveFileReader() = default;
    virtual std::uint64_t Size() const = 0;
    // `count` bytes from `offset`; nullopt (or fewer bytes) when the read fails.
    virtual std::optional<std::string> Read(std::uint64_t offset, std::size_t count) = 0;
};

enum class WaveVerdict {
    Playable,
    NotWave,         // no RIFF header of the WAVE form
    BrokenChunk,     // a chunk runs past the end of the file or of its RIFF chunk
    NoFormat,        // no `fmt ` chunk before the sound data
    FormatTooSmall,  // the `fmt ` chunk (or its extra bytes) too small for its format
    UnknownFormat,   // a format the player cannot take
    BadFormat,       // values that are zero, out of range or contradict each other
    NoData,          // no sound data after the format (among the first kMaxWaveChunks chunks)
    Unreadable,      // a read failed
};

// Chunks walked before the sound data; a real file has a handful.
inline constexpr int kMaxWaveChunks = 64;

WaveVerdict CheckWave(WaveFileReader& file);
