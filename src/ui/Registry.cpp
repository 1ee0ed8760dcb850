#include "ui/Registry.h"

namespace ui {

std::optional<std::wstring> ReadRegistryText(const RegistryKey& key, const std::wstring& name) {
    if (!key) return std::nullopt;
    constexpr DWORD kFlags = RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND;
    for (int attempt = 0; attempt < 3; ++attempt) {  // the value may grow between the two calls
        DWORD bytes = 0;
        if (RegGetValueW(key.root, key.path.c_str(), name.c_str(), kFlags, nullptr, nullptr, &bytes) != ERROR_SUCCESS)
            return std::nullopt;
        std::wstring text(bytes / sizeof(wchar_t) + 1, L'\0');
        bytes = static_cast<DWORD>(text.size() * sizeof(wchar_t));
        const LSTATUS status =
            RegGetValueW(key.root, key.path.c_str(), name.c_str(), kFlags, nullptr, text.data(), &bytes);
        if (status == ERROR_MORE_DATA) continue;
        if (status != ERROR_SUCCESS) return std::nullopt;
        text.resize(wcsnlen(text.c_str(), bytes / sizeof(wchar_t)));
        return text;
    }
    return std::nullopt;
}

bool WriteRegistryText(const RegistryKey& key, const std::wstring& name, const std::wstring& text) {
    if (!key) return false;
    const auto bytes = static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t));
    return RegSetKeyValueW(key.root, key.path.c_str(), name.c_str(), REG_SZ, text.c_str(), bytes) == ERROR_SUCCESS;
}

bool DeleteRegistryValue(const RegistryKey& key, const std::wstring& name) {
    if (!key) return false;
    const LSTATUS status = RegDeleteKeyValueW(key.root, key.path.c_str(), name.c_str());
    return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
}

}  // namespace ui
