#include "content/SoundTable.h"

#include "content/TextLines.h"

namespace {

constexpr std::array<std::wstring_view, kSoundEventCount> kHeaders = {
    L"[Boot]", L"[Exit]", L"[Time]", L"[Away]", L"[Alarm]", L"[Return]", L"[Minimize]", L"[Restore]", L"[Update]",
};

}  // namespace

std::wstring_view SoundEventHeader(SoundEvent event) { return kHeaders[static_cast<std::size_t>(event)]; }

SoundTable ReadSoundTable(std::string_view bytes, const AnsiCodec& codec, TextFormat* format) {
    SoundTable table;
    LineReader reader(bytes, codec);
    if (format) *format = reader.Format();
    if (!reader.Next()) {
        return table;
    }
    std::size_t current = 0;
    while (std::optional<std::wstring> line = reader.Next()) {
        const std::size_t next = current + 1;
        if (next < kSoundEventCount && *line == kHeaders[next]) {
            current = next;
        } else {
            table.List(kSoundEvents[current]).push_back(std::move(*line));
        }
    }
    return table;
}

std::string WriteSoundTable(const SoundTable& table, const AnsiCodec& codec, const TextFormat& format) {
    std::vector<std::wstring> lines;
    for (SoundEvent event : kSoundEvents) {
        lines.emplace_back(SoundEventHeader(event));
        const std::vector<std::wstring>& paths = table.List(event);
        lines.insert(lines.end(), paths.begin(), paths.end());
    }
    return EncodeTextFile(lines, codec, format);
}
