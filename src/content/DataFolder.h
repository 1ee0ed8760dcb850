// The four text files of the data folder as the clock holds them: read at start,
// read again when they change on disk, and written only when the user changed a list.
// An edit whose file was changed on disk meanwhile by someone else is saved, and the
// disk's version is kept beside it, so neither is lost.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "content/AlarmEntry.h"
#include "content/SoundTable.h"
#include "content/TextFile.h"

enum class DataFile { Illust, Show, Sound, Message };
inline constexpr std::array<DataFile, 4> kDataFiles = {DataFile::Illust, DataFile::Show, DataFile::Sound,
                                                       DataFile::Message};
// "Illust.ini", "Show.ini", "Sound.ini", "Message.ini".
const wchar_t* DataFileName(DataFile file);

// What a file looks like on disk without reading it: enough to notice a change.
struct FileStamp {
    unsigned long long size = 0;
    unsigned long long written = 0;  // last write time
    unsigned long long created = 0;
    friend bool operator==(const FileStamp&, const FileStamp&) = default;
};

enum class ReadStatus { Read, Missing, Unreadable };

struct StoredFile {
    ReadStatus status = ReadStatus::Unreadable;
    std::string bytes;
    std::optional<FileStamp> stamp;  // as the file stood when read
};

// The data folder's files as bytes: the real one is on the disk, tests bring their own.
class DataFileStore {
public:
    virtual ~DataFileStore() = default;
    // At start a missing file is created empty and a busy one is tried again for a
    // while; later reads try once and create nothing.
    virtual StoredFile Read(DataFile file, bool atStart) = 0;
    // nullopt when the file is missing.
    virtual std::optional<FileStamp> Stamp(DataFile file) = 0;
    // Replaces the file in one step; false leaves the old one whole.
    virtual bool Replace(DataFile file, std::string_view bytes) = 0;
    // Writes `bytes` beside the data files under a new name that begins with `stem`
    // and ends with `extension`; the full path written, or empty when it failed.
    virtual std::wstring WriteCopy(const std::wstring& stem, const std::wstring& extension, std::string_view bytes) = 0;
    virtual std::wstring PathOf(DataFile file) const = 0;
};

// The name a disk's version of a file is kept under when an edit replaces it:
// "Message.ini" at 2026-12-07 10:31:05 gives the stem "Message.外部の変更.20261207-103105"
// and the extension ".ini".
struct CopyName {
    std::wstring stem;
    std::wstring extension;
};
CopyName OutsideChangeCopyName(DataFile file, int year, int month, int day, int hour, int minute, int second);

// What a save does with a list the user edited from `base` into `edited`, when the
// file holds `disk` now: nothing when the disk already holds the edit; the edit alone
// when the disk still holds what the edit started from; otherwise the edit, with the
// disk's version kept beside it.
enum class SaveAction { Nothing, Write, WriteKeepingDisk };
template <typename List>
SaveAction DecideSave(const List& base, const List& edited, const List& disk) {
    if (disk == edited) return SaveAction::Nothing;
    return disk == base ? SaveAction::Write : SaveAction::WriteKeepingDisk;
}

struct DataRefresh {
    bool names = false;
    bool flags = false;
    bool sounds = false;
    bool alarms = false;
    std::vector<DataFile> unreadable;  // found unreadable and not told yet
    bool Any() const { return names || flags || sounds || alarms; }
};

struct KeptCopy {
    DataFile file;
    std::wstring path;  // where the disk's version went
};

struct DataSave {
    std::vector<DataFile> failed;  // could not be written: their edits wait for the next save
    std::vector<KeptCopy> kept;
};

class DataFolder {
public:
    DataFolder(DataFileStore& store, const AnsiCodec& codec) : m_store(store), m_codec(codec) {}

    // Reads the four files; missing ones are created empty. Returns the files that
    // could not be read: they are left alone until they can be read again.
    std::vector<DataFile> Load();
    // Reads again every file whose stamp changed since the clock last read or wrote
    // it, and every file that could not be read. A list holding an edit not yet on
    // disk is left for the save to settle.
    DataRefresh Refresh();

    const std::vector<std::wstring>& IllustrationNames() const { return m_names; }
    const std::vector<int>& ShownFlags() const { return m_flags; }
    const SoundTable& Sounds() const { return m_sounds; }
    const AlarmList& Alarms() const { return m_alarms; }

    // Whether the list of a file is known: its file was read (for the shown flags,
    // the names too). Only a known list takes edits.
    bool Known(DataFile file) const;

    // An edit the user made, starting from `base`. Returns whether the list changed;
    // an edit of a list that is not known is refused.
    bool EditShownFlags(const std::vector<int>& base, std::vector<int> edited);
    bool EditSounds(const SoundTable& base, SoundTable edited);
    bool EditAlarms(const AlarmList& base, AlarmList edited);
    // Whether the list of the file holds an edit not yet on disk.
    bool HasEdit(DataFile file) const;

    // Writes every list holding an edit; `copyName` names the disk's version of a
    // file that was changed outside meanwhile.
    using CopyNamer = std::function<CopyName(DataFile)>;
    DataSave Save(const CopyNamer& copyName);

private:
    struct FileState {
        TextFormat format;               // the form it was read in, to write it back the same way
        std::optional<FileStamp> stamp;  // as last read or written by the clock; none while missing
        bool unreadable = false;
        bool told = false;  // its unreadability has been reported
    };

    FileState& State(DataFile file) { return m_files[static_cast<std::size_t>(file)]; }
    const FileState& State(DataFile file) const { return m_files[static_cast<std::size_t>(file)]; }
    enum class Taken { Unreadable, Same, Changed };
    // Takes what a read found into the list of the file.
    Taken Take(DataFile file, const StoredFile& stored);
    bool Parse(DataFile file, std::string_view bytes, TextFormat& format);  // true when the list changed
    std::string Encode(DataFile file) const;
    std::vector<int> FittedFlags(std::string_view bytes, TextFormat& format) const;
    void Reread(DataFile file, DataRefresh& refresh);

    template <typename List>
    void SaveList(DataFile file, List& list, std::optional<List>& base, const CopyNamer& copyName, DataSave& result);
    template <typename List>
    bool Edit(DataFile file, List& list, std::optional<List>& pendingBase, const List& base, List edited);
    // The list a file's bytes hold, parsed as the clock would read them.
    template <typename List>
    List ParseAs(DataFile file, std::string_view bytes, TextFormat& format) const;

    DataFileStore& m_store;
    const AnsiCodec& m_codec;
    std::array<FileState, kDataFiles.size()> m_files;
    std::vector<std::wstring> m_names;
    std::vector<int> m_flags;
    SoundTable m_sounds;
    AlarmList m_alarms;
    // While an edit waits to be written: the list it started from.
    std::optional<std::vector<int>> m_flagsBase;
    std::optional<SoundTable> m_soundsBase;
    std::optional<AlarmList> m_alarmsBase;
};
