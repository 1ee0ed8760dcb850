#include "content/NameListFiles.h"

#include "content/DecimalText.h"
#include "content/TextLines.h"

std::vector<std::wstring> ReadIllustNames(std::string_view bytes, const AnsiCodec& codec, TextFormat* format) {
    TextFile file = ReadTextFile(bytes, codec);
    if (format) *format = file.format;
    return std::move(file.lines);
}

std::string WriteIllustNames(const std::vector<std::wstring>& names, const AnsiCodec& codec, const TextFormat& format) {
    return EncodeTextFile(names, codec, format);
}

std::vector<int> ReadShownFlags(std::string_view bytes, const AnsiCodec& codec, TextFormat* format) {
    std::vector<int> flags;
    LineReader reader(bytes, codec);
    while (std::optional<std::wstring> line = reader.Next()) {
        flags.push_back(ReadDecimalPrefix(*line));
    }
    if (format) *format = reader.Format();
    return flags;
}

std::string WriteShownFlags(const std::vector<int>& flags, const AnsiCodec& codec, const TextFormat& format) {
    std::vector<std::wstring> lines;
    lines.reserve(flags.size());
    for (int flag : flags) lines.push_back(std::to_wstring(flag));
    return EncodeTextFile(lines, codec, format);
}

std::string WriteShownFlags(const std::vector<int>& flags) {
    std::string out;
    for (int flag : flags) out += std::to_string(flag) + "\r\n";
    return out;
}

void FitShownFlags(std::vector<int>& flags, std::size_t nameCount) { flags.resize(nameCount, kShown); }
