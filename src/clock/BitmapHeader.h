// Checks a bitmap file's headers before the system is asked to load it, so that a
// damaged or hostile picture gives the fallback picture instead of a crash or a
// huge allocation.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

// The largest picture side drawn; the window itself is 165 x 422.
inline constexpr int kMaxPictureSide = 4096;
// The file header and the largest information header.
inline constexpr std::size_t kBitmapHeadSize = 14 + 124;

// Whether `head` (the first bytes of a file of `fileSize` bytes) describes an
// uncompressed, run-length or bit-field bitmap of at most kMaxPictureSide pixels a
// side whose palette and pixels the file really holds.
bool IsDrawableBitmap(std::string_view head, std::uint64_t fileSize);
