#include "content/DataFolder.h"

#include <cwchar>
#include <type_traits>

#include "content/MessageFile.h"
#include "content/NameListFiles.h"

const wchar_t* DataFileName(DataFile file) {
    switch (file) {
    case DataFile::Illust: return L"Illust.ini";
    case DataFile::Show: return L"Show.ini";
    case DataFile::Sound: return L"Sound.ini";
    case DataFile::Message: return L"Message.ini";
    }
    return L"";
}

CopyName OutsideChangeCopyName(DataFile file, int year, int month, int day, int hour, int minute, int second) {
    std::wstring name = DataFileName(file);
    std::size_t dot = name.rfind(L'.');
    wchar_t when[32];
    std::swprintf(when, 32, L"%04d%02d%02d-%02d%02d%02d", year, month, day, hour, minute, second);
    return {name.substr(0, dot) + L".外部の変更." + when, name.substr(dot)};
}

namespace {

template <typename List>
bool Assign(List& list, List fresh) {
    if (fresh == list) return false;
    list = std::move(fresh);
    return true;
}

}  // namespace

std::vector<DataFile> DataFolder::Load() {
    std::vector<DataFile> unreadable;
    for (DataFile file : kDataFiles) {
        if (Take(file, m_store.Read(file, true)) != Taken::Unreadable) continue;
        unreadable.push_back(file);
        State(file).told = true;  // the caller reports these
    }
    return unreadable;
}

DataFolder::Taken DataFolder::Take(DataFile file, const StoredFile& stored) {
    FileState& state = State(file);
    state.unreadable = stored.status == ReadStatus::Unreadable;
    if (state.unreadable) return Taken::Unreadable;
    state.stamp = stored.stamp;
    return Parse(file, stored.bytes, state.format) ? Taken::Changed : Taken::Same;
}

std::vector<int> DataFolder::FittedFlags(std::string_view bytes, TextFormat& format) const {
    std::vector<int> flags = ReadShownFlags(bytes, m_codec, &format);
    FitShownFlags(flags, m_names.size());
    return flags;
}

template <typename List>
List DataFolder::ParseAs(DataFile file, std::string_view bytes, TextFormat& format) const {
    if constexpr (std::is_same_v<List, std::vector<int>>) {
        return FittedFlags(bytes, format);
    } else if constexpr (std::is_same_v<List, SoundTable>) {
        return ReadSoundTable(bytes, m_codec, &format);
    } else {
        static_assert(std::is_same_v<List, AlarmList>);
        (void)file;
        return ReadAlarmList(bytes, m_codec, &format);
    }
}

bool DataFolder::Parse(DataFile file, std::string_view bytes, TextFormat& format) {
    switch (file) {
    case DataFile::Illust: return Assign(m_names, ReadIllustNames(bytes, m_codec, &format));
    case DataFile::Show: return Assign(m_flags, ParseAs<std::vector<int>>(file, bytes, format));
    case DataFile::Sound: return Assign(m_sounds, ParseAs<SoundTable>(file, bytes, format));
    case DataFile::Message: return Assign(m_alarms, ParseAs<AlarmList>(file, bytes, format));
    }
    return false;
}

std::string DataFolder::Encode(DataFile file) const {
    const TextFormat& format = State(file).format;
    switch (file) {
    case DataFile::Show: return WriteShownFlags(m_flags, m_codec, format);
    case DataFile::Sound: return WriteSoundTable(m_sounds, m_codec, format);
    case DataFile::Message: return WriteAlarmList(m_alarms, m_codec, format);
    case DataFile::Illust: break;  // never written
    }
    return {};
}

bool DataFolder::Known(DataFile file) const {
    if (file == DataFile::Show && State(DataFile::Illust).unreadable) return false;
    return !State(file).unreadable;
}

bool DataFolder::HasEdit(DataFile file) const {
    switch (file) {
    case DataFile::Show: return m_flagsBase.has_value();
    case DataFile::Sound: return m_soundsBase.has_value();
    case DataFile::Message: return m_alarmsBase.has_value();
    case DataFile::Illust: break;
    }
    return false;
}

