// Text conversions of the data files: UTF-8 and UTF-16, and lines of code page 932 or UTF-8
// that carry undecodable bytes through unchanged.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/AnsiCodec.h"

inline constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
inline constexpr char32_t kReplacementChar = 0xFFFD;

// UTF-8 with invalid sequences (overlong forms, surrogates, values past
// U+10FFFF, cut sequences) each replaced by U+FFFD. Code points past U+FFFF
// become surrogate pairs in 16-bit units.
std::u16string Utf8ToUtf16(std::string_view bytes);
std::u32string Utf8ToUtf32(std::string_view bytes);
std::wstring Utf8ToWide(std::string_view bytes);

// A lone surrogate (an escaped byte included) or a value past U+10FFFF is written
// as U+FFFD, so that the bytes are always valid UTF-8.
std::string Utf16ToUtf8(std::u16string_view text);
std::string Utf32ToUtf8(std::u32string_view text);
std::string WideToUtf8(std::wstring_view text);

// A byte from 0x80 up that decodes in no way travels through the text as the lone
// surrogate U+DC00 + byte, which no line decoded from code page 932 or UTF-8
// otherwise holds, and is written back as that byte.
inline constexpr wchar_t kEscapeBase = 0xDC00;
constexpr bool IsEscapedByte(wchar_t c) { return c >= kEscapeBase + 0x80 && c <= kEscapeBase + 0xFF; }
constexpr wchar_t EscapeByte(unsigned char b) { return static_cast<wchar_t>(kEscapeBase + b); }
constexpr char UnescapeByte(wchar_t c) { return static_cast<char>(c - kEscapeBase); }

// One line of code page 932 (no CR or LF): every character whose bytes decode and
// encode back to themselves, every other byte escaped, so that for any bytes
// EncodeAnsiLine(DecodeAnsiLine(bytes)) gives the bytes again.
std::wstring DecodeAnsiLine(std::string_view bytes, const AnsiCodec& codec);
// nullopt when a character has no code page 932 form, or when the bytes would not
// decode back to this very text.
std::optional<std::string> EncodeAnsiLine(std::wstring_view text, const AnsiCodec& codec);
bool HasEscapedBytes(std::wstring_view text);

// One line of UTF-8 the same way: each byte that starts no valid sequence escaped.
std::wstring DecodeUtf8Line(std::string_view bytes);
// Escapes go back to their bytes; any other lone surrogate is written as U+FFFD.
std::string EncodeUtf8Line(std::wstring_view text);
bool IsValidUtf8(std::string_view bytes);

// Whether every surrogate in the units is part of a pair.
bool IsValidUtf16(std::u16string_view units);

// UTF-16 units of a text (pairs for characters past U+FFFF where wchar_t is wider),
// and back; unpaired surrogates stay as they are both ways.
std::u16string WideToUnits(std::wstring_view text);
std::wstring UnitsToWide(std::u16string_view units);
