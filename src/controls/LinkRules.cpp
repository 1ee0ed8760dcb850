#include "controls/LinkRules.h"

#include <cwctype>

namespace {

constexpr std::wstring_view kPlaceholder = L"%1";
constexpr std::wstring_view kQuotedPlaceholder = L"\"%1\"";
constexpr wchar_t kHtmlClass[] = L".htm";
constexpr wchar_t kOpenCommandKey[] = L"\\shell\\open\\command";
constexpr int kFileNotFound = 2;
constexpr int kPathNotFound = 3;

struct ErrorText {
    int code;
    const wchar_t* text;
};

constexpr ErrorText kErrorTexts[] = {
    {0, L"The operating system is out\nof memory or resources."},
    {2, L"The specified file was not found."},
    {3, L"The specified path was not found."},
    {5, L"The operating system denied\naccess to the specified file."},
    {8, L"There was not enough memory to complete the operation."},
    {11, L"The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image)."},
    {26, L"A sharing violation occurred. "},
    {27, L"The filename association is\nincomplete or invalid."},
    {28, L"The DDE transaction could not\nbe completed because the request timed out."},
    {29, L"The DDE transaction failed."},
    {30, L"The DDE transaction could not\nbe completed because other DDE transactions\nwere being processed."},
    {31, L"There is no application associated\nwith the given filename extension."},
    {32, L"The specified dynamic-link library was not found."},
};

bool HasBlank(std::wstring_view text) {
    for (wchar_t c : text)
        if (std::iswspace(c)) return true;
    return false;
}

// One command-line argument holding the address.
std::wstring AddressArgument(std::wstring_view address) {
    std::wstring argument;
    for (wchar_t c : address) {
        if (c == L'"')
            argument += L"%22";
        else
            argument += c;
    }
    return HasBlank(argument) ? L"\"" + argument + L"\"" : argument;
}

}  // namespace

LinkColour ChooseLinkColour(const LinkColours& colours, const LinkState& state, unsigned style) {
    if (state.hover && (style & kLinkUseHover)) return colours.hover;
    if (state.pressed && !(style & kLinkNoPressedColour)) return colours.pressed;
    if (state.visited) return colours.visited;
    return colours.link;
}

std::optional<unsigned> ChangeLinkStyle(unsigned style, unsigned remove, unsigned add) {
    if (remove & add) return std::nullopt;
    return (style & ~remove) | add;
}

LinkBox FitLinkToText(const LinkFit& fit) {
    const int width = fit.textWidth + fit.borderWidth;
    const int height = fit.textHeight + fit.borderHeight;
    const LinkBox& now = fit.window;
    LinkBox box = now;
    switch (fit.align) {
    case LinkAlign::Left: box.left = now.left; break;
    case LinkAlign::Centre: box.left = now.left + (now.right - now.left - width) / 2; break;
    case LinkAlign::Right: box.left = now.right - width; break;
    }
    box.right = box.left + width;
    box.top = fit.centreVertically ? now.top + (now.bottom - now.top - height) / 2 : now.top;
    box.bottom = box.top + height;
    return box;
}

std::wstring FallbackCommand(std::wstring_view handlerCommand, std::wstring_view address) {
    std::wstring command(handlerCommand);
    size_t cut = command.find(kQuotedPlaceholder);
    if (cut == std::wstring::npos) cut = command.find(kPlaceholder);
    if (cut != std::wstring::npos) command.erase(cut);
    return command + L" " + AddressArgument(address);
}

bool IsMissingLocalFile(std::wstring_view address, int shellCode) {
    if (shellCode != kFileNotFound && shellCode != kPathNotFound) return false;
    const bool drivePath = address.size() >= 3 && std::iswalpha(address[0]) && address[1] == L':' &&
                           (address[2] == L'\\' || address[2] == L'/');
    const bool networkPath = address.size() >= 2 && address[0] == L'\\' && address[1] == L'\\';
    return drivePath || networkPath;
}

std::wstring LinkErrorText(int code) {
    std::wstring text = L"Can't open link:\n\n";
    for (const ErrorText& known : kErrorTexts) {
        if (known.code == code) return text + known.text;
    }
    return text + L"Unknown Error (" + std::to_wstring(code) + L") occurred.";
}

LinkOutcome OpenLinkThrough(const std::wstring& address, const LinkOpeners& openers) {
    if (address.empty()) return {false, kFileNotFound};
    LinkOutcome shell = openers.shellOpen(address);
    if (shell.opened || IsMissingLocalFile(address, shell.code)) return shell;
    std::optional<std::wstring> fileClass = openers.readClassesRoot(kHtmlClass);
    if (!fileClass || fileClass->empty()) return shell;
    std::optional<std::wstring> handler = openers.readClassesRoot(*fileClass + kOpenCommandKey);
    if (!handler || handler->empty()) return shell;
    return openers.runCommand(FallbackCommand(*handler, address));
}

std::wstring ManualPath(const std::wstring& programFolder) {
    if (programFolder.empty()) return kManualFileName;
    const wchar_t last = programFolder.back();
    const bool endsWithSeparator = last == L'\\' || last == L'/';
    return programFolder + (endsWithSeparator ? L"" : L"\\") + kManualFileName;
}
