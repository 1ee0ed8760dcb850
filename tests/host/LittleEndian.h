// The bytes of a number as file headers store it: least significant first.
#pragma once
#include <cstdint>
#include <string>

inline std::string Le(std::uint32_t value, int size) {
    std::string bytes;
    for (int i = 0; i < size; ++i) bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
    return bytes;
}
