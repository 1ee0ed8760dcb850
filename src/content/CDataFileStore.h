// The data folder on the disk, as the clock's data files see it.
#pragma once

#include <string>

#include "content/DataFolder.h"
#include "ui/Files.h"

class CDataFileStore : public DataFileStore {
public:
    // `folder` ends with a backslash; `startRetry` is how a busy file is tried at start.
    CDataFileStore(std::wstring folder, ui::ReadRetry startRetry)
        : m_folder(std::move(folder)), m_startRetry(std::move(startRetry)) {}

    StoredFile Read(DataFile file, bool atStart) override;
    std::optional<FileStamp> Stamp(DataFile file) override;
    bool Replace(DataFile file, std::string_view bytes) override;
    std::wstring WriteCopy(const std::wstring& stem, const std::wstring& extension, std::string_view bytes) override;
    std::wstring PathOf(DataFile file) const override { return PathIn(DataFileName(file)); }
    std::wstring PathIn(const std::wstring& name) const { return m_folder + name; }

private:
    std::wstring m_folder;
    ui::ReadRetry m_startRetry;
};
