// Numbers in the text of the data files.
#pragma once

#include <optional>
#include <string_view>

// The value of a decimal prefix: leading blanks skipped, an optional sign, the
// leading digits; 0 when there are no digits. Values beyond the range of int
// saturate at INT_MIN / INT_MAX.
int ReadDecimalPrefix(std::wstring_view text);

// A whole number typed into a box: digits only, blanks around them allowed, no
// larger than INT_MAX; nullopt for an empty text or anything else.
std::optional<int> ReadWholeNumber(std::wstring_view text);
