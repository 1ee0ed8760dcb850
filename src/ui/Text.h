// Text conversions and formatting at the Win32 boundary.
#pragma once
#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

namespace ui {

constexpr UINT kJapaneseCodePage = 932;

// Bytes in a code page to UTF-16; invalid sequences become the code page's default character.
std::wstring Widen(std::string_view bytes, UINT codePage);
// UTF-16 to a code page; nullopt when some character has no exact equivalent there.
std::optional<std::string> NarrowExact(std::wstring_view text, UINT codePage);

std::wstring Format(const wchar_t* format, ...);
std::wstring WindowText(HWND hwnd);

}  // namespace ui
