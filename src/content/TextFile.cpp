#include "content/TextFile.h"

#include <algorithm>
#include <optional>

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

bool IsUtf16(TextEncoding encoding) { return encoding == TextEncoding::Utf16Le || encoding == TextEncoding::Utf16Be; }

// ---- Reading -----------------------------------------------------------------------------

TextFile ReadUtf16(std::string_view body, TextEncoding encoding) {
    const bool bigEndian = encoding == TextEncoding::Utf16Be;
    std::u16string units;
    units.reserve(body.size() / 2);
    for (std::size_t i = 0; i + 1 < body.size(); i += 2) {
        const auto first = static_cast<unsigned char>(body[i]);
        const auto second = static_cast<unsigned char>(body[i + 1]);
        units.push_back(static_cast<char16_t>(bigEndian ? (first << 8) | second : (second << 8) | first));
    }
    TextFile file;
    file.format.encoding = encoding;
    if (body.size() % 2 != 0) file.format.tail = body.substr(body.size() - 1);
    const std::wstring text = UnitsToWide(units);
    for (std::wstring_view line : SplitFileLines<wchar_t>(text)) file.lines.emplace_back(line);
    return file;
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
    const bool bigEndian = format.encoding == TextEncoding::Utf16Be;
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

// Whether reading the bytes gives these lines again. Each code page 932 line was
// checked when it was encoded; the file as a whole could still read as another
// encoding. UTF-8 turns stray surrogates into U+FFFD, and carried-through bytes next
// to each other may make a valid sequence; UTF-16 holds any text as it is.
bool ReadsBack(const std::string& bytes, const std::vector<std::wstring>& lines, const AnsiCodec& codec,
               TextEncoding encoding) {
    switch (encoding) {
    case TextEncoding::Ansi: {
        const bool escapes =
            std::any_of(lines.begin(), lines.end(), [](const std::wstring& line) { return HasEscapedBytes(line); });
        return !StartsWithAnyMark(bytes) && !(escapes && IsValidUtf8(bytes));
    }
    case TextEncoding::Utf8:
    case TextEncoding::Utf8Bom: return ReadTextFile(bytes, codec).lines == lines;
    default: return true;
    }
}

}  // namespace

TextFile ReadTextFile(std::string_view bytes, const AnsiCodec& codec) {
    if (bytes.starts_with(kUtf16LeBom)) return ReadUtf16(bytes.substr(2), TextEncoding::Utf16Le);
    if (bytes.starts_with(kUtf16BeBom)) return ReadUtf16(bytes.substr(2), TextEncoding::Utf16Be);
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
    if (IsUtf16(format.encoding)) return EncodeUtf16(source, format);
    for (TextEncoding encoding : {format.encoding, TextEncoding::Utf8Bom}) {
        std::optional<std::string> bytes = EncodeEightBit(source, codec, encoding);
        if (bytes && ReadsBack(*bytes, source, codec, encoding)) return std::move(*bytes);
    }
    // Text that no 8-bit form gives back as it is (bytes carried through from a broken
    // file next to each other, stray surrogates): UTF-16 keeps every unit.
    return EncodeUtf16(source, {TextEncoding::Utf16Le, ""});
}
