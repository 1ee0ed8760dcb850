#include "content/FolderKey.h"

#include <cwchar>

namespace {

bool IsSeparator(wchar_t c) { return c == L'\\' || c == L'/'; }

}  // namespace

std::wstring ComparablePath(std::wstring_view fullPath) {
    std::wstring path(fullPath);
    if (path.starts_with(L"\\\\?\\UNC\\"))
        path = L"\\" + path.substr(7);  // "\\?\UNC\server\share" is "\\server\share"
    else if (path.starts_with(L"\\\\?\\"))
        path.erase(0, 4);
    std::wstring out;
    out.reserve(path.size());
    for (wchar_t c : path) {
        if (IsSeparator(c)) c = L'\\';
        bool doubled = c == L'\\' && !out.empty() && out.back() == L'\\';
        if (doubled && out.size() > 1) continue;  // only a network path starts with two
        out.push_back(c);
    }
    bool driveRoot = out.size() == 3 && out[1] == L':';
    if (out.size() > 2 && out.back() == L'\\' && !driveRoot) out.pop_back();
    return out;
}

std::uint64_t FolderKey(std::wstring_view path) {
    std::uint64_t hash = 14695981039346656037ull;
    for (wchar_t c : path) {
        for (unsigned unit : {static_cast<unsigned>(c) & 0xFFu, (static_cast<unsigned>(c) >> 8) & 0xFFu}) {
            hash ^= unit;
            hash *= 1099511628211ull;
        }
    }
    return hash;
}

std::wstring FolderInstanceName(std::uint64_t key) {
    wchar_t hex[17];
    std::swprintf(hex, 17, L"%016llx", static_cast<unsigned long long>(key));
    return std::wstring(L"Local\\pokomi-") + hex;
}
