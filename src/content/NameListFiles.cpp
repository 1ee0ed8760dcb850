#include "content/NameListFiles.h"

#include "alarms/AlarmFields.h"
#include "content/TextLines.h"

std::vector<std::wstring> ReadIllustNames(std::string_view bytes, const AnsiCodec& codec) {
    return ReadAllLines(bytes, codec);
}

std::string WriteIllustNames(const std::vector<std::wstring>& names, const AnsiCodec& codec) {
    return EncodeTextFile(names, codec);
}

std::vector<int> ReadShownFlags(std::string_view bytes, const AnsiCodec& codec) {
    std::vector<int> flags;
    LineReader reader(bytes, codec);
    while (std::optional<std::wstring> line = reader.Next()) {
        flags.push_back(ReadDecimalPrefix(*line));
    }
    return flags;
}

std::string WriteShownFlags(const std::vector<int>& flags) {
    std::string out;
    for (int flag : flags) {
        out += std::to_string(flag);
        out += "\r\n";
    }
    return out;
}

void FitShownFlags(std::vector<int>& flags, std::size_t nameCount) { flags.resize(nameCount, kShown); }
