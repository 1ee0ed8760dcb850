// Whole-file reads and atomic replacement of files.
#pragma once
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace ui {

enum class FileReadStatus {
    Read,        // the file's bytes
    Created,     // it was missing and is now there, empty
    NotCreated,  // it was missing and could not be made (no folder, no right to write)
    Unreadable,  // it is there but could not be read: leave it alone
    Missing,     // it is not there (ReadExistingFile creates nothing)
};

struct FileContent {
    FileReadStatus status = FileReadStatus::Unreadable;
    std::string bytes;
};

// How a read that meets a busy file tries again: `attempts` tries in all, with
// `pause` run between them.
struct ReadRetry {
    int attempts = 1;
    std::function<void()> pause;
};

// Reads a file while letting other programs read, write, rename or delete it
// meanwhile, as they expect of a reader. A missing file is created empty.
FileContent ReadOrCreateFile(const std::wstring& path, const ReadRetry& retry = {});

// Reads a file as ReadOrCreateFile does, once, without creating a missing one.
FileContent ReadExistingFile(const std::wstring& path);

// Whether a file can be read, trying a busy one as ReadOrCreateFile does; a missing
// file counts as readable (nothing is lost by writing it).
bool ReadableOrMissing(const std::wstring& path, const ReadRetry& retry = {});

// What a file looks like without reading it; nullopt when it is missing.
struct FileInfo {
    unsigned long long size = 0;
    unsigned long long written = 0;  // last write time, 100 ns units
    unsigned long long created = 0;
};
std::optional<FileInfo> ReadFileInfo(const std::wstring& path);

// Writes a file that must not exist yet; false when it does or cannot be written.
bool WriteNewFile(const std::wstring& path, std::string_view bytes);

// A file open for reads anywhere in it, while other programs may read, write,
// rename or delete it.
class RangeReader {
public:
    explicit RangeReader(const std::wstring& path);
    ~RangeReader();
    RangeReader(const RangeReader&) = delete;
    RangeReader& operator=(const RangeReader&) = delete;

    bool IsOpen() const { return m_open; }
    unsigned long long Size() const { return m_size; }  // when it was opened
    // Up to `count` bytes from `offset` (fewer at the end of the file); nullopt
    // when the read fails.
    std::optional<std::string> Read(unsigned long long offset, size_t count) const;

private:
    void* m_handle = nullptr;
    bool m_open = false;
    unsigned long long m_size = 0;
};

// The first `count` bytes of a file (fewer when it is shorter) and its size; nullopt
// when it cannot be opened.
struct FileHead {
    std::string bytes;
    unsigned long long size = 0;
};
std::optional<FileHead> ReadFileHead(const std::wstring& path, size_t count);

// Replaces a file in one step: the bytes go to a temporary file in the same
// folder, which then takes the file's place. false leaves the old file as it was.
bool ReplaceFileAtomically(const std::wstring& path, std::string_view bytes);

}  // namespace ui
