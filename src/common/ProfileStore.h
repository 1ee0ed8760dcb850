// Named integer and string values of one profile section.
#pragma once
#include <string>

class ProfileStore {
public:
    virtual ~ProfileStore() = default;
    virtual int GetInt(const wchar_t* key, int defaultValue) = 0;
    virtual std::wstring GetString(const wchar_t* key, const std::wstring& defaultValue) = 0;
    // Writers answer false when the value could not be stored.
    virtual bool WriteInt(const wchar_t* key, int value) = 0;
    virtual bool WriteString(const wchar_t* key, const std::wstring& value) = 0;
};
