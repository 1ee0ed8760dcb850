// The profile as a private .ini file of one section, stored UTF-16 so that any
// font name survives.
#pragma once
#include <windows.h>

#include <string>

#include "common/ProfileStore.h"

namespace ui {

class IniProfile : public ProfileStore {
public:
    IniProfile(std::wstring path, std::wstring section);

    int GetInt(const wchar_t* key, int defaultValue) override;
    std::wstring GetString(const wchar_t* key, const std::wstring& defaultValue) override;
    bool WriteInt(const wchar_t* key, int value) override;
    bool WriteString(const wchar_t* key, const std::wstring& value) override;

    const std::wstring& Path() const { return m_path; }
    // From now on nothing is written: the file is there but what it holds is unknown.
    // Writes then answer true, as nothing needs reporting.
    void LeaveAlone() { m_leftAlone = true; }

private:
    bool EnsureUnicodeFile();

    std::wstring m_path;
    std::wstring m_section;
    bool m_leftAlone = false;
};

}  // namespace ui
