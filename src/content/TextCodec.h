// Encodings of the data files: code page 932 by default, UTF-8 after a
// byte-order mark.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The ANSI side of the data files (code page 932). The program implements it
// over the platform's conversion functions; tests bring their own. Neither
// function is called with empty input.
class AnsiCodec {
public:
    virtual ~AnsiCodec() = default;

    // Bytes of one line (no CR or LF among them). Never fails:
    // a byte sequence that is not valid becomes U+FFFD.
    virtual std::wstring Decode(std::string_view bytes) const = 0;

    // nullopt when any character has no exact mapping.
    virtual std::optional<std::string> Encode(std::wstring_view text) const = 0;
};

inline constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
inline constexpr char32_t kReplacementChar = 0xFFFD;

// UTF-8 with invalid sequences (overlong forms, surrogates, values past
// U+10FFFF, cut sequences) each replaced by U+FFFD. Code points past U+FFFF
// become surrogate pairs in 16-bit units.
std::u16string Utf8ToUtf16(std::string_view bytes);
std::u32string Utf8ToUtf32(std::string_view bytes);
std::wstring Utf8ToWide(std::string_view bytes);

// A lone surrogate or a value past U+10FFFF is written as U+FFFD.
std::string Utf16ToUtf8(std::u16string_view text);
std::string Utf32ToUtf8(std::u32string_view text);
std::string WideToUtf8(std::wstring_view text);

// The lines of a data file as bytes: in code page 932 when every line encodes
// and decodes back exactly, otherwise UTF-8 after a byte-order mark. Each line
// ends with CR LF; a line break inside a line is written as one space.
std::string EncodeTextFile(const std::vector<std::wstring>& lines, const AnsiCodec& codec);
