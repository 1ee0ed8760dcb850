#include "content/TextCodec.h"

#include <algorithm>
#include <cstdint>
#include <type_traits>
#include <utility>

namespace {

constexpr char32_t kMaxCodePoint = 0x10FFFF;

bool IsSurrogate(char32_t c) { return c >= 0xD800 && c <= 0xDFFF; }
bool IsHighSurrogate(char32_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(char32_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// Length of the sequence a lead byte starts and the allowed range of the
// byte after it; length 0 for a byte that cannot start a sequence.
struct LeadInfo {
    int Length;
    unsigned char Low;
    unsigned char High;
};

LeadInfo ReadLead(unsigned char b) {
    if (b >= 0xC2 && b <= 0xDF) return {2, 0x80, 0xBF};
    if (b == 0xE0) return {3, 0xA0, 0xBF};
    if (b == 0xED) return {3, 0x80, 0x9F};
    if (b >= 0xE1 && b <= 0xEF) return {3, 0x80, 0xBF};
    if (b == 0xF0) return {4, 0x90, 0xBF};
    if (b >= 0xF1 && b <= 0xF3) return {4, 0x80, 0xBF};
    if (b == 0xF4) return {4, 0x80, 0x8F};
    return {0, 0, 0};
}

constexpr unsigned char kLeadMask[5] = {0, 0, 0x1F, 0x0F, 0x07};

template <typename CharT>
void AppendCodePoint(std::basic_string<CharT>& out, char32_t c) {
    if constexpr (sizeof(CharT) == 2) {
        if (c > 0xFFFF) {
            c -= 0x10000;
            out.push_back(static_cast<CharT>(0xD800 + (c >> 10)));
            out.push_back(static_cast<CharT>(0xDC00 + (c & 0x3FF)));
            return;
        }
    }
    out.push_back(static_cast<CharT>(c));
}

// The sequence at bytes[pos]: a valid one gives its code point and length; an
// invalid one gives the length of its maximal invalid part (at least one).
struct Sequence {
    char32_t value;
    std::size_t length;
    bool valid;
};

Sequence ReadSequence(std::string_view bytes, std::size_t pos) {
    const auto lead = static_cast<unsigned char>(bytes[pos]);
    if (lead < 0x80) return {lead, 1, true};
    const LeadInfo info = ReadLead(lead);
    if (info.Length == 0) return {0, 1, false};
    char32_t c = lead & kLeadMask[info.Length];
    unsigned char low = info.Low;
    unsigned char high = info.High;
    for (int i = 1; i < info.Length; ++i) {
        const std::size_t at = pos + static_cast<std::size_t>(i);
        if (at >= bytes.size()) return {0, at - pos, false};
        const auto b = static_cast<unsigned char>(bytes[at]);
        if (b < low || b > high) return {0, at - pos, false};
        c = (c << 6) | (b & 0x3F);
        low = 0x80;
        high = 0xBF;
    }
    return {c, static_cast<std::size_t>(info.Length), true};
}

template <typename CharT>
std::basic_string<CharT> DecodeUtf8(std::string_view bytes) {
    std::basic_string<CharT> out;
    out.reserve(bytes.size());
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        const Sequence sequence = ReadSequence(bytes, pos);
        AppendCodePoint(out, sequence.valid ? sequence.value : kReplacementChar);
        pos += sequence.length;
    }
    return out;
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c > kMaxCodePoint || IsSurrogate(c)) {
        c = kReplacementChar;
    }
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (c >> 18)));
        out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

// The character at text[i] and the units it takes: a surrogate pair of 16-bit
// units is one character; anything else, an unpaired surrogate included, is one unit.
template <typename CharT>
std::pair<char32_t, std::size_t> CharacterAt(std::basic_string_view<CharT> text, std::size_t i) {
    // Through the unsigned type of the same width: wchar_t may be signed.
    using Unit = std::conditional_t<sizeof(CharT) == 2, std::uint16_t, std::uint32_t>;
    const char32_t c = static_cast<Unit>(text[i]);
    if constexpr (sizeof(CharT) == 2) {
        if (IsHighSurrogate(c) && i + 1 < text.size()) {
            const char32_t next = static_cast<Unit>(text[i + 1]);
            if (IsLowSurrogate(next)) return {0x10000 + ((c - 0xD800) << 10) + (next - 0xDC00), 2};
        }
    }
    return {c, 1};
}

template <typename CharT>
std::string EncodeUtf8(std::basic_string_view<CharT> text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto [c, units] = CharacterAt(text, i);
        AppendUtf8(out, c);
        i += units;
    }
    return out;
}

bool IsEscape(char32_t c) { return IsEscapedByte(static_cast<wchar_t>(c)) && c <= 0xFFFF; }

// Decodes a piece of a code page 932 line when the codec gives it back byte for byte.
std::optional<std::wstring> DecodeExactly(std::string_view piece, const AnsiCodec& codec) {
    std::wstring text = codec.Decode(piece);
    if (text.empty() || HasEscapedBytes(text)) return std::nullopt;
    std::optional<std::string> back = codec.Encode(text);
    if (!back || *back != piece) return std::nullopt;
    return text;
}

