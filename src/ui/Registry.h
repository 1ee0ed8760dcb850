// Text values of the registry: read, written and removed one at a time.
#pragma once
#include <windows.h>

#include <optional>
#include <string>

namespace ui {

// A key under one of the registry's roots.
struct RegistryKey {
    HKEY root = nullptr;
    std::wstring path;

    explicit operator bool() const { return root != nullptr && !path.empty(); }
};

// The text of a value (REG_SZ or REG_EXPAND_SZ, unexpanded); none when the key or the
// value is missing or holds something else.
std::optional<std::wstring> ReadRegistryText(const RegistryKey& key, const std::wstring& name);
// Creates the key when it is missing. False when the value could not be written.
bool WriteRegistryText(const RegistryKey& key, const std::wstring& name, const std::wstring& text);
// True when the value is gone afterwards, whether or not it was there.
bool DeleteRegistryValue(const RegistryKey& key, const std::wstring& name);

}  // namespace ui
