#include "content/DecimalText.h"

#include <climits>
#include <cstdint>

namespace {

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\n' || c == L'\v' || c == L'\f' || c == L'\r'; }

bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

// One past INT_MAX in magnitude is enough to saturate in both directions.
constexpr std::int64_t kMagnitudeCap = static_cast<std::int64_t>(INT_MAX) + 1;

}  // namespace

int ReadDecimalPrefix(std::wstring_view text) {
    std::size_t pos = 0;
    while (pos < text.size() && IsBlank(text[pos])) {
        ++pos;
    }
    bool negative = false;
    if (pos < text.size() && (text[pos] == L'+' || text[pos] == L'-')) {
        negative = text[pos] == L'-';
        ++pos;
    }
    std::int64_t magnitude = 0;
    for (; pos < text.size() && IsDigit(text[pos]); ++pos) {
        magnitude = magnitude * 10 + (text[pos] - L'0');
        if (magnitude > kMagnitudeCap) {
            magnitude = kMagnitudeCap;
        }
    }
    if (negative) {
        return static_cast<int>(-magnitude);  // -kMagnitudeCap is INT_MIN
    }
    return magnitude > INT_MAX ? INT_MAX : static_cast<int>(magnitude);
}

std::optional<int> ReadWholeNumber(std::wstring_view text) {
    std::size_t first = 0;
    while (first < text.size() && IsBlank(text[first])) {
        ++first;
    }
    std::size_t end = text.size();
    while (end > first && IsBlank(text[end - 1])) {
        --end;
    }
    if (first == end) {
        return std::nullopt;
    }
    std::int64_t value = 0;
    for (std::size_t pos = first; pos < end; ++pos) {
        if (!IsDigit(text[pos])) {
            return std::nullopt;
        }
        value = value * 10 + (text[pos] - L'0');
        if (value > INT_MAX) {
            return std::nullopt;
        }
    }
    return static_cast<int>(value);
}
