#include "content/TextFile.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "content/TextLines.h"

namespace {

constexpr std::string_view kUtf16LeBom = "\xFF\xFE";
constexpr std::string_view kUtf16BeBom = "\xFE\xFF";

std::string_view MarkOf(TextEncoding encoding) {
    switch (encoding) {
    case TextEncoding::Utf8Bom: return kUtf8Bom;
    case TextEncoding::Utf16Le: return kUtf16LeBom;
    case TextEncoding::Utf16Be: return kUtf16BeBom;
    default: return {};
    }
}

bool IsUtf16(TextEncoding encoding) {
    return encoding == TextEncoding::Utf16Le || encoding == TextEncoding::Utf16Be ||
           encoding == TextEncoding::Utf16LeNoBom || encoding == TextEncoding::Utf16BeNoBom;
}

bool IsBigEndian(TextEncoding encoding) {
    return encoding == TextEncoding::Utf16Be || encoding == TextEncoding::Utf16BeNoBom;
}

// ---- Reading -----------------------------------------------------------------------------

std::u16string UnitsOf(std::string_view body, bool bigEndian) {
    std::u16string units;
    units.reserve(body.size() / 2);
    for (std::size_t i = 0; i + 1 < body.size(); i += 2) {
        const auto first = static_cast<unsigned char>(body[i]);
        const auto second = static_cast<unsigned char>(body[i + 1]);
        units.push_back(static_cast<char16_t>(bigEndian ? (first << 8) | second : (second << 8) | first));
    }
    return units;
}

TextFile LinesOfUnits(std::u16string_view units, TextFormat format) {
    TextFile file;
    file.format = std::move(format);
    const std::wstring text = UnitsToWide(units);
    for (std::wstring_view line : SplitFileLines<wchar_t>(text)) file.lines.emplace_back(line);
    return file;
}

TextFile ReadUtf16(std::string_view body, TextEncoding encoding) {
    std::string tail = body.size() % 2 != 0 ? std::string(1, body.back()) : std::string();
    return LinesOfUnits(UnitsOf(body, IsBigEndian(encoding)), {encoding, std::move(tail)});
}

bool IsLineEndByte(char c) { return c == '\r' || c == '\n'; }

// The byte order UTF-16 without a mark would have: the one in which more units are
// CR or LF (CR LF is two of them, one NUL byte each); when that ties, the one whose
// high bytes hold more of the NULs. None when nothing tells them apart.
std::optional<TextEncoding> LikelyUtf16Order(std::string_view bytes) {
    std::size_t lineEndsLe = 0;
    std::size_t lineEndsBe = 0;
    std::size_t nulsEven = 0;
    std::size_t nulsOdd = 0;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const char first = bytes[i];
        const char second = bytes[i + 1];
        lineEndsLe += second == '\0' && IsLineEndByte(first) ? 1 : 0;
        lineEndsBe += first == '\0' && IsLineEndByte(second) ? 1 : 0;
        nulsEven += first == '\0' ? 1 : 0;
        nulsOdd += second == '\0' ? 1 : 0;
    }
    if (lineEndsLe != lineEndsBe)
        return lineEndsLe > lineEndsBe ? TextEncoding::Utf16LeNoBom : TextEncoding::Utf16BeNoBom;
    if (nulsEven != nulsOdd) return nulsOdd > nulsEven ? TextEncoding::Utf16LeNoBom : TextEncoding::Utf16BeNoBom;
    return std::nullopt;
}

// UTF-16 without a mark, taken only when the bytes are UTF-16 indeed: a whole number
// of units holding NUL bytes (which 8-bit data files never do) but no NUL unit, and
// every surrogate paired.
std::optional<TextFile> ReadUtf16WithoutMark(std::string_view bytes) {
    if (bytes.size() % 2 != 0 || bytes.find('\0') == std::string_view::npos) return std::nullopt;
    const std::optional<TextEncoding> order = LikelyUtf16Order(bytes);
    if (!order) return std::nullopt;
    const std::u16string units = UnitsOf(bytes, IsBigEndian(*order));
    if (units.find(u'\0') != std::u16string::npos || !IsValidUtf16(units)) return std::nullopt;
    return LinesOfUnits(units, {*order, ""});
}

template <typename Decode>
std::vector<std::wstring> DecodeLines(const std::vector<std::string_view>& lines, Decode decode) {
    std::vector<std::wstring> decoded;
    decoded.reserve(lines.size());
    for (std::string_view line : lines) decoded.push_back(decode(line));
    return decoded;
}

TextFile ReadEightBit(std::string_view bytes, const AnsiCodec& codec) {
    TextFile file;
    if (bytes.starts_with(kUtf8Bom)) {
        file.format.encoding = TextEncoding::Utf8Bom;
        file.lines = DecodeLines(SplitFileLines<char>(bytes.substr(kUtf8Bom.size())), DecodeUtf8Line);
        return file;
    }
    const std::vector<std::string_view> pieces = SplitFileLines<char>(bytes);
    file.lines = DecodeLines(pieces, [&](std::string_view line) { return DecodeAnsiLine(line, codec); });
    const bool cleanAnsi = std::none_of(file.lines.begin(), file.lines.end(),
                                        [](const std::wstring& line) { return HasEscapedBytes(line); });
    if (!cleanAnsi && IsValidUtf8(bytes)) {
        file.format.encoding = TextEncoding::Utf8;
        file.lines = DecodeLines(pieces, DecodeUtf8Line);
    }
    return file;
}

