#include "ui/Text.h"

#include <cstdarg>
#include <cwchar>
#include <vector>

namespace ui {

std::wstring Widen(std::string_view bytes, UINT codePage) {
    if (bytes.empty()) return {};
    int size = static_cast<int>(bytes.size());
    int length = MultiByteToWideChar(codePage, 0, bytes.data(), size, nullptr, 0);
    if (length <= 0) return {};
    std::wstring text(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(codePage, 0, bytes.data(), size, text.data(), length);
    return text;
}

std::optional<std::string> NarrowExact(std::wstring_view text, UINT codePage) {
    if (text.empty()) return std::string();
    int size = static_cast<int>(text.size());
    BOOL usedDefault = FALSE;
    int length =
        WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, text.data(), size, nullptr, 0, nullptr, &usedDefault);
    if (length <= 0 || usedDefault) return std::nullopt;
    std::string bytes(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, text.data(), size, bytes.data(), length, nullptr, &usedDefault);
    if (usedDefault) return std::nullopt;
    // Best-fit mappings are off, but make sure the bytes really come back as the same text.
    if (Widen(bytes, codePage) != text) return std::nullopt;
    return bytes;
}

std::wstring Format(const wchar_t* format, ...) {
    std::vector<wchar_t> buffer(256);
    for (;;) {
        va_list args;
        va_start(args, format);
        int written = _vsnwprintf(buffer.data(), buffer.size(), format, args);
        va_end(args);
        if (written >= 0 && static_cast<size_t>(written) < buffer.size()) return std::wstring(buffer.data(), written);
        if (buffer.size() > (1u << 20)) return std::wstring();
        buffer.resize(buffer.size() * 2);
    }
}

std::wstring WindowText(HWND hwnd) {
    int length = GetWindowTextLengthW(hwnd);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    int copied = GetWindowTextW(hwnd, text.data(), length + 1);
    text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
    return text;
}

}  // namespace ui
