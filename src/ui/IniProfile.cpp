#include "ui/IniProfile.h"

#include <cwchar>
#include <vector>

namespace ui {

IniProfile::IniProfile(std::wstring path, std::wstring section)
    : m_path(std::move(path)), m_section(std::move(section)) {}

int IniProfile::GetInt(const wchar_t* key, int defaultValue) {
    std::wstring text = GetString(key, L"");
    if (text.empty()) return defaultValue;
    // Decimal with an optional sign, like the platform's profile integers; no digits reads as 0.
    wchar_t* end = nullptr;
    long long value = std::wcstoll(text.c_str(), &end, 10);
    if (value > INT_MAX) value = INT_MAX;
    if (value < INT_MIN) value = INT_MIN;
    return static_cast<int>(value);
}

std::wstring IniProfile::GetString(const wchar_t* key, const std::wstring& defaultValue) {
    // A marker default tells a missing key from an empty value.
    constexpr wchar_t kMissing[] = L"\x01missing\x01";
    std::vector<wchar_t> buffer(256);
    for (;;) {
        DWORD copied = GetPrivateProfileStringW(m_section.c_str(), key, kMissing, buffer.data(),
                                                static_cast<DWORD>(buffer.size()), m_path.c_str());
        if (copied + 2 < buffer.size() || buffer.size() >= 65536) {
            std::wstring value(buffer.data(), copied);
            return value == kMissing ? defaultValue : value;
        }
        buffer.resize(buffer.size() * 4);
    }
}

bool IniProfile::WriteInt(const wchar_t* key, int value) { return WriteString(key, std::to_wstring(value)); }

bool IniProfile::WriteString(const wchar_t* key, const std::wstring& value) {
    if (m_leftAlone) return true;
    if (!EnsureUnicodeFile()) return false;
    return WritePrivateProfileStringW(m_section.c_str(), key, value.c_str(), m_path.c_str()) != FALSE;
}

// WritePrivateProfileString keeps a file's encoding: start a new file as UTF-16 LE.
bool IniProfile::EnsureUnicodeFile() {
    if (GetFileAttributesW(m_path.c_str()) != INVALID_FILE_ATTRIBUTES) return true;
    HANDLE file = CreateFileW(m_path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return GetLastError() == ERROR_FILE_EXISTS;
    const unsigned char bom[] = {0xFF, 0xFE};
    DWORD written = 0;
    BOOL ok = WriteFile(file, bom, sizeof(bom), &written, nullptr);
    CloseHandle(file);
    return ok && written == sizeof(bom);
}

}  // namespace ui
