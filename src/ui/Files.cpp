#include "ui/Files.h"

#include <windows.h>

#include <algorithm>
#include <string>
#include <utility>

namespace ui {

namespace {

class FileHandle {
public:
    explicit FileHandle(HANDLE handle) : m_handle(handle) {}
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    ~FileHandle() {
        if (Valid()) CloseHandle(m_handle);
    }
    bool Valid() const { return m_handle != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return m_handle; }

private:
    HANDLE m_handle;
};

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

bool ReadAll(HANDLE file, std::string& bytes) {
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file, &size) || size.QuadPart > (1LL << 31)) return false;
    bytes.assign(static_cast<size_t>(size.QuadPart), '\0');
    size_t done = 0;
    while (done < bytes.size()) {
        DWORD read = 0;
        DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1u << 24));
        if (!ReadFile(file, bytes.data() + done, chunk, &read, nullptr)) return false;
        if (read == 0) break;
        done += read;
    }
    bytes.resize(done);
    return true;
}

bool IsMissing(DWORD error) { return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND; }

FileContent CreateEmpty(const std::wstring& path) {
    FileHandle created(
        CreateFileW(path.c_str(), GENERIC_WRITE, kShareAll, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (created.Valid()) return {FileReadStatus::Created, {}};
    // Made by someone else in the meantime: it is no longer missing, and not read.
    return {GetLastError() == ERROR_FILE_EXISTS ? FileReadStatus::Unreadable : FileReadStatus::NotCreated, {}};
}

bool WriteAll(HANDLE file, std::string_view bytes) {
    while (!bytes.empty()) {
        DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size(), 1u << 24));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0) return false;
        bytes.remove_prefix(written);
    }
    return true;
}

}  // namespace

FileContent ReadExistingFile(const std::wstring& path) {
    FileHandle file(
        CreateFileW(path.c_str(), GENERIC_READ, kShareAll, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid() && IsMissing(GetLastError())) return {FileReadStatus::Missing, {}};
    FileContent content;
    content.status =
        file.Valid() && ReadAll(file.Get(), content.bytes) ? FileReadStatus::Read : FileReadStatus::Unreadable;
    return content;
}

FileContent ReadOrCreateFile(const std::wstring& path, const ReadRetry& retry) {
    for (int attempt = 1;; ++attempt) {
        FileContent content = ReadExistingFile(path);
        if (content.status == FileReadStatus::Missing) return CreateEmpty(path);
        if (content.status == FileReadStatus::Read) return content;
        // Locked or held by another program, perhaps only for a moment.
        if (attempt >= retry.attempts) return {FileReadStatus::Unreadable, {}};
        if (retry.pause) retry.pause();
    }
}

bool ReadableOrMissing(const std::wstring& path, const ReadRetry& retry) {
    for (int attempt = 1;; ++attempt) {
        if (ReadExistingFile(path).status != FileReadStatus::Unreadable) return true;
        if (attempt >= retry.attempts) return false;
        if (retry.pause) retry.pause();
    }
}

std::optional<FileInfo> ReadFileInfo(const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return std::nullopt;
    auto join = [](DWORD high, DWORD low) { return (static_cast<unsigned long long>(high) << 32) | low; };
    return FileInfo{join(data.nFileSizeHigh, data.nFileSizeLow),
                    join(data.ftLastWriteTime.dwHighDateTime, data.ftLastWriteTime.dwLowDateTime),
                    join(data.ftCreationTime.dwHighDateTime, data.ftCreationTime.dwLowDateTime)};
}

bool WriteNewFile(const std::wstring& path, std::string_view bytes) {
    bool written = false;
    {
        FileHandle file(
            CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file.Valid()) return false;
        written = WriteAll(file.Get(), bytes) && FlushFileBuffers(file.Get());
    }
    if (!written) DeleteFileW(path.c_str());
    return written;
}

RangeReader::RangeReader(const std::wstring& path)
    : m_handle(
          CreateFileW(path.c_str(), GENERIC_READ, kShareAll, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)) {
    LARGE_INTEGER size{};
    if (m_handle == INVALID_HANDLE_VALUE || !GetFileSizeEx(m_handle, &size)) return;
    m_open = true;
    m_size = static_cast<unsigned long long>(size.QuadPart);
}

RangeReader::~RangeReader() {
    if (m_handle != INVALID_HANDLE_VALUE) CloseHandle(m_handle);
}

std::optional<std::string> RangeReader::Read(unsigned long long offset, size_t count) const {
    if (!m_open || count > MAXDWORD) return std::nullopt;
    OVERLAPPED at{};  // on a handle opened for plain reads, only says where to read
    at.Offset = static_cast<DWORD>(offset);
    at.OffsetHigh = static_cast<DWORD>(offset >> 32);
    std::string bytes(count, '\0');
    DWORD read = 0;
    if (!ReadFile(m_handle, bytes.data(), static_cast<DWORD>(count), &read, &at) && GetLastError() != ERROR_HANDLE_EOF)
        return std::nullopt;
    bytes.resize(read);
    return bytes;
}

std::optional<FileHead> ReadFileHead(const std::wstring& path, size_t count) {
    RangeReader file(path);
    if (!file.IsOpen()) return std::nullopt;
    std::optional<std::string> bytes = file.Read(0, count);
    if (!bytes) return std::nullopt;
    return FileHead{std::move(*bytes), file.Size()};
}

bool ReplaceFileAtomically(const std::wstring& path, std::string_view bytes) {
    std::wstring temporary = path + L".saving";
    bool written = false;
    {
        FileHandle file(
            CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file.Valid()) return false;
        written = WriteAll(file.Get(), bytes) && FlushFileBuffers(file.Get());
    }
    if (!written || !MoveFileExW(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        DeleteFileW(temporary.c_str());
        return false;
    }
    return true;
}

}  // namespace ui
