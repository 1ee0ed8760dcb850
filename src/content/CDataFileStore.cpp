#include "content/CDataFileStore.h"

namespace {

ReadStatus StatusOf(ui::FileReadStatus status) {
    switch (status) {
    case ui::FileReadStatus::Read:
    case ui::FileReadStatus::Created: return ReadStatus::Read;
    case ui::FileReadStatus::NotCreated:
    case ui::FileReadStatus::Missing: return ReadStatus::Missing;
    case ui::FileReadStatus::Unreadable: break;
    }
    return ReadStatus::Unreadable;
}

}  // namespace

// The stamp is taken before the bytes: a change made while they are read is then
// noticed at the next look.
StoredFile CDataFileStore::Read(DataFile file, bool atStart) {
    StoredFile stored;
    stored.stamp = Stamp(file);
    ui::FileContent content =
        atStart ? ui::ReadOrCreateFile(PathOf(file), m_startRetry) : ui::ReadExistingFile(PathOf(file));
    stored.status = StatusOf(content.status);
    stored.bytes = std::move(content.bytes);
    if (content.status == ui::FileReadStatus::Created) stored.stamp = Stamp(file);
    return stored;
}

std::optional<FileStamp> CDataFileStore::Stamp(DataFile file) {
    std::optional<ui::FileInfo> info = ui::ReadFileInfo(PathOf(file));
    if (!info) return std::nullopt;
    return FileStamp{info->size, info->written, info->created};
}

bool CDataFileStore::Replace(DataFile file, std::string_view bytes) {
    return ui::ReplaceFileAtomically(PathOf(file), bytes);
}

std::wstring CDataFileStore::WriteCopy(const std::wstring& stem, const std::wstring& extension,
                                       std::string_view bytes) {
    for (int number = 1; number < 100; ++number) {
        std::wstring path = m_folder + stem + (number == 1 ? L"" : L"-" + std::to_wstring(number)) + extension;
        if (ui::WriteNewFile(path, bytes)) return path;
        if (!ui::ReadFileInfo(path)) return {};  // not taken by another file: it cannot be written
    }
    return {};
}
