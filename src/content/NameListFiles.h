// Illust.ini (illustration names) and Show.ini (shown flags).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "content/TextFile.h"

// One name per line, in illustration order. The form the file was stored in goes to
// `format` when one is given, here and below.
std::vector<std::wstring> ReadIllustNames(std::string_view bytes, const AnsiCodec& codec, TextFormat* format = nullptr);
std::string WriteIllustNames(const std::vector<std::wstring>& names, const AnsiCodec& codec,
                             const TextFormat& format = {});

// The decimal value of every line (0 for a line without leading digits).
// 1 means the illustration takes part in random changes.
std::vector<int> ReadShownFlags(std::string_view bytes, const AnsiCodec& codec, TextFormat* format = nullptr);
std::string WriteShownFlags(const std::vector<int>& flags, const AnsiCodec& codec, const TextFormat& format);
// The flags of a file in the plain form: digits, one line each.
std::string WriteShownFlags(const std::vector<int>& flags);

inline constexpr int kShown = 1;

// Makes the flags as many as the names: missing flags are 1, extra ones go.
void FitShownFlags(std::vector<int>& flags, std::size_t nameCount);
