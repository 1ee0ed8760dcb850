#include "content/TextCodec.h"

#include <algorithm>
#include <cstdint>
#include <type_traits>
#include <utility>

namespace {

constexpr char32_t kMaxCodePoint = 0x10FFFF;

bool IsSurrogate(char32_t c) { return c >= 0xD800 && c <= 0xDFFF; }

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

// Reads one sequence at bytes[pos]; returns the code point (U+FFFD for a
// maximal invalid part) and advances pos by at least one.
char32_t DecodeOne(std::string_view bytes, std::size_t& pos) {
    const auto lead = static_cast<unsigned char>(bytes[pos]);
    if (lead < 0x80) {
        ++pos;
        return lead;
    }
    const LeadInfo info = ReadLead(lead);
    if (info.Length == 0) {
        ++pos;
        return kReplacementChar;
    }
    char32_t c = lead & kLeadMask[info.Length];
    unsigned char low = info.Low;
    unsigned char high = info.High;
    for (int i = 1; i < info.Length; ++i) {
        const std::size_t at = pos + static_cast<std::size_t>(i);
        if (at >= bytes.size()) {
            pos = at;
            return kReplacementChar;
        }
        const auto b = static_cast<unsigned char>(bytes[at]);
        if (b < low || b > high) {
            pos = at;
            return kReplacementChar;
        }
        c = (c << 6) | (b & 0x3F);
        low = 0x80;
        high = 0xBF;
    }
    pos += static_cast<std::size_t>(info.Length);
    return c;
}

template <typename CharT>
std::basic_string<CharT> DecodeUtf8(std::string_view bytes) {
    std::basic_string<CharT> out;
    out.reserve(bytes.size());
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        AppendCodePoint(out, DecodeOne(bytes, pos));
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

template <typename CharT>
std::string EncodeUtf8(std::basic_string_view<CharT> text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        // Through the unsigned type of the same width: wchar_t may be signed.
        using Unit = std::conditional_t<sizeof(CharT) == 2, std::uint16_t, std::uint32_t>;
        char32_t c = static_cast<Unit>(text[i]);
        if constexpr (sizeof(CharT) == 2) {
            const bool high = c >= 0xD800 && c <= 0xDBFF;
            if (high && i + 1 < text.size()) {
                const char32_t next = static_cast<Unit>(text[i + 1]);
                if (next >= 0xDC00 && next <= 0xDFFF) {
                    c = 0x10000 + ((c - 0xD800) << 10) + (next - 0xDC00);
                    ++i;
                }
            }
        }
        AppendUtf8(out, c);
    }
    return out;
}

template <typename CharT>
bool ContainsLineBreak(std::basic_string_view<CharT> text) {
    using Traits = std::char_traits<CharT>;
    return Traits::find(text.data(), text.size(), CharT('\r')) != nullptr ||
           Traits::find(text.data(), text.size(), CharT('\n')) != nullptr;
}

bool HasLineBreak(const std::wstring& text) { return ContainsLineBreak<wchar_t>(text); }

// CR LF, a bare CR and a bare LF each become one space.
std::wstring FlattenLineBreaks(std::wstring_view text) {
    std::wstring out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'\r' || text[i] == L'\n') {
            if (text[i] == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n') {
                ++i;
            }
            out.push_back(L' ');
        } else {
            out.push_back(text[i]);
        }
    }
    return out;
}

std::optional<std::string> EncodeAnsiLine(const std::wstring& line, const AnsiCodec& codec) {
    if (line.empty()) {
        return std::string();
    }
    std::optional<std::string> bytes = codec.Encode(line);
    if (!bytes || bytes->empty() || ContainsLineBreak<char>(*bytes) || codec.Decode(*bytes) != line) {
        return std::nullopt;
    }
    return bytes;
}

std::optional<std::string> EncodeAnsiFile(const std::vector<std::wstring>& lines, const AnsiCodec& codec) {
    std::string out;
    for (const std::wstring& line : lines) {
        std::optional<std::string> bytes = EncodeAnsiLine(line, codec);
        if (!bytes) {
            return std::nullopt;
        }
        out += *bytes;
        out += "\r\n";
    }
    // Such a file would read back as UTF-8.
    if (out.starts_with(kUtf8Bom)) {
        return std::nullopt;
    }
    return out;
}

std::string EncodeUtf8File(const std::vector<std::wstring>& lines) {
    std::string out(kUtf8Bom);
    for (const std::wstring& line : lines) {
        out += WideToUtf8(line);
        out += "\r\n";
    }
    return out;
}

}  // namespace

std::u16string Utf8ToUtf16(std::string_view bytes) { return DecodeUtf8<char16_t>(bytes); }
std::u32string Utf8ToUtf32(std::string_view bytes) { return DecodeUtf8<char32_t>(bytes); }
std::wstring Utf8ToWide(std::string_view bytes) { return DecodeUtf8<wchar_t>(bytes); }

std::string Utf16ToUtf8(std::u16string_view text) { return EncodeUtf8(text); }
std::string Utf32ToUtf8(std::u32string_view text) { return EncodeUtf8(text); }
std::string WideToUtf8(std::wstring_view text) { return EncodeUtf8(text); }

std::string EncodeTextFile(const std::vector<std::wstring>& lines, const AnsiCodec& codec) {
    std::vector<std::wstring> flattened;
    const bool needsFlattening = std::any_of(lines.begin(), lines.end(), HasLineBreak);
    if (needsFlattening) {
        flattened.reserve(lines.size());
        for (const std::wstring& line : lines) {
            flattened.push_back(FlattenLineBreaks(line));
        }
    }
    const std::vector<std::wstring>& source = needsFlattening ? flattened : lines;
    if (std::optional<std::string> ansi = EncodeAnsiFile(source, codec)) {
        return std::move(*ansi);
    }
    return EncodeUtf8File(source);
}