// ---- Writing -----------------------------------------------------------------------------

// CR LF, a bare CR and a bare LF each become one space.
std::wstring FlattenLineBreaks(std::wstring_view text) {
    std::wstring out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'\r' || text[i] == L'\n') {
            if (text[i] == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n') ++i;
            out.push_back(L' ');
        } else {
            out.push_back(text[i]);
        }
    }
    return out;
}

bool HasLineBreak(const std::wstring& text) { return text.find_first_of(L"\r\n") != std::wstring::npos; }

void AppendUnits(std::string& out, std::u16string_view units, bool bigEndian) {
    for (char16_t unit : units) {
        const char high = static_cast<char>(unit >> 8);
        const char low = static_cast<char>(unit & 0xFF);
        out.push_back(bigEndian ? high : low);
        out.push_back(bigEndian ? low : high);
    }
}

std::string EncodeUtf16(const std::vector<std::wstring>& lines, const TextFormat& format) {
    const bool bigEndian = IsBigEndian(format.encoding);
    std::string out(MarkOf(format.encoding));
    for (const std::wstring& line : lines) {
        AppendUnits(out, WideToUnits(line), bigEndian);
        AppendUnits(out, u"\r\n", bigEndian);
    }
    return out + format.tail;
}

std::optional<std::string> EncodeEightBit(const std::vector<std::wstring>& lines, const AnsiCodec& codec,
                                          TextEncoding encoding) {
    std::string out(MarkOf(encoding));
    for (const std::wstring& line : lines) {
        if (encoding == TextEncoding::Ansi) {
            std::optional<std::string> bytes = EncodeAnsiLine(line, codec);
            if (!bytes) return std::nullopt;
            out += *bytes;
        } else {
            out += EncodeUtf8Line(line);
        }
        out += "\r\n";
    }
    return out;
}

bool StartsWithAnyMark(std::string_view bytes) {
    return bytes.starts_with(kUtf8Bom) || bytes.starts_with(kUtf16LeBom) || bytes.starts_with(kUtf16BeBom);
}

// Whether reading the bytes gives these lines again in the same form. Each code page
// 932 line was checked when it was encoded; the file as a whole could still read as
// another encoding. UTF-8 turns stray surrogates into U+FFFD, and carried-through
// bytes next to each other may make a valid sequence; UTF-16 without a mark must
// still be told by its bytes. UTF-16 after its mark holds any text as it is.
bool ReadsBack(const std::string& bytes, const std::vector<std::wstring>& lines, const AnsiCodec& codec,
               TextEncoding encoding) {
    switch (encoding) {
    case TextEncoding::Ansi: {
        const bool escapes =
            std::any_of(lines.begin(), lines.end(), [](const std::wstring& line) { return HasEscapedBytes(line); });
        return !StartsWithAnyMark(bytes) && !(escapes && IsValidUtf8(bytes)) && !ReadUtf16WithoutMark(bytes);
    }
    case TextEncoding::Utf8:
    case TextEncoding::Utf8Bom: return ReadTextFile(bytes, codec).lines == lines;
    case TextEncoding::Utf16LeNoBom:
    case TextEncoding::Utf16BeNoBom: {
        const TextFile back = ReadTextFile(bytes, codec);
        return back.format.encoding == encoding && back.lines == lines;
    }
    default: return true;
    }
}

std::optional<std::string> EncodeAsRead(const std::vector<std::wstring>& lines, const AnsiCodec& codec,
                                        const TextFormat& format) {
    std::optional<std::string> bytes =
        IsUtf16(format.encoding) ? EncodeUtf16(lines, format) : EncodeEightBit(lines, codec, format.encoding);
    if (bytes && !ReadsBack(*bytes, lines, codec, format.encoding)) bytes.reset();
    return bytes;
}

// Valid UTF-8 after its mark, which every line reads back from: bytes carried through
// from another form and stray surrogates, which it cannot hold, are written as U+FFFD.
std::string EncodeUtf8WithMark(const std::vector<std::wstring>& lines) {
    std::string out(kUtf8Bom);
    for (const std::wstring& line : lines) {
        out += WideToUtf8(line);
        out += "\r\n";
    }
    return out;
}

}  // namespace

TextFile ReadTextFile(std::string_view bytes, const AnsiCodec& codec) {
    if (bytes.starts_with(kUtf16LeBom)) return ReadUtf16(bytes.substr(2), TextEncoding::Utf16Le);
    if (bytes.starts_with(kUtf16BeBom)) return ReadUtf16(bytes.substr(2), TextEncoding::Utf16Be);
    if (!bytes.starts_with(kUtf8Bom)) {
        if (std::optional<TextFile> file = ReadUtf16WithoutMark(bytes)) return std::move(*file);
    }
    return ReadEightBit(bytes, codec);
}

std::string EncodeTextFile(const std::vector<std::wstring>& lines, const AnsiCodec& codec, const TextFormat& format) {
    std::vector<std::wstring> flattened;
    const bool needsFlattening = std::any_of(lines.begin(), lines.end(), HasLineBreak);
    if (needsFlattening) {
        flattened.reserve(lines.size());
        for (const std::wstring& line : lines) flattened.push_back(FlattenLineBreaks(line));
    }
    const std::vector<std::wstring>& source = needsFlattening ? flattened : lines;
    if (std::optional<std::string> bytes = EncodeAsRead(source, codec, format)) return std::move(*bytes);
    return EncodeUtf8WithMark(source);
}