// A byte in a line of code page 932 that the codec does not give back: bytes
// below 0x80 are their ASCII characters, the others travel as escapes.
wchar_t StandInFor(char byte) {
    const auto b = static_cast<unsigned char>(byte);
    return b < 0x80 ? static_cast<wchar_t>(b) : EscapeByte(b);
}

}  // namespace

std::u16string Utf8ToUtf16(std::string_view bytes) { return DecodeUtf8<char16_t>(bytes); }
std::u32string Utf8ToUtf32(std::string_view bytes) { return DecodeUtf8<char32_t>(bytes); }
std::wstring Utf8ToWide(std::string_view bytes) { return DecodeUtf8<wchar_t>(bytes); }

std::string Utf16ToUtf8(std::u16string_view text) { return EncodeUtf8(text); }
std::string Utf32ToUtf8(std::u32string_view text) { return EncodeUtf8(text); }
std::string WideToUtf8(std::wstring_view text) { return EncodeUtf8(text); }

bool HasEscapedBytes(std::wstring_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto [c, units] = CharacterAt(text, i);
        if (IsEscape(c)) return true;
        i += units;
    }
    return false;
}

std::wstring DecodeAnsiLine(std::string_view bytes, const AnsiCodec& codec) {
    if (bytes.empty()) return {};
    if (std::optional<std::wstring> whole = DecodeExactly(bytes, codec)) return std::move(*whole);
    // Character by character: two bytes where they make a character that comes
    // back whole, else one, else the byte stands for itself.
    std::wstring out;
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        std::size_t taken = 0;
        for (std::size_t length : {std::size_t{2}, std::size_t{1}}) {
            if (pos + length > bytes.size()) continue;
            if (std::optional<std::wstring> piece = DecodeExactly(bytes.substr(pos, length), codec)) {
                out += *piece;
                taken = length;
                break;
            }
        }
        if (taken == 0) {
            out.push_back(StandInFor(bytes[pos]));
            taken = 1;
        }
        pos += taken;
    }
    return out;
}

std::optional<std::string> EncodeAnsiLine(std::wstring_view text, const AnsiCodec& codec) {
    std::string out;
    std::size_t runStart = 0;
    auto flushRun = [&](std::size_t end) {
        if (end == runStart) return true;
        std::optional<std::string> bytes = codec.Encode(text.substr(runStart, end - runStart));
        if (!bytes || bytes->empty()) return false;
        out += *bytes;
        return true;
    };
    for (std::size_t i = 0; i < text.size();) {
        const auto [c, units] = CharacterAt(text, i);
        if (IsEscape(c)) {
            if (!flushRun(i)) return std::nullopt;
            out.push_back(UnescapeByte(static_cast<wchar_t>(c)));
            runStart = i + units;
        }
        i += units;
    }
    if (!flushRun(text.size())) return std::nullopt;
    if (out.find_first_of("\r\n") != std::string::npos || DecodeAnsiLine(out, codec) != text) return std::nullopt;
    return out;
}

std::wstring DecodeUtf8Line(std::string_view bytes) {
    std::wstring out;
    out.reserve(bytes.size());
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        const Sequence sequence = ReadSequence(bytes, pos);
        if (sequence.valid) {
            AppendCodePoint(out, sequence.value);
            pos += sequence.length;
        } else {
            out.push_back(EscapeByte(static_cast<unsigned char>(bytes[pos])));
            ++pos;
        }
    }
    return out;
}

std::string EncodeUtf8Line(std::wstring_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto [c, units] = CharacterAt(text, i);
        if (IsEscape(c))
            out.push_back(UnescapeByte(static_cast<wchar_t>(c)));
        else
            AppendUtf8(out, c);
        i += units;
    }
    return out;
}

bool IsValidUtf8(std::string_view bytes) {
    for (std::size_t pos = 0; pos < bytes.size();) {
        const Sequence sequence = ReadSequence(bytes, pos);
        if (!sequence.valid) return false;
        pos += sequence.length;
    }
    return true;
}

bool IsValidUtf16(std::u16string_view units) {
    for (std::size_t i = 0; i < units.size();) {
        const auto [c, count] = CharacterAt(units, i);
        if (IsSurrogate(c)) return false;
        i += count;
    }
    return true;
}

std::u16string WideToUnits(std::wstring_view text) {
    std::u16string units;
    units.reserve(text.size());
    for (wchar_t c : text) AppendCodePoint(units, static_cast<char32_t>(c));
    return units;
}

std::wstring UnitsToWide(std::u16string_view units) {
    if constexpr (sizeof(wchar_t) == 2) {
        return std::wstring(units.begin(), units.end());
    } else {
        std::wstring text;
        text.reserve(units.size());
        for (std::size_t i = 0; i < units.size();) {
            const auto [c, count] = CharacterAt(units, i);
            text.push_back(static_cast<wchar_t>(c));
            i += count;
        }
        return text;
    }
}