DataRefresh DataFolder::Refresh() {
    DataRefresh refresh;
    for (DataFile file : kDataFiles) {
        if (HasEdit(file)) continue;
        const FileState& state = State(file);
        // The flags follow the names: new names read the flags again.
        bool namesMoved = file == DataFile::Show && refresh.names;
        if (!state.unreadable && !namesMoved && m_store.Stamp(file) == state.stamp) continue;
        Reread(file, refresh);
    }
    if (refresh.names && HasEdit(DataFile::Show)) FitShownFlags(m_flags, m_names.size());
    return refresh;
}

void DataFolder::Reread(DataFile file, DataRefresh& refresh) {
    switch (Take(file, m_store.Read(file, false))) {
    case Taken::Unreadable: {
        FileState& state = State(file);
        if (!state.told) refresh.unreadable.push_back(file);
        state.told = true;
        return;
    }
    case Taken::Same: return;
    case Taken::Changed: break;
    }
    switch (file) {
    case DataFile::Illust: refresh.names = true; break;
    case DataFile::Show: refresh.flags = true; break;
    case DataFile::Sound: refresh.sounds = true; break;
    case DataFile::Message: refresh.alarms = true; break;
    }
}

template <typename List>
bool DataFolder::Edit(DataFile file, List& list, std::optional<List>& pendingBase, const List& base, List edited) {
    if (edited == base || !Known(file)) return false;
    if (!pendingBase) pendingBase = base;  // an edit on top of one not yet saved started where that one did
    list = std::move(edited);
    return true;
}

bool DataFolder::EditShownFlags(const std::vector<int>& base, std::vector<int> edited) {
    return Edit(DataFile::Show, m_flags, m_flagsBase, base, std::move(edited));
}

bool DataFolder::EditSounds(const SoundTable& base, SoundTable edited) {
    return Edit(DataFile::Sound, m_sounds, m_soundsBase, base, std::move(edited));
}

bool DataFolder::EditAlarms(const AlarmList& base, AlarmList edited) {
    return Edit(DataFile::Message, m_alarms, m_alarmsBase, base, std::move(edited));
}

template <typename List>
void DataFolder::SaveList(DataFile file, List& list, std::optional<List>& base, const CopyNamer& copyName,
                          DataSave& result) {
    if (!base) return;
    FileState& state = State(file);
    StoredFile stored = m_store.Read(file, false);
    if (stored.status == ReadStatus::Unreadable) {
        result.failed.push_back(file);
        return;
    }
    SaveAction action = SaveAction::Write;
    if (stored.status == ReadStatus::Read) {
        TextFormat diskFormat;
        action = DecideSave(*base, list, ParseAs<List>(file, stored.bytes, diskFormat));
        state.format = diskFormat;  // written in the form the disk holds now
    }
    std::wstring copy;
    if (action == SaveAction::WriteKeepingDisk) {
        CopyName name = copyName(file);
        copy = m_store.WriteCopy(name.stem, name.extension, stored.bytes);
    }
    // Without its copy the disk's version would be lost: the edit then waits, too.
    if (action == SaveAction::WriteKeepingDisk && copy.empty()) {
        result.failed.push_back(file);
        return;
    }
    if (action != SaveAction::Nothing && !m_store.Replace(file, Encode(file))) {
        result.failed.push_back(file);
        return;
    }
    if (!copy.empty()) result.kept.push_back({file, copy});
    base.reset();
    state.stamp = m_store.Stamp(file);
    state.unreadable = false;
}

DataSave DataFolder::Save(const CopyNamer& copyName) {
    DataSave result;
    SaveList(DataFile::Show, m_flags, m_flagsBase, copyName, result);
    SaveList(DataFile::Sound, m_sounds, m_soundsBase, copyName, result);
    SaveList(DataFile::Message, m_alarms, m_alarmsBase, copyName, result);
    return result;
}
